#include "app/shell/ProfileWriteFailures.h"

#include "platform/sys/ProfileStore.h"
#include "platform/ui/Ui.h"
#include "platform/ui/WinConstants.h"

#include <cstdio>

std::string ProfileWriteFailureMessage(const std::filesystem::path& file)
{
    std::error_code error;
    const auto type = std::filesystem::status(file, error).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::regular &&
        type != std::filesystem::file_type::none)
        return "設定ファイル「" + file.string() + "」は通常のファイルではありません。既定の設定を使い、設定は保存しません。";
    return "設定ファイル「" + file.string() + "」に書き込めません。設定は保存されていません。";
}

void TellFailedProfileWrites()
{
    vd::ProfileStore::setWriteFailureHandler([](const std::filesystem::path& file) {
        const std::string message = ProfileWriteFailureMessage(file);
        // Also where a session that ends without anyone at the screen leaves its trace.
        std::fprintf(stderr, "veldoran: %s\n", message.c_str());
        vd::ui::AfxMessageBox(message, vd::MB_OK | vd::MB_ICONEXCLAMATION);
    });
}
