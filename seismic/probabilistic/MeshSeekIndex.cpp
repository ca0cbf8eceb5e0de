#include "seismic/probabilistic/MeshSeekIndex.h"

#include "platform/dc/Dc.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "seismic/probabilistic/ProbabilisticRecord.h"

#include <cctype>

namespace seismic {

namespace {

constexpr std::string_view kWaitMessage = "しばらくお待ちください。地図ファイルのデータ並びを調べています。";
constexpr int kWaitX = 50;
constexpr int kWaitY = 100;
// The drawing starts this many records before a run, so a run found a little early still shows.
constexpr long long kLeadRecords = 10;

std::string MeshOf(std::string_view line) { return std::string(line.substr(0, 4)); }

std::optional<MeshRun> ParseRunLine(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || blank + 1 >= line.size())
        return std::nullopt;
    const std::string_view number = line.substr(blank + 1);
    if (!std::isdigit(static_cast<unsigned char>(number.front())))
        return std::nullopt;
    long long value = 0;
    for (char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        if (value > (1LL << 40))
            return std::nullopt; // beyond any file: not an index line
        value = value * 10 + (c - '0');
    }
    return MeshRun{MeshOf(line), value};
}

bool WriteIndex(const std::string& path, std::string_view dataPath, const std::vector<MeshRun>& runs)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    writer.writeLine(dataPath);
    for (const MeshRun& run : runs)
        writer.writeRawLine(run.mesh + " " + std::to_string(run.firstLine));
    return writer.close();
}

} // namespace

std::string MeshSeekIndexPath(std::string_view dataPath)
{
    const std::size_t slash = dataPath.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = dataPath.find('.', nameStart);
    if (dot == std::string_view::npos)
        return std::string(dataPath) + ".hdr";
    return std::string(dataPath.substr(0, dot + 1)) + "hdr";
}

std::vector<MeshRun> ScanMeshRuns(std::string_view dataPath, bool* opened)
{
    std::vector<MeshRun> runs;
    vd::TextReader reader;
    const bool isOpen = reader.open(dataPath);
    if (opened)
        *opened = isOpen;
    if (!isOpen)
        return runs;
    std::string line;
    long long count = 0;
    while (reader.readRawLine(line)) {
        if (!IsRecordLine(line))
            continue;
        const std::string_view mesh = std::string_view(line).substr(0, 4);
        if (runs.empty() || runs.back().mesh != mesh)
            runs.push_back({std::string(mesh), count});
        ++count;
    }
    return runs;
}

std::vector<MeshRun> ParseMeshSeekIndex(const std::vector<std::string>& lines)
{
    std::vector<MeshRun> runs;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (auto run = ParseRunLine(lines[i]))
            runs.push_back(std::move(*run));
    return runs;
}

bool StartSeekIndexBuild(vd::Dc* dc, std::string_view dataPath)
{
    {
        vd::TextReader probe;
        if (!probe.open(dataPath))
            return false;
    }
    if (dc != nullptr)
        dc->TextOut(kWaitX, kWaitY, kWaitMessage);
    return true;
}

std::optional<MeshSeekIndex> BuildMeshSeekIndex(vd::Dc* dc, std::string_view dataPath)
{
    MeshSeekIndex index{MeshSeekIndexPath(dataPath), {}};
    if (auto lines = vd::readRawTextLines(index.path)) {
        index.runs = ParseMeshSeekIndex(*lines);
        return index;
    }
    if (!StartSeekIndexBuild(dc, dataPath))
        return std::nullopt;
    bool opened = false;
    index.runs = ScanMeshRuns(dataPath, &opened);
    if (!opened)
        return std::nullopt;
    // A folder that cannot be written (a read-only data disc) keeps the index for this call only.
    WriteIndex(index.path, dataPath, index.runs);
    return index;
}

const MeshRun* FindMeshRun(const MeshSeekIndex& index, std::string_view mesh)
{
    for (const MeshRun& run : index.runs)
        if (run.mesh == mesh)
            return &run;
    return nullptr;
}

std::uint64_t SeekMeshOffset(const MeshRun& run)
{
    if (run.firstLine < kLeadRecords)
        return 0;
    return std::uint64_t(run.firstLine - kLeadRecords) * kPublishedRecordBytes;
}

} // namespace seismic
