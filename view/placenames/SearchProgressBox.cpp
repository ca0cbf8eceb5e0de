#include "view/placenames/SearchProgressBox.h"

#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "view/renderer/MapRenderer.h"

#include <algorithm>

namespace {

constexpr int kWideView = 800;
constexpr int kStepPixels = 8;
constexpr int kStepPercent = 5;
constexpr int kCyanBrush = 7;
constexpr int kShadowPen = 18;

} // namespace

SearchProgressBox::SearchProgressBox(CMapRenderer& renderer, const vd::Font& font) : renderer_(renderer), font_(font)
{
    const int w = renderer.m_nClientWidth;
    box_ = w > kWideView ? vd::Rect{w - 170, 199, w - 18, 214} : vd::Rect{15, 605, 167, 620};
    vd::Dc& dc = *renderer.m_pDC;
    const vd::Pen pen = dc.SelectObject(renderer.m_aPen[0]);
    const vd::Brush brush = dc.SelectObject(renderer.m_aBrush[0]);
    dc.Rectangle(box_);
    dc.SelectObject(renderer.m_aPen[kShadowPen]);
    dc.MoveTo(box_.left + 2, box_.bottom);
    dc.LineTo(box_.right, box_.bottom);
    dc.LineTo(box_.right, box_.top + 1);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
}

void SearchProgressBox::Step(int steps)
{
    vd::Dc& dc = *renderer_.m_pDC;
    const int barRight = std::min(box_.left + 1 + kStepPixels * steps, box_.right - 1);
    dc.FillRect({box_.left + 1, box_.top + 1, barRight, box_.bottom - 1}, renderer_.m_aBrush[kCyanBrush]);
    const vd::Font font = dc.SelectObject(font_);
    dc.SetBkMode(vd::OPAQUE);
    const vd::COLORREF background = dc.SetBkColor(vd::RGB(0, 255, 255));
    dc.TextOut(box_.left + 2, box_.top + 1, vd::format("%2d", kStepPercent * steps) + "%");
    dc.SetBkMode(vd::TRANSPARENT);
    dc.SetBkColor(background);
    dc.SelectObject(font);
}

void SearchProgressBox::Clear()
{
    renderer_.m_pDC->FillRect({box_.left, box_.top, box_.right + 1, box_.bottom + 1}, *renderer_.m_pBackgroundBrush);
}
