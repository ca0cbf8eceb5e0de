#pragma once
// The boundary of every drawing entry point: nothing escapes it. A failure part-way through puts
// back what the entry point may have changed in the caller's device context (its objects,
// colours and modes) and is otherwise a skipped drawing.
#include "platform/dc/Dc.h"

#include <utility>

template <class Body>
void GuardDrawing(vd::Dc* dc, Body&& body) noexcept
{
    if (dc == nullptr)
        return;
    const vd::DcState saved = dc->State();
    try {
        std::forward<Body>(body)(*dc);
    } catch (...) {
        try {
            dc->SelectObject(saved.pen);
            dc->SelectObject(saved.brush);
            dc->SelectObject(saved.font);
            dc->SetTextColor(saved.textColour);
            dc->SetBkColor(saved.bkColour);
            dc->SetBkMode(saved.bkMode);
            dc->SetTextAlign(saved.textAlign);
        } catch (...) {
        }
    }
}
