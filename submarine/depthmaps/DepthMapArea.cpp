#include "submarine/depthmaps/DepthMapArea.h"

#include <algorithm>
#include <cmath>

int TruncatePixel(float value)
{
    constexpr float kLimit = 2.0e9f;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

DepthCellPlacement::DepthCellPlacement(const DepthMapArea& area, int gridSide, int blockSize, int latitudeCode)
    : xOffset_(area.xOffset), yOffset_(area.yOffset)
{
    const int width = TruncatePixel(float(area.east - area.west) * area.xScale);
    const int height = TruncatePixel(float(area.north - area.south) * area.yScale);
    pitchAcross_ = float(width) / float(gridSide - 1);
    pitchDown_ = float(height) / float(gridSide - 1);
    // Cells overlap by a pixel so that no seam shows between them, except where the block's
    // pitch already leaves none.
    fillWidth_ = width / gridSide + (blockSize == 3 ? 0 : 1);
    if (blockSize == 1)
        fillHeight_ = height / gridSide + (latitudeCode < 51 ? 2 : 1);
    else
        fillHeight_ = height / gridSide + (blockSize == 2 ? 1 : 0);
    // Never narrower than the pitch: where the block's rule gives less (3 meshes across, or
    // 3, 5 and 7 down, on a large window) white seams would run through the map.
    fillWidth_ = std::max({fillWidth_, 2, int(std::ceil(pitchAcross_))});
    fillHeight_ = std::max({fillHeight_, 2, int(std::ceil(pitchDown_))});
}

vd::Point DepthCellPlacement::At(int row, int column) const
{
    return {TruncatePixel(float(column) * pitchAcross_ + xOffset_ - 1.0f),
            TruncatePixel(float(row) * pitchDown_ + yOffset_ - 1.0f)};
}

ContourAxes MakeContourAxes(const DepthMapArea& area, int gridSide, float shift)
{
    ContourAxes axes;
    axes.p = float(area.east - area.west) / float(gridSide - 1) * area.xScale;
    axes.q = float(area.north - area.south) / float(gridSide - 1) * area.yScale;
    axes.x.resize(std::size_t(gridSide));
    axes.y.resize(std::size_t(gridSide));
    for (int k = 0; k < gridSide; ++k) {
        axes.x[k] = float(k) * axes.p + area.xOffset - shift;
        axes.y[k] = float(k) * axes.q + area.yOffset - shift;
    }
    return axes;
}
