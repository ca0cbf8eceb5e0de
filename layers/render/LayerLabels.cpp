// Labels at the two ends of a segment, kept clear of the labels drawn last, and the slight
// shrink of the screen scale that the block layers apply.
#include "layers/render/LayerRenderer.h"

#include "meshcode/WideAreaBlock.h"

namespace {

constexpr int kLabelOffset = 5;
constexpr int kLabelClearanceSquared = 1600; // 40 pixels

int DistanceSquared(ScreenPoint a, ScreenPoint b)
{
    const long long dx = a.x - b.x;
    const long long dy = a.y - b.y;
    const long long d = dx * dx + dy * dy;
    return d > kLabelClearanceSquared ? kLabelClearanceSquared + 1 : int(d);
}

} // namespace

void CLayerRenderer::DrawEndLabels(int x1, int y1, int x2, int y2, std::string label1, std::string label2)
{
    if (label1 == "0")
        label1.clear();
    if (label2 == "0")
        label2.clear();
    // Each label's test point, and the offset of its text from it, by the segment's direction.
    ScreenPoint at1, at2;
    int dy1 = 0, dy2 = 0;
    if (x1 <= x2 && y1 >= y2) {
        at1 = {x2, y1}, dy1 = kLabelOffset, at2 = {x1, y2}, dy2 = -kLabelOffset;
    } else if (x1 <= x2) {
        at1 = {x1, y2}, dy1 = kLabelOffset, at2 = {x2, y1}, dy2 = -kLabelOffset;
    } else if (y1 < y2) {
        at1 = {x2, y1}, dy1 = -kLabelOffset, at2 = {x1, y2}, dy2 = kLabelOffset;
    } else {
        at1 = {x1, y2}, dy1 = -kLabelOffset, at2 = {x2, y1}, dy2 = kLabelOffset;
    }
    if (DistanceSquared(at1, LabelPoint1) > kLabelClearanceSquared && !label1.empty())
        DeviceContext.TextOut(at1.x, at1.y + dy1, label1);
    if (DistanceSquared(at2, LabelPoint2) > kLabelClearanceSquared && !label2.empty())
        DeviceContext.TextOut(at2.x, at2.y + dy2, label2);
    LabelPoint1 = at1;
    LabelPoint2 = at2;
}

void CLayerRenderer::ScaleShrink(int count, int mode, int variant)
{
    const float factor = meshcode::BlockScaleShrink(count, mode, variant);
    XScale *= factor;
    YScale *= factor;
}
