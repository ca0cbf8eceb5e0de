// The renderer's drawing-tool set-up and restore, and the status box that shows which cell of
// the block is being drawn.
#include "layers/render/LayerRenderer.h"

#include "meshcode/LayerProgress.h"

#include "platform/text/Format.h"

#include <algorithm>

namespace {

constexpr int kThinBlue = 2; // stock pen: 1-pixel blue
constexpr int kColourBlack = 9;
constexpr int kColourWhite = 10;

int LabelFontHeight(int value, int detailLevel)
{
    if (value == -888)
        return 12;
    if (value == -999)
        return 11;
    return detailLevel != 3 && value != 1 ? 9 : 10;
}

} // namespace

void CLayerRenderer::SetDrawingTools(int mode, int value, int fillFlag)
{
    vd::Dc& dc = DeviceContext;
    switch (mode) {
    case 0:
    case 1: {
        const int dottedSelector = mode == 0 ? value : ItemCode;
        if (dottedSelector / 11 == 1)
            UseDottedPens();
        savedPen_ = dc.SelectObject(StockPen(kThinBlue));
        const int k = value % 11;
        int outline = k;
        if (mode == 0 && fillFlag != 0)
            outline = k == kColourBlack ? kColourWhite : kColourBlack;
        SelectThinPen(outline);
        brush_ = vd::Brush(PaletteColour(k));
        if (fillFlag == 1)
            savedBrush_ = dc.SelectObject(brush_);
        break;
    }
    case 2:
        dc.SelectObject(savedPen_);
        if (fillFlag == 1)
            dc.SelectObject(savedBrush_);
        brush_.DeleteObject();
        break;
    case 3:
        font_.CreateFont(LabelFontHeight(value, DetailLevel), 0, 0, 0, vd::FW_NORMAL, false, false, false,
                         vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS, vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY,
                         vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ 明朝");
        savedFont_ = dc.SelectObject(font_);
        break;
    case 4:
        dc.SelectObject(savedFont_);
        font_.DeleteObject();
        break;
    default:
        break;
    }
}

void CLayerRenderer::ShowLayerProgress(int countSwitch, std::string text, int index, int total, int fontSwitch)
{
    if (ProgressFlag == -1)
        return;
    vd::Dc& dc = DeviceContext;
    // Before any font of the renderer exists there is no saved font: the current one stays.
    if (fontSwitch == 1 && !savedFont_.IsNull())
        dc.SelectObject(savedFont_);
    meshcode::DrawLayerProgress(dc, StatusLineY, countSwitch, text, index, total);
    if (fontSwitch == 1 && !font_.IsNull())
        dc.SelectObject(font_);
}
