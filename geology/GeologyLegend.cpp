// The legend column beside a geology map: the theme's title, one line for every class that the
// classifiers found (number, name when there is room, colour box), and a closing line. The
// surface geology lists its rock numbers sorted, each with the colour of its own slot.
#include "geology/GeoMeshRenderer.h"

#include "meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kLinePitch = 12;
constexpr int kColumnStep = 60;
constexpr int kNoBoxShift = 20; // placement 1 draws no boxes and starts this much further left
constexpr int kBoxWidth = 14;
constexpr int kBoxHeight = 8;
// Room between the map's right edge and the column, boxes shifted left by placement 1 included.
constexpr int kMapGap = kNoBoxShift + 10;

struct LegendLayout {
    int left;
    int top;
    int lines;
};

const char* LegendTitle(int theme)
{
    static constexpr const char* kTitles[] = {"凡例 表層地質(岩石区分)", "凡例 土壌(土壌統計群)", "凡例 地形分類",
                                              "凡例 谷密度(2倍統合地域ﾒｯｼｭ)"};
    return theme >= 0 && theme <= 3 ? kTitles[theme] : "";
}

bool ClassIndex(int code) { return code >= 0 && code < kGeoClassCount; }

} // namespace

int CGeoMeshRenderer::MapRightEdge() const
{
    return meshcode::TruncateToInt(float(m_nEast - m_nWest) * m_fScaleX + m_fOriginX);
}

void CGeoMeshRenderer::DrawGeologyLegend(int theme, int placement)
{
    if (m_pDC == nullptr)
        return;
    vd::Dc& dc = *m_pDC;
    dc.SetBkMode(vd::TRANSPARENT);
    LegendLayout layout = placement >= 0 ? LegendLayout{850, 290, 32} : LegendLayout{830, 180, 40};
    // The column was laid out for a map that ends left of it on a 1024 x 768 screen; a larger
    // window's map reaches further, and the column then starts beside the map's right edge.
    layout.left = std::max(layout.left, MapRightEdge() + kMapGap);
    if (placement < 0)
        placement = 0;

    // The surface geology: rock numbers sorted (an exchange sort, as the composition table and
    // the legend list expect), with their slots' colour classes alongside.
    std::array<int, kGeoSlotCount> colourOf{};
    if (theme == 0) {
        std::array<std::pair<int, int>, kGeoSlotCount> pairs{};
        int n = 0;
        for (int slot = 0; slot < kGeoSlotCount; ++slot)
            if (m_anPrimaryCodes[std::size_t(slot)] > 0)
                pairs[std::size_t(n++)] = {m_anPrimaryCodes[std::size_t(slot)], m_anColourCodes[std::size_t(slot)]};
        for (int p = 0; p < n; ++p)
            for (int q = p + 1; q < n; ++q)
                if (pairs[std::size_t(p)].first > pairs[std::size_t(q)].first)
                    std::swap(pairs[std::size_t(p)], pairs[std::size_t(q)]);
        m_anPrimaryCodes.fill(0);
        for (int i = 0; i < n; ++i) {
            m_anPrimaryCodes[std::size_t(i)] = std::int16_t(pairs[std::size_t(i)].first);
            colourOf[std::size_t(i)] = pairs[std::size_t(i)].second;
        }
    }
    int count = 0;
    for (std::int16_t code : m_anPrimaryCodes)
        count += code > 0 ? 1 : 0;
    const bool crowded = count + 1 > layout.lines;

    int boxLeft = layout.left;
    int x = layout.left;
    if (placement == 1) {
        boxLeft -= kNoBoxShift;
        x -= kNoBoxShift;
    }
    dc.TextOut(x + 20, layout.top, LegendTitle(theme));
    x += 16;
    const auto name = [this](int code) { return ClassIndex(code) ? m_astrClassNames[std::size_t(code)] : std::string(); };
    int k = 0;
    for (int i = 0; i < kGeoSlotCount; ++i) {
        const int value = m_anPrimaryCodes[std::size_t(i)];
        if (value <= 0)
            continue;
        std::string text;
        int colourClass = i;
        if (theme == 0) {
            text = vd::format("%2d: ", value) + (crowded ? std::string() : name(value) + ")");
            colourClass = colourOf[std::size_t(i)];
        } else {
            if (placement == 1 && theme == 3)
                continue;
            text = vd::format("%2d: ", i) + (crowded ? std::string() : name(i));
        }
        const int y = layout.top + kLinePitch * k;
        dc.TextOut(x + 4, y + 15, text);
        if (placement == 0) {
            dc.Rectangle(boxLeft, y + 16, x, y + 26);
            if (ClassIndex(colourClass)) {
                const auto& c = m_anPalette[std::size_t(colourClass)];
                dc.FillSolidRect(x - 15, y + 17, kBoxWidth, kBoxHeight, vd::RGB(c[0], c[1], c[2]));
            }
            dc.SetBkColor(vd::RGB(255, 255, 255));
        }
        if (++k == layout.lines) {
            k = 0;
            boxLeft += kColumnStep;
            x += kColumnStep;
        }
    }

    const int y = layout.top + kLinePitch * k;
    if (theme == 0) {
        dc.TextOut(boxLeft + 20, y + 15, crowded ? " 0:" : " 0: 岩石未区分");
        if (placement == 0) {
            dc.Rectangle(boxLeft, y + 16, boxLeft + 16, y + 26);
            dc.FillSolidRect(boxLeft + 1, y + 17, kBoxWidth, kBoxHeight, vd::RGB(255, 255, 255));
        }
    } else if (theme == 1 || theme == 2) {
        const char* note = theme == 1 ? "<付加記号は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>" : "<副分類は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>";
        dc.TextOut(boxLeft + (placement == 1 ? kNoBoxShift : 0), y + 18, crowded ? "" : note);
    }
    dc.SetBkMode(vd::OPAQUE);
}
