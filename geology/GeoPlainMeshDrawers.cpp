// The geology layer on the detailed (plain) map: every accepted record is filled in D x D
// sub-steps clipped to the extent, labelled when the selection asks for it, and noted in the
// block's grids, which TEMP\Geofile.dat keeps for the composition table and the legend list.
#include "geology/GeoDrawing.h"
#include "geology/GeoMeshRenderer.h"

#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kLegendAlways = 10000;
constexpr int kLabelHeight = 10;

// Cells a side of the drawn block's grid.
int BlockSide(const CGeoMeshRenderer& r, int count)
{
    if (count <= 1)
        return 80;
    if (r.m_nAreaKind == 0)
        return r.m_nWideAreaMode == 2 ? 240 : r.m_nWideAreaMode == 3 ? 160 : 80;
    if (r.m_nAreaKind == 1 || r.m_nAreaKind == 2) {
        if (r.m_strWideAreaName == meshcode::kWideArea3)
            return 240;
        if (r.m_strWideAreaName == meshcode::kWideArea5)
            return 200;
    }
    return 80;
}

// The fill of one record: D x D sub-steps of w x h pixels.
struct SubSteps {
    int d = 4;
    int w = 1;
    int h = 1;
};

SubSteps SubStepsOf(const CGeoMeshRenderer& r)
{
    SubSteps s;
    s.d = r.m_nAreaKind == 3 ? 8 : 4;
    const int extra = r.m_nDetailLevel == kGeoFullDetail ? 2 : 0;
    s.w = 1 + meshcode::TruncateToInt(float(meshcode::kThirdMeshLongitudeSeconds) * r.m_fScaleX / float(s.d)) + extra;
    s.h = 1 + meshcode::TruncateToInt(float(meshcode::kThirdMeshLatitudeSeconds) * r.m_fScaleY / float(s.d)) + extra;
    return s;
}

// The drawing objects of one plain-map call and the caller's, put back at the end.
class PlainDrawing {
public:
    explicit PlainDrawing(vd::Dc& dc) : dc_(dc), pen_(vd::PS_SOLID, 1, vd::RGB(0, 0, 0)), font_(GeoLabelFont(kLabelHeight))
    {
        oldPen_ = dc_.SelectObject(pen_);
        dc_.SelectObject(vd::StockPen(vd::NULL_PEN));
        oldFont_ = dc_.SelectObject(font_);
        dc_.SetBkMode(vd::TRANSPARENT);
    }
    // The progress box is drawn with the caller's font, opaque, framed by the pen.
    void Progress(CGeoMeshRenderer& r, int i, int n)
    {
        dc_.SelectObject(oldFont_);
        dc_.SetBkMode(vd::OPAQUE);
        dc_.SelectObject(pen_);
        r.ShowProgress(-1, r.m_strTitle, i, n);
        dc_.SelectObject(vd::StockPen(vd::NULL_PEN));
        dc_.SelectObject(font_);
        dc_.SetBkMode(vd::TRANSPARENT);
    }
    void Finish(CGeoMeshRenderer& r, int theme, int displayOption, bool legend)
    {
        dc_.SelectObject(pen_);
        dc_.SetBkColor(vd::RGB(255, 255, 255));
        if (legend)
            r.DrawGeologyLegend(theme, displayOption);
        dc_.SetBkColor(vd::RGB(255, 255, 255));
        dc_.SelectObject(oldFont_);
        dc_.SelectObject(oldPen_);
    }

private:
    vd::Dc& dc_;
    vd::Pen pen_;
    vd::Font font_;
    vd::Pen oldPen_;
    vd::Font oldFont_;
};

// Fills the record the classifier left and writes its label.
void FillRecord(CGeoMeshRenderer& r, const SubSteps& s, const std::vector<vd::COLORREF>& colours)
{
    vd::Dc& dc = *r.m_pDC;
    const bool inTable = r.m_nColourIndex >= 0 && r.m_nColourIndex < int(colours.size());
    if (r.m_nRecordLon != -1 && inTable) {
        for (int step = 0; step < s.d * s.d; ++step) {
            const int lat = r.m_nRecordLat + (step / s.d) * meshcode::kThirdMeshLatitudeSeconds / s.d;
            const int lon = r.m_nRecordLon + (step % s.d) * meshcode::kThirdMeshLongitudeSeconds / s.d;
            if (lat < r.m_nSouth || lat >= r.m_nNorth || lon < r.m_nWest || lon >= r.m_nEast)
                continue;
            const int x = meshcode::TruncateToInt(float(lon - r.m_nWest) * r.m_fScaleX + r.m_fOriginX);
            const int y = meshcode::TruncateToInt(float(r.m_nNorth - lat) * r.m_fScaleY + r.m_fOriginY) - s.h;
            dc.FillSolidRect(x, y, s.w, s.h, colours[std::size_t(r.m_nColourIndex)]);
        }
    }
    if (r.m_nRecordLon == -1 || r.m_nLabelFlag != 1 || r.m_strLine.empty())
        return;
    const bool inside = r.m_nRecordLat >= r.m_nSouth && r.m_nRecordLat <= r.m_nNorth && r.m_nRecordLon >= r.m_nWest &&
                        r.m_nRecordLon <= r.m_nEast;
    if (r.m_nDetailLevel != kGeoFullDetail || inside)
        dc.TextOut(r.m_nLabelX, r.m_nLabelY, r.m_strLine);
}

// The common start of both plain drawers: cleared grids, the theme's palette and selection, and
// the record bounds.
void StartPlain(CGeoMeshRenderer& r, int theme, const std::string& selection)
{
    r.m_nWorkFileDetail = r.m_nDetailLevel;
    std::fill(r.m_primaryGrid.begin(), r.m_primaryGrid.end(), std::uint8_t(theme == 0 ? 0 : 255));
    std::fill(r.m_secondaryGrid.begin(), r.m_secondaryGrid.end(), std::uint8_t(0));
    StartGeoSelection(r, theme, selection);
    if (r.m_strWideAreaName == meshcode::kWideArea5)
        r.m_nLabelFlag = 0;
    const bool margins = r.m_nDetailLevel == kGeoFullDetail;
    r.m_nRecordWestBound = r.m_nWest - (margins ? meshcode::kThirdMeshLongitudeSeconds : 0);
    r.m_nRecordSouthBound = r.m_nSouth - (margins ? meshcode::kThirdMeshLatitudeSeconds : 0);
}

} // namespace

void CGeoMeshRenderer::DrawTerrainMesh(int cellCount, int code, int displayOption, const std::string& selection,
                                       const std::string& flagList)
{
    const int theme = GeoThemeOfCode(code);
    if (m_pDC == nullptr || !GeoDrawnTheme(theme))
        return;
    const bool legendAlways = m_nLayerFlagWhole >= kLegendAlways;
    m_nLayerFlagWhole %= kLegendAlways;
    ParseOptionList(flagList);
    const SubSteps steps = SubStepsOf(*this);
    PlainDrawing drawing(*m_pDC);
    StartPlain(*this, theme, selection);
    const std::vector<vd::COLORREF> colours = GeoColourTable(*this, theme);

    int count = cellCount == -1 ? CountBlockCells() : cellCount;
    const int side = BlockSide(*this, count);
    const int base = vd::parseInt(m_strCentreMesh);
    std::string running = vd::cp932Left(m_strCentreMesh, 4);
    const std::string prefix = GeoDataPrefix(m_strDataPrefix);
    int quad = 0;
    if (m_nAreaKind == 3) {
        quad = ParseQuadList(m_nWideAreaMode, m_strWideCentre3);
        if (quad == 1)
            count = 4;
        m_nWideAreaMode /= 10;
    }

    m_nLayerFlag = 0;
    int drawn = 0;
    for (int i = 0; i < count; ++i) {
        drawing.Progress(*this, i, count);
        const std::string cell = CellMeshCode(count, i, cellCount, base, quad, 0, m_strCentreMesh, running);
        running = cell;
        if (cell.empty())
            continue;
        const meshcode::MeshCorner corner = meshcode::FirstMeshCorner(cell);
        m_nCellSouth = corner.latitude;
        m_nCellWest = corner.longitude;
        if (count > 1 && m_nDetailLevel == kGeoFullDetail &&
            !meshcode::FirstMeshOverlaps(m_nWest, m_nNorth, m_nEast, m_nSouth, -1, -1, cell))
            continue;
        ClassifyTerrainRecords(*this, prefix, cell, count > 1, drawn, theme, displayOption,
                               [&] { FillRecord(*this, steps, colours); });
    }
    if (m_nWorkFileDetail < kGeoFullDetail)
        WriteGeoWorkFile(m_strDataFolder, "Geofile.dat", GeoPlainWorkBytes(*this, theme, side));
    drawing.Finish(*this, theme, displayOption, m_nWorkFileDetail < kGeoFullDetail || legendAlways);
}

void CGeoMeshRenderer::DrawLandClassMesh(int cellCount, int code, int displayOption, const std::string& selection,
                                         const std::string&)
{
    const int theme = GeoThemeOfCode(code);
    if (m_pDC == nullptr || !GeoDrawnTheme(theme))
        return;
    // A file that does not open ends the call before anything is drawn or selected.
    const auto lines = vd::readRawTextLines(m_strDataPrefix);
    if (!lines)
        return;
    const SubSteps steps = SubStepsOf(*this);
    PlainDrawing drawing(*m_pDC);
    StartPlain(*this, theme, selection);
    const std::vector<vd::COLORREF> colours = GeoColourTable(*this, theme);
    const int count = cellCount == -1 ? CountBlockCells() : cellCount;
    const int side = BlockSide(*this, count);
    m_nCellSouth = m_nSouth;
    m_nCellWest = m_nWest;
    drawing.Progress(*this, 0, 1);

    ClassifyLandClassRecords(*this, *lines, theme, displayOption, [&] { FillRecord(*this, steps, colours); });
    if (m_nWorkFileDetail < kGeoFullDetail)
        WriteGeoWorkFile(m_strDataFolder, "Geofile.dat", GeoPlainWorkBytes(*this, theme, side));
    drawing.Finish(*this, theme, displayOption, m_nWorkFileDetail < kGeoFullDetail);
}
