#pragma once
// What the overview's layer calls and its municipality surfaces derive from the document's frame
// once per call: the frame in arc-seconds, the first-level mesh code of its centre, the
// latitude-band scales and the screen position of its north-west corner (single precision, as
// the libraries were always handed them).
#include <string>

class CVeldoranDoc;

struct OverviewLayerFrame {
    int north = 0, west = 0, south = 0, east = 0;
    std::string mesh; // "%02d%02d" latitude and longitude code of the centre
    float ratio = 0;  // latitude ratio at the client area's bottom edge
    float scaleY = 0; // pixels per arc-second of latitude
    float scaleX = 0; // pixels per arc-second of longitude
    int pixelsPerDegree = 0;
    float originX = 0; // screen x of the west edge
    float originY = 0; // screen y of the north edge
};

OverviewLayerFrame OverviewLayerFrameOf(const CVeldoranDoc& doc, int clientHeight);

// The layers' PrefectureFlagList: the whole country with PrfMpData 1, else the chosen prefecture.
std::string OverviewPrefectureFlags(const CVeldoranDoc& doc);
