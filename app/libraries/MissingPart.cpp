#include "app/libraries/MissingPart.h"

#include "platform/ui/Ui.h"

std::string MissingPartMessage(std::string_view part, std::string_view library, std::string_view entry)
{
    return "「" + std::string(part) + "」の部分がインストールされていません。\n(" +
           vd::LibraryLoader::fileNameFor(library) + " に " + std::string(entry) + " がありません)";
}

void ReportMissingPart(std::string_view part, std::string_view library, std::string_view entry)
{
    vd::ui::AfxMessageBox(MissingPartMessage(part, library, entry), vd::MB_OK | vd::MB_ICONINFORMATION);
}
