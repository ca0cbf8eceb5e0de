// The text and picture selection of the registered points (地点案内 ﾃｷｽﾄ... and 画像..., buttons
// ﾃｷｽﾄ and 画像): the records of the current data source that have a text or a picture are listed
// in the selection dialog by region, and the chosen file is shown as a text page, in TOVENDLG's
// text dialog or as a picture.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"

#include "app/routes/RouteFileLines.h"
#include "app/routes/SelectTextPictureDialog.h"
#include "platform/text/StringOps.h"

namespace {

constexpr const char* kListEnd = "999";

// The record's files from one character before its first ":" (the drive letter); npos without one.
std::size_t FilesStart(std::string_view rest)
{
    const std::size_t colon = rest.find(':');
    return colon == std::string_view::npos || colon == 0 ? std::string_view::npos : colon - 1;
}

} // namespace

// Every record of the current data source in m_astrPointRecord, the hard disk's first while a
// CD-ROM source is used beside it.
static void LoadSelectableRecords(CVeldoranDoc& doc)
{
    doc.m_astrPointRecord.fill({});
    if (doc.registered.m_strDualSource == "on" && doc.registered.m_strDataFile.find("history") == std::string::npos) {
        doc.LoadRecordList(doc.folders.m_strSourceDir + "history.dat", "first");
        doc.LoadRecordList(doc.registered.m_strDataFile, "second");
    } else {
        doc.LoadRecordList(doc.registered.m_strDataFile, "first");
    }
}

static void HandOver(const CVeldoranDoc& doc, CDlgSelectTextPicture& dialog, const char* mode)
{
    dialog.m_strMode = mode;
    dialog.m_strRegion = doc.registered.m_strRegionName;
    dialog.m_strSelected = doc.registered.m_strSelectedEntry;
    dialog.m_divisions = {doc.registered.m_astrDivName, doc.registered.m_astrDivSwX, doc.registered.m_astrDivSwY,
                          doc.registered.m_astrDivNeX, doc.registered.m_astrDivNeY};
    dialog.m_bDivisionsChanged = doc.registered.m_nDivisionEdited == 1 ? 1 : 0;
    dialog.m_strFrameNorth = doc.m_strFrameNorth;
    dialog.m_strFrameEast = doc.m_strFrameEast;
    dialog.m_strFrameSouth = doc.m_strFrameSouth;
    dialog.m_strFrameWest = doc.m_strFrameWest;
}

static void TakeBack(CVeldoranDoc& doc, const CDlgSelectTextPicture& dialog)
{
    doc.registered.m_strSelectedEntry = dialog.m_strSelected;
    doc.registered.m_strRegionName = dialog.m_strRegion;
    doc.registered.m_strSelectedName = dialog.m_strName;
    if (dialog.m_bDivisionsChanged == 1) {
        doc.registered.m_astrDivSwY = dialog.m_divisions.swLatitude;
        doc.registered.m_astrDivSwX = dialog.m_divisions.swLongitude;
        doc.registered.m_astrDivNeY = dialog.m_divisions.neLatitude;
        doc.registered.m_astrDivNeX = dialog.m_divisions.neLongitude;
        doc.registered.m_astrDivName = dialog.m_divisions.name;
        doc.registered.m_nDivisionEdited = 1;
    }
}

// Runs the dialog with the document busy; true on OK.
static bool RunSelection(CVeldoranDoc& doc, CDlgSelectTextPicture& dialog)
{
    doc.repaint.m_bDialogOpen = 1;
    const bool chosen = dialog.DoModal() == vd::IDOK;
    doc.repaint.m_bDialogOpen = 0;
    return chosen;
}

// Nothing chosen: the display stays as it was (restored when the dialog erased it).
static void KeepDisplay(CVeldoranDoc& doc)
{
    doc.m_nMapDisplayMode = map_display::kIdle;
    if (doc.repaint.m_bMapErasedByDialog == 1)
        doc.RestorePreviousDisplay();
}

void CVeldoranDoc::ShowChosenText()
{
    if (environment.m_strTextAppear == "Dialog") {
        m_nMapDisplayMode = map_display::kIdle;
        ShowTextFile();
        return;
    }
    entry.m_strTextPageFile = m_strEntryParam;
    m_nMapDisplayMode = map_display::kTextPageEntry;
    UpdateAllViews();
}

void CVeldoranDoc::SelectText()
{
    LoadSelectableRecords(*this);
    CDlgSelectTextPicture dialog;
    int slot = 0;
    for (int i = 0; i < CDlgSelectTextPicture::kRecords && m_astrPointRecord[std::size_t(i)] != kListEnd; ++i) {
        const std::string record = vd::toLowerAscii(m_astrPointRecord[std::size_t(i)]);
        m_nFileKind = GetFileKind(record);
        if (m_nFileKind == 8 || m_nFileKind == 10)
            continue;
        const std::string_view rest = AfterFields(record, 4);
        const std::size_t start = FilesStart(rest);
        if (rest.empty() || start == std::string_view::npos)
            continue;
        std::string_view files = rest.substr(start);
        m_nFileKind = GetFileKind(std::string(files));
        if (m_nFileKind >= 0 && m_nFileKind <= 4) {
            // A picture first: the text is the file after it.
            const std::size_t blank = files.find(' ');
            if (blank == std::string_view::npos)
                continue;
            files.remove_prefix(blank + 1);
        }
        const std::string latitude(LineField(record, 1)), longitude(LineField(record, 2));
        dialog.m_astrRecord[std::size_t(slot)] = std::string(LineField(record, 0)) + "/" +
            std::string(LineField(record, 3)) + "@" + std::string(files) + "$" + latitude + "$" + longitude;
        dialog.m_astrLatitude[std::size_t(slot)] = latitude;
        dialog.m_astrLongitude[std::size_t(slot)] = longitude;
        ++slot;
    }
    HandOver(*this, dialog, "TEXT");
    if (RunSelection(*this, dialog)) {
        TakeBack(*this, dialog);
        m_strEntryParam = dialog.m_strFile1;
        if (!m_strEntryParam.empty()) {
            // The chosen point names the page (its title box) and the text dialog, as a chosen
            // picture names its page.
            m_strEntryTitle = dialog.m_strName;
            entry.m_strEntryItem = dialog.m_strItem;
            entry.m_strEntryCaption = m_strEntryTitle;
            ShowChosenText();
            return;
        }
    }
    KeepDisplay(*this);
}

void CVeldoranDoc::SelectPicture()
{
    LoadSelectableRecords(*this);
    CDlgSelectTextPicture dialog;
    int slot = 0;
    for (int i = 0; i < CDlgSelectTextPicture::kRecords && m_astrPointRecord[std::size_t(i)] != kListEnd; ++i) {
        const std::string& record = m_astrPointRecord[std::size_t(i)];
        m_nFileKind = GetFileKind(record);
        if (m_nFileKind >= 8)
            continue;
        const std::string_view rest = AfterFields(record, 3);
        const std::size_t start = FilesStart(rest);
        if (start == std::string_view::npos)
            continue;
        // The item runs from the longitude to the drive letter, its trailing blank kept.
        const std::string_view item = rest.substr(0, start);
        const std::string_view files = rest.substr(start);
        const std::size_t blank = files.find(' ');
        const std::string latitude(LineField(record, 1)), longitude(LineField(record, 2));
        std::string entry = std::string(LineField(record, 0)) + "/" + std::string(item) + "@" +
            std::string(files.substr(0, blank)) + "$" + latitude + "$" + longitude;
        if (blank != std::string_view::npos && blank + 1 < files.size())
            entry += "$" + std::string(files.substr(blank + 1));
        dialog.m_astrRecord[std::size_t(slot)] = entry;
        dialog.m_astrLatitude[std::size_t(slot)] = latitude;
        dialog.m_astrLongitude[std::size_t(slot)] = longitude;
        ++slot;
    }
    HandOver(*this, dialog, "BMP");
    if (RunSelection(*this, dialog)) {
        TakeBack(*this, dialog);
        m_strEntryTitle = dialog.m_strName;
        entry.m_strEntryItem = dialog.m_strItem;
        entry.m_strEntryTarget = dialog.m_strFile1;
        m_strEntryParam = dialog.m_strFile2;
        if (!entry.m_strEntryTarget.empty()) {
            m_nFileKind = GetFileKind(entry.m_strEntryTarget);
            if (m_nFileKind >= 0 && m_nFileKind <= 4) {
                repaint.m_bMapOnScreen = 0;
                pointer.m_nMouseTool = 0;
                m_strEntryParam.clear();
                m_nMapDisplayMode = m_nFileKind == 0 ? map_display::kPicturePageEntry : map_display::kPicture;
                UpdateAllViews();
                return;
            }
        }
    }
    KeepDisplay(*this);
}
