#include "layers/settings/files/DataFileChoice.h"

#include "platform/text/Cp932Text.h"
#include "platform/text/StringOps.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"

namespace {

std::optional<std::string> AskForTextFile()
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, "txt", "*.txt", vd::OFN_FILEMUSTEXIST, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    if (dialog.DoModal() != vd::IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

} // namespace

std::optional<std::string> ChooseDataFile()
{
    auto path = AskForTextFile();
    if (!path)
        return std::nullopt;
    return vd::toLowerAscii(*path);
}

std::optional<DataFolderChoice> ChooseDataFolder()
{
    auto path = AskForTextFile();
    if (!path)
        return std::nullopt;
    return SplitDataFolderPath(*path);
}

std::optional<DataFolderChoice> SplitDataFolderPath(std::string_view path)
{
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return std::nullopt;
    return DataFolderChoice{std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

std::string DataFolderText(const DataFolderChoice& choice, int codeLength)
{
    return choice.folder + "(" + vd::cp932Left(choice.fileName, codeLength) + ")";
}

std::string StoredPathForm(std::string_view typed)
{
    if (typed.empty() || typed.front() != '/')
        return std::string(typed);
    return vd::ui::toWindowsForm(std::string(typed));
}
