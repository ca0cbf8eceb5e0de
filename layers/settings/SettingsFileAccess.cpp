#include "layers/settings/SettingsFileAccess.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/TextReader.h"
#include "platform/ui/Ui.h"

namespace {

bool ExistsButCannotBeRead(const std::string& path)
{
    if (!vd::pathExists(path))
        return false;
    vd::TextReader reader;
    return !vd::fileExists(path) || !reader.open(path);
}

} // namespace

std::string UnreadableSettingsFileMessage(const std::string& path)
{
    return "設定ファイル「" + path + "」を読めません。このファイルは書き換えません。";
}

std::string UnwritableSettingsFileMessage(const std::string& path)
{
    return "設定ファイル「" + path + "」に書き込めません。変更は保存されていません。";
}

SettingsFileAccess::SettingsFileAccess(std::string path) : path_(std::move(path))
{
    unreadable_ = ExistsButCannotBeRead(path_);
    if (unreadable_)
        vd::ui::AfxMessageBox(UnreadableSettingsFileMessage(path_), vd::MB_OK | vd::MB_ICONEXCLAMATION);
}

bool SettingsFileAccess::rewrite(const std::function<bool(const std::string&)>& write) const
{
    if (unreadable_)
        return false;
    if (write(path_))
        return true;
    vd::ui::AfxMessageBox(UnwritableSettingsFileMessage(path_), vd::MB_OK | vd::MB_ICONEXCLAMATION);
    return false;
}
