#include "seismic/scenario/FaultPlaneFile.h"

#include <cstdlib>

namespace seismic {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The number in characters [first, last] of a line, counted from 1.
double Column(std::string_view line, std::size_t first, std::size_t last)
{
    if (line.size() < first)
        return 0;
    const std::string text(line.substr(first - 1, last - first + 1));
    return std::strtod(text.c_str(), nullptr);
}

// The index of the first line after the "# JLO" line that follows "# FLT"; the end without one.
std::size_t OutlineStart(const std::vector<std::string>& lines)
{
    bool inFault = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!inFault)
            inFault = StartsWith(lines[i], "# FLT");
        else if (StartsWith(lines[i], "# JLO"))
            return i + 1;
    }
    return lines.size();
}

} // namespace

FaultPoint ParseFaultPointLine(std::string_view line)
{
    return {Column(line, 1, 9), Column(line, 11, 18), Column(line, 39, 47) * 0.001};
}

FaultOutline ReadFaultOutline(const std::vector<std::string>& lines, bool listForm)
{
    FaultOutline outline;
    const std::string* lastKept = nullptr;
    for (std::size_t i = OutlineStart(lines); i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (listForm && StartsWith(line, "# ASP")) {
            outline.asperitiesFollow = true;
            break;
        }
        if (lastKept != nullptr && *lastKept == line)
            continue;
        outline.points.push_back(ParseFaultPointLine(line));
        lastKept = &line;
        if (int(outline.points.size()) == kMostOutlinePoints)
            break;
    }
    return outline;
}

std::vector<std::vector<FaultPoint>> ReadAsperities(const std::vector<std::string>& lines)
{
    std::vector<std::vector<FaultPoint>> asperities;
    std::size_t i = 0;
    while (i < lines.size() && !StartsWith(lines[i], "# ASP"))
        ++i;
    while (i < lines.size()) {
        // lines[i] is an "# ASP" line; the line after it is not a point.
        i += 2;
        std::vector<FaultPoint> points;
        bool more = false;
        for (; i < lines.size(); ++i) {
            if (StartsWith(lines[i], "# ASP")) {
                more = true;
                break;
            }
            if (StartsWith(lines[i], "# DES"))
                break;
            if (!lines[i].empty() && int(points.size()) < kMostOutlinePoints)
                points.push_back(ParseFaultPointLine(lines[i]));
        }
        asperities.push_back(std::move(points));
        if (!more)
            break;
    }
    return asperities;
}

std::vector<SubductionRecord> ReadSubductionRecords(const std::vector<std::string>& lines)
{
    std::vector<SubductionRecord> records;
    for (std::size_t i = OutlineStart(lines); i < lines.size(); ++i) {
        float numbers[5] = {};
        const char* at = lines[i].c_str();
        int count = 0;
        for (; count < 5; ++count) {
            char* end = nullptr;
            numbers[count] = std::strtof(at, &end);
            if (end == at)
                break;
            at = end;
            if (count < 4) {
                if (*at != ',')
                    break;
                ++at;
            }
        }
        if (count == 5)
            records.push_back({numbers[0], numbers[1], numbers[4]});
    }
    return records;
}

} // namespace seismic
