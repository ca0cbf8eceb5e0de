// The site names of the site-name file on the regional map, thinned by the point display level,
// with their symbols and labels.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"

namespace {

constexpr int kAutomaticLevel = 14;
constexpr int kReadPlainList = 1;

// The automatic level by the number of names shown.
int LevelForCount(int count)
{
    if (count < 50)
        return 0;
    if (count < 100)
        return 1;
    if (count < 200)
        return 3;
    if (count < 400)
        return 6;
    return 10;
}

} // namespace

void CMapRenderer::DrawRegionPoints(int ratioMode, float ratio)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    const int fontHeight = doc.spec.m_nPlaceNameFontHeight == 1 ? 13 : doc.spec.m_nPlaceNameFontHeight == 2 ? 12 : 11;
    vd::Font font;
    font.CreateFont(fontHeight, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_DEFAULT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::DEFAULT_QUALITY, vd::DEFAULT_PITCH | vd::FF_DONTCARE,
                    doc.spec.m_strFontName);
    const vd::Font previousFont = dc.SelectObject(font);
    const vd::Pen previousPen = dc.GetCurrentPen();
    const vd::Brush previousBrush = dc.GetCurrentBrush();
    const int previousBkMode = dc.SetBkMode(vd::TRANSPARENT);
    constexpr int gap = 5;
    constexpr int symbolSize = 3;
    constexpr int secondLine = 5;
    // Right of the symbol; or 20 pixels left and up (11, 20 for two lines) or 14 down.
    const bool twoLines = m_settings.pointLabel == 3;
    const int offsetX = m_nLabelPlacement == 2 || m_nLabelPlacement == 3 ? -20 : 0;
    const int offsetY = m_nLabelPlacement == 2 ? (twoLines ? -20 : -11) : m_nLabelPlacement == 3 ? 14 : 0;

    doc.LoadVisibleRecords(draw, doc.environment.m_strSiteNameFile, draw.m_strFrameWest, draw.m_strFrameSouth,
                           draw.m_strFrameEast, draw.m_strFrameNorth, kReadPlainList);
    const int setting = draw.m_nPointDisplayFlag;
    int level = setting;
    if (setting == kAutomaticLevel) {
        int shown = 0;
        for (std::size_t i = 0; i < draw.m_astrPointRecord.size() && draw.m_astrPointRecord[i] != "999"; ++i) {
            const std::string& record = draw.m_astrPointRecord[i];
            const std::string name = record.substr(0, record.find(' '));
            if (doc.spec.m_anPlaceNameKind[0] == 1 || doc.FilterPlaceName(name) != -1)
                ++shown;
        }
        level = LevelForCount(shown);
    }
    draw.m_nPointDisplayFlag = level;
    (void)ratioMode; // the document's own ratio mode decides inside the placement

    for (std::size_t i = 0; i < draw.m_astrPointRecord.size() && draw.m_astrPointRecord[i] != "999"; ++i) {
        const int value = doc.ProjectRecordToRegion(draw, draw.m_astrPointRecord[i], doc.pointer.m_nOverviewOriginX,
                                                    static_cast<int>(i), ratio);
        if (draw.m_nPointX <= 0)
            continue;
        // The symbol's shape and the label's colour follow the name's kind.
        DrawElevationLabel(value, draw.m_strEntryState, draw.m_nPointX, draw.m_nPointY, gap, secondLine, offsetX,
                           offsetY, symbolSize);
    }
    draw.m_nPointDisplayFlag = setting;
    draw.m_astrPointRecord[0] = "999";

    dc.SetBkMode(previousBkMode);
    dc.SelectObject(previousFont);
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
    m_nSelectedMarkStyle = -1;
}
