#pragma once
// The boundary of Ombrisk's drawing entry points: nothing escapes it. A failure part-way through
// puts back the caller's pen, text colour and background colour and is otherwise a skipped
// drawing.
#include "platform/dc/Dc.h"

#include <utility>

template <class Body>
void GuardSubmarineDrawing(vd::Dc* dc, Body&& body) noexcept
{
    if (dc == nullptr)
        return;
    const vd::DcState saved = dc->State();
    try {
        std::forward<Body>(body)(*dc);
    } catch (...) {
        try {
            dc->SelectObject(saved.pen);
            dc->SetTextColor(saved.textColour);
            dc->SetBkColor(saved.bkColour);
        } catch (...) {
        }
    }
}
