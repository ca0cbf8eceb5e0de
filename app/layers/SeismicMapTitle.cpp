#include "app/layers/SeismicMapTitle.h"

#include "platform/fs/TextReader.h"

std::string SeismicEntryName(const std::vector<std::string>& lines, int entry)
{
    int count = 0;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        if (count++ == entry)
            return line.substr(0, line.find('='));
    }
    return {};
}

namespace {

std::string ListPath(const std::string& appDir, int kind) { return appDir + (kind != 0 ? "FLTFILE.DAT" : "SEISFILE.DAT"); }

} // namespace

std::string SeismicMapTitle(const std::string& appDir, int kind, int entry, int quantity)
{
    const auto lines = vd::readTextLines(ListPath(appDir, kind));
    std::string title = lines ? SeismicEntryName(*lines, entry) : std::string();
    static const char* const kQuantity[] = {"[基盤の最大速度]", "[地表の最大速度]", "[地表の震度]"};
    if (kind == 1 && quantity >= 0 && quantity < 3)
        title += std::string(" ") + kQuantity[quantity];
    return title;
}

bool SeismicListHasEntries(const std::string& appDir, int kind)
{
    const auto lines = vd::readTextLines(ListPath(appDir, kind));
    if (!lines)
        return false;
    for (const std::string& line : *lines)
        if (!line.empty() && line[0] != ';')
            return true;
    return false;
}

std::string SeismicFilesNeededMessage(const std::string& appDir)
{
    return "地震動予測地図のデータファイルが登録されていません。\n\n"
           "確率論的地震動予測地図は、公開されている3次メッシュ単位のCSVファイルを読みます"
           "（ファイル名の末尾が _PS: 超過確率、_SI: 計測震度、_SV: 地表の最大速度、_BV: 工学的基盤の最大速度）。\n"
           "ファイルを入手して、地震動予測地図の設定の「登録」で " +
           ListPath(appDir, 0) + " に加えてください。\n"
           "震源断層を特定した地震動予測地図のファイル（名前に -MAP- を含むCSV。断層面のファイルは "
           "-MAP- を -FAULT- に替えた名前で同じフォルダに置きます）は " +
           ListPath(appDir, 1) + " に登録します。";
}
