#pragma once
// The sounding points of the depth text files around a block, one pixel each: measured soundings
// in red, the others in black when the method is 2; then the number of soundings in the drawn area
// and the greatest depth read (of every record, in the area or not).
#include "platform/dc/Dc.h"
#include "submarine/depthmaps/DepthMapArea.h"
#include "submarine/files/DepthTextFile.h"

#include <string>

struct DepthSoundingRequest {
    std::string depthFolder;
    std::string meshCode;
    int statusBase = 0;
    int method = 0;
    DepthMapArea area;
    int extent = 0; // the files form a square of extent + 1 degrees a side (at most 180)
};

// freeFormat: the files are read as blank-separated records, each one announced by a status line,
// and the closing line is written on white; otherwise as fixed columns, silently.
void DrawDepthSoundings(vd::Dc& dc, const DepthSoundingRequest& request, bool freeFormat);
