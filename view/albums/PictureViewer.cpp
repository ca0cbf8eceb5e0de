// Pictures outside the page forms: the viewer or program of an item (waited for) or of a slide
// (ended when the slide's time is up), and the picture shown in the view in map modes 15 to 17
// with its メモ and 地図 buttons.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/DesktopApplication.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"

namespace {

// The viewer of the settings, else the desktop's application for the file.
std::vector<std::string> ViewerCommand(const std::string& viewer, const std::string& linuxFile)
{
    if (!viewer.empty())
        return {vd::ui::toLinuxForm(viewer), linuxFile};
    return vd::ui::desktopApplicationCommand(linuxFile);
}

} // namespace

void CVeldoranView::RunPictureViewer()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.repaint.m_strViewState == "JPG_SLIDE") {
        EndSlideProgram();
        if (CVeldoranDoc::FileExists(m_strSlidePicture) != 1)
            return;
        const auto command = ViewerCommand(doc.environment.m_strViewer, vd::ui::toLinuxForm(m_strSlidePicture));
        if (!command.empty())
            m_nSlideProgram = vd::ui::startProgram(command);
        return;
    }
    if (doc.entry.m_strEntryTarget.find("@:") != std::string::npos)
        doc.entry.m_strEntryTarget = doc.ExpandAppPath(doc.entry.m_strEntryTarget);
    if (doc.m_strEntryParam.find("@:") != std::string::npos)
        doc.m_strEntryParam = doc.ExpandAppPath(doc.m_strEntryParam);
    if (CVeldoranDoc::FileExists(doc.entry.m_strEntryTarget) != 1)
        return;
    if (!doc.m_strEntryParam.empty() && doc.entry.m_strPictureCaption == "on") {
        if (vd::ClientDc window = GetDC())
            m_pPages->DrawCaptionBox(*window, doc.m_strEntryParam);
    }
    const auto command = ViewerCommand(doc.environment.m_strViewer, vd::ui::toLinuxForm(doc.entry.m_strEntryTarget));
    // Without a program for the file the desktop opens it, and nothing is waited for.
    if (command.empty() || !vd::ui::runAndWait(command).started)
        vd::ui::openWithDesktop(doc.entry.m_strEntryTarget);
}

void CVeldoranView::EndSlideProgram()
{
    if (m_nSlideProgram > 0)
        vd::ui::endProgram(m_nSlideProgram);
    m_nSlideProgram = 0;
}

void CVeldoranView::DrawMemo(vd::Dc& dc, int kind)
{
    CVeldoranDoc& doc = *m_pDoc;
    // The picture page shows its own two buttons alone, whatever screen was there before.
    if (m_pNavigation && m_pNavigation->ShowsButtonsBesides({15, 16}))
        m_pNavigation->RemoveViewButtons(1);
    if (doc.environment.m_nPicturePosition < 2) {
        const int b = m_nSavedWidth > 800 ? m_nSavedWidth - 477 : m_nSavedWidth - 144;
        m_pNavigation->SetViewButton(15, std::string("メモ"), b, 3, b + 60, 27);
        m_pNavigation->SetViewButton(16, std::string("地図"), b + 65, 3, b + 125, 27);
    }
    m_pNavigation->RemoveViewButtons(5);
    if (doc.repaint.m_strViewState == "MENU") {
        doc.m_strEntryTitle = doc.entry.m_strEntryCaption;
        doc.entry.m_strEntryItem.clear();
    }
    doc.repaint.m_nSavedMapDisplayMode = kind == 0 ? map_display::kPicturePage : map_display::kJpegPicturePage;
    m_strSavedEntryParam = doc.m_strEntryParam;
    m_strSavedMapName = doc.m_strMapName;
    // Mode 16 is a JPEG decoded in the view; mode 15 a bitmap, or a JPEG asked for by mode 17.
    doc.m_nFileKind = CVeldoranDoc::GetFileKind(doc.entry.m_strEntryTarget) == 1 ? 1 : 0;
    m_pPages->DrawPicturePage(dc, doc.m_nFileKind);
    if (!doc.m_strEntryParam.empty() && doc.entry.m_strPictureCaption == "on")
        m_pPages->DrawCaptionBox(dc, doc.m_strEntryParam);
    doc.m_nMapDisplayMode = map_display::kMapShown;
}

void CVeldoranView::DrawPicture()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (m_nPictureState == -999 && doc.spec.m_nPointPopup == 1) {
        m_nPictureState = 1;
        SaveRestorePatch(1, m_nSavedX, m_nSavedY, 0, 0, 270, 40);
    }
    doc.entry.m_strEntryCaption = doc.m_strEntryTitle;
    doc.repaint.m_bMapOnScreen = 0;
    m_nSavedX = 0;
    m_nSavedY = 0;
    SaveRestoreMap(0, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
    m_nPictureState = -8888;
    if (doc.entry.m_strEntryTarget.find(".jpg") != std::string::npos && doc.environment.m_nJpegProcess == 1) {
        doc.m_nMapDisplayMode = map_display::kPicturePage;
    } else {
        doc.m_nMapDisplayMode = map_display::kPictureViewerBack;
        RunPictureViewer();
    }
    InvalidateView(false);
}
