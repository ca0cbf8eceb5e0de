// The renderer object: its stock pens, the colour tables and the screen transform.
#include "layers/render/LayerRenderer.h"

#include "meshcode/Truncate.h"

#include <utility>

namespace {

struct PenColour {
    vd::COLORREF colour;
    bool dotted;
};

// Stock pens 1-12 (1 pixel); 13-24 are the same colours 2 pixels wide.
constexpr std::array<PenColour, 12> kStockPenColours{{
    {vd::RGB(0, 0, 0), false},       // black
    {vd::RGB(0, 0, 255), false},     // blue
    {vd::RGB(255, 0, 0), false},     // red
    {vd::RGB(0, 0, 255), true},      // blue, dotted
    {vd::RGB(0, 90, 0), false},      // dark green
    {vd::RGB(0, 255, 0), false},     // green
    {vd::RGB(255, 128, 64), false},  // orange
    {vd::RGB(255, 255, 0), false},   // yellow
    {vd::RGB(255, 128, 255), false}, // pink
    {vd::RGB(128, 0, 0), false},     // dark red
    {vd::RGB(128, 0, 255), false},   // violet
    {vd::RGB(255, 255, 255), false}, // white
}};
constexpr int kWidePenOffset = 12;

// Line-colour index 0-10 to the stock pen of that colour: violet, blue, dark green, green,
// yellow, orange, pink, red, dark red, black, white.
constexpr std::array<int, 11> kColourIndexPen{11, 2, 5, 6, 8, 7, 9, 3, 10, 1, 12};

} // namespace

CLayerRenderer::CLayerRenderer(vd::Dc& dc, LayerDrawParams params)
    : LayerDrawParams(std::move(params)), DeviceContext(dc)
{
    for (std::size_t i = 0; i < kStockPenColours.size(); ++i) {
        const PenColour& c = kStockPenColours[i];
        pens_[i].CreatePen(c.dotted ? vd::PS_DOT : vd::PS_SOLID, 1, c.colour);
        pens_[i + kWidePenOffset].CreatePen(c.dotted ? vd::PS_DOT : vd::PS_SOLID, 2, c.colour);
    }
}

vd::Pen CLayerRenderer::LinePen(int colourIndex) const
{
    if (colourIndex < 0 || colourIndex > 21)
        return {};
    const int offset = colourIndex >= 11 ? kWidePenOffset : 0;
    return StockPen(kColourIndexPen[std::size_t(colourIndex % 11)] + offset);
}

void CLayerRenderer::SelectLinePen(int colourIndex)
{
    const vd::Pen pen = LinePen(colourIndex);
    if (!pen.IsNull())
        DeviceContext.SelectObject(pen);
}

void CLayerRenderer::SelectThinPen(int colourIndex)
{
    if (colourIndex < 0 || colourIndex > 10)
        return;
    DeviceContext.SelectObject(StockPen(kColourIndexPen[std::size_t(colourIndex)]));
}

void CLayerRenderer::UseDottedPens()
{
    for (std::size_t i = 0; i < kStockPenColours.size(); ++i)
        pens_[i] = vd::Pen(vd::PS_DOT, 1, kStockPenColours[i].colour);
}

vd::COLORREF CLayerRenderer::PaletteColour(int index)
{
    static constexpr std::array<vd::COLORREF, 13> kPalette{
        vd::RGB(128, 0, 255), vd::RGB(0, 0, 255),     vd::RGB(0, 90, 0),      vd::RGB(0, 255, 0),
        vd::RGB(255, 255, 0), vd::RGB(255, 128, 64),  vd::RGB(255, 128, 255), vd::RGB(255, 0, 0),
        vd::RGB(128, 0, 0),   vd::RGB(0, 0, 0),       vd::RGB(255, 255, 255), vd::RGB(0, 255, 255),
        vd::RGB(0, 130, 0)};
    if (index >= 0 && index < int(kPalette.size()))
        return kPalette[std::size_t(index)];
    // Any other index is a colour value of its own.
    return vd::COLORREF(index);
}

vd::COLORREF CLayerRenderer::ClassRampColour(int index)
{
    static constexpr std::array<vd::COLORREF, 11> kRamp{
        vd::RGB(128, 0, 255), vd::RGB(0, 128, 255), vd::RGB(0, 0, 255),     vd::RGB(0, 128, 128),
        vd::RGB(0, 128, 0),   vd::RGB(0, 255, 0),   vd::RGB(255, 255, 0),   vd::RGB(255, 128, 64),
        vd::RGB(255, 128, 255), vd::RGB(255, 0, 0), vd::RGB(128, 0, 0)};
    if (index >= 0 && index < int(kRamp.size()))
        return kRamp[std::size_t(index)];
    return vd::RGB(88, 0, 0);
}

ScreenPoint CLayerRenderer::ToScreen(int latitude, int longitude) const
{
    // The differences in 64 bits: any extent a caller gives stays defined.
    const float dx = float(static_cast<long long>(longitude) - West);
    const float dy = float(static_cast<long long>(North) - latitude);
    return {meshcode::TruncateToInt(dx * XScale + XOrigin), meshcode::TruncateToInt(dy * YScale + YOrigin)};
}
