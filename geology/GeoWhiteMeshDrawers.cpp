// The geology layer on the white map: one rectangle a record, sized and placed by the white map's
// mesh frame, over a block of 1, 9 or 25 first-level meshes; the classes that occur go to
// TEMP\GeoWmap.dat and the legend column follows every drawing.
#include "geology/GeoDrawing.h"
#include "geology/GeoMeshRenderer.h"

#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <cmath>

namespace {

constexpr int kLegendFontHeight = 10;

std::string WhiteTitle(bool landClass, int theme)
{
    static constexpr const char* kNames[] = {"表層地質", "土壌", "地形分類", "谷密度"};
    if (landClass)
        return std::string(theme == 3 ? "谷密度メッシュ" : kNames[theme]) + "(土地分類ﾒｯｼｭ)";
    return std::string(kNames[theme]) + "(自然地形ﾒｯｼｭ)";
}

// The white map's frame of one mesh: the rectangle's size and the origin moved to the records'
// north-west corners, as the other white-map mesh layers place theirs.
struct MeshFrame {
    int width = 0;
    int height = 0;
};

MeshFrame TakeMeshFrame(CGeoMeshRenderer& r, int cellCount)
{
    const std::string text =
        meshcode::CellSizeText(cellCount, r.m_fOriginX, r.m_fOriginY, r.m_fScaleX, r.m_fScaleY, r.m_strCentreMesh);
    double values[4] = {};
    std::string_view rest = text;
    for (double& v : values) {
        const std::size_t slash = rest.find('/');
        v = vd::parseInt(rest.substr(0, slash)) * 0.001;
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    r.m_fOriginX = float(values[2]);
    r.m_fOriginY = float(values[3]);
    return {int(values[0]), int(values[1])};
}

class WhiteDrawing {
public:
    WhiteDrawing(CGeoMeshRenderer& r, int cellCount, int theme, bool landClass, const std::string& selection)
        : r_(r), dc_(*r.m_pDC), pen_(vd::PS_SOLID, 1, vd::RGB(0, 0, 0))
    {
        r_.m_nWorkFileDetail = kGeoFullDetail; // the classifiers leave the grids alone
        oldPen_ = dc_.SelectObject(pen_);
        dc_.SelectObject(vd::StockPen(vd::NULL_PEN));
        StartGeoSelection(r_, theme, selection);
        colours = GeoColourTable(r_, theme);
        r_.m_strTitle = WhiteTitle(landClass, theme);
        if (cellCount == 25)
            r_.m_nLabelFlag = 0;
        r_.m_nRecordWestBound = r_.m_nWest;
        r_.m_nRecordSouthBound = r_.m_nSouth;
        frame = TakeMeshFrame(r_, cellCount);
        font_ = GeoLabelFont(cellCount == 1 ? 10 : 7);
        oldFont_ = dc_.SelectObject(font_);
        dc_.SetBkMode(vd::TRANSPARENT);
    }
    void Progress(int i, int n)
    {
        dc_.SelectObject(pen_);
        dc_.SelectObject(oldFont_);
        r_.ShowProgress(-1, r_.m_strTitle, i, n);
        dc_.SelectObject(vd::StockPen(vd::NULL_PEN));
        dc_.SelectObject(font_);
    }
    // One rectangle at the record's north-west corner, and its label there.
    void FillRecord()
    {
        if (r_.m_nRecordLon == -1)
            return;
        const int x = meshcode::TruncateToInt(float(r_.m_nRecordLon - r_.m_nWest) * r_.m_fScaleX + r_.m_fOriginX);
        const int y = meshcode::TruncateToInt(float(r_.m_nNorth - r_.m_nRecordLat) * r_.m_fScaleY + r_.m_fOriginY);
        if (r_.m_nColourIndex >= 0 && r_.m_nColourIndex < int(colours.size()))
            dc_.FillSolidRect(x, y, frame.width, frame.height, colours[std::size_t(r_.m_nColourIndex)]);
        if (r_.m_nLabelFlag == 1 && !r_.m_strLine.empty())
            dc_.TextOut(x, y, r_.m_strLine);
    }
    // A valley-density quarter record of the land-classification file: 4 x 4 sub-steps.
    void FillValleyQuarter()
    {
        if (r_.m_nRecordLon == -1)
            return;
        const int w = 1 + meshcode::TruncateToInt(11.25f * r_.m_fScaleX);
        const int h = 1 + meshcode::TruncateToInt(7.5f * r_.m_fScaleY);
        const bool inTable = r_.m_nColourIndex >= 0 && r_.m_nColourIndex < int(colours.size());
        for (int s = 0; s < 16 && inTable; ++s) {
            const int lat = r_.m_nRecordLat + (s / 4) * meshcode::kThirdMeshLatitudeSeconds / 4;
            const int lon = r_.m_nRecordLon + (s % 4) * meshcode::kThirdMeshLongitudeSeconds / 4;
            if (lat < r_.m_nSouth || lat >= r_.m_nNorth || lon < r_.m_nWest || lon >= r_.m_nEast)
                continue;
            const int x = meshcode::TruncateToInt(float(lon - r_.m_nWest) * r_.m_fScaleX + r_.m_fOriginX);
            const int y = meshcode::TruncateToInt(float(r_.m_nNorth - lat) * r_.m_fScaleY + r_.m_fOriginY) + 2 * h;
            dc_.FillSolidRect(x, y, w, h, colours[std::size_t(r_.m_nColourIndex)]);
        }
        const bool inside = r_.m_nRecordLat >= r_.m_nSouth && r_.m_nRecordLat <= r_.m_nNorth &&
                            r_.m_nRecordLon >= r_.m_nWest && r_.m_nRecordLon <= r_.m_nEast;
        if (r_.m_nLabelFlag == 1 && !r_.m_strLine.empty() && (r_.m_nDetailLevel != kGeoFullDetail || inside))
            dc_.TextOut(r_.m_nLabelX, r_.m_nLabelY, r_.m_strLine);
    }
    // The classes that occur, for every theme (the valley density too, so that the legend list
    // never shows an earlier map's classes), then the legend in a font of its own.
    void Finish(int theme)
    {
        WriteGeoWorkFile(r_.m_strDataFolder, "GeoWmap.dat", GeoWhiteWorkBytes(r_, theme));
        dc_.SetBkMode(vd::OPAQUE);
        dc_.SelectObject(pen_);
        dc_.SetBkColor(vd::RGB(255, 255, 255));
        dc_.SelectObject(oldFont_);
        const vd::Font legendFont = GeoLabelFont(kLegendFontHeight);
        dc_.SelectObject(legendFont);
        r_.DrawGeologyLegend(theme, -1);
        dc_.SelectObject(oldFont_);
        dc_.SelectObject(oldPen_);
        dc_.SetBkColor(vd::RGB(255, 255, 255));
    }

    std::vector<vd::COLORREF> colours;
    MeshFrame frame;

private:
    CGeoMeshRenderer& r_;
    vd::Dc& dc_;
    vd::Pen pen_;
    vd::Font font_;
    vd::Pen oldPen_;
    vd::Font oldFont_;
};

} // namespace

void CGeoMeshRenderer::DrawWhiteTerrainMesh(int cellCount, int theme, int, const std::string& selection,
                                            const std::string& flagList)
{
    if (m_pDC == nullptr || !GeoDrawnTheme(theme))
        return;
    ParseOptionList(flagList);
    WhiteDrawing drawing(*this, cellCount, theme, false, selection);
    const int base = vd::parseInt(m_strCentreMesh);
    const std::string prefix = GeoDataPrefix(m_strDataPrefix);
    int drawn = 0;
    for (int i = 0; i < cellCount; ++i) {
        drawing.Progress(i, cellCount);
        const std::string cell =
            cellCount == 1 ? m_strCentreMesh : meshcode::WhiteBlockCellCode(cellCount, base, i, m_strCentreMesh);
        ClassifyTerrainRecords(*this, prefix, cell, cellCount > 1, drawn, theme, 0, [&] { drawing.FillRecord(); });
    }
    drawing.Finish(theme);
}

void CGeoMeshRenderer::DrawWhiteLandClassMesh(int cellCount, int theme, int, const std::string& selection,
                                              const std::string& flagList)
{
    if (m_pDC == nullptr || !GeoDrawnTheme(theme))
        return;
    // A file that does not open ends the call before anything is drawn or selected.
    const auto lines = vd::readRawTextLines(m_strDataPrefix);
    if (!lines)
        return;
    ParseOptionList(flagList);
    WhiteDrawing drawing(*this, cellCount, theme, true, selection);
    drawing.Progress(0, 1);
    ClassifyLandClassRecords(*this, *lines, theme, 0, [&] {
        if (theme == 3)
            drawing.FillValleyQuarter();
        else
            drawing.FillRecord();
    });
    drawing.Finish(theme);
}
