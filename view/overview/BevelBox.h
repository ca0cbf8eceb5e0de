#pragma once
// The raised box that the view and the renderer draw under a caption or a list.
namespace vd {
class Dc;
class Pen;
} // namespace vd

// The box's edges: the lit ones with the selected pen, the shaded ones with `shadow`; the
// selected pen is put back afterwards. The caller fills the face first.
void DrawBevelEdges(vd::Dc& dc, int left, int top, int right, int bottom, const vd::Pen& shadow);
