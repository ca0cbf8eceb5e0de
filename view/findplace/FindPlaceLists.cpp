#include "view/findplace/FindPlaceLists.h"

#include "municipal/files/BoundaryFile.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/text/StringOps.h"
#include "view/findplace/FindPlaceDialog.h"

#include <algorithm>

namespace {

constexpr int kEntryRoom = CDlgFindPlace::kRecordRoom - 1; // room left for the "999" mark
constexpr int kMunicipalityFileLimit = 60;

bool IsMunicipalityFile(const vd::FolderEntry& entry)
{
    if (entry.status.isFolder)
        return false;
    const std::string lower = vd::toLowerAscii(entry.name);
    return lower.starts_with("pg") && lower.find(".dat") != std::string::npos;
}

void AppendHeaderRecords(const std::string& path, std::vector<std::string>& list)
{
    municipal::BoundaryFileReader reader(municipal::BoundaryFileKind::Municipality);
    if (!reader.open(path))
        return;
    municipal::LedgerRecord record;
    while (int(list.size()) < kEntryRoom && reader.nextLedgerRecord(record))
        list.push_back(record.bytes.substr(29, 40) + record.bytes.substr(0, 5));
}

} // namespace

std::string NoMunicipalityListMessage(const std::string& cityBorderDir)
{
    return "市区町村の一覧がありません。\n市区町村界のファイル " + cityBorderDir +
           "CITYPLGN\\PG*.DAT から読みます。\n(行政界のフォルダは「行政界・海岸線変換」で指定します)";
}

std::vector<std::string> ReadMunicipalityList(const std::string& cityBorderDir)
{
    std::vector<std::string> list;
    const std::string folder = cityBorderDir + "CITYPLGN\\";
    if (const auto entries = vd::listFolder(folder + "*.*")) {
        int files = 0;
        for (const vd::FolderEntry& entry : *entries) {
            if (files == kMunicipalityFileLimit)
                break;
            if (!IsMunicipalityFile(entry))
                continue;
            ++files;
            AppendHeaderRecords(folder + entry.name, list);
        }
    }
    list.push_back("999");
    return list;
}

void AppendPlaceLines(const std::string& path, int limit, std::vector<std::string>& lines)
{
    if (path.empty())
        return;
    vd::TextReader reader;
    if (!reader.open(path))
        return;
    std::string line;
    while (int(lines.size()) < limit && reader.readLine(line))
        if (!line.empty() && line[0] != ';')
            lines.push_back(line);
}

std::vector<std::string> SearchResultList(std::span<const std::string> results, int count)
{
    std::vector<std::string> list;
    const int last = std::min({count, int(results.size()), kEntryRoom});
    for (int i = 0; i < last && results[std::size_t(i)] != "999"; ++i)
        list.push_back(results[std::size_t(i)]);
    list.push_back("999");
    return list;
}
