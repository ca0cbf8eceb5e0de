#include "seismic/lists/SeismicDataList.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/StringOps.h"

#include <functional>

namespace seismic {

namespace {

bool IsEntryLine(std::string_view line) { return !line.empty() && line.front() != ';'; }

// Calls `visit` with every entry line of the list until it answers false.
void ForEachEntryLine(std::string_view folder, int kind, const std::function<bool(const std::string&)>& visit)
{
    vd::TextReader reader;
    if (!reader.open(SeismicListPath(folder, kind)))
        return;
    std::string line;
    while (reader.readLine(line))
        if (IsEntryLine(line) && !visit(line))
            break;
}

} // namespace

std::string SeismicListPath(std::string_view folder, int kind)
{
    return std::string(folder) + (kind == 0 ? "SEISFILE.DAT" : "FLTFILE.DAT");
}

std::string_view SeismicListHeader(int kind)
{
    return kind == 0 ? ";-----確率論的地震動予測地図データファイル--------"
                     : ";-----震源断層を特定した地震動予測地図データファイル--------";
}

int SeismicQuantityCode(std::string_view dataPath)
{
    const std::size_t slash = dataPath.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? dataPath : dataPath.substr(slash + 1);
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos || dot < 2)
        return -1;
    const std::string letters = vd::toUpperAscii(name.substr(dot - 2, 2));
    static constexpr std::string_view kCodes[] = {"PS", "SI", "SV", "BV"};
    for (int code = 0; code < 4; ++code)
        if (letters == kCodes[code])
            return code;
    return -1;
}

std::string SeismicEntryDataPath(std::string_view entryLine)
{
    const std::size_t equals = entryLine.find('=');
    return std::string(equals == std::string_view::npos ? entryLine : entryLine.substr(equals + 1));
}

SeismicDataEntry GetSeismicDataEntry(std::string_view folder, int kind, int index)
{
    SeismicDataEntry entry;
    if (index < 0)
        return entry;
    int count = 0;
    ForEachEntryLine(folder, kind, [&](const std::string& line) {
        if (count++ != index)
            return true;
        entry.line = line;
        return false;
    });
    if (kind == 0 && !entry.line.empty())
        entry.quantity = SeismicQuantityCode(SeismicEntryDataPath(entry.line));
    return entry;
}

std::vector<std::string> ListSeismicDataNames(std::string_view folder, int kind)
{
    std::vector<std::string> names;
    ForEachEntryLine(folder, kind, [&](const std::string& line) {
        names.push_back(line.substr(0, line.find('=')));
        return true;
    });
    return names;
}

bool EnsureSeismicDataList(std::string_view folder, int kind)
{
    const std::string path = SeismicListPath(folder, kind);
    if (vd::fileExists(path))
        return true;
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Append))
        return false;
    writer.writeLine(SeismicListHeader(kind));
    return writer.close();
}

bool AppendSeismicDataEntry(std::string_view folder, int kind, std::string_view name, std::string_view dataFile)
{
    // An append first ends a last line left without its line end, so the entry stays a line of its own.
    vd::TextWriter writer;
    if (!writer.open(SeismicListPath(folder, kind), vd::WriteMode::Append))
        return false;
    writer.writeLine(std::string(name) + "=" + std::string(dataFile));
    return writer.close();
}

} // namespace seismic
