#include "meshcode/LayerProgress.h"

#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace meshcode {

void DrawLayerProgress(vd::Dc& dc, int statusLineY, int countSwitch, const std::string& text, int index, int total)
{
    // A line far beyond any device (an absurd argument) is held there instead of overflowing.
    const int lineY = std::clamp(statusLineY, -1000000000, 1000000000);
    const bool lowBox = lineY > 680;
    int left = lowBox ? 667 : 829;
    int right = lowBox ? 881 : 978;
    int textX = lowBox ? 674 : 832;
    // A window narrower than the box's columns holds it at its right edge instead of cutting it.
    constexpr int kEdgeGap = 2;
    const int deviceWidth = dc.GetDeviceCaps(vd::HORZRES);
    if (deviceWidth > 0 && right > deviceWidth - kEdgeGap) {
        const int shift = std::min(right - (deviceWidth - kEdgeGap), left);
        left -= shift;
        right -= shift;
        textX -= shift;
    }
    // The frame takes the current pen's colour but stays one pixel wide: a wide pen (the last
    // layer's) would reach above the box, where the status line's wipe leaves a line behind.
    const vd::Pen current = dc.GetCurrentPen();
    const vd::Pen thin = current.Width() > 1 ? vd::Pen(vd::PS_SOLID, 1, current.Colour()) : current;
    const vd::Pen previous = dc.SelectObject(thin);
    dc.Rectangle(left, lineY - 26, right, lineY - 4);
    dc.SelectObject(previous);
    const std::string shown =
        !text.empty() && countSwitch != 0 ? text + vd::format(" %d/%d", index + 1, total) : "国土数値情報を表示";
    dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.SetTextColor(vd::RGB(255, 0, 0));
    dc.TextOut(textX, lineY - 23, shown);
    dc.SetTextColor(vd::RGB(0, 0, 0));
}

} // namespace meshcode
