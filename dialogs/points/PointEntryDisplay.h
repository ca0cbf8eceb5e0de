#pragma once
// Shows one entry of a point list in a dialog's detail controls, and the list's count and
// position, for the point list of a route, area or album (dialog 149), the route map choice
// (157) and the album update (147).
#include "dialogs/files/PointListFile.h"

namespace vd {
class Dialog;
}

// The detail controls of a dialog; 0 where a text is kept but not shown.
struct PointEntryControls {
    int name;
    int item;
    int latitude;
    int longitude;
    int textFile;
    int pictureFile;
    int position;
};

inline constexpr PointEntryControls kPointListControls{106, 104, 107, 108, 105, 101, 131};
inline constexpr PointEntryControls kRouteChoiceControls{1080, 1083, 1081, 1082, 1084, 1085, 131};
inline constexpr PointEntryControls kAlbumUpdateControls{106, 104, 0, 0, 105, 101, 131};

// Entry index of the list in the detail controls (an index outside the list shows empty texts).
void ShowPointEntry(vd::Dialog& dialog, const PointList& list, int index, const PointEntryControls& controls);

// "%d件" with the number of entries, when the list is first filled.
void ShowPointCount(vd::Dialog& dialog, const PointList& list, const PointEntryControls& controls);

// "%d/%d" with the 1-based selection and the number of entries, on a selection change.
void ShowPointPosition(vd::Dialog& dialog, const PointList& list, int selection, const PointEntryControls& controls);
