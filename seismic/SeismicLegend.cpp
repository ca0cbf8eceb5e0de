// The legend box of a seismic hazard map, near the right edge of the map: the quantity's title,
// a swatch and range per value class (class 0 at the bottom) and the data credit; the value-label
// maps draw a compact box that explains their red labels instead. Texts are written in the font,
// background mode, pen and brush the caller selected.
#include "platform/dc/Dc.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/SeismicLegendTexts.h"

namespace {

const vd::COLORREF kWhite = vd::RGB(255, 255, 255);

} // namespace

int CSeismicLayerRenderer::LegendYAnchor(int yMode) const
{
    if (yMode == 1)
        return 450;
    if (yMode == 2)
        return StatusLineY + 30;
    return StatusLineY;
}

int CSeismicLayerRenderer::DrawSeismicLegend(int mapKind, int compact, int yMode, int yOffset)
{
    if (LegendFlag == 0)
        return 0;
    vd::Dc& dc = DeviceContext;
    const int b = LegendYAnchor(yMode) + yOffset;
    if (CallerFlag == -1)
        LegendAnchorX += 30;
    const int x = LegendAnchorX;
    const seismic::LegendTexts texts = mapKind == kProbabilisticMap ? seismic::ProbabilisticLegendTexts(DataKind)
                                                                    : seismic::ScenarioLegendTexts(ScenarioQuantity);
    dc.SetTextColor(vd::RGB(0, 0, 0));
    int h = yOffset;
    // A map of unknown quantity has no box, and so no credit either.
    if (!texts.rows.empty()) {
        int creditX = 0, creditY = 0;
        if (compact == 1) {
            dc.Rectangle(x - 165, b - 440, x - 20, b - 405);
            dc.TextOut(x - 155, b - 435, texts.compactTitle);
            dc.TextOut(x - 155, b - 420, texts.marker);
            creditX = x - 162;
            creditY = b - 405;
            h = 35;
        } else {
            const int rows = int(texts.rows.size());
            const bool sixRows = rows == 6;
            const int bottom = rows == 15 ? 95 : 275;
            dc.Rectangle(x - 160, b - 435, x - 10, b - bottom);
            dc.TextOut(x - 140, b - (texts.highTitle ? 432 : 430), texts.title);
            for (int i = 0; i < rows; ++i) {
                if (mapKind == kProbabilisticMap)
                    SelectProbabilisticColour(i);
                else
                    SelectScenarioColour(i);
                const int g = b - bottom - 20 * i;
                const int lift = sixRows ? 2 : 0; // the six-row swatches sit 2 pixels higher
                dc.Rectangle(x - 151, g - 24 - lift, x - 119, g - 7 - lift);
                dc.FillSolidRect(x - 150, g - 23 - lift, 30, 15, CellColour);
                dc.SetBkColor(kWhite);
                dc.TextOut(x - 100, g - 22 - lift, texts.rows[std::size_t(i)]);
            }
            creditX = x - 157;
            creditY = b - bottom;
            h = rows == 15 ? 340 : 160;
        }
        int down = 10;
        for (std::string_view line : seismic::LegendCreditLines()) {
            dc.TextOut(creditX, creditY + down, line);
            down += 15;
        }
    }
    dc.SetBkColor(kWhite);
    return h > 0 ? h + 5 : h;
}
