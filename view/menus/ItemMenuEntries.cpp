#include "view/menus/ItemMenuEntries.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Window.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

namespace {

// Kinds of the document's GetFileKind that the picture menus tell apart.
constexpr int kBitmapKind = 0;
constexpr int kAlbumKind = 8;
constexpr int kOtherFileKind = 9;

// Views wider than this show Surrick's picture window beside the map.
constexpr int kWideView = 800;
// The caption box's left offset while the picture window is beside it.
constexpr int kCaptionOffsetBesidePicture = 100;

void saveOrRestoreWholeView(CVeldoranView& view, int flag)
{
    const vd::ui::Rect client = view.GetClientRect();
    view.SaveRestoreMap(flag, 0, 0, 0, 0, client.right, client.bottom);
}

void runPictureMenuEntry(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    const int kind = doc.m_nFileKind;
    if (kind == kBitmapKind) {
        if (doc.environment.m_nPicturePosition != 2) {
            std::string record = doc.m_strEntryTitle + "* * * " + doc.entry.m_strEntryTarget;
            if (!doc.m_strEntryParam.empty())
                record += " " + doc.m_strEntryParam;
            view.OpenRegisteredItem(record);
            return;
        }
        // The caption box drawn beside the picture window covers the map: it comes back after.
        const bool caption = !doc.m_strEntryParam.empty();
        if (caption)
            saveOrRestoreWholeView(view, 0);
        ShowPictureDialog(view, doc.entry.m_strEntryTarget, doc.m_strEntryTitle, "");
        if (caption)
            saveOrRestoreWholeView(view, 1);
    } else if (kind != kAlbumKind && kind != kOtherFileKind) {
        saveOrRestoreWholeView(view, 0);
        view.RunPictureViewer();
        // The next repaint puts the saved view back.
        doc.entry.m_strEntryTarget = "ApplecationExec";
    }
    doc.m_nMapDisplayMode = map_display::kMapShown;
}

} // namespace

void RunItemMenuEntry(CVeldoranView& view, int item, int menu, int kind)
{
    CVeldoranDoc& doc = *view.GetDocument();
    const std::size_t index = std::size_t(item) * 8 + std::size_t(menu);
    // An empty slot or a separator runs nothing, so the last entry's fields are not run again.
    if (item < 0 || menu < 0 || menu > 7 || index >= doc.menus.m_astrMenuBarEntry.size() ||
        doc.menus.m_astrMenuBarEntry[index].find('@') == std::string::npos)
        return;
    doc.RunMenuBarEntry(item, menu);
    if (kind == 0) {
        if (doc.environment.m_strTextAppear == "Dialog")
            doc.m_nMapDisplayMode = map_display::kMapShown;
        return;
    }
    runPictureMenuEntry(view);
}

void ShowPictureDialog(CVeldoranView& view, const std::string& path, const std::string& title,
                       const std::string& parameter)
{
    if (path.empty())
        return;
    CVeldoranDoc& doc = *view.GetDocument();
    const bool wide = view.GetClientRect().right > kWideView;
    std::string word = wide ? "VELDORAN" : "SMALL";
    if (!doc.m_strEntryParam.empty() && doc.entry.m_strPictureCaption == "on") {
        word = wide ? "VELDORAN_UP" : "SMALL";
        ViewPages& pages = *view.m_pPages;
        const int offset = pages.m_nPicOffsetX;
        if (wide)
            pages.m_nPicOffsetX = kCaptionOffsetBesidePicture;
        if (vd::ClientDc window = view.GetDC())
            pages.DrawCaptionBox(*window, doc.m_strEntryParam);
        pages.m_nPicOffsetX = offset;
    }
    const std::string mode = parameter.empty() ? word : parameter + "$" + word;
    std::string file = path.find("@:") != std::string::npos ? doc.ExpandAppPath(path) : path;
    file = vd::toLowerAscii(file);
    if (CVeldoranDoc::FileExists(file) == -1)
        return;
    if (OnDlgBmpShow_fn* show = Surrick().OnDlgBmpShow.fn)
        show(file, title, mode, doc.environment.m_nBmpBackground);
}
