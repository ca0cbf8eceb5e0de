#include "app/settings/SettingsFilePicker.h"

#include "platform/text/StringOps.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Ui.h"

std::string PickExistingFile(const std::string& filter, const std::string& defaultExt)
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, defaultExt, "*." + defaultExt, vd::OFN_HIDEREADONLY | vd::OFN_FILEMUSTEXIST,
                          filter + "|All files (*.*)|*.*||");
    if (dialog.DoModal() != vd::IDOK)
        return {};
    return vd::toLowerAscii(dialog.GetPathName());
}
