#include "view/registration/PointRegistration.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "app/registration/PointRecordText.h"
#include "app/registration/RegisterTextPictureDialog.h"
#include "dialogs/files/TimeStampedFileName.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

namespace {

constexpr const char* kOffMap = "****";
constexpr int kAlbumFileKind = 1;

// A name or item the user left as it was ("*****" from the dialog, "" turned into "****").
bool Given(const std::string& text)
{
    return !text.empty() && text != "*****" && text != kOffMap;
}

std::string OrStars(const std::string& text)
{
    return text.empty() ? kOffMap : text;
}

} // namespace

PointRegistration::PointRegistration(CVeldoranView& view) : m_view(view), m_doc(*view.GetDocument())
{
}

void PointRegistration::RegisterTextPicture(const std::string& longitude, const std::string& latitude, int x, int y)
{
    CVeldoranDoc& doc = m_doc;
    CDlgRegisterTextPicture dialog;
    // Coordinates are compared with the frame as texts; a click off the map shows "****".
    const bool onMap =
        doc.position.m_nMapType == 4 || (doc.m_strFrameWest <= longitude && longitude <= doc.m_strFrameEast &&
                                         doc.m_strFrameSouth <= latitude && latitude <= doc.m_strFrameNorth);
    dialog.m_strLongitude = onMap ? longitude : kOffMap;
    dialog.m_strLatitude = onMap ? latitude : kOffMap;
    dialog.m_nState = doc.pointer.m_nMouseTool;
    const int result = dialog.DoModal();
    doc.pointer.m_nMouseTool = dialog.m_nState;
    doc.pointer.m_nMouseMode = doc.pointer.m_nMouseTool == 0 ? 3 : 4;
    if (result != vd::IDOK)
        return;

    const std::string name = WithoutFieldBlanks(OrStars(dialog.m_strName));
    const std::string item = WithoutFieldBlanks(OrStars(dialog.m_strItem));
    std::string first = dialog.m_strTextFile, second = dialog.m_strPictureFile;
    const bool picture = !second.empty() && CVeldoranDoc::GetFileKind(second) < 5;
    if (picture && !first.empty())
        std::swap(first, second);
    // Only a point at a real place with something given is worth a line: "登録を終了" on an
    // untouched dialog or a click off the map appends nothing.
    if (!onMap || !(Given(name) || Given(item) || !first.empty() || !second.empty()))
        return;
    const std::string record = PointRecordLine(name, dialog.m_strLatitude, dialog.m_strLongitude, item, first, second);
    AppendAndDraw(record, picture ? kRegisteredPicture : kRegisteredText, name, item, x, y);
}

void PointRegistration::RegisterAlbumAtPoint(const std::string& longitude, const std::string& latitude, int x, int y)
{
    CVeldoranDoc& doc = m_doc;
    const std::string albumPath =
        doc.folders.m_strAlbumDir + FreeTimeStampedFileName(kAlbumFileKind, doc.folders.m_strAlbumDir);
    const std::string answer = doc.RegisterAlbum(latitude, longitude, albumPath, "");
    doc.pointer.m_nMouseMode = doc.pointer.m_nMouseTool == 0 ? 3 : 4;
    if (doc.pointer.m_nMouseTool == 0 || answer.empty() || answer == "cancel" || answer == "STOP")
        return;
    // The answer is "name item latitude longitude": its four blank-separated fields in order.
    const PointRecordParts answerFields = SplitPointRecord(answer);
    const std::string& name = answerFields.name;
    const std::string& item = answerFields.latitude;
    doc.m_strEntryTitle = name;
    doc.entry.m_strEntryItem = item;
    doc.m_strRecordLat = answerFields.longitude;
    doc.m_strRecordLon = answerFields.item;
    const std::string record =
        PointRecordLine(name, doc.m_strRecordLat, doc.m_strRecordLon, item, albumPath, albumPath);
    AppendAndDraw(record, kRegisteredAlbum, name, item, x, y);
}

bool PointRegistration::AppendAndDraw(const std::string& record, int labelStyle, const std::string& name,
                                      const std::string& item, int x, int y)
{
    CVeldoranDoc& doc = m_doc;
    if (!doc.AppendRecord(record)) {
        vd::ui::AfxMessageBox("データファイルに登録できません: " + doc.CurrentPointDataFile(),
                              vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return false;
    }
    if (vd::ClientDc window = m_view.GetDC())
        DrawRegisteredSymbolLabel(*window, labelStyle, name, item, x, y);
    // The next repaint leaves the window as it is, the new point on it.
    doc.m_nMapDisplayMode = map_display::kIdle;
    for (std::size_t i = 0; i + 1 < doc.m_astrHitRecord.size(); ++i) {
        if (doc.m_astrHitRecord[i] != "999")
            continue;
        doc.m_astrHitRecord[i] = record;
        doc.m_anHitX[i] = std::int16_t(x);
        doc.m_anHitY[i] = std::int16_t(y);
        doc.m_astrHitRecord[i + 1] = "999";
        break;
    }
    return true;
}

void PointRegistration::DrawRegisteredSymbolLabel(vd::Dc& dc, int labelStyle, const std::string& name,
                                                  const std::string& itemText, int x, int y, int elevation)
{
    CVeldoranDoc& doc = m_doc;
    vd::Font font;
    font.CreateFont(doc.m_nSheetLabelHeight, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET,
                    vd::OUT_DEFAULT_PRECIS, vd::CLIP_DEFAULT_PRECIS, vd::DEFAULT_QUALITY,
                    vd::DEFAULT_PITCH | vd::FF_DONTCARE, doc.spec.m_strFontName);
    const vd::Font previousFont = dc.SelectObject(font);
    const bool registration = labelStyle == kRegisteredText || labelStyle == kRegisteredPicture ||
                              labelStyle == kRegisteredAlbum;
    const int kind = registration ? 4 : CVeldoranDoc::PlaceNameKind(name);
    const int size = doc.spec.m_nSymbolSize;
    const int scheme = m_view.m_nSymbolScheme;
    m_view.m_nSymbolScheme = labelStyle;
    m_view.DrawPointSymbol(dc, x, y, size, kind);
    m_view.m_nSymbolScheme = scheme;
    if (m_view.m_nSymbolColour == 2) {
        vd::COLORREF colour = vd::RGB(0, 0, 0);
        if (kind == 2)
            colour = vd::RGB(0, 0, 255);
        else if (kind == 3)
            colour = vd::RGB(255, 0, 0);
        dc.SetTextColor(colour);
    }
    const int column = x + size + doc.m_nSheetLabelGap;
    switch (doc.spec.m_nPointLabel) {
    case 1:
        if (name != kOffMap)
            dc.TextOut(column, y - 6, name);
        break;
    case 2:
        dc.TextOut(column, y - 6, itemText.empty() ? vd::format("%dm", elevation) : itemText);
        break;
    case 3:
        dc.TextOut(column, y - 8, name);
        dc.TextOut(column, y - 8 + doc.m_nSheetLabelHeight,
                   itemText.empty() ? vd::format("(%dm)", elevation) : itemText);
        break;
    default:
        break;
    }
    if (m_view.m_nSymbolColour == 2)
        dc.SetTextColor(vd::RGB(0, 0, 0));
    dc.SelectObject(previousFont);
}

std::string PointRegistration::UpdatePoint(const std::string& longitude, const std::string& latitude)
{
    CVeldoranDoc& doc = m_doc;
    const std::string& mouseState = m_view.m_strMouseButtonState;
    if (doc.position.m_nMapType >= 4) {
        const int item = m_view.m_pNavigation->m_nHoverItem;
        const bool listed = item >= 0 && item < int(doc.m_astrHitRecord.size());
        const std::string record = listed ? doc.m_astrHitRecord[std::size_t(item)] : std::string();
        return doc.UpdatePointEntry(record, mouseState, longitude, latitude, item);
    }
    const std::string key = doc.m_strEntryParam.empty() ? doc.entry.m_strEntryTarget : doc.m_strEntryParam;
    return doc.RegisterPointData(doc.registered.m_strRegionName, key, mouseState, longitude, latitude);
}

std::string PointRegistration::UpdateHoveredAlbum(const std::string& longitude, const std::string& latitude)
{
    CVeldoranDoc& doc = m_doc;
    return doc.UpdateAlbum(doc.m_strEntryTitle, doc.m_strEntryState, doc.m_strEntryParam, latitude, longitude, "");
}
