// The document's side of album registration and update: the dialog library's album dialogs,
// bound on each call, and their answers turned into state words and point data file lines.
// Without the library the flows answer "cancel".
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "app/registration/PointRecordText.h"
#include "contracts/tovendlg.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Numbers.h"

namespace {

constexpr const char* kCancelledRegistration = "4||||";

} // namespace

std::string CVeldoranDoc::RegisterAlbum(const std::string& latitude, const std::string& longitude,
                                        const std::string& albumPath, const std::string& albumNumber)
{
    auto* dialog = Tovendlg().OnDLLAlbumRegist.fn;
    if (!dialog)
        return "cancel";
    repaint.m_bDialogOpen = 1;
    const std::string answer = dialog(pointer.m_nMouseTool, longitude, latitude, albumPath, albumNumber);
    repaint.m_bDialogOpen = 0;
    if (answer == kCancelledRegistration || answer.empty())
        return "cancel";
    std::size_t at = 0;
    pointer.m_nMouseTool = vd::parseInt(NextField(answer, at, '|'));
    const std::string answerLongitude = NextField(answer, at, '|');
    const std::string answerLatitude = NextField(answer, at, '|');
    const std::string name = WithoutFieldBlanks(NextField(answer, at, '|'));
    std::string item = WithoutFieldBlanks(RestFrom(answer, at));
    if (answerLatitude.empty() && answerLongitude.empty())
        return "STOP";
    if (item.empty())
        item = "*****";
    return name + " " + item + " " + answerLatitude + " " + answerLongitude;
}

std::string CVeldoranDoc::UpdateAlbum(const std::string& title, const std::string& item, const std::string& albumPath,
                                      const std::string& latitude, const std::string& longitude,
                                      const std::string& albumState)
{
    auto* dialog = Tovendlg().OnAlbumUpdate.fn;
    if (!dialog)
        return "cancel";
    repaint.m_bDialogOpen = 1;
    const std::string answer =
        dialog(pointer.m_nMouseTool, albumState, albumPath, title, item, longitude, latitude, environment.m_strEditor);
    repaint.m_bDialogOpen = 0;
    if (answer.empty())
        return "";
    std::size_t at = 0;
    pointer.m_nMouseTool = vd::parseInt(NextField(answer, at, '|'));
    const std::size_t actionAt = at;
    const int action = vd::parseInt(NextField(answer, at, '|'));
    const std::string record = RestFrom(answer, at);
    switch (action) {
    case 1:
        ReplaceRecord(1, record, albumPath);
        return "update";
    case 2:
        ReplaceRecord(1, record, albumPath);
        return "update_end";
    case 3:
        DeleteRecord(registered.m_strDataFile, "", albumPath, item);
        (void)vd::removeFile(albumPath);
        return "deleate";
    default:
        return RestFrom(answer, actionAt);
    }
}
