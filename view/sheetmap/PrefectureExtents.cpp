// The prefecture and region frames, the overview's corner codes with its municipality surfaces
// and grid, and the background picture of one sheet of the detailed map.
#include "view/sheetmap/PrefectureExtents.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "basemap/projection/SheetGrid.h"
#include "graphics/HillShading.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Format.h"
#include "view/renderer/MapRenderer.h"
#include "view/renderer/OverviewLayerFrame.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<PrefectureExtent, 47> kPrefectures = {{
    {"北海道", "46.0000", "147.0000", "41.2000", "139.0000", 460000, 1430000, 15, 0, 0},
    {"青森県", "41.3000", "142.3000", "40.1000", "139.4500", 417000, 1408000, 44, 0, 0},
    {"岩手県", "40.4000", "142.1500", "38.1000", "140.3000", 405000, 1415000, 38, 0, 0},
    {"宮城県", "39.2000", "142.0000", "37.3000", "140.0000", 390000, 1410000, 50, 0, 0},
    {"秋田県", "40.4000", "141.0000", "38.4000", "139.4500", 406600, 1405000, 37, 0, 0},
    {"山形県", "39.2000", "140.4000", "37.4500", "139.2000", 393000, 1400000, 43, 0, 0},
    {"福島県", "38.1000", "141.1500", "36.4000", "139.0000", 382000, 1402000, 42, 0, 0},
    {"茨城県", "38.1000", "141.1500", "35.4000", "139.0000", 371500, 1404000, 50, 0, 0},
    {"栃木県", "37.2000", "140.3000", "34.0000", "139.0000", 372500, 1398000, 60, 0, 0},
    {"群馬県", "37.2000", "139.4500", "35.4500", "138.1500", 371500, 1391000, 55, 0, 0},
    {"埼玉県", "36.4000", "140.1500", "35.4000", "138.3000", 365000, 1394000, 60, 0, 0},
    {"千葉県", "36.2000", "141.0000", "34.2000", "139.3000", 361500, 1404000, 50, 0, 0},
    {"東京都", "36.0000", "141.1500", "35.2000", "137.3000", 361000, 1395000, 90, 0, 0},
    {"神奈川県", "35.5000", "140.0000", "34.3000", "138.5000", 358000, 1394000, 80, 0, 0},
    {"新潟県", "38.4000", "140.0000", "36.4000", "137.3000", 386600, 1390000, 35, 0, 0},
    {"富山県", "37.0500", "138.0000", "36.1000", "136.3000", 371000, 1373000, 70, 0, 0},
    {"石川県", "38.0000", "137.1500", "36.0000", "136.0000", 377000, 1368000, 40, 0, 0},
    {"福井県", "36.3000", "137.0000", "35.2000", "135.1000", 364000, 1362000, 58, 0, 0},
    {"山梨県", "36.0000", "139.2000", "34.5000", "138.0000", 360000, 1387000, 70, 0, 0},
    {"長野県", "37.0500", "139.0000", "35.0000", "137.1000", 371000, 1381500, 35, 0, 0},
    {"岐阜県", "36.3500", "138.0000", "34.3000", "136.1000", 365500, 1370000, 45, 0, 0},
    {"静岡県", "35.5000", "139.1500", "34.3000", "136.4500", 358000, 1383000, 48, 0, 0},
    {"愛知県", "35.5000", "138.0000", "34.3000", "136.3000", 356000, 1374000, 60, 0, 0},
    {"三重県", "35.4000", "137.0000", "33.3000", "135.4000", 354000, 1365000, 42, 0, 0},
    {"滋賀県", "35.5500", "136.3000", "34.4000", "135.4500", 358000, 1362000, 65, 0, 0},
    {"京都府", "35.4800", "136.1500", "34.4000", "134.4000", 358000, 1355000, 52, 0, 0},
    {"大阪府", "35.1500", "136.0000", "34.1000", "135.0000", 351400, 1355000, 74, 0, 0},
    {"兵庫県", "36.0000", "135.3000", "34.0000", "134.0000", 357000, 1349000, 45, 0, 0},
    {"奈良県", "36.0000", "136.2000", "33.4000", "135.3000", 348000, 1359000, 65, 0, 0},
    {"和歌山県", "34.3000", "136.1500", "33.2000", "135.0000", 345000, 1358000, 62, 0, 0},
    {"鳥取県", "35.5000", "134.4000", "34.5000", "133.0000", 360000, 1339000, 55, 0, 0},
    {"島根県", "36.3000", "134.0000", "34.1000", "131.3000", 364500, 1330000, 32, 0, 0},
    {"岡山県", "35.3000", "134.3000", "34.2000", "133.1000", 356000, 1338500, 55, 0, 0},
    {"広島県", "35.1000", "133.3000", "34.0000", "132.0000", 354000, 1328000, 55, 0, 0},
    {"山口県", "34.5000", "132.1500", "33.5000", "130.4500", 348000, 1318000, 51, 0, 0},
    {"徳島県", "36.0000", "137.0000", "33.3000", "133.3000", 343000, 1344000, 60, 0, 0},
    {"香川県", "34.3000", "134.3000", "33.5000", "133.1500", 347000, 1342000, 73, 0, 0},
    {"愛媛県", "34.1500", "133.5000", "32.4000", "132.0000", 342500, 1330500, 45, 0, 0},
    {"高知県", "34.0000", "134.3000", "32.4000", "132.2000", 340500, 1335000, 45, 0, 0},
    {"福岡県", "34.15000", "132.0000", "32.4000", "129.3000", 341000, 1306500, 55, 0, 0},
    {"佐賀県", "34.0000", "131.0000", "32.4000", "126.0000", 339000, 1301000, 65, 0, 0},
    {"長崎県", "34.5000", "130.5000", "32.0000", "128.0000", 348000, 1300000, 28, 0, 0},
    {"熊本県", "33.3000", "132.0000", "31.4000", "129.3000", 333300, 1307500, 50, 0, 0},
    {"大分県", "34.0000", "132.3000", "32.3000", "130.3000", 338000, 1315000, 60, 0, 0},
    {"宮崎県", "33.2000", "132.3000", "31.0000", "130.0000", 329500, 1315000, 43, 0, 0},
    {"鹿児島県", "32.4000", "132.0000", "30.0000", "129.0000", 322500, 1305000, 45, 0, 0},
    {"沖縄県", "31.2000", "130.0000", "26.0000", "123.0000", 313300, 1285000, 9, 0, 0},
}};

constexpr std::array<PrefectureExtent, 4> kRegions = {{
    {"", "48.0000", "155.0000", "23.0000", "110.0000", 470000, 1350000, 2.8f, 380000, 1725.0001f},
    {"", "37.0000", "142.0000", "27.0000", "120.0000", 370000, 1325000, 5.4000001f, 260000, 3184.6155f},
    {"", "44.0000", "147.0000", "31.4000", "125.0000", 440000, 1380000, 5.9000001f, 320000, 3715.3848f},
    {"", "47.0000", "152.0000", "33.3000", "128.0000", 470000, 1415000, 5.5f, 380000, 3450.0002f},
}};

// The document's latitude-ratio entry, 0 for an index outside the table.
float RatioAt(const CVeldoranDoc& doc, int index)
{
    if (index < 0 || index >= kLatitudeRatioTableSize)
        return 0;
    return doc.latitudeRatios.m_afLatitudeRatio[index];
}

} // namespace

std::optional<PrefectureExtent> PrefectureExtentRow(int index)
{
    if (index >= 0 && index < int(kPrefectures.size()))
        return kPrefectures[index];
    if (index >= 100 && index < 100 + int(kRegions.size()))
        return kRegions[index - 100];
    return std::nullopt;
}

void CMapRenderer::SetPrefectureExtent(int index)
{
    const std::optional<PrefectureExtent> row = PrefectureExtentRow(index);
    if (!row)
        return;
    SheetDrawState& draw = *m_pDraw;
    const bool region = index >= 100;
    const bool albers = draw.m_nClipIndexMap != 0;
    draw.m_fRefLatitude = region && albers ? row->albersRefLatitude : row->refLatitude;
    draw.m_fRefLongitude = row->refLongitude;
    draw.m_fMapScaleY = region && albers ? row->albersZoom : row->zoom;
    draw.m_strFrameName = row->name;
    draw.m_strFrameNorth = row->north;
    draw.m_strFrameEast = row->east;
    draw.m_strFrameSouth = row->south;
    draw.m_strFrameWest = row->west;
    draw.m_fMapScale = albers ? draw.m_fMapScaleY : 1000.0f / draw.m_fMapScaleY;
}

void CMapRenderer::ComputeSheetCodes()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    const float lat0 = draw.m_fRefLatitude;
    const float lon0 = draw.m_fRefLongitude;
    const float s = draw.m_fMapScale;
    const int x0 = doc.pointer.m_nOverviewOriginX;
    const float bottom = lat0 - static_cast<float>(m_nClientHeight) * s;
    draw.m_strFrameSouth = CVeldoranDoc::SecondsToDms(static_cast<int>(bottom * 0.36f));
    draw.m_strFrameWest = CVeldoranDoc::SecondsToDms(static_cast<int>(
        (lon0 - s * RatioAt(doc, static_cast<int>(bottom * 0.0001f)) * static_cast<float>(x0)) * 0.36f));
    draw.m_strFrameNorth = CVeldoranDoc::SecondsToDms(static_cast<int>(lat0 * 0.36f));
    draw.m_strFrameEast = CVeldoranDoc::SecondsToDms(static_cast<int>(
        (RatioAt(doc, static_cast<int>(lat0 * 0.0001f)) * static_cast<float>(m_nClientWidth - x0) * s + lon0) * 0.36f));

    const OverviewLayerFrame frame = OverviewLayerFrameOf(doc, m_nClientHeight);
    const int north = frame.north, west = frame.west, south = frame.south, east = frame.east;
    const std::string& mesh = frame.mesh;
    const float xs = frame.scaleX;
    const float ys = frame.scaleY;
    const float xoff = doc.position.m_nMapPjctn == 0 ? static_cast<float>(x0) : frame.originX;
    const float yoff = frame.originY;

    DovanneExports& dovanne = Dovanne();
    if (Surrick().OnCitySurfacePlain.fn)
        Surrick().OnCitySurfacePlain.fn(m_pDC, m_settings.mapFigure != 0 ? 6 : 3, doc.spec.m_nCityBorderColour,
                                        doc.colours.m_nPrfCstClr, north, west, south, east, 2, 2,
                                        doc.position.m_nMapFrame, 1, 3, doc.m_anSurfaceRowB[0][0], 0,
                                        doc.position.m_nMapPjctn, draw.m_fMapScale, draw.m_fRefLongitude, xoff, yoff,
                                        xs, ys, std::string("広域3") + "/", mesh, mesh, mesh, doc.folders.m_strAppDir,
                                        doc.folders.m_strCityBorderDir, doc.folders.m_strCoastlineDir);
    if (m_settings.mapFigure == 0 && dovanne.OnPrefectureLat.fn)
        dovanne.OnPrefectureLat.fn(m_pDC, north, west, south, east, doc.position.m_nMapPjctn, draw.m_fMapScale, xoff,
                                   yoff, xs, ys, draw.m_fRefLongitude);
}

void CMapRenderer::DrawSheetBackground(int sheet, int last, int left, int top, float zoomX, float zoomY, int n,
                                       const std::string& name)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    DovanneExports& dovanne = Dovanne();
    const int right = left + static_cast<int>(SheetSpanSingle(1, zoomX)) + 1;
    const int bottom = top + static_cast<int>(SheetSpanSingle(1, zoomY)) + 1;
    if (doc.colours.m_nColorStep != 0) {
        DrawBackgroundBitmap(name, left, top, right, bottom);
    } else {
        const std::string latitude = SheetLatitudeText(name);
        const float metres = dovanne.OnUnitLength.fn ? static_cast<float>(dovanne.OnUnitLength.fn("ew", latitude)) : 0.0f;
        if (metres > 0 && doc.MakeReliefBitmap(draw, name, zoomY != 0 ? zoomX / zoomY : 1.0f, metres) == 1)
            DrawBackgroundBitmap("RELIEF", left, top, right, bottom);
    }

    if (doc.spec.m_nCityBorder == 1 && sheet == last && Surrick().OnCitySurfaceWhite.fn) {
        const bool oneSheet = doc.position.m_nMapFrame == 1;
        const int centre = oneSheet ? 0 : std::atoi(draw.m_astrBlockMeshCode[last / 2].c_str());
        Surrick().OnCitySurfaceWhite.fn(
            &dc, -doc.spec.m_nCityBorderColour, m_nOriginY, m_nOriginX, oneSheet ? 1 : doc.position.m_nMapMode, centre,
            doc.colours.m_nCstlnColor, doc.position.m_nMapFrame, 0, 0, 0, draw.m_fWhiteZoomX, draw.m_fWhiteZoomY, "",
            name, oneSheet ? std::string() : vd::format("%d", doc.position.m_nMapMode), doc.folders.m_strAppDir,
            doc.folders.m_strCityBorderDir, doc.folders.m_strCoastlineDir);
    }

    if (sheet == 0 && (doc.position.m_nMapFrame == 1 || doc.position.m_nMapFrame == 2)) {
        const int side = doc.position.m_nMapFrame == 1 ? 1 : n;
        const int blockRight =
            doc.position.m_nMapFrame == 1 ? right : m_nOriginX + static_cast<int>(SheetSpanSingle(side, zoomX));
        const int blockBottom =
            doc.position.m_nMapFrame == 1 ? bottom : m_nOriginY + static_cast<int>(SheetSpanSingle(side, zoomY));
        const int blockLeft = doc.position.m_nMapFrame == 1 ? left : m_nOriginX;
        const int blockTop = doc.position.m_nMapFrame == 1 ? top : m_nOriginY;
        const vd::Pen keptPen = dc.SelectObject(vd::StockPen(vd::NULL_PEN));
        const vd::Brush keptBrush = dc.SelectObject(*m_pBackgroundBrush);
        dc.Rectangle(0, 0, m_nClientWidth + 1, blockTop);
        dc.Rectangle(0, blockBottom, m_nClientWidth + 1, m_nClientHeight + 1);
        dc.Rectangle(blockRight, 0, m_nClientWidth + 1, m_nClientHeight + 1);
        dc.Rectangle(0, 0, blockLeft, m_nClientHeight + 1);
        dc.SelectObject(keptPen);
        dc.SelectObject(keptBrush);
    }
}
