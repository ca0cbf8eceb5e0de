// The site names of one cell of the sheet map, or (in the overlay pass) the registered points of
// the data file with the hit list the mouse reads; and the found place with its red box.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace {

constexpr int kListSize = 5000;
const std::string kListEnd = "999";

struct LabelFont {
    int height;
    int gap;
};

LabelFont FontFor(int fontHeightSetting, int mapFrame)
{
    const bool block = mapFrame == 2;
    switch (fontHeightSetting) {
    case 1:
        return block ? LabelFont{12, 3} : LabelFont{13, 5};
    case 3:
        return block ? LabelFont{10, 2} : LabelFont{11, 3};
    default: // 2, and any other value as the middle size
        return block ? LabelFont{11, 2} : LabelFont{12, 4};
    }
}

int DensityLevel(int mapFrame, int mapMode, int count)
{
    struct Step {
        int from;
        int level;
    };
    auto pick = [count](std::initializer_list<Step> steps) {
        int level = 0;
        for (const Step& step : steps)
            if (count >= step.from)
                level = step.level;
        return level;
    };
    if (mapFrame == 1)
        return pick({{50, 1}, {100, 3}, {200, 6}, {400, 10}});
    if (mapFrame == 2 && mapMode == 9)
        return pick({{90, 1}, {180, 6}, {360, 11}, {700, 12}, {1000, 13}});
    if (mapFrame == 2)
        return pick({{200, 3}, {350, 6}, {450, 11}, {700, 12}, {1400, 13}});
    return 0;
}

// The label's font, offsets and symbol size of one call.
struct LabelLayout {
    LabelFont font{};
    int offsetX = 0;
    int offsetY = 0;
    int symbolSize = 3;
};
constexpr int kSecondLine = 5;

// One call drawn, step by step; the members carry what the steps work out for the later ones.
class SheetPointsDrawing {
public:
    SheetPointsDrawing(CMapRenderer& r, const std::string& file, int drawKind, float scaleX, float scaleY, int cellLeft,
                       int cellTop, int cellWestSec, int cellSouthSec, int part, int pointsOnly, float n, int cellIndex)
        : r(r), doc(*r.m_pDoc), draw(*r.m_pDraw), dc(*r.m_pDC), file(file), drawKind(drawKind), scaleX(scaleX),
          scaleY(scaleY), cellLeft(cellLeft), cellTop(cellTop), cellWestSec(cellWestSec), cellSouthSec(cellSouthSec),
          part(part), pointsOnly(pointsOnly), n(n), cellIndex(cellIndex)
    {
    }

    void Draw()
    {
        keptPen = dc.SelectObject(r.m_aPen[2]);
        keptBrush = dc.SelectObject(r.m_aBrush[2]);
        frame = doc.position.m_nMapFrame;
        if (frame == 2 && !PlaceOnBlock()) {
            RestoreTools();
            return;
        }
        doc.SetFrameBounds(draw, doc.position.m_nRangeNorthSec, doc.position.m_nRangeWestSec,
                           doc.position.m_nRangeSouthSec, doc.position.m_nRangeEastSec);
        LayOutLabels();
        // Registered points come from this step's data file (the common area's while it is overlaid).
        doc.LoadVisibleRecords(draw, drawKind == 6 ? r.m_settings.dataFile : file, draw.m_strFrameWest,
                               draw.m_strFrameSouth, draw.m_strFrameEast, draw.m_strFrameNorth, drawKind);
        vd::Font labelFont;
        labelFont.CreateFont(layout.font.height, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, 4,
                             vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_SWISS,
                             doc.spec.m_strFontName);
        const vd::Font keptFont = dc.SelectObject(labelFont);
        draw.m_fPointScaleX = scaleX;
        draw.m_fPointScaleY = scaleY;
        if (r.m_settings.mapFigure == 1)
            dc.SetBkMode(vd::TRANSPARENT);
        records = RecordCount();
        if (pointsOnly == 0)
            SetDensity();
        DrawRecords();
        DrawFoundPlace();
        dc.SelectObject(keptFont);
        labelFont.DeleteObject();
        RestoreTools();
        dc.SetBkMode(vd::OPAQUE);
        for (std::string& entry : draw.m_astrPointRecord)
            entry.clear();
    }

private:
    void RestoreTools()
    {
        dc.SelectObject(keptPen);
        dc.SelectObject(keptBrush);
    }

    // A block draws its points once, at its last cell, from the block's north-west corner.
    bool PlaceOnBlock()
    {
        if (cellIndex != static_cast<int>(n * n - 1))
            return false;
        const int k = doc.position.m_nMapMode == 25 ? 2 : doc.position.m_nMapMode == 49 ? 3 : 1;
        const int south0 = CVeldoranDoc::DmsToSeconds(draw.m_astrSheetPosition[2]);
        const int west0 = CVeldoranDoc::DmsToSeconds(draw.m_astrSheetPosition[3]);
        cellLeft = r.m_nOriginX;
        cellTop = r.m_nOriginY;
        cellWestSec = west0 - k * kMeshWidthSeconds;
        cellSouthSec = south0 + (k - 2) * kMeshHeightSeconds; // the block's north edge less 7200 seconds
        return true;
    }

    // The label's size, gaps and offsets by the font setting and placement, published for the
    // mouse's tips.
    void LayOutLabels()
    {
        layout.symbolSize = draw.m_nPointDrawKind == 6 ? doc.spec.m_nSymbolSize : 3;
        if (frame == 3 && draw.m_nPointDrawKind == 6)
            layout.symbolSize = doc.spec.m_nSymbolSize + 1;
        layout.font = FontFor(doc.spec.m_nPlaceNameFontHeight, frame);
        const bool twoLines = r.m_settings.pointLabel == 3;
        if (r.m_nLabelPlacement == 2) {
            layout.offsetX = -20;
            if (frame == 2)
                layout.offsetY = twoLines ? -16 : -9;
            else
                layout.offsetY = twoLines ? -20 : -11;
        } else if (r.m_nLabelPlacement == 3) {
            layout.offsetX = -20;
            layout.offsetY = frame == 2 && !twoLines ? 12 : 14;
        }
        draw.m_nSheetLabelHeight = layout.font.height;
        draw.m_nSheetLabelLineGap = kSecondLine;
        draw.m_nSheetLabelGap = layout.font.gap;
        draw.m_nSheetLabelOffsetX = layout.offsetX;
        draw.m_nSheetLabelOffsetY = layout.offsetY;
        draw.m_nSheetSymbolSize = layout.symbolSize;
    }

    int RecordCount() const
    {
        int count = 0;
        while (count < kListSize && draw.m_astrPointRecord[count] != kListEnd)
            ++count;
        return count;
    }

    // The density of the names: the setting, or worked out from the names the filter admits.
    void SetDensity()
    {
        if (r.m_nPointDisplaySetting != 14) {
            draw.m_nPointDisplayFlag = r.m_nPointDisplaySetting;
            return;
        }
        draw.m_nPointDisplayFlag = 0;
        int admitted = 0;
        for (int i = 0; i < records; ++i) {
            const std::string& record = draw.m_astrPointRecord[i];
            if (doc.spec.m_anPlaceNameKind[0] == 1 || doc.FilterPlaceName(record.substr(0, record.find(' '))) == 1)
                ++admitted;
        }
        draw.m_nPointDisplayFlag = DensityLevel(frame, doc.position.m_nMapMode, admitted);
    }

    void ElevationLabel(int elevation, const std::string& value, int x, int y)
    {
        r.DrawElevationLabel(elevation, value, x, y, layout.font.gap, kSecondLine, layout.offsetX, layout.offsetY,
                             layout.symbolSize);
    }

    void DrawRecords()
    {
        int tipIndex = 0;
        for (int i = 0; i < records; ++i) {
            const std::string record = draw.m_astrPointRecord[i];
            const int elevation =
                doc.ProjectRecordToSheet(draw, record, cellLeft, cellTop, cellWestSec, cellSouthSec, i);
            const int x = draw.m_nPointX;
            const int y = draw.m_nPointY;
            const std::string value = part == -1 ? draw.m_strEntryState : std::string();
            if (x <= 0)
                continue;
            if (pointsOnly == 0) {
                DrawSiteName(elevation, value, x, y, tipIndex);
                ++tipIndex;
                draw.m_nSiteNameTipCount = tipIndex;
            } else {
                DrawRegisteredPoint(record, elevation, value, x, y, i);
            }
        }
        if (drawKind == 1)
            draw.m_nPlaceNameInMap = tipIndex;
        if (part == -1) {
            r.m_nPointCount = std::min(r.m_nPointCount + records, kListSize - 1);
            draw.m_astrHitRecord[r.m_nPointCount] = kListEnd;
        }
    }

    // A site name: its symbol and a tip for the mouse, or its label.
    void DrawSiteName(int elevation, const std::string& value, int x, int y, int tipIndex)
    {
        if (doc.spec.m_nSiteNamePopup != 1) {
            ElevationLabel(elevation, value, x, y);
            return;
        }
        const std::string name = draw.m_strEntryTitle;
        if (r.m_nMarkStyle < 4)
            r.DrawPointMark(x, y, layout.symbolSize, CVeldoranDoc::PlaceNameKind(name));
        std::string tip;
        if (!value.empty())
            tip = "/" + value;
        else if (elevation >= -899)
            tip = vd::format("/(%dm)", elevation);
        if (tipIndex < kListSize) {
            draw.m_astrSiteNameTip[tipIndex] = name + tip;
            draw.m_anSiteNameTipX[tipIndex] = x;
            draw.m_anSiteNameTipY[tipIndex] = y;
        }
    }

    // A registered point: its kind tallied, its label in the kind's colours, its hit kept.
    void DrawRegisteredPoint(const std::string& record, int elevation, const std::string& value, int x, int y, int i)
    {
        const int kind = CVeldoranDoc::GetFileKind(record);
        draw.m_nFileKind = kind;
        const int previousStyle = r.m_nMarkStyle;
        // Tallies: text, other items, albums, web pages.
        if (kind == 8) {
            r.m_nMarkStyle = 8;
            ++draw.m_anKindTally[2];
        } else if (kind == 9) {
            r.m_nMarkStyle = 4;
            if (record.find(":\\") != std::string::npos)
                ++draw.m_anKindTally[0];
            if (record.find("@:") != std::string::npos)
                ++draw.m_anKindTally[0];
        } else if (kind == 10) {
            r.m_nMarkStyle = 10;
            ++draw.m_anKindTally[3];
        } else {
            r.m_nMarkStyle = 6;
            ++draw.m_anKindTally[1];
        }
        ElevationLabel(elevation, value, x, y);
        if (r.m_nMarkStyle == 6)
            r.m_nMarkStyle = previousStyle;
        // The hit list keeps room for its end mark at 4999.
        const int at = r.m_nPointCount + i;
        if (part == -1 && at < kListSize - 1) {
            draw.m_astrHitRecord[at] = record;
            draw.m_anHitX[at] = static_cast<std::int16_t>(x);
            draw.m_anHitY[at] = static_cast<std::int16_t>(y);
        }
    }

    // The found place, once, with its red box.
    void DrawFoundPlace()
    {
        if (draw.m_strFindPlace.empty())
            return;
        const int keptKind = draw.m_nPointDrawKind;
        const int keptDisplay = draw.m_nSiteNameDisplay;
        const int keptLabel = r.m_settings.pointLabel;
        draw.m_nPointDrawKind = 1;
        draw.m_nPointDisplayFlag = 0;
        draw.m_nSiteNameDisplay = 1;
        r.m_settings.pointLabel = doc.pointer.m_nFindPlaceKind == 2 ? 1 : 3;
        const int number =
            doc.ProjectRecordToSheet(draw, draw.m_strFindPlace, cellLeft, cellTop, cellWestSec, cellSouthSec, 0);
        const int x = draw.m_nPointX;
        const int y = draw.m_nPointY;
        const std::string value =
            draw.m_strEntryState == vd::format("%d", number) ? std::string() : draw.m_strEntryState;
        ElevationLabel(number, value, x, y);
        const vd::Pen boxPen = dc.SelectObject(r.m_aPen[2]);
        const int w = std::max(vd::cp932Width(value), vd::cp932Width(draw.m_strEntryTitle));
        r.DrawFrameRect(x - 8, y - 12, w > 6 ? x + 6 * w + 3 : x + 45, y + 15);
        dc.SelectObject(boxPen);
        draw.m_strFindPlace.clear();
        draw.m_nPointDrawKind = keptKind;
        draw.m_nSiteNameDisplay = keptDisplay;
        r.m_settings.pointLabel = keptLabel;
    }

    CMapRenderer& r;
    const CVeldoranDoc& doc;
    SheetDrawState& draw;
    vd::Dc& dc;
    const std::string& file;
    const int drawKind;
    const float scaleX;
    const float scaleY;
    int cellLeft;
    int cellTop;
    int cellWestSec;
    int cellSouthSec;
    const int part;
    const int pointsOnly;
    const float n;
    const int cellIndex;
    vd::Pen keptPen;
    vd::Brush keptBrush;
    int frame = 0;
    LabelLayout layout;
    int records = 0;
};

} // namespace

void CMapRenderer::DrawSheetPoints(const std::string& file, int drawKind, float scaleX, float scaleY, int cellLeft,
                                   int cellTop, int cellWestSec, int cellSouthSec, int part, int pointsOnly, float n,
                                   int cellIndex)
{
    SheetPointsDrawing(*this, file, drawKind, scaleX, scaleY, cellLeft, cellTop, cellWestSec, cellSouthSec, part,
                       pointsOnly, n, cellIndex)
        .Draw();
}
