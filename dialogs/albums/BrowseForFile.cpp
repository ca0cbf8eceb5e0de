#include "dialogs/albums/BrowseForFile.h"

#include "platform/text/StringOps.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Ui.h"

std::string BrowseForFile(const std::string& defaultExt, const std::string& initialName, const std::string& filter)
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, defaultExt, initialName, vd::OFN_FILEMUSTEXIST | vd::OFN_HIDEREADONLY,
                          filter + "|All files (*.*)|*.*||");
    if (dialog.DoModal() != vd::IDOK)
        return {};
    return vd::toLowerAscii(dialog.GetPathName());
}
