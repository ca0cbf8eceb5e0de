#pragma once
// The colours of the sea-floor maps and their legend: the depth classes of the tint map and their
// table, built from a base colour (packed RGB, red in the low byte; the program passes cyan), the
// pens of the contour lines, and the slope-shaded classes of the relief map.
#include "platform/dc/Color.h"

#include <array>

inline constexpr int kDepthClasses = 20;
inline constexpr int kContourPens = 9;
inline constexpr vd::COLORREF kDeepestMarkRed = vd::RGB(255, 0, 0);

// The tint class of a depth in whole metres: below 200 class 0, 200-499 class 1, then one class
// every 500 m (500 is class 2) up to class 19.
int DepthClass(int depthMetres);

// Step i of the base-colour ramp: red and green fall by a ninth of themselves a step, blue rises
// by a ninth of what it lacks of 255 (integer ninths).
vd::COLORREF DepthRampColour(int baseColour, int step);

// Entries 0-8 are ramp steps 1-9; entries 9-19 fixed blues from 245 down to 145.
using DepthTintTable = std::array<vd::COLORREF, kDepthClasses>;
DepthTintTable MakeDepthTintTable(int baseColour);

// The nine contour pens' colours, pen j for the levels j x 1000 to j x 1000 + 999 m.
enum class ContourPenSet { TintMap, ReliefMap, ContourMap };
std::array<vd::COLORREF, kContourPens> ContourPenColours(ContourPenSet set, int baseColour);

// The shaded colour of a relief cell of depth v whose east neighbour is e and that one's south
// neighbour s: the class colour (below 1000 m, below 4000 m, deeper) less the shade of the slope
// towards a light from (1, 1, 0.7).
vd::COLORREF ReliefCellColour(int v, int e, int s);
// The unshaded colour of relief class 0, 1 or 2.
vd::COLORREF ReliefClassColour(int reliefClass);
