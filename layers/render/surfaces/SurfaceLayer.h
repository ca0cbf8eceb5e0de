#pragma once
// What the surface themes share: the accepted cell corners (south and west widened at full
// detail), the clipping of a point, the second-level corner of a record, the pen and brush of the
// call, the early end of the whole-country files and the per-prefecture file walk.
#include "layers/render/LayerRenderer.h"
#include "meshcode/MeshCode.h"

#include <optional>
#include <string>
#include <string_view>

namespace surfaces {

constexpr int kFullDetail = 3;

// The cell corners a record may have: south and west rounded down at full detail.
struct CellLimits {
    int south = 0;
    int west = 0;
    int north = 0;
    int east = 0;
    bool Contains(meshcode::MeshCorner c) const
    {
        return c.latitude >= south && c.longitude >= west && c.latitude <= north && c.longitude <= east;
    }
};
CellLimits AcceptedCells(const CLayerRenderer& r, int latitudeStep = 30, int longitudeStep = 45);

// The south-west corner of the second-level code in columns [start, start + 6) (non-digits 0).
meshcode::MeshCorner SecondLevelCorner(std::string_view line, int start);

// At full detail the point is held inside the DrawExtent; otherwise a point outside gives none.
std::optional<ScreenPoint> ClipPoint(const CLayerRenderer& r, int latitude, int longitude);

// The cell count of the call: the block's for -1; a count of 1 draws at full detail.
int SurfaceCellCount(CLayerRenderer& r, int cellCount);

// The layer's pen (mode 1: colour c; mode 0: the areas' outline) and, with filling, its brush,
// until the end of the scope.
class SurfaceTools {
public:
    SurfaceTools(CLayerRenderer& r, int mode, int fillFlag);
    ~SurfaceTools();
    SurfaceTools(const SurfaceTools&) = delete;
    SurfaceTools& operator=(const SurfaceTools&) = delete;
    // While filling, the status box is drawn with the caller's brush, the layer with its own.
    void ForProgress() const;
    void ForDrawing() const;

private:
    CLayerRenderer& r_;
    int fillFlag_;
    vd::Brush previous_;
    vd::Brush layer_;
};

// Reading of a whole-country file ends once something was drawn and `limit` records in a row
// since the last drawing lay outside the extent.
struct EarlyEnd {
    int limit = 0; // 0: never
    bool drawn = false;
    int outside = 0;
    void Drawn()
    {
        drawn = true;
        outside = 0;
    }
    // Counts a record outside; true when reading ends.
    bool Outside()
    {
        if (!drawn || limit <= 0)
            return false;
        return ++outside >= limit;
    }
};
// narrow, or perStep x s where s = (east - west) / 3500 is above 1, or block when the call
// draws several cells at full detail (0: no such rule).
int EarlyEndLimit(const CLayerRenderer& r, int cellCount, int narrow, int perStep, int block);

// Each prefecture file of the call's cells, once per call: stem (the data-set text cut after
// stemLength characters past "(") + prefecture + ".txt". Built first: it settles the cell count
// and the detail level that the limits depend on.
class PrefectureFiles {
public:
    PrefectureFiles(CLayerRenderer& r, int cellCount, int stemLength);
    int CellCount() const { return walk_.cellCount; }
    void ForEach(const SurfaceTools& tools, const std::function<void(const std::string& winPath)>& visit);

private:
    CLayerRenderer& r_;
    CLayerRenderer::CellWalk walk_;
};

} // namespace surfaces
