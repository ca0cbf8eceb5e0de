#pragma once
// What the mouse and the view's modeless dialogs are doing: the region tool chosen and what a
// pointer action means next, whether a drag enlarges the map, the overviews' drag step and
// reference x, the cursor read-out, the open modeless dialog and the find-place settings. The
// view's pointer and navigation pieces and the registration commands write it.
#include <string>

struct PointerState {
    int m_nMouseTool = 0;         // the region or registration tool chosen (0 none)
    int m_nMouseMode = 3;         // what a pointer action means next (GetMouseMode)
    int m_bMouseToolActive = 0;   // 1 while a region tool (1, 2 or 4) is chosen
    int m_nMouseDrag = 1;         // 1: a drag on the sheet map enlarges its range
    int m_nMouseDragCopy = 1;     // the setting read at start, back after other map types
    int m_nOverviewOriginX = 420; // window x of the overviews' reference longitude
    int m_nOverviewStep = 0;      // the overview drag's step

    // The cursor read-out: D.MMSS texts and their numbers.
    std::string m_strCursorLat, m_strCursorLon;
    double m_dCursorLat = 0, m_dCursorLon = 0;

    int m_nActiveViewDialog = -1; // the view's open modeless dialog: 0 sheets, 1 places, 2 municipalities
    int m_nFindPlaceKind = 1;     // the find-place dialog's search kind
    int m_nFindPlaceOption = 0;   // the find-place dialog's include-points setting
    std::string m_strFindMunicipality; // the municipality the search shows
};
