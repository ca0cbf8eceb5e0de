// The registered points of the current data file on the overview, coloured by kind, remembered in
// the document's hit list for the mouse.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/CoordinateText.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/LinearLatitudeRatio.h"
#include "platform/dc/Dc.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr int kHitListSize = 5000;

std::vector<std::string> SplitAtBlanks(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t blank = line.find(' ', start);
        fields.push_back(line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    return fields;
}

// Index in the document's tally: text, other items, albums, web pages.
int TallyIndex(int kind) { return kind == 9 ? 0 : kind == 8 ? 2 : kind == 10 ? 3 : 1; }

} // namespace

void CMapRenderer::DrawOverviewPoints(int mode, int ratioGiven, float ratio)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;

    vd::Font font;
    font.CreateFont(11, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_DEFAULT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::DEFAULT_QUALITY, vd::DEFAULT_PITCH | vd::FF_DONTCARE,
                    doc.spec.m_strFontName);
    const vd::Font previousFont = dc.SelectObject(font);
    const vd::Pen previousPen = dc.SelectObject(m_aPen[2]);
    const vd::Brush previousBrush = dc.SelectObject(m_aBrush[3]);
    draw.m_anKindTally = {};

    const bool albers = draw.m_nClipIndexMap > 1;
    std::optional<AlbersProjection> conic;
    if (albers)
        conic.emplace(0, draw.m_fRefLatitude, draw.m_fRefLongitude, draw.m_fMapScale);
    const bool useGivenRatio = ratioGiven != 0 && !(mode == 0 && !albers);
    const bool prefectureMap = doc.position.m_nPrefectureSel > 3;

    const double north = vd::parseDouble(draw.m_strFrameNorth);
    const double south = vd::parseDouble(draw.m_strFrameSouth);
    const double east = vd::parseDouble(draw.m_strFrameEast);
    const double west = vd::parseDouble(draw.m_strFrameWest);

    int stored = 0;
    int previousKind = -1;
    vd::TextReader reader;
    std::string line;
    const bool opened = reader.open(doc.registered.m_strDataFile);
    while (opened && reader.readLine(line)) {
        if (line.empty() || line[0] == ';' || line.find(' ') == std::string::npos)
            continue;
        const std::vector<std::string> fields = SplitAtBlanks(line);
        const std::string& latText = fields[1];
        const std::string lonText = fields.size() > 2 ? fields[2] : std::string();
        const double latValue = vd::parseDouble(latText);
        const double lonValue = vd::parseDouble(lonText);
        if (latValue < south || latValue > north || lonValue < west || lonValue > east)
            continue;

        // Coordinate texts are degrees, minutes and seconds, in 1/10000 degree here.
        const double latitude = DmsToTenThousandthDegrees(latText);
        const double longitude = DmsToTenThousandthDegrees(lonText);
        int x = 0;
        int y = 0;
        if (!prefectureMap && albers) {
            const PixelPoint p = conic->project(latitude, longitude);
            x = p.x;
            y = p.y;
        } else {
            double k = 0;
            if (prefectureMap)
                k = useGivenRatio
                        ? ratio
                        : LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio, static_cast<int>(latitude / 10000));
            else
                k = LinearLatitudeRatioDouble(latitude);
            y = static_cast<int>((draw.m_fRefLatitude - latitude) / draw.m_fMapScale);
            x = static_cast<int>((longitude - draw.m_fRefLongitude) / draw.m_fMapScale / k);
        }
        x += doc.pointer.m_nOverviewOriginX;

        const int kind = CVeldoranDoc::GetFileKind(vd::toLowerAscii(line));
        ++draw.m_anKindTally[static_cast<std::size_t>(TallyIndex(kind))];
        if (kind != previousKind) {
            const int pen = kind == 8 ? 12 : kind == 9 ? 2 : kind == 10 ? 24 : 5;
            const int brush = kind == 8 ? 5 : kind == 9 ? 2 : kind == 10 ? 12 : 1;
            dc.SelectObject(m_aPen[static_cast<std::size_t>(pen)]);
            if (mode == 1)
                dc.SelectObject(m_aBrush[static_cast<std::size_t>(brush)]);
            previousKind = kind;
        }

        if (mode != 1) {
            dc.Ellipse(x - 2, y - 2, x + 1, y + 1);
        } else {
            if (kind == 10)
                dc.Rectangle(x - 2, y - 2, x + 3, y + 3);
            else
                dc.Ellipse(x - 2, y - 2, x + 2, y + 2);
            if (doc.spec.m_nPointPopup == 0)
                dc.TextOut(x + 4, y - 7, fields[0] + "/" + (fields.size() > 3 ? fields[3] : std::string()));
        }

        if (stored < kHitListSize) {
            draw.m_astrHitRecord[static_cast<std::size_t>(stored)] = line;
            draw.m_anHitX[static_cast<std::size_t>(stored)] = static_cast<std::int16_t>(x);
            draw.m_anHitY[static_cast<std::size_t>(stored)] = static_cast<std::int16_t>(y);
            ++stored;
        }
    }

    m_nPointCount = stored < kHitListSize - 1 ? stored : kHitListSize - 1;
    draw.m_astrHitRecord[static_cast<std::size_t>(m_nPointCount)] = "999";
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousFont);
}
