#include "basemap/files/PrefectureDataFile.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kDataLineBytes = 298;
constexpr int kCatalogueLineBytes = 199;

// The comment-free lines of a file, each cut to its byte limit without splitting a character.
template <class Each>
bool ForEachDataLine(std::string_view winPath, int lineBytes, Each each)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    std::string raw;
    while (reader.readRawLine(raw)) {
        const std::string line = vd::cp932Left(vd::cp932ToUtf8(raw), lineBytes);
        if (line.empty() || line.front() == ';')
            continue;
        each(line);
    }
    return true;
}

PrefectureDataRow ParseRow(const std::string& line)
{
    PrefectureDataRow row;
    const auto blank = line.find(' ');
    row.name = line.substr(0, blank);
    if (blank != std::string::npos)
        row.valueText = line.substr(blank + 1);
    row.value = vd::parseDouble(row.valueText);
    return row;
}

} // namespace

std::optional<PrefectureDataFile> ReadPrefectureDataFile(std::string_view winPath)
{
    PrefectureDataFile file;
    bool header = true;
    const bool opened = ForEachDataLine(winPath, kDataLineBytes, [&](const std::string& line) {
        if (header) {
            const auto equals = line.find('=');
            file.dataName = equals == std::string::npos ? line : line.substr(equals + 1);
            header = false;
        } else {
            file.rows.push_back(ParseRow(line));
        }
    });
    if (!opened)
        return std::nullopt;
    return file;
}

std::optional<std::vector<std::string>> ReadPrefectureDataCatalogue(std::string_view winPath)
{
    std::vector<std::string> paths;
    if (!ForEachDataLine(winPath, kCatalogueLineBytes, [&](const std::string& line) { paths.push_back(line); }))
        return std::nullopt;
    return paths;
}
