#pragma once
// Where a searched place falls on the sheet map shown: the block of 1, 9, 25 or 49 sheets from
// its south-west corner (scales in pixels per 1/320 of a sheet), or on a free extent the range
// itself (scales already in pixels per arc-second).
#include "platform/dc/Geometry.h"

class CVeldoranDoc;

class PlaceNameBlock {
public:
    PlaceNameBlock(const CVeldoranDoc& doc, int originX, int originY);
    // Positions in arc-seconds.
    bool Contains(double latitudeSec, double longitudeSec) const;
    vd::Point Position(double latitudeSec, double longitudeSec) const;

private:
    bool freeExtent_;
    int sheets_; // sheets across: 1, 3, 5 or 7
    int originX_, originY_;
    int west_, south_, east_, north_;
    float zoomX_, zoomY_;
};
