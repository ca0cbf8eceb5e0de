#pragma once
// The classes of the 1/10 subdivided mesh themes: which sub-cell characters are drawn and in
// which colour, for land use (by the flag text, the item and the forest flag), designated areas
// and basins; and where a record holds each sub-cell's character.
#include "platform/dc/Color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace meshes {

inline constexpr int kLandUseGroup = 0;
inline constexpr int kDesignatedGroup = 10;
inline constexpr int kBasinGroup = 20;
inline constexpr int kSelectedLandUse = 12; // item: the classes whose flag digit is 1

// The land-use item of a flag text ("0"/"1" for all, then classes 1-11; missing digits are
// "0"): several classes set give 12, one gives its number, none keeps the given item.
int LandUseItem(std::string_view flags, int item);

// The first land-use column: 109, or 116 / 137 for data sets with "62" / "51" four characters
// after "l03" (the data-set text in lower case).
std::size_t LandUseColumn(std::string_view dataSetText);

// The colour of one sub-cell's character, or none when it is not drawn.
struct SubdividedStyle {
    int group = kLandUseGroup;
    int item = 0;
    std::string flags;        // land use: the flag text
    bool forest = false;      // land use, item 0: forests are drawn
    bool reliefColours = false; // land use over the relief: the relief form's own class colours
};
std::optional<vd::COLORREF> SubdividedColour(const SubdividedStyle& style, char code);

// SubdividedColour of every character for one style, worked out once: a draw looks up each of its
// sub-cells.
class SubdividedColours {
public:
    explicit SubdividedColours(const SubdividedStyle& style);
    std::optional<vd::COLORREF> Of(char code) const { return table_[static_cast<unsigned char>(code)]; }

private:
    std::array<std::optional<vd::COLORREF>, 256> table_;
};

// The column of sub-cell j's character (j 0-99) for the group; designated areas add the kind.
std::size_t SubdividedColumn(int group, int item, std::size_t landUseColumn, int j);

} // namespace meshes
