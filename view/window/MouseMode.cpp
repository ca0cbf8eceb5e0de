#include "view/window/MouseMode.h"

int GetMouseMode(const MouseModeInputs& in)
{
    if (in.viewLocked == 1)
        return 100;
    switch (in.mapDisplayMode) {
    case 4:
        return 1;
    case 21:
        return 2;
    case 10:
        return 3;
    default:
        break;
    }
    if (in.mouseButtonState == "MK_LBUTTON")
        return 5;
    switch (in.clickMode) {
    case 1:
    case 4:
        return 4;
    case 2:
        return 7;
    case 3:
        return 8;
    case 5:
        return 9;
    default:
        return 3;
    }
}
