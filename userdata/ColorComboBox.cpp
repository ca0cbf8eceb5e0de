#include "userdata/ColorComboBox.h"

#include "platform/dc/Color.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/GdiObjects.h"

namespace {

constexpr int kItemHeight = 20;

const vd::COLORREF kColours[] = {vd::RGB(0, 0, 0),       vd::RGB(0, 0, 255),     vd::RGB(0, 180, 0),
                                 vd::RGB(255, 0, 0),     vd::RGB(0, 255, 255),   vd::RGB(255, 120, 120),
                                 vd::RGB(255, 255, 0),   vd::RGB(160, 0, 0),     vd::RGB(255, 200, 120),
                                 vd::RGB(255, 255, 255)};

int Sum(vd::COLORREF colour)
{
    return vd::GetRValue(colour) + vd::GetGValue(colour) + vd::GetBValue(colour);
}

// The focus rectangle: a dotted frame that inverts what lies under it, so a second one removes it.
void DrawFocusRectangle(vd::Dc& dc, const vd::Rect& rect)
{
    vd::Brush hollow;
    hollow.CreateHollowBrush();
    const vd::Pen oldPen = dc.SelectObject(vd::Pen(vd::PS_DOT, 1, vd::RGB(0, 0, 0)));
    const vd::Brush oldBrush = dc.SelectObject(hollow);
    const int oldRop = dc.SetROP2(vd::R2_NOT);
    dc.Rectangle(rect);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

} // namespace

void CColorComboBox::AddColours()
{
    for (vd::COLORREF colour : kColours)
        SetItemData(AddString(""), colour);
}

void CColorComboBox::DrawItem(vd::DrawItemInfo& item)
{
    if (!item.dc)
        return;
    if (item.itemId >= 0) {
        vd::Rect swatch = item.rect;
        swatch.InflateRect(-2, -2);
        item.dc->FillRect(swatch, vd::Brush(static_cast<vd::COLORREF>(item.itemData)));
    }
    if (!item.drawEntire)
        DrawFocusRectangle(*item.dc, item.rect);
}

int CColorComboBox::MeasureItem(int)
{
    return kItemHeight;
}

int CColorComboBox::CompareItem(std::uintptr_t first, std::uintptr_t second)
{
    const auto a = static_cast<vd::COLORREF>(first);
    const auto b = static_cast<vd::COLORREF>(second);
    if (a == b)
        return 0;
    if (Sum(a) < Sum(b))
        return -1;
    if (Sum(a) > Sum(b))
        return 1;
    if (vd::GetBValue(b) >= vd::GetBValue(a) && vd::GetGValue(b) >= vd::GetGValue(a))
        return vd::GetRValue(b) < vd::GetRValue(a) ? -1 : 1;
    return -1;
}
