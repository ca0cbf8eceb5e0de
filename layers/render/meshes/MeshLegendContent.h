#pragma once
// What a mesh legend shows, by theme code and item: the title, the rows (a swatch colour and a
// text, or a text alone) and, for the sea-bottom legend, the code list beside the rows. The
// drawing and its geometry are DrawMeshLegend's.
#include <array>
#include <string>
#include <vector>

namespace meshes {

enum class SwatchColour { None, Ramp, Palette };

struct LegendRow {
    std::string text; // UTF-8
    SwatchColour colour = SwatchColour::None;
    int index = 0; // ClassRampColour or PaletteColour index
    friend bool operator==(const LegendRow&, const LegendRow&) = default;
};

struct LegendContent {
    std::string title;
    std::vector<LegendRow> rows;
    std::vector<std::string> sideColumn; // texts beside the rows, one a row
    friend bool operator==(const LegendContent&, const LegendContent&) = default;
};

inline constexpr int kClimateLegend = 0;
inline constexpr int kFirstCategoryLegend = 300; // 300-330: categories of the 1/10 subdivided meshes
inline constexpr int kClassRows = 11;

// The four free texts of the caller (item names and the census total).
using LegendTexts = std::array<std::string, 4>;

// The climate legend's title of an item; empty for items it has no title for.
std::string ClimateTitle(int item);
// What is added to row i x step in the climate legend of an item.
int ClimateRowOffset(int item);
// The precipitation items, whose rows run down the ramp.
bool IsPrecipitationItem(int item);

// The content of every legend but the climate legend's class rows. classStep is the class width
// of the class-value legends; for the land-use legend (300) a non-zero step adds the note that
// the forest is tinted by elevation.
LegendContent MeshLegendContent(int theme, int item, int swatchFlag, int classStep, const LegendTexts& texts);

} // namespace meshes
