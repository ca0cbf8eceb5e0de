#include "layers/render/meshcode/LayerProgress.h"

#include "platform/dc/Dc.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace meshcode {

void DrawLayerProgress(vd::Dc& dc, int statusLineY, int countSwitch, const std::string& text, int index, int total)
{
    // A line far beyond any device (an absurd argument) is held there instead of overflowing.
    const int lineY = std::clamp(statusLineY, -1000000000, 1000000000);
    const bool lowBox = lineY > 680;
    const int left = lowBox ? 667 : 829;
    const int right = lowBox ? 881 : 978;
    const int textX = lowBox ? 674 : 832;
    dc.Rectangle(left, lineY - 26, right, lineY - 4);
    const std::string shown =
        !text.empty() && countSwitch != 0 ? text + vd::format(" %d/%d", index + 1, total) : "国土数値情報を表示";
    dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.SetTextColor(vd::RGB(255, 0, 0));
    dc.TextOut(textX, lineY - 23, shown);
    dc.SetTextColor(vd::RGB(0, 0, 0));
}

} // namespace meshcode
