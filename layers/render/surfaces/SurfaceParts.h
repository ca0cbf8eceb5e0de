#pragma once
// Record format 3: one point a record, runs of records making parts (lines, or areas when their
// start code is 3). One reader for the five themes of this format; each theme describes its
// columns, scale and labels.
#include "layers/render/LayerRenderer.h"
#include "layers/render/surfaces/SurfaceLayer.h"
#include "meshcode/MeshCode.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace surfaces {

struct PartRecord {
    bool startsPart = false;
    int partCode = 0;
    meshcode::MeshCorner cell; // the record's second-level cell
};

struct PartTheme {
    // The record's part and cell; none when the prefecture selection leaves it out.
    std::function<std::optional<PartRecord>(std::string_view line)> decode;
    // The record's point (whole arc-seconds), read only for records in the extent.
    std::function<meshcode::MeshCorner(std::string_view line, meshcode::MeshCorner cell)> point;
    // The colour index of a part whose first record this is (-1: the layer's pen).
    std::function<int(std::string_view line)> partPen;
    // The label of a part, from its first record in the extent (none: no labels).
    std::function<std::string(std::string_view line)> label;
    int labelDx = 0;
    int labelDy = 0;
    bool labelOnlyWhenChanged = false;
    int minimumPoints = 1;
    // A point or cell outside the extent discards the part gathered so far.
    bool outsideDiscardsPart = false;
};

// Draws the parts of one file with the selected pen and brush. A pending part is drawn when the
// next part starts and when reading ends (end of file or early end). False when the file cannot
// be opened.
bool DrawPartFile(CLayerRenderer& r, const std::string& winPath, const PartTheme& theme, const CellLimits& cells,
                  int fillFlag, bool labels, EarlyEnd& early);

// Decimal field times factor, truncated to whole seconds.
int Scaled(double value, double factor);

} // namespace surfaces

namespace surfaces {
// The label of a DrawCountrySurfaceE record (columns 8-13, or 14-19 when 11-13 are "000").
std::string CountryLabelE(std::string_view line);
} // namespace surfaces
