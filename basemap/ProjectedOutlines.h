#pragma once
// The outline files of the overview maps, read and projected once for each projection: the
// overview repaints with the same projection draw the kept pixel runs instead of reading and
// projecting the file again (the coastline does not change between repaints). A file that
// changes on disk (size or time) is read again.
#include "platform/dc/Dc.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The pixel runs of one outline file: each run is drawn as a line from point to point; a run of
// one point is only a move.
struct ProjectedRuns {
    std::vector<vd::Point> points;
    std::vector<int> counts;
};

// What the runs depend on besides the file: the projection's kind and parameters and any filter.
struct OutlineProjectionKey {
    int mode = 0;
    int originX = 0;
    int originY = 0;
    float lat0 = 0;
    float lon0 = 0;
    float scale = 0;
    bool japanAreaOnly = false;
    friend bool operator==(const OutlineProjectionKey&, const OutlineProjectionKey&) = default;
};

// The runs of the file for the key: kept ones while the file is unchanged, otherwise those build
// gives (nullptr when the file cannot be read; that is not kept).
std::shared_ptr<const ProjectedRuns> CachedOutlineRuns(const std::string& winPath, const OutlineProjectionKey& key,
                                                       const std::function<std::shared_ptr<const ProjectedRuns>()>& build);

// Draws the runs with the selected pen as moves and lines; on a picture in pixel units a run goes
// as one polyline (the same pixels, one call). The current position ends on the last point, as
// point-by-point drawing leaves it.
void DrawProjectedRuns(vd::Dc& dc, const ProjectedRuns& runs);
