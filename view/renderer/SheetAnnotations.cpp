// The registered points of a guide map over its picture: positions 0..1000 across the picture
// (left to right, bottom to top), a symbol by the point's kind and its label. The drawn records and
// their places stay in the document for the mouse.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <optional>
#include <string_view>

namespace {

constexpr int kKeptPoints = 4999; // the last slot holds "999"

struct GuidePoint {
    std::string name, word;
    double vertical = 0, horizontal = 0;
};

// Name, vertical and horizontal position and the next word of a line; nullopt for a line with
// fewer than three blanks.
std::optional<GuidePoint> ParseGuideLine(std::string_view line)
{
    std::size_t blank[3];
    std::size_t from = 0;
    for (std::size_t& b : blank) {
        b = line.find(' ', from);
        if (b == std::string_view::npos)
            return std::nullopt;
        from = b + 1;
    }
    const std::size_t wordEnd = line.find(' ', blank[2] + 1);
    GuidePoint p;
    p.name = std::string(line.substr(0, blank[0]));
    p.vertical = vd::parseDouble(line.substr(blank[0] + 1, blank[1] - blank[0] - 1));
    p.horizontal = vd::parseDouble(line.substr(blank[1] + 1, blank[2] - blank[1] - 1));
    p.word = std::string(line.substr(blank[2] + 1, wordEnd == std::string_view::npos ? wordEnd : wordEnd - blank[2] - 1));
    return p;
}

// The kind tallies: text, other kinds, album, web page.
int TallyIndex(int kind) { return kind == 9 ? 0 : kind == 8 ? 2 : kind == 10 ? 3 : 1; }

} // namespace

void CMapRenderer::DrawSheetAnnotations(int width, int height)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    vd::Font font;
    const vd::Font previousFont = dc.GetCurrentFont();
    if (doc.spec.m_nPointPopup == 0) {
        const int fontHeight = doc.spec.m_nPlaceNameFontHeight == 1   ? 15
                               : doc.spec.m_nPlaceNameFontHeight == 2 ? 14
                                                                      : 13;
        font.CreateFont(fontHeight, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                        vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN,
                        doc.spec.m_strFontName);
        dc.SelectObject(font);
    }
    const vd::Pen previousPen = dc.SelectObject(m_aPen[5]);
    const vd::Brush previousBrush = dc.SelectObject(m_aBrush[3]);

    draw.m_fMapScale = float(width * 0.001);
    draw.m_fMapScaleY = float(height * 0.001);
    draw.m_anKindTally.fill(0);
    const int hs = doc.spec.m_nSymbolSize + 1;
    int kept = 0;
    int previousKind = -1;
    vd::TextReader reader;
    if (reader.open(doc.menus.m_astrGuideMapCurrent[2])) {
        std::string line;
        while (reader.readLine(line)) {
            if (line.empty() || line[0] == ';')
                continue;
            const std::optional<GuidePoint> point = ParseGuideLine(line);
            if (!point || point->vertical < 0 || point->vertical > 1000 || point->horizontal < 0 ||
                point->horizontal > 1000)
                continue;
            const int y = int((1000 - point->vertical) * draw.m_fMapScaleY + draw.m_fRefLatitude);
            const int x = int(point->horizontal * draw.m_fMapScale + draw.m_fRefLongitude);
            const int kind = CVeldoranDoc::GetFileKind(line);
            draw.m_nFileKind = kind;
            ++draw.m_anKindTally[std::size_t(TallyIndex(kind))];
            if (kind != previousKind) {
                const int pen = kind == 8 ? 12 : kind == 10 ? 24 : 5;
                const int brush = kind == 8 || kind == 10 ? 12 : kind == 9 ? 2 : 1;
                dc.SelectObject(m_aPen[std::size_t(pen)]);
                dc.SelectObject(m_aBrush[std::size_t(brush)]);
                previousKind = kind;
            }
            if (kind == 10)
                dc.Rectangle(x - hs, y - hs, x + hs, y + hs);
            else
                dc.Ellipse(x - hs, y - hs, x + hs, y + hs);
            if (doc.spec.m_nPointPopup == 0) {
                const std::string label = m_settings.pointLabel == 1   ? point->name
                                          : m_settings.pointLabel == 2 ? point->word
                                                                   : point->name + "/" + point->word;
                dc.TextOut(x + 6, y - 7, label);
            }
            if (kept < kKeptPoints) {
                draw.m_astrHitRecord[std::size_t(kept)] = line;
                draw.m_anHitX[std::size_t(kept)] = std::int16_t(x);
                draw.m_anHitY[std::size_t(kept)] = std::int16_t(y);
                ++kept;
            }
        }
    }
    m_nPointCount = kept;
    draw.m_astrHitRecord[std::size_t(kept)] = "999";
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousFont);
}
