#pragma once
// The frame of one seismic entry point call: Halvette's module current, a renderer on the stack
// for the call, and the caller's pen, brush and font back on every path. A failure inside the
// drawing is a skipped drawing (-1), never an exception across the library boundary.
#include "platform/dc/Dc.h"
#include "platform/ui/TemplateRegistry.h"
#include "seismic/HalvetteModule.h"
#include "seismic/SeismicLayerRenderer.h"

#include <utility>

template <class Draw>
int RunSeismicCall(vd::Dc* dc, Draw&& draw) noexcept
{
    if (dc == nullptr)
        return -1;
    int result = -1;
    try {
        vd::ui::ModuleScope module(kHalvetteModule);
        const vd::DcState saved = dc->State();
        try {
            CSeismicLayerRenderer renderer(*dc);
            result = std::forward<Draw>(draw)(renderer);
        } catch (...) {
            result = -1;
            dc->SetTextColor(saved.textColour);
            dc->SetBkColor(saved.bkColour);
            dc->SetBkMode(saved.bkMode);
        }
        dc->SelectObject(saved.pen);
        dc->SelectObject(saved.brush);
        dc->SelectObject(saved.font);
    } catch (...) {
        result = -1;
    }
    return result;
}
