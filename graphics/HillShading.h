#pragma once
// Hill shading of a greyscale sheet bitmap (160 x 160 elevation levels of 15 m, stored rows
// bottom-up): each pixel is darkened or lightened by the light falling on its slope from the
// north-west, in the shading style of the current colour set.
#include <array>
#include <cstdint>
#include <string>

inline constexpr int kGreyscaleSheetSize = 160;
using GreyscaleGrid = std::array<std::uint8_t, kGreyscaleSheetSize * kGreyscaleSheetSize>;

// The light value of pixel (x, y) (stored row y): 64 times the cosine between the surface normal
// and the light, 0 on the last column and row. p is the pixel width in metres, q its height.
int HillShadeValue(const GreyscaleGrid& z, int x, int y, double p, double q);

// Shades the grid in place. scale is the sheet's width-to-height ratio on screen, metresPerSecond
// the east-west length of an arc-second at the sheet's latitude; style is the colour set's
// relief style ("ﾓﾉｸﾛｰﾑ", "地図帳(高度帯)" or empty). Sea (0) stays 0, others stay in 1..255.
void ShadeGreyscaleSheet(GreyscaleGrid& z, float scale, float metresPerSecond, const std::string& style);

// The latitude text ("%d.0000", whole degrees of the south edge) of a sheet whose name is its
// four-digit first-level mesh code, for the metres per arc-second of its shading.
std::string SheetLatitudeText(const std::string& meshCode);
