#pragma once
// The seek index kept beside a subduction scenario file ("A-MAP-S_K.hdr" beside "A-MAP-S_K.CSV"):
// line 1 the data file's path, then "<degree> <record>" for every whole degree of longitude the
// file's header lists (its lines before "# DATA" that do not begin with "#" start with the
// degree), from the lowest up to one below the highest: the number of the first record east of
// that degree, records counted from 0 after the "# XPO" line. Lines end in CR LF. Records are
// 77 bytes, so the drawing seeks ten records before the extent's western degree.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {
class Dc;
}

namespace seismic {

struct DegreeEntry {
    int degree = 0;
    long long record = 0;
    friend bool operator==(const DegreeEntry&, const DegreeEntry&) = default;
};

struct DegreeSeekIndex {
    std::string path; // where it is (or would be, when it could not be written)
    std::vector<DegreeEntry> degrees;
};

// The degrees and their first records, read from the data file; nothing when it does not open.
std::optional<std::vector<DegreeEntry>> ScanDegreeEntries(std::string_view dataPath);

// The entries of an index file's lines after the first; lines that do not parse are skipped.
std::vector<DegreeEntry> ParseDegreeSeekIndex(const std::vector<std::string>& lines);

// The index of a data file: the existing index file as it stands, else built from the data file
// (with the wait message on `dc`) and written beside it; one that cannot be written is still
// answered for this call. Nothing when there is no index and the data file cannot be read.
std::optional<DegreeSeekIndex> BuildDegreeSeekIndex(vd::Dc* dc, std::string_view dataPath);

// The byte offset to read the records of a degree from: ten records before its first, 0 near the
// top. A degree west of the index's first reads from the top; one past its last from the last.
std::uint64_t SeekDegreeOffset(const DegreeSeekIndex& index, int degree);

} // namespace seismic
