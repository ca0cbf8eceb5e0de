// Opening a registered item of the map (a double click, or an entry of the item menus): an album
// plays, a text becomes a text page (or the text dialog), a web page opens in the browser, a
// picture is drawn in the view or handed to the viewer.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/surrick.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DesktopApplication.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"
#include "view/albums/AlbumEntry.h"
#include "view/pages/ViewPages.h"

#include <sstream>

void CVeldoranView::OpenRegisteredItem(const std::string& record)
{
    CVeldoranDoc& doc = *m_pDoc;
    const bool tipShown = m_nPictureState == -999;
    if (tipShown && doc.spec.m_nPointPopup == 1)
        m_nPictureState = 1;
    // The map under a name tip comes back before the map image is saved for the page.
    const auto removeTip = [&] {
        if (tipShown)
            SaveRestorePatch(1, m_nSavedX, m_nSavedY, 0, 0, 270, 40);
    };
    const auto saveMap = [this] { SaveRestoreMap(0, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight); };
    m_strPlayKind.clear();
    int kind = CVeldoranDoc::GetFileKind(record);
    doc.m_nFileKind = kind;

    if (kind == 8) {
        m_strPlayKind = "ALBUM";
        std::istringstream fields(record);
        std::string name, latitude, longitude;
        fields >> name >> latitude >> longitude;
        const std::string part = albums::EntryFilePart(record);
        std::string album = part.substr(0, part.find(' '));
        if (album.find("@:") != std::string::npos)
            album = doc.ExpandAppPath(album);
        StartAlbumPlayback(doc.m_strEntryTitle, doc.entry.m_strEntryItem, album, latitude, longitude);
        return;
    }
    if (kind == 9) {
        const std::string file = albums::EntryFilePart(record);
        doc.entry.m_strEntryCaption = doc.m_strEntryTitle;
        doc.m_strEntryParam = file;
        if (doc.environment.m_strTextAppear != "Dialog") {
            if (file != m_pPages->m_strShownText) {
                doc.entry.m_strEntryTarget.clear();
                doc.m_nMapDisplayMode = map_display::kTextPage;
                removeTip();
                saveMap();
                m_nPictureState = -8888;
                InvalidateView(true);
            }
        } else if (!file.empty()) {
            removeTip();
            doc.m_nMapDisplayMode = map_display::kMapShown;
            doc.ShowTextFile();
            doc.entry.m_strEntryTarget.clear();
        }
        return;
    }
    if (kind == 10) {
        m_pPages->m_nPicOffsetX = 0;
        m_pPages->m_nPicOffsetY = 0;
        saveMap();
        OpenWebItem();
        doc.entry.m_strEntryTarget = "ApplecationExec";
        doc.m_nMapDisplayMode = map_display::kMapShown;
        InvalidateView(true);
        return;
    }
    if (kind > 4)
        return;
    const albums::EntryFiles files = albums::SplitEntryFiles(record);
    doc.entry.m_strEntryTarget = files.target;
    doc.m_strEntryParam = files.caption;
    doc.m_nMapDisplayMode = kind == 0 ? map_display::kPicturePage : map_display::kPictureViewerBack;
    removeTip();
    saveMap();
    if (doc.environment.m_nPicturePosition == 2 && doc.environment.m_nJpegProcess == 1 && kind == 1)
        kind = 0;
    doc.m_nFileKind = kind;
    if (kind == 1 && doc.environment.m_nJpegProcess == 1) {
        doc.m_nMapDisplayMode = map_display::kJpegPicturePage;
        InvalidateView(false);
    } else if (kind >= 1) {
        RunPictureViewer();
        doc.entry.m_strEntryTarget = "ApplecationExec";
        doc.m_nMapDisplayMode = map_display::kMapShown;
        InvalidateView(true);
    } else if (doc.environment.m_nPicturePosition == 2) {
        // Surrick's point overview shows the picture; without Surrick nothing is shown.
        if (auto* show = Surrick().OnDlgBmpShow.fn)
            show(doc.ExpandAppPath(files.target), doc.m_strEntryTitle, doc.entry.m_strEntryItem, 0);
        SaveRestoreMap(1, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
        doc.entry.m_strEntryTarget.clear();
        doc.m_strEntryParam.clear();
        doc.m_nMapDisplayMode = map_display::kMapShown;
    } else {
        m_nPictureState = -8888;
        InvalidateView(true);
    }
}

void CVeldoranView::OpenWebItem()
{
    CVeldoranDoc& doc = *m_pDoc;
    std::string& target = doc.entry.m_strEntryTarget;
    target = vd::toLowerAscii(target);
    const bool link = target.find("http") != std::string::npos;
    const std::string file = link ? target : doc.ExpandAppPath(target);
    if (!link && CVeldoranDoc::FileExists(file) != 1)
        return;
    if (link && m_strBrowser.empty()) {
        vd::ui::openWithDesktop(target);
        return;
    }
    const std::string argument = link ? target : vd::ui::toLinuxForm(file);
    std::vector<std::string> command;
    if (!m_strBrowser.empty())
        command = {vd::ui::toLinuxForm(m_strBrowser), argument};
    else
        command = vd::ui::desktopApplicationCommand(argument);
    // No program for the page: the desktop opens it (without waiting).
    if (command.empty() || !vd::ui::runAndWait(command).started)
        vd::ui::openWithDesktop(link ? target : file);
}
