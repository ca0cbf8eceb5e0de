#pragma once
// The mouse interaction mode that the map view stores after every repaint: what a pointer action
// means next. The view passes what it decides by (its own button state and the document's).
#include <string_view>

struct MouseModeInputs {
    int viewLocked = 0;               // 1 while the map's buttons and pointer actions are locked
    int mapDisplayMode = 0;           // the document's map display mode
    std::string_view mouseButtonState; // the view's "MK_MOVE", "MK_LBUTTON", ...
    int clickMode = 0;                // the document's mouse tool: 1 register, 2 update, 3 range, 4 album, 5 route
};

// 100 locked; 1 index map; 2 overview drag; 3 map on screen; 5 a point being dragged; then by the
// tool: 4 registration (1 and 4), 7 update, 8 range, 9 route line, else 3.
int GetMouseMode(const MouseModeInputs& in);
