// The document's side of a click in update mode on a registered point: the update dialog of a
// detailed map's point (132) or of a guide map's point (145) filled from the data file, and the
// record rewritten from the dialog's fields.
#include "app/document/VeldoranDoc.h"
#include "app/registration/PointRecordText.h"
#include "app/registration/UpdatePointDataDialog.h"
#include "app/registration/UpdateTextPictureDialog.h"

#include <memory>

namespace {

constexpr const char* kPointMoved = "MK_LBUTTON";

// m_bDialogOpen is 1 exactly while the dialog is up, on every path.
struct DialogOpenFlag {
    explicit DialogOpenFlag(int& flag) : flag(flag) { flag = 1; }
    ~DialogOpenFlag() { flag = 0; }
    int& flag;
};

} // namespace

std::string CVeldoranDoc::RegisterPointData(const std::string& regionName, const std::string& fileKey,
                                            const std::string& mouseState, const std::string& clickLongitude,
                                            const std::string& clickLatitude)
{
    LoadRecordList(registered.m_strDataFile, "first");
    auto dialog = std::make_unique<CDlgUpdatePointData>();
    for (std::size_t i = 0; i < m_astrPointRecord.size() && m_astrPointRecord[i] != "999"; ++i) {
        const UpdateListEntry entry = UpdateListEntryOf(m_astrPointRecord[i]);
        dialog->m_astrRecord[i] = entry.text;
        dialog->m_astrLongitude[i] = entry.longitude;
        dialog->m_astrLatitude[i] = entry.latitude;
    }
    dialog->m_strRegion = regionName;
    dialog->m_strTextFile = fileKey;
    dialog->m_strDataFile = registered.m_strDataFile;
    dialog->m_strMouseState = mouseState;
    dialog->m_strClickLongitude = clickLongitude;
    dialog->m_strClickLatitude = clickLatitude;
    dialog->m_nState = pointer.m_nMouseTool;
    dialog->m_bDivisionsChanged = registered.m_nDivisionEdited;
    dialog->m_divisions = {registered.m_astrDivName, registered.m_astrDivSwX, registered.m_astrDivSwY,
                           registered.m_astrDivNeX, registered.m_astrDivNeY};

    int result = 0;
    {
        DialogOpenFlag open(repaint.m_bDialogOpen);
        result = dialog->DoModal();
    }
    if (result != vd::IDOK) {
        if (dialog->m_nState == CDlgUpdatePointData::kDeleted)
            return "deleate";
        pointer.m_nMouseTool = dialog->m_nState;
        return "cancel";
    }
    pointer.m_nMouseTool = dialog->m_nState;
    if (!dialog->m_strTextFile.empty() || !dialog->m_strPictureFile.empty()) {
        const std::string record = PointRecordLine(WithoutFieldBlanks(dialog->m_strName),
                                                   dialog->m_strLatitude, dialog->m_strLongitude,
                                                   WithoutFieldBlanks(dialog->m_strItem), dialog->m_strPictureFile,
                                                   dialog->m_strTextFile);
        ReplaceRecord(0, record, dialog->m_strPickedFile.empty() ? fileKey : dialog->m_strPickedFile);
    }
    registered.m_nDivisionEdited = dialog->m_bDivisionsChanged;
    if (registered.m_nDivisionEdited == 1) {
        const RegionDivisions& d = dialog->m_divisions;
        registered.m_astrDivName = d.name;
        registered.m_astrDivSwX = d.swLongitude;
        registered.m_astrDivSwY = d.swLatitude;
        registered.m_astrDivNeX = d.neLongitude;
        registered.m_astrDivNeY = d.neLatitude;
    }
    return "";
}

std::string CVeldoranDoc::UpdatePointEntry(const std::string& record, const std::string& mouseState,
                                           const std::string& clickLongitude, const std::string& clickLatitude,
                                           int /*recordIndex*/)
{
    // name, Y, X, item, then one file (a picture or a text by its kind) or a picture and a text.
    const PointRecordParts parts = SplitPointRecord(record);
    const std::string& files = parts.rest;
    CDlgUpdateTextPicture dialog;
    dialog.m_strName = parts.name;
    dialog.m_strItem = parts.item;
    if (const std::size_t blank = files.find(' '); blank != std::string::npos) {
        dialog.m_strPictureFile = files.substr(0, blank);
        dialog.m_strTextFile = files.substr(blank + 1);
    } else if (!files.empty()) {
        m_nFileKind = GetFileKind(files);
        (m_nFileKind < 5 ? dialog.m_strPictureFile : dialog.m_strTextFile) = files;
    }
    const bool moved = mouseState == kPointMoved;
    dialog.m_strX = moved ? clickLongitude : parts.longitude;
    dialog.m_strY = moved ? clickLatitude : parts.latitude;
    dialog.m_nState = pointer.m_nMouseTool;

    int result = 0;
    {
        DialogOpenFlag open(repaint.m_bDialogOpen);
        result = dialog.DoModal();
    }
    pointer.m_nMouseTool = dialog.m_nState;
    if (result != vd::IDOK)
        return "cancel";
    if (!dialog.m_strTextFile.empty() || !dialog.m_strPictureFile.empty())
        ReplaceRecord(0,
                      PointRecordLine(WithoutFieldBlanks(dialog.m_strName), dialog.m_strY, dialog.m_strX,
                                      WithoutFieldBlanks(dialog.m_strItem), dialog.m_strPictureFile,
                                      dialog.m_strTextFile),
                      record);
    return "";
}
