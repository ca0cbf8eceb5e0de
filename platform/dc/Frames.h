#pragma once
// Private: the three-dimensional frames as coloured rectangles (device pixels), shared by the
// device contexts so that every device draws them alike.
#include "platform/dc/Color.h"
#include "platform/dc/Geometry.h"

#include <utility>
#include <vector>

namespace vd {
struct DrawOp;
}

namespace vd::frames {

// The button colours of the classic desktop scheme.
inline constexpr COLORREF kFace = RGB(192, 192, 192);
inline constexpr COLORREF kLight = RGB(223, 223, 223);
inline constexpr COLORREF kHighlight = RGB(255, 255, 255);
inline constexpr COLORREF kShadow = RGB(128, 128, 128);
inline constexpr COLORREF kDarkShadow = RGB(0, 0, 0);

using Fills = std::vector<std::pair<Rect, COLORREF>>;

Fills rect3d(const Rect& r, COLORREF topLeft, COLORREF bottomRight);
Fills edge(const Rect& r, unsigned edge, unsigned flags);
Fills pushButton(const Rect& r, unsigned state);
// The fills of a Draw3dRect, DrawEdge or DrawFrameControl call (logical coordinates).
Fills forCall(const DrawOp& op);

} // namespace vd::frames
