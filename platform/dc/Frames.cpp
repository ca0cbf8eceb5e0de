#include "platform/dc/Frames.h"

#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"

namespace vd::frames {

Fills rect3d(const Rect& r, COLORREF topLeft, COLORREF bottomRight)
{
    // Top and left in the first colour, leaving the far corners to the second.
    return {
        {Rect{r.left, r.top, r.right - 1, r.top + 1}, topLeft},
        {Rect{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft},
        {Rect{r.right - 1, r.top, r.right, r.bottom}, bottomRight},
        {Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight},
    };
}

namespace {

void border(Fills& out, const Rect& r, unsigned flags, COLORREF topLeft, COLORREF bottomRight)
{
    if (flags & BF_TOP)
        out.push_back({Rect{r.left, r.top, r.right - 1, r.top + 1}, topLeft});
    if (flags & BF_LEFT)
        out.push_back({Rect{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft});
    if (flags & BF_RIGHT)
        out.push_back({Rect{r.right - 1, r.top, r.right, r.bottom}, bottomRight});
    if (flags & BF_BOTTOM)
        out.push_back({Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight});
}

Rect shrink(Rect r, unsigned flags)
{
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
    return r;
}

} // namespace

Fills edge(const Rect& r, unsigned edgeKind, unsigned flags)
{
    Fills out;
    Rect inner = r;
    if (edgeKind & BDR_RAISEDOUTER) {
        border(out, inner, flags, kLight, kDarkShadow);
        inner = shrink(inner, flags);
    } else if (edgeKind & BDR_SUNKENOUTER) {
        border(out, inner, flags, kShadow, kHighlight);
        inner = shrink(inner, flags);
    }
    if (edgeKind & BDR_RAISEDINNER) {
        border(out, inner, flags, kHighlight, kShadow);
        inner = shrink(inner, flags);
    } else if (edgeKind & BDR_SUNKENINNER) {
        border(out, inner, flags, kDarkShadow, kLight);
        inner = shrink(inner, flags);
    }
    if ((flags & BF_MIDDLE) && !inner.IsRectEmpty())
        out.insert(out.begin(), {inner, kFace});
    return out;
}

Fills pushButton(const Rect& r, unsigned state)
{
    return edge(r, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

Fills forCall(const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::Draw3dRect: return rect3d(op.rect, op.colour, op.colour2);
    case DrawOp::DrawEdge: return edge(op.rect, op.flags, op.flags2);
    case DrawOp::DrawFrameControl: return pushButton(op.rect, op.flags2);
    default: return {};
    }
}

} // namespace vd::frames
