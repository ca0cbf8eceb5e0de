// The registered point under the pointer: its status line and name tip, kept while the pointer
// stays within the hit radius and taken away (the map patch put back) when it leaves; and the
// raised tip of a site name.
#include "app/document/MapDisplayMode.h"
#include "view/pointer/PointerActions.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Pointer.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

#include <cstdlib>

namespace {

constexpr int kTipShown = -999;
constexpr int kNoTip = 1;
constexpr std::size_t kListSize = 5000;

} // namespace

PointerActions::PointerActions(CVeldoranView& view)
    : m_view(view), m_doc(*view.GetDocument()), m_nav(*view.m_pNavigation)
{
}

void PointerActions::SaveTipPatch(int x, int y)
{
    m_view.m_nSavedX = x - 10;
    m_view.m_nSavedY = y - 30;
    m_view.SaveRestorePatch(0, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
}

void PointerActions::RestoreTipPatch()
{
    m_view.SaveRestorePatch(1, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
    m_view.m_nPictureState = kNoTip;
}

void PointerActions::HoverRegisteredPoint(vd::Dc& dc, int x, int y)
{
    HoverPoints(dc, x, y, m_doc.position.m_nMapFrame == 1 ? 3 : 2);
}

void PointerActions::HoverRegisteredPointAlt(vd::Dc& dc, int x, int y)
{
    HoverPoints(dc, x, y, 2);
}

void PointerActions::HoverPoints(vd::Dc& dc, int x, int y, int radius)
{
    const bool updating = m_doc.pointer.m_nMouseTool == 2;
    // The records are projected at the plain scale while the pointer is tested.
    const float zoomX = m_doc.m_fPointScaleX, zoomY = m_doc.m_fPointScaleY;
    m_doc.m_fPointScaleX = m_doc.m_fPointScaleY = 1.0f;
    for (std::size_t i = 0; i < kListSize && m_doc.m_astrHitRecord[i] != "999"; ++i) {
        const int itemX = m_doc.m_anHitX[i], itemY = m_doc.m_anHitY[i];
        if (std::abs(itemX - x) > radius || std::abs(itemY - y) > radius)
            continue;
        if (updating)
            vd::ui::SetCursor(m_view, vd::ui::CursorShape::Cross);
        m_nav.m_nHoverItem = int(i);
        m_nav.m_nDragX = itemX;
        m_nav.m_nDragY = itemY;
        const int style = DrawItemStatusLine(dc, int(i), radius);
        if (m_view.m_nPictureState == kNoTip) {
            SaveTipPatch(x, y);
            DrawNameTip(dc, x, y, m_doc.m_strEntryTitle + "/" + m_doc.m_strEntryState, style);
            m_view.m_nPictureState = kTipShown;
        }
        m_doc.SetEntryFromRecord(vd::toLowerAscii(m_doc.m_astrHitRecord[i]));
        m_view.m_strMouseButtonState = "MK_MOVE";
        if (updating)
            vd::ui::SetCursor(m_view, vd::ui::CursorShape::Arrow);
    }
    m_doc.m_fPointScaleX = zoomX;
    m_doc.m_fPointScaleY = zoomY;
    if (!m_rcTipHit.contains(x, y)) {
        dc.TextOut(15, 5, m_view.m_strStatusNote);
        if (m_view.m_nPictureState == kTipShown)
            RestoreTipPatch();
    }
}

int PointerActions::DrawItemStatusLine(vd::Dc& dc, int item, int radius)
{
    const std::size_t at = std::size_t(item);
    const int itemX = m_doc.m_anHitX[at], itemY = m_doc.m_anHitY[at];
    m_rcTipHit = {itemX - radius, itemX + radius, itemY - radius, itemY + radius};
    // The record's projection fills the entry's title and item text.
    const std::string& record = m_doc.m_astrHitRecord[at];
    m_doc.m_nMapDisplayMode = map_display::kMainMap;
    m_doc.m_nPointDrawKind = 6;
    m_doc.ProjectRecordToSheet(record, 0, 0, m_doc.m_nFrameWestSec, m_doc.m_nFrameSouthSec, 0);
    const int kind = CVeldoranDoc::GetFileKind(record);
    m_doc.m_nMapDisplayMode = map_display::kMapShown;
    m_doc.m_nPointDrawKind = 1;

    const bool wide = m_view.m_nSavedWidth > 800;
    const std::string prefix = m_doc.pointer.m_nMouseTool == 2 ? "==<更新>== " : wide ? "===== " : "== ";
    const std::string text = prefix + m_doc.m_strEntryTitle + "/" + m_doc.m_strEntryState + (wide ? " =====" : " ==");
    vd::COLORREF colour = vd::RGB(0, 100, 0);
    int style = kTipPicture;
    if (kind == 8) {
        colour = vd::RGB(0, 0, 255);
        style = kTipAlbum;
    } else if (kind == 9) {
        colour = vd::RGB(255, 0, 0);
        style = kTipText;
    } else if (kind == 10) {
        colour = vd::RGB(0, 0, 0);
        style = kTipWeb;
    }
    dc.SetTextColor(colour);
    dc.Rectangle(10, 3, wide ? 440 : 380, 24);
    dc.TextOut(15, 5, text);
    dc.SetTextColor(vd::RGB(0, 0, 0));
    return style;
}

void PointerActions::ShowPointTip(vd::Dc& dc, int x, int y)
{
    const int radius = m_doc.position.m_nMapFrame == 1 ? 3 : 2;
    const int count = m_doc.m_nSiteNameTipCount < int(kListSize) ? m_doc.m_nSiteNameTipCount : int(kListSize);
    for (int i = 0; i < count; ++i) {
        const int pointX = m_doc.m_anSiteNameTipX[std::size_t(i)], pointY = m_doc.m_anSiteNameTipY[std::size_t(i)];
        if (std::abs(pointX - x) > radius || std::abs(pointY - y) > radius || m_view.m_nPictureState != kNoTip)
            continue;
        SaveTipPatch(pointX, pointY);
        m_rcTipHit = {pointX - radius, pointX + radius, pointY - radius, pointY + radius};
        const std::string name = TipText(m_doc.m_astrSiteNameTip[std::size_t(i)]);
        vd::Rect frame{pointX, pointY - 25, pointX + TipWidth(name), pointY};
        dc.DrawFrameControl(frame, vd::DFC_BUTTON, vd::DFCS_BUTTONPUSH);
        const vd::COLORREF background = dc.SetBkColor(vd::RGB(200, 200, 200));
        dc.TextOut(pointX + 4, pointY - 21, name);
        dc.SetBkColor(background);
        m_view.m_nPictureState = kTipShown;
    }
    if (m_doc.spec.m_nPointPopup != 1 && !m_rcTipHit.contains(x, y) && m_view.m_nPictureState == kTipShown)
        RestoreTipPatch();
}
