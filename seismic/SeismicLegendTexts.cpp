#include "seismic/SeismicLegendTexts.h"

namespace seismic {

namespace {

const std::vector<std::string_view> kExceedanceRows = {" 0.0～ 0.1%", " 0.1～ 3.0%", " 3.0～ 6.0%",
                                                       " 6.0～26.0%", "26.0～40.0%", "40.0%～"};
const std::vector<std::string_view> kIntensityRows = {"２以下", "３", "４", "５弱", "５強", "６弱", "６強～"};
const std::vector<std::string_view> kVelocityRows = {"  0～", " 10～", " 20～", " 30～", " 40～",
                                                     " 50～", " 60～", " 70～", "100～", "110～",
                                                     "120～", "130～", "140～", "150～", "160～"};

constexpr std::string_view kVelocityMarker = "○：130cm/s以上";
constexpr std::string_view kIntensityMarker = "○：震度６以上";
constexpr std::string_view kSurfaceVelocity = "地表の最大速度(cm/s)";
constexpr std::string_view kBedrockVelocity = "工学的基盤の最大速度(cm/s)";
constexpr std::string_view kIntensity = "地表の震度";

} // namespace

LegendTexts ProbabilisticLegendTexts(int dataKind)
{
    switch (dataKind) {
    case 0:
        return {"超過率 [%]", "超過率 [%]", "○：超過率26%以上", kExceedanceRows, true};
    case 1:
        return {kIntensity, kIntensity, kIntensityMarker, kIntensityRows, true};
    case 2:
        return {kSurfaceVelocity, kSurfaceVelocity, kVelocityMarker, kVelocityRows, false};
    case 3:
        return {kBedrockVelocity, kBedrockVelocity, kVelocityMarker, kVelocityRows, false};
    default:
        return {};
    }
}

LegendTexts ScenarioLegendTexts(int quantity)
{
    switch (quantity) {
    case 0:
        return {kBedrockVelocity, "基盤の最大速度", kVelocityMarker, kVelocityRows, false};
    case 1:
        return {kSurfaceVelocity, "地表の最大速度", kVelocityMarker, kVelocityRows, false};
    case 2:
        return {kIntensity, kIntensity, kIntensityMarker, kIntensityRows, false};
    default:
        return {};
    }
}

const std::vector<std::string_view>& LegendCreditLines()
{
    static const std::vector<std::string_view> lines = {"『地震動予測地図は（独）", "防災科学技術研究所から",
                                                        "提供される地震動予測地", "図ﾃﾞｰﾀで表示しています』"};
    return lines;
}

} // namespace seismic
