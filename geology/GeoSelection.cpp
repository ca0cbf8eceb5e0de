// The theme's selection text turned into the object's filters: the rock groups and eras of the
// surface geology, the class flags of the soil and terrain groups, and the symbol mode. A digit
// past the end of the text reads as 0, so a short text turns the missing items off.
#include "geology/GeoMeshRenderer.h"
#include "geology/GeoSelectionDigit.h"

#include "platform/text/Numbers.h"

#include <algorithm>

#include <initializer_list>
#include <span>
#include <string_view>

namespace {

// One item of a group list: the class codes it shows, as inclusive ranges.
struct CodeRange {
    int first;
    int last;
};
using GroupCodes = std::initializer_list<CodeRange>;

// Soil items 1-14 (15 and 16 show nothing of their own). Some codes belong to two items.
const GroupCodes kSoilGroups[] = {
    {{1, 1}},                                 // 岩石地
    {{2, 3}, {50, 51}, {74, 74}},             // 岩屑性土壌
    {{8, 11}, {53, 53}},                      // 火山性未熟土
    {{21, 31}, {64, 71}},                     // 森林土壌
    {{32, 33}, {70, 74}},                     // ﾎﾟﾄﾞｿﾞﾙ化土壌
    {{34, 37}},                               // 赤･黄色土壌
    {{38, 42}, {75, 76}},                     // 低地土壌･台地土壌
    {{12, 20}, {54, 63}},                     // 黒ﾎﾞｸ土壌
    {{7, 7}, {52, 52}},                       // 砂丘土壌
    {{35, 35}, {43, 45}},                     // グライ土壌
    {{46, 48}, {77, 77}},                     // 泥炭土壌
    {{4, 6}},                                 // 残留性未熟土
    {{49, 49}, {99, 99}},                     // その他(砂礫地･市街地)
    {{0, 0}},                                 // 項目のないもの(湖沼･河川)
};

// Terrain items 1-8.
const GroupCodes kTerrainGroups[] = {
    {{1, 4}},                      // 山地(山麓地を含む)
    {{5, 8}},                      // 火山(山麓地を含む)
    {{9, 11}},                     // 丘陵地
    {{0, 0}, {13, 18}, {31, 39}},  // 台地・段丘
    {{12, 12}, {19, 21}, {26, 26}}, // 低地(三角州・扇状地)
    {{22, 23}},                    // 自然堤防・砂州
    {{24, 24}},                    // 湖沼
    {{25, 25}},                    // 河川
};

constexpr int kSoilSymbolPosition = 17;
constexpr int kSoilLastPosition = 16;
constexpr int kTerrainSymbolPosition = 13;
constexpr int kTerrainLastPosition = 8;
constexpr int kRockSymbolPosition = 12;
constexpr int kClassFlagCount = 100;

int DigitAt(std::string_view text, std::size_t p) { return geo::SelectionDigit(text, p); }

void SetClassFlags(CGeoMeshRenderer& r, std::string_view text, std::span<const GroupCodes> groups, int lastPosition)
{
    std::fill_n(r.m_anSecondaryCodes.begin(), kClassFlagCount, std::int16_t(0));
    r.m_nAllClasses = 0;
    for (int p = 0; p <= lastPosition; ++p) {
        if (p == 0) {
            if (DigitAt(text, 0) == 1) {
                r.m_nAllClasses = 1;
                return;
            }
            continue;
        }
        if (std::size_t(p) > groups.size() || DigitAt(text, std::size_t(p)) == 0)
            continue;
        for (const CodeRange& range : groups[std::size_t(p - 1)])
            for (int code = range.first; code <= range.last; ++code)
                r.m_anSecondaryCodes[std::size_t(code)] = 1;
    }
}

} // namespace

void CGeoMeshRenderer::ParseGeoSelection(int theme, const std::string& selection)
{
    m_nSymbolMode = 0;
    m_nLabelFlag = 0;
    m_anSecondaryCodes.fill(0);
    const std::string_view text = selection;
    switch (theme) {
    case 0: {
        const std::size_t hash = text.find('#');
        const std::string_view rocks = text.substr(0, hash);
        const std::string_view eras = hash == std::string_view::npos ? std::string_view() : text.substr(hash + 1);
        m_nSymbolMode = DigitAt(rocks, kRockSymbolPosition);
        for (int i = 0; i < kGeoRockFlagCount; ++i)
            m_anRockFlags[std::size_t(i)] = DigitAt(rocks, std::size_t(i));
        for (int i = 0; i < kGeoEraFlagCount; ++i)
            m_anEraFlags[std::size_t(i)] = DigitAt(eras, std::size_t(i));
        break;
    }
    case 1:
        m_nSymbolMode = DigitAt(text, kSoilSymbolPosition);
        SetClassFlags(*this, text, kSoilGroups, kSoilLastPosition);
        break;
    case 2:
        m_nSymbolMode = DigitAt(text, kTerrainSymbolPosition);
        SetClassFlags(*this, text, kTerrainGroups, kTerrainLastPosition);
        break;
    case 3:
        m_nSymbolMode = vd::parseInt(text);
        break;
    default:
        break;
    }
    m_nLabelFlag = m_nSymbolMode > 0 ? 1 : 0;
}
