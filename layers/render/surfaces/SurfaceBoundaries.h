#pragma once
// Record format 2: a boundary of up to eleven points inside one second-level cell, x and y in ten
// thousandths of the cell. One reader for DrawSurfaceBoundaries and DrawCountrySurfaceA.
#include "layers/render/LayerRenderer.h"

#include <optional>
#include <string_view>
#include <vector>

namespace surfaces {

constexpr int kFillerX = 99999;

struct BoundaryLayout {
    int firstX = 41; // x of point k at firstX + 10k, y 5 columns on
    // At a filler x, the point of columns 141-150 is the last one (else the points end there).
    bool fillerTakesLastPoint = false;
};

// The record's points on the screen (clipped); none when a point outside the extent drops the
// record. The points end at a filler, or at a column past the line's end.
std::optional<std::vector<vd::Point>> BoundaryPoints(const CLayerRenderer& r, std::string_view line,
                                                     const BoundaryLayout& layout);

} // namespace surfaces
