// DrawMeshLegend: the framed legend box of a mesh theme at the right of the map, with its title
// and one row per class or category. Returns the height it used + 5.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/MeshLegendContent.h"

#include "platform/text/Format.h"

#include <algorithm>

namespace {

using meshes::LegendContent;
using meshes::LegendRow;
using meshes::SwatchColour;

constexpr vd::COLORREF kWhite = vd::RGB(255, 255, 255);
constexpr int kRowPitch = 15;
constexpr int kSideColumnDx = 80; // the sea-bottom code list, left of R

vd::COLORREF RowColour(const LegendRow& row)
{
    return row.colour == SwatchColour::Palette ? CLayerRenderer::PaletteColour(row.index)
                                               : CLayerRenderer::ClassRampColour(row.index);
}

int BaseY(const CLayerRenderer& r, int positionMode)
{
    if (positionMode == 1)
        return 450;
    return positionMode == 2 ? r.StatusLineY + 30 : r.StatusLineY;
}

int LegendResult(int height) { return height < 1 ? height : height + 5; }

// The climate legend: with swatches, 11 rows stacked upwards from the bottom of a tall box;
// without, the title and the note on the observation points.
int DrawClimateLegend(CLayerRenderer& r, int item, int swatchFlag, int classStep, int R, int Y)
{
    vd::Dc& dc = r.DeviceContext;
    const std::string title = meshes::ClimateTitle(item);
    if (swatchFlag == 0) {
        dc.Rectangle(R - 165, Y - 440, R - 20, Y - 405);
        dc.TextOut(R - 155, Y - 435, title);
        dc.TextOut(R - 155, Y - 420, "○：観測地点と測定値");
        return LegendResult(35);
    }
    dc.Rectangle(R - 160, Y - 440, R - 10, Y - 180);
    dc.TextOut(R - 140, Y - 432, title);
    const int rowR = R + 40;
    const int offset = meshes::ClimateRowOffset(item);
    const bool precipitation = meshes::IsPrecipitationItem(item);
    for (int i = 0; i < meshes::kClassRows; ++i) {
        const int b = Y - 180 - 20 * i;
        dc.Rectangle(rowR - 151, b - 26, rowR - 119, b - 9);
        dc.FillSolidRect(rowR - 150, b - 25, 30, 15, CLayerRenderer::ClassRampColour(precipitation ? 10 - i : i));
        dc.SetBkColor(kWhite);
        dc.TextOut(rowR - 100, b - 27, vd::format("%4d～", i * classStep + offset));
    }
    return LegendResult(260);
}

} // namespace

int CLayerRenderer::DrawMeshLegend(int theme, int item, int swatchFlag, int classStep, int positionMode, int yOffset,
                                   std::string text1, std::string text2, std::string text3, std::string text4)
{
    if (ProgressFlag == -1)
        ItemCode += 30; // no status box: the legend moves right, for the rest of the call
    const int R = ItemCode;
    const int Y = BaseY(*this, positionMode) + yOffset;
    if (theme == meshes::kClimateLegend)
        return DrawClimateLegend(*this, item, swatchFlag, classStep, R, Y);

    const LegendContent content = meshes::MeshLegendContent(
        theme, item, swatchFlag, classStep, {std::move(text1), std::move(text2), std::move(text3), std::move(text4)});
    vd::Dc& dc = DeviceContext;
    // Category legends put the swatch near the left edge of a box of their own width.
    const bool categories = theme >= meshes::kFirstCategoryLegend;
    const int left = categories ? R - (swatchFlag != 0 ? 190 : 160) : R - 165;
    const int swatchX = categories ? left + 5 : R - 155;
    const int textX = categories ? swatchX + 25 : R - 130;
    const int rowCount = int(std::max(content.rows.size(), content.sideColumn.size()));
    const int bottom = std::max(Y - 405, Y - 415 + kRowPitch * rowCount + 5);
    dc.Rectangle(left, Y - 440, R - 10, bottom);
    dc.TextOut(categories ? left + 15 : R - 150, Y - 434, content.title);
    for (int m = 0; m < int(content.rows.size()); ++m) {
        const LegendRow& row = content.rows[std::size_t(m)];
        const int y = Y - 415 + kRowPitch * m;
        if (row.colour != SwatchColour::None) {
            dc.Rectangle(swatchX - 1, y - 1, swatchX + 21, y + 12);
            dc.FillSolidRect(swatchX, y, 20, 11, RowColour(row));
            dc.SetBkColor(kWhite);
        }
        dc.TextOut(row.colour != SwatchColour::None ? textX : swatchX, y, row.text);
    }
    for (int m = 0; m < int(content.sideColumn.size()); ++m)
        dc.TextOut(R - kSideColumnDx, Y - 415 + kRowPitch * m, content.sideColumn[std::size_t(m)]);
    return LegendResult(bottom - (Y - 440));
}
