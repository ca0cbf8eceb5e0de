#pragma once
// The seek index kept beside a probabilistic mesh file ("A_PS.hdr" beside "A_PS.CSV"): line 1 the
// data file's path, then one line "<first-level mesh> <first record line>" for every run of
// records of one first-level mesh, in file order, records counted from 0 without "#" lines. Lines
// end in CR LF. The drawing seeks ten records before a run (published records are 66 bytes) and
// reads forward from there.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {
class Dc;
}

namespace seismic {

struct MeshRun {
    std::string mesh; // the first four characters of the run's records
    long long firstLine = 0;
    friend bool operator==(const MeshRun&, const MeshRun&) = default;
};

struct MeshSeekIndex {
    std::string path; // where it is (or would be, when it could not be written)
    std::vector<MeshRun> runs;
};

// The index path of a data file: the path up to the "." of its file name, then "hdr" (".hdr" is
// added to a file name without one). Dots in folder names do not count.
std::string MeshSeekIndexPath(std::string_view dataPath);

// The runs of a data file, read from the top.
std::vector<MeshRun> ScanMeshRuns(std::string_view dataPath, bool* opened = nullptr);

// The runs of an index file's lines after the first; lines that do not parse are skipped.
std::vector<MeshRun> ParseMeshSeekIndex(const std::vector<std::string>& lines);

// Whether a data file whose index is missing can be read; when it can, the wait message goes on
// `dc` (if any) while the index is built.
bool StartSeekIndexBuild(vd::Dc* dc, std::string_view dataPath);

// The index of a data file: the existing index file as it stands, else built from the data file
// (with the wait message on `dc` while it is built) and written beside it; an index that cannot be
// written is still answered, for this call. Nothing when there is no index and the data file
// cannot be read.
std::optional<MeshSeekIndex> BuildMeshSeekIndex(vd::Dc* dc, std::string_view dataPath);

// The first run of a mesh; nothing when the index has none.
const MeshRun* FindMeshRun(const MeshSeekIndex& index, std::string_view mesh);

// The byte offset to read a run from: ten published records before it, 0 near the top.
std::uint64_t SeekMeshOffset(const MeshRun& run);

} // namespace seismic
