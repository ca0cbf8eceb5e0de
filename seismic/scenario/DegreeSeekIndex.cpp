#include "seismic/scenario/DegreeSeekIndex.h"

#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Format.h"
#include "seismic/probabilistic/MeshSeekIndex.h"
#include "seismic/scenario/ScenarioRecord.h"

#include <algorithm>
#include <charconv>

namespace seismic {

namespace {

constexpr std::string_view kDataStart = "# DATA";
constexpr long long kLeadRecords = 10;

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The number at the start of a text ("%d" reading: blanks, a sign, digits); 0 without one.
long long LeadingNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : 0;
}

bool WriteIndex(const std::string& path, std::string_view dataPath, const std::vector<DegreeEntry>& degrees)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    writer.writeLine(dataPath);
    for (const DegreeEntry& d : degrees)
        writer.writeRawLine(vd::format("%d %lld", d.degree, d.record));
    return writer.close();
}

} // namespace

std::optional<std::vector<DegreeEntry>> ScanDegreeEntries(std::string_view dataPath)
{
    vd::TextReader reader;
    if (!reader.open(dataPath))
        return std::nullopt;
    std::string line;
    long long low = 1000, high = -1000;
    while (reader.readRawLine(line) && !StartsWith(line, kDataStart)) {
        if (StartsWith(line, "#"))
            continue;
        const long long degree = LeadingNumber(std::string_view(line).substr(0, 3));
        low = std::min(low, degree);
        high = std::max(high, degree);
    }
    std::vector<DegreeEntry> degrees;
    for (long long d = low; d < high; ++d)
        degrees.push_back({int(d), 0});

    // The records follow the "# XPO" line, in order of increasing longitude.
    if (!reader.seek(0))
        return std::nullopt;
    while (reader.readRawLine(line) && !StartsWith(line, kRecordsStart)) {
    }
    std::size_t next = 0;
    long long number = 0;
    for (; reader.readRawLine(line); ++number) {
        const auto record = ParseScenarioRecord(line, false);
        if (next < degrees.size() && record && float(degrees[next].degree) < record->Longitude())
            degrees[next++].record = number;
    }
    // A degree east of every record starts after the last one.
    for (; next < degrees.size(); ++next)
        degrees[next].record = number;
    return degrees;
}

std::vector<DegreeEntry> ParseDegreeSeekIndex(const std::vector<std::string>& lines)
{
    std::vector<DegreeEntry> degrees;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos || blank == 0)
            continue;
        degrees.push_back({int(LeadingNumber(line.substr(0, blank))), LeadingNumber(line.substr(blank + 1))});
    }
    return degrees;
}

std::optional<DegreeSeekIndex> BuildDegreeSeekIndex(vd::Dc* dc, std::string_view dataPath)
{
    DegreeSeekIndex index{MeshSeekIndexPath(dataPath), {}};
    if (auto lines = vd::readRawTextLines(index.path)) {
        index.degrees = ParseDegreeSeekIndex(*lines);
        return index;
    }
    if (!StartSeekIndexBuild(dc, dataPath))
        return std::nullopt;
    auto degrees = ScanDegreeEntries(dataPath);
    if (!degrees)
        return std::nullopt;
    index.degrees = std::move(*degrees);
    // A folder that cannot be written (a read-only data disc) keeps the index for this call only.
    WriteIndex(index.path, dataPath, index.degrees);
    return index;
}

std::uint64_t SeekDegreeOffset(const DegreeSeekIndex& index, int degree)
{
    if (index.degrees.empty() || degree < index.degrees.front().degree)
        return 0;
    long long record = index.degrees.back().record;
    for (const DegreeEntry& d : index.degrees)
        if (d.degree == degree) {
            record = d.record;
            break;
        }
    if (record < kLeadRecords)
        return 0;
    return std::uint64_t(record - kLeadRecords) * kSubductionRecordBytes;
}

} // namespace seismic
