#include "view/window/StartDataCheck.h"

#include <cctype>
#include <unistd.h>

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool usableFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_directory(folder, error) && access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace

bool SheetIndexHasSheets(const std::vector<SheetIndexLine>& lines)
{
    for (const SheetIndexLine& line : lines) {
        if (line.IsEmpty() || line.IsComment())
            continue;
        const std::string latitude = line.LatitudeText();
        const bool named = line.NameColumns().find_first_not_of(' ') != std::string::npos;
        if (named && latitude.size() >= 4 && isDigit(latitude[0]) && isDigit(latitude[1]) && latitude[2] == '.')
            return true;
    }
    return false;
}

std::string StartDataProblem(const std::filesystem::path& appFolder, const std::string& indexPath)
{
    std::string problem;
    if (!usableFolder(appFolder))
        problem = "アプリケーションフォルダ「" + appFolder.string() + "」を作成できないか、書き込めません。\n";
    const auto index = ReadSheetIndex(indexPath);
    if (!index)
        problem += "1/20万地勢図の図幅索引「" + indexPath + "」が見つかりません。\n";
    else if (!SheetIndexHasSheets(*index))
        problem += "1/20万地勢図の図幅索引「" + indexPath + "」は空か、壊れています。\n";
    if (problem.empty())
        return {};
    return problem + "\n地図は表示できません。データを用意してから「地図再表示」を選んでください。";
}
