#pragma once
// The layer uses the platform's points, sizes and rectangles (right and bottom exclusive).
#include "platform/dc/Geometry.h"

namespace vd::ui {
using vd::Point;
using vd::Rect;
using vd::Size;
} // namespace vd::ui
