// The name tip of a registered point: a box in the colours of the item's kind, a shadow line
// along its bottom and right edge, and the name; in click mode 2 (points being updated) only the
// outline, with the name on the map.
#include "view/pointer/PointerActions.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

namespace {

// The view's brushes and pens of each style (-1: what the device context holds).
struct TipColours {
    int brush;
    int pen;
    int updatePen;
    vd::COLORREF textBackground;
    vd::COLORREF text;       // outside click mode 2; kKeepText keeps the colour
    vd::COLORREF updateText; // in click mode 2, on the map
};

constexpr vd::COLORREF kKeepText = 0xFFFFFFFFu;

bool ColoursOf(int style, TipColours& colours)
{
    using vd::RGB;
    switch (style) {
    case kTipText: colours = {0, 12, 12, RGB(255, 255, 255), kKeepText, RGB(0, 0, 0)}; return true;
    case kTipPicture: colours = {3, 6, 8, RGB(0, 130, 0), RGB(255, 255, 255), RGB(0, 130, 0)}; return true;
    case kTipAlbum: colours = {6, 13, 13, RGB(0, 0, 200), RGB(255, 255, 255), RGB(0, 0, 200)}; return true;
    case kTipWeb: colours = {12, 24, 24, RGB(255, 255, 0), RGB(0, 0, 0), RGB(0, 0, 0)}; return true;
    default: return false;
    }
}

} // namespace

std::string TipText(const std::string& text)
{
    return vd::cp932Width(text) >= 30 ? vd::cp932Left(text, 29) : text;
}

int TipWidth(const std::string& shownText)
{
    return 8 * std::max(6, vd::cp932Width(shownText)) + 8;
}

void PointerActions::DrawNameTip(vd::Dc& dc, int x, int y, const std::string& text, int style)
{
    if (style < 0)
        return;
    const vd::Font previousFont = dc.SelectObject(m_view.m_fontLabel);
    const std::string shown = TipText(text);
    const int w = TipWidth(shown);
    const bool updating = m_doc.pointer.m_nMouseTool == 2;
    const vd::Brush previousBrush = dc.GetCurrentBrush();
    const vd::Pen previousPen = dc.GetCurrentPen();
    const int previousMode = dc.GetBkMode();

    if (style == kTipRaised) {
        vd::Rect box{x, y - 25, x + w, y};
        dc.DrawFrameControl(box, vd::DFC_BUTTON, vd::DFCS_BUTTONPUSH);
        dc.SetBkColor(vd::RGB(200, 200, 200));
    } else {
        TipColours colours{};
        const bool known = ColoursOf(style, colours);
        if (known) {
            dc.SelectObject(m_view.m_aPen[std::size_t(updating ? colours.updatePen : colours.pen)]);
            dc.SelectObject(m_view.m_aBrush[std::size_t(colours.brush)]);
        }
        if (updating) {
            const vd::Point outline[] = {{x, y - 25}, {x + w - 1, y - 25}, {x + w - 1, y - 1}, {x, y - 1}, {x, y - 25}};
            dc.Polyline(outline, 5);
        } else {
            dc.Rectangle(x, y - 25, x + w, y + 2);
        }
        // The shadow, in the pen the device context held before.
        dc.SelectObject(previousPen);
        dc.MoveTo(x, y);
        dc.LineTo(x + w, y);
        if (style == kTipPicture && !updating) {
            dc.MoveTo(x, y + 1);
            dc.LineTo(x + w, y + 1);
        }
        dc.LineTo(x + w, y - 25);
        if (known) {
            if (updating) {
                dc.SetBkMode(vd::TRANSPARENT);
                dc.SetTextColor(colours.updateText);
            } else {
                dc.SetBkColor(colours.textBackground);
                if (colours.text != kKeepText)
                    dc.SetTextColor(colours.text);
            }
        }
    }
    dc.TextOut(x + 3, y - 20, shown);
    dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.SetTextColor(vd::RGB(0, 0, 0));
    dc.SetBkMode(previousMode);
    dc.SelectObject(previousBrush);
    if (style == kTipPicture && !updating) {
        dc.SelectObject(m_view.m_aPen[7]); // RGB(0, 180, 0)
        dc.MoveTo(x, y - 2);
        dc.LineTo(x + w - 2, y - 2);
        dc.LineTo(x + w - 2, y - 25);
    }
    dc.SelectObject(previousPen);
    dc.SelectObject(previousFont);
}
