// Showing a text file in TOVENDLG's text dialog, and the "@:" paths below the application folder.
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"

std::string CVeldoranDoc::ExpandAppPath(const std::string& path) const
{
    const std::size_t colon = path.find(':');
    if (colon == std::string::npos)
        return path;
    return folders.m_strAppDir + path.substr(colon + 1);
}

void CVeldoranDoc::ShowTextFile()
{
    std::string file = m_strEntryParam;
    if (file.find("@:") != std::string::npos)
        file = ExpandAppPath(file);
    OnTextDisplayDaialog_fn* show = Tovendlg().OnTextDisplayDaialog.fn;
    if (!show || FileExists(file) != 1)
        return;
    repaint.m_bDialogOpen = 1;
    show(file, m_strEntryTitle, entry.m_strEntryItem);
    repaint.m_bDialogOpen = 0;
    if (repaint.m_bMapErasedByDialog == 1)
        RestorePreviousDisplay();
}
