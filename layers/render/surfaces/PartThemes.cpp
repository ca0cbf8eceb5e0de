// The themes of one point a record: DrawSurfaceRegions and DrawSurfaceLines over the prefecture
// files, DrawCountrySurfaceB, D and E over one whole-country file.
#include "layers/render/LayerRenderer.h"
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLayer.h"
#include "layers/render/surfaces/SurfaceParts.h"

#include <utility>

using points::Column;
using points::ColumnDecimal;
using points::ColumnNumber;
using points::ColumnText;

namespace surfaces {

namespace {

constexpr int kRegionStem = 9;
constexpr int kLineStem = 7;

bool OddPositive(int code) { return code > 0 && code % 2 == 1; }

meshcode::MeshCorner Offset(meshcode::MeshCorner cell, int dLatitude, int dLongitude)
{
    return {cell.latitude + dLatitude, cell.longitude + dLongitude};
}

PartTheme RegionTheme()
{
    PartTheme theme;
    theme.decode = [](std::string_view line) -> std::optional<PartRecord> {
        const int code = ColumnNumber(line, 6, 2);
        return PartRecord{OddPositive(code), code, SecondLevelCorner(line, 0)};
    };
    theme.point = [](std::string_view line, meshcode::MeshCorner cell) {
        return Offset(cell, Scaled(ColumnNumber(line, 13, 5), 0.03), Scaled(ColumnNumber(line, 8, 5), 0.045));
    };
    return theme;
}

PartTheme LineTheme(int colour)
{
    PartTheme theme;
    theme.decode = [](std::string_view line) -> std::optional<PartRecord> {
        const int flag = ColumnNumber(line, 7, 1);
        const int code = ColumnNumber(line, 26, 1);
        return PartRecord{flag != 0 ? OddPositive(code) : code > 0, code, SecondLevelCorner(line, 0)};
    };
    theme.point = [](std::string_view line, meshcode::MeshCorner cell) {
        return Offset(cell, Scaled(ColumnNumber(line, 33, 6), 0.003), Scaled(ColumnNumber(line, 27, 6), 0.0045));
    };
    // Colour flag 1 draws the part four colours further on.
    const int shifted = colour + 4 > 10 ? (colour + 4) % 11 : colour + 4;
    theme.partPen = [shifted](std::string_view line) { return ColumnNumber(line, 7, 1) == 1 ? shifted : -1; };
    theme.minimumPoints = 2;
    theme.outsideDiscardsPart = true;
    return theme;
}

PartTheme CountryThemeB(const CLayerRenderer& r, bool filter)
{
    PartTheme theme;
    theme.decode = [&r, filter](std::string_view line) -> std::optional<PartRecord> {
        const int prefectureColumn = ColumnNumber(line, 6, 2) == 0 ? 12 : 6;
        if (!points::PrefectureSelected(r, filter, line, prefectureColumn))
            return std::nullopt;
        const int code = ColumnNumber(line, 18, 2);
        return PartRecord{code >= 1 && code <= 3, code, SecondLevelCorner(line, 0)};
    };
    theme.point = [](std::string_view line, meshcode::MeshCorner cell) {
        return Offset(cell, Scaled(ColumnDecimal(line, 26, 6), 300), Scaled(ColumnDecimal(line, 20, 6), 450));
    };
    theme.label = [](std::string_view line) { return ColumnText(line, Column(line, 11, 1) == "0" ? 17 : 11, 1); };
    theme.labelDx = 5;
    return theme;
}

PartTheme CountryThemeD(const CLayerRenderer& r, bool filter)
{
    PartTheme theme;
    theme.decode = [&r, filter](std::string_view line) -> std::optional<PartRecord> {
        if (!points::PrefectureSelected(r, filter, line, 43))
            return std::nullopt;
        const int code = ColumnNumber(line, 49, 1);
        return PartRecord{OddPositive(code), code, SecondLevelCorner(line, 7)};
    };
    theme.point = [](std::string_view line, meshcode::MeshCorner cell) {
        return Offset(cell, Scaled(ColumnDecimal(line, 57, 7), 300), Scaled(ColumnDecimal(line, 50, 7), 450));
    };
    theme.label = [](std::string_view line) {
        const std::string number = ColumnText(line, 39, 4);
        return number.starts_with('1') ? ColumnText(line, 43, 2) + number : number;
    };
    return theme;
}

PartTheme CountryThemeE(const CLayerRenderer& r, bool filter)
{
    PartTheme theme;
    theme.decode = [&r, filter](std::string_view line) -> std::optional<PartRecord> {
        if (!points::PrefectureSelected(r, filter, line, 8))
            return std::nullopt;
        const int code = ColumnNumber(line, 7, 1);
        return PartRecord{OddPositive(code), code, SecondLevelCorner(line, 0)};
    };
    theme.point = [](std::string_view line, meshcode::MeshCorner cell) {
        // Integer arithmetic, widened: any six digits stay in range.
        const long long x = ColumnNumber(line, 20, 6);
        const long long y = ColumnNumber(line, 26, 6);
        return Offset(cell, int(y * 3 / 1000), int(x * 45 / 10000));
    };
    theme.label = [](std::string_view line) { return CountryLabelE(line); };
    theme.labelDy = 5;
    theme.labelOnlyWhenChanged = true;
    return theme;
}

// The per-prefecture themes: no labels, no early end.
void DrawPrefectureParts(CLayerRenderer& r, int cellCount, int fillFlag, int stemLength, const PartTheme& theme)
{
    PrefectureFiles files(r, cellCount, stemLength);
    const SurfaceTools tools(r, 1, fillFlag);
    const CellLimits cells = AcceptedCells(r);
    files.ForEach(tools, [&](const std::string& path) {
        EarlyEnd never;
        DrawPartFile(r, path, theme, cells, fillFlag, false, never);
    });
}

struct CountryLimits {
    int narrow;
    int perStep;
    int block;
};

void DrawCountryParts(CLayerRenderer& r, int cellCount, int fillFlag, int labelFlag, const PartTheme& theme,
                      CountryLimits limits)
{
    const int cells = SurfaceCellCount(r, cellCount);
    const SurfaceTools tools(r, 1, fillFlag);
    const points::LabelFont font(r, cellCount);
    EarlyEnd early{EarlyEndLimit(r, cells, limits.narrow, limits.perStep, limits.block)};
    DrawPartFile(r, r.DataSetPath, theme, AcceptedCells(r), fillFlag, labelFlag == 1, early);
}

} // namespace

std::string CountryLabelE(std::string_view line)
{
    const bool alternative = Column(line, 11, 3) == "000";
    const std::string three = ColumnText(line, alternative ? 17 : 11, 3);
    const std::string single = ColumnText(line, alternative ? 16 : 10, 1);
    const std::string two = ColumnText(line, alternative ? 14 : 8, 2);
    return single != "1" ? "0" + three : two + "1" + three;
}

} // namespace surfaces

void CLayerRenderer::DrawSurfaceRegions(int cellCount, int fillFlag, int, std::string flagText)
{
    ParseOptionList(std::move(flagText));
    surfaces::DrawPrefectureParts(*this, cellCount, fillFlag, surfaces::kRegionStem, surfaces::RegionTheme());
}

void CLayerRenderer::DrawSurfaceLines(int cellCount, int fillFlag, int, std::string flagText)
{
    ParseOptionList(std::move(flagText));
    surfaces::DrawPrefectureParts(*this, cellCount, fillFlag, surfaces::kLineStem, surfaces::LineTheme(ItemCode % 11));
}

void CLayerRenderer::DrawCountrySurfaceB(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(flagText);
    const bool filter = points::FiltersPrefectures(*this, flagText);
    surfaces::DrawCountryParts(*this, cellCount, fillFlag, labelFlag, surfaces::CountryThemeB(*this, filter),
                               {10000, 20000, 30000});
}

void CLayerRenderer::DrawCountrySurfaceD(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(flagText);
    const bool filter = points::FiltersPrefectures(*this, flagText);
    surfaces::DrawCountryParts(*this, cellCount, fillFlag, labelFlag, surfaces::CountryThemeD(*this, filter),
                               {5000, 20000, 0});
}

void CLayerRenderer::DrawCountrySurfaceE(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(flagText);
    const bool filter = points::FiltersPrefectures(*this, flagText);
    surfaces::DrawCountryParts(*this, cellCount, fillFlag, labelFlag, surfaces::CountryThemeE(*this, filter),
                               {5000, 20000, 0});
}
