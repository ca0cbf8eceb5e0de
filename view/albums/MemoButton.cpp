// Button 303 (メモ): the memo of the picture shown, or of the entry, in TOVENDLG's memo window.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/tovendlg.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Ui.h"

void CVeldoranView::OnButtonMemo()
{
    CVeldoranDoc& doc = *m_pDoc;
    int& mode = doc.m_nMapDisplayMode;
    if (mode == 5)
        return;
    if (doc.repaint.m_nSavedMapDisplayMode == map_display::kPicturePage ||
        doc.repaint.m_nSavedMapDisplayMode == map_display::kJpegPicturePage)
        mode = doc.repaint.m_nSavedMapDisplayMode;
    if (mode == 0 && doc.m_strEntryParam.empty())
        return;
    const bool picture = mode == 15 || mode == 16;
    std::string file = doc.m_strEntryParam;
    if (picture && file.empty()) {
        // The text beside the picture: its name with ".txt" for the picture's extension, which
        // may be written in either case (a Windows name: "HILLS.BMP").
        const std::string target = vd::toLowerAscii(doc.entry.m_strEntryTarget);
        std::size_t cut = target.find(".b");
        if (cut == std::string::npos)
            cut = target.find(".j");
        if (cut == std::string::npos)
            return;
        file = doc.entry.m_strEntryTarget.substr(0, cut) + ".txt";
    }
    const bool mouse = doc.repaint.m_strViewState == "MOUSE";
    const std::string title = mouse ? doc.m_strEntryTitle : vd::ui::applicationTitle();
    const std::string subtitle = mouse ? doc.entry.m_strEntryItem : std::string();
    if (file.find("@:") != std::string::npos)
        file = doc.ExpandAppPath(file);
    std::string text;
    if (picture)
        text = doc.ReadTextSection(file, title, subtitle);
    if (auto* memo = Tovendlg().OnMemoDisplay.fn)
        memo(3, 0, file, text);
}
