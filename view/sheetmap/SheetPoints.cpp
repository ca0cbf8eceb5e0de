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

} // namespace

void CMapRenderer::DrawSheetPoints(const std::string& file, int drawKind, float scaleX, float scaleY, int cellLeft,
                                   int cellTop, int cellWestSec, int cellSouthSec, int part, int pointsOnly, float n,
                                   int cellIndex)
{
    CVeldoranDoc& doc = *m_pDoc;
    vd::Dc& dc = *m_pDC;
    const vd::Pen keptPen = dc.SelectObject(m_aPen[2]);
    const vd::Brush keptBrush = dc.SelectObject(m_aBrush[2]);
    auto restoreTools = [&] {
        dc.SelectObject(keptPen);
        dc.SelectObject(keptBrush);
    };

    const int frame = doc.m_nMapFrame;
    if (frame == 2) {
        if (cellIndex != static_cast<int>(n * n - 1)) {
            restoreTools();
            return;
        }
        const int k = doc.m_nMapMode == 25 ? 2 : doc.m_nMapMode == 49 ? 3 : 1;
        const int south0 = CVeldoranDoc::DmsToSeconds(doc.m_astrSheetPosition[2]);
        const int west0 = CVeldoranDoc::DmsToSeconds(doc.m_astrSheetPosition[3]);
        cellLeft = m_nOriginX;
        cellTop = m_nOriginY;
        cellWestSec = west0 - k * kMeshWidthSeconds;
        cellSouthSec = south0 + (k - 2) * kMeshHeightSeconds; // the block's north edge less 7200 seconds
    }

    doc.SetFrameBounds(doc.m_nRangeNorthSec, doc.m_nRangeWestSec, doc.m_nRangeSouthSec, doc.m_nRangeEastSec);

    int symbolSize = doc.m_nPointDrawKind == 6 ? doc.m_nSymbolSize : 3;
    if (frame == 3 && doc.m_nPointDrawKind == 6)
        symbolSize = doc.m_nSymbolSize + 1;
    const LabelFont font = FontFor(doc.m_nPlaceNameFontHeight, frame);
    constexpr int kSecondLine = 5;

    int offsetX = 0;
    int offsetY = 0;
    const bool twoLines = doc.m_nPointLabel == 3;
    if (m_nLabelPlacement == 2) {
        offsetX = -20;
        if (frame == 2)
            offsetY = twoLines ? -16 : -9;
        else
            offsetY = twoLines ? -20 : -11;
    } else if (m_nLabelPlacement == 3) {
        offsetX = -20;
        offsetY = frame == 2 && !twoLines ? 12 : 14;
    }
    doc.m_nSheetLabelHeight = font.height;
    doc.m_nSheetLabelLineGap = kSecondLine;
    doc.m_nSheetLabelGap = font.gap;
    doc.m_nSheetLabelOffsetX = offsetX;
    doc.m_nSheetLabelOffsetY = offsetY;
    doc.m_nSheetSymbolSize = symbolSize;

    doc.LoadVisibleRecords(file, doc.m_strFrameWest, doc.m_strFrameSouth, doc.m_strFrameEast, doc.m_strFrameNorth,
                           drawKind);

    vd::Font labelFont;
    labelFont.CreateFont(font.height, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, 4,
                         vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_SWISS,
                         doc.m_strFontName);
    const vd::Font keptFont = dc.SelectObject(labelFont);
    doc.m_fPointScaleX = scaleX;
    doc.m_fPointScaleY = scaleY;
    if (doc.m_nMapFigure == 1)
        dc.SetBkMode(vd::TRANSPARENT);

    auto recordCount = [&] {
        int count = 0;
        while (count < kListSize && doc.m_astrPointRecord[count] != kListEnd)
            ++count;
        return count;
    };
    const int records = recordCount();

    if (pointsOnly == 0) {
        if (m_nPointDisplaySetting != 14) {
            doc.m_nPointDisplayFlag = m_nPointDisplaySetting;
        } else {
            doc.m_nPointDisplayFlag = 0;
            int admitted = 0;
            for (int i = 0; i < records; ++i) {
                const std::string& record = doc.m_astrPointRecord[i];
                if (doc.m_anPlaceNameKind[0] == 1 || doc.FilterPlaceName(record.substr(0, record.find(' '))) == 1)
                    ++admitted;
            }
            doc.m_nPointDisplayFlag = DensityLevel(frame, doc.m_nMapMode, admitted);
        }
    }

    auto elevationLabel = [&](int elevation, const std::string& value, int x, int y) {
        DrawElevationLabel(elevation, value, x, y, font.gap, kSecondLine, offsetX, offsetY, symbolSize);
    };

    int tipIndex = 0;
    for (int i = 0; i < records; ++i) {
        const std::string record = doc.m_astrPointRecord[i];
        const int elevation = doc.ProjectRecordToSheet(record, cellLeft, cellTop, cellWestSec, cellSouthSec, i);
        const int x = doc.m_nPointX;
        const int y = doc.m_nPointY;
        const std::string value = part == -1 ? doc.m_strEntryState : std::string();
        if (x <= 0)
            continue;
        if (pointsOnly == 0) {
            if (doc.m_nSiteNamePopup == 1) {
                const std::string name = doc.m_strEntryTitle;
                if (m_nMarkStyle < 4)
                    DrawPointMark(x, y, symbolSize, CVeldoranDoc::PlaceNameKind(name));
                std::string tip;
                if (!value.empty())
                    tip = "/" + value;
                else if (elevation >= -899)
                    tip = vd::format("/(%dm)", elevation);
                if (tipIndex < kListSize) {
                    doc.m_astrSiteNameTip[tipIndex] = name + tip;
                    doc.m_anSiteNameTipX[tipIndex] = x;
                    doc.m_anSiteNameTipY[tipIndex] = y;
                }
            } else {
                elevationLabel(elevation, value, x, y);
            }
            ++tipIndex;
            doc.m_nSiteNameTipCount = tipIndex;
        } else {
            const int kind = CVeldoranDoc::GetFileKind(record);
            doc.m_nFileKind = kind;
            const int previousStyle = m_nMarkStyle;
            // Tallies: text, other items, albums, web pages.
            if (kind == 8) {
                m_nMarkStyle = 8;
                ++doc.m_anKindTally[2];
            } else if (kind == 9) {
                m_nMarkStyle = 4;
                if (record.find(":\\") != std::string::npos)
                    ++doc.m_anKindTally[0];
                if (record.find("@:") != std::string::npos)
                    ++doc.m_anKindTally[0];
            } else if (kind == 10) {
                m_nMarkStyle = 10;
                ++doc.m_anKindTally[3];
            } else {
                m_nMarkStyle = 6;
                ++doc.m_anKindTally[1];
            }
            elevationLabel(elevation, value, x, y);
            if (m_nMarkStyle == 6)
                m_nMarkStyle = previousStyle;
            // The hit list keeps room for its end mark at 4999.
            const int at = m_nPointCount + i;
            if (part == -1 && at < kListSize - 1) {
                doc.m_astrHitRecord[at] = record;
                doc.m_anHitX[at] = static_cast<std::int16_t>(x);
                doc.m_anHitY[at] = static_cast<std::int16_t>(y);
            }
        }
    }
    if (drawKind == 1)
        doc.m_nPlaceNameInMap = tipIndex;
    if (part == -1) {
        m_nPointCount = std::min(m_nPointCount + records, kListSize - 1);
        doc.m_astrHitRecord[m_nPointCount] = kListEnd;
    }

    // The found place, once.
    if (!doc.m_strFindPlace.empty()) {
        const int keptKind = doc.m_nPointDrawKind;
        const int keptDisplay = doc.m_nSiteNameDisplay;
        const int keptLabel = doc.m_nPointLabel;
        doc.m_nPointDrawKind = 1;
        doc.m_nPointDisplayFlag = 0;
        doc.m_nSiteNameDisplay = 1;
        doc.m_nPointLabel = doc.m_nFindPlaceKind == 2 ? 1 : 3;
        const int number = doc.ProjectRecordToSheet(doc.m_strFindPlace, cellLeft, cellTop, cellWestSec, cellSouthSec, 0);
        const int x = doc.m_nPointX;
        const int y = doc.m_nPointY;
        const std::string value = doc.m_strEntryState == vd::format("%d", number) ? std::string() : doc.m_strEntryState;
        elevationLabel(number, value, x, y);
        const vd::Pen boxPen = dc.SelectObject(m_aPen[2]);
        const int w = std::max(vd::cp932Width(value), vd::cp932Width(doc.m_strEntryTitle));
        DrawFrameRect(x - 8, y - 12, w > 6 ? x + 6 * w + 3 : x + 45, y + 15);
        dc.SelectObject(boxPen);
        doc.m_strFindPlace.clear();
        doc.m_nPointDrawKind = keptKind;
        doc.m_nSiteNameDisplay = keptDisplay;
        doc.m_nPointLabel = keptLabel;
    }

    dc.SelectObject(keptFont);
    labelFont.DeleteObject();
    restoreTools();
    dc.SetBkMode(vd::OPAQUE);
    for (std::string& entry : doc.m_astrPointRecord)
        entry.clear();
}
