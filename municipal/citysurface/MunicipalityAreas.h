#pragma once
// The pieces the municipality drawing and the search share: an area's points kept, clamped and
// projected, and where its label goes.
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "municipal/files/BoundaryFile.h"

#include <optional>
#include <string>
#include <vector>

namespace surrick {

// The drawing tools of one call, selected in the caller's device context for its duration and
// put back at its end (pen, brush, font, background mode).
class MunicipalityTools {
public:
    MunicipalityTools(CMunicipalityRenderer& r, int polygonColourCode);
    ~MunicipalityTools();
    MunicipalityTools(const MunicipalityTools&) = delete;
    MunicipalityTools& operator=(const MunicipalityTools&) = delete;

private:
    CMunicipalityRenderer& r_;
    vd::Pen callerPen_;
    vd::Brush callerBrush_;
    vd::Font callerFont_;
    bool brushSelected_ = false;
};

// The area's points that the extent's window keeps, clamped to the extent and projected; a point
// whose first value is 0 is no point.
std::vector<vd::Point> ProjectArea(const CMunicipalityRenderer& r, const municipal::BoundaryArea& area);

// Draws the kept points as a filled polygon or an outline.
void DrawArea(CMunicipalityRenderer& r, const std::vector<vd::Point>& points, bool fill);

// The mean of the points (integer division) when it lies strictly inside the drawn rectangle.
std::optional<vd::Point> LabelPoint(const CMunicipalityRenderer& r, const std::vector<vd::Point>& points);

// The label font's height for the call.
int LabelFontHeight(const CMunicipalityRenderer& r);

} // namespace surrick
