#include "view/window/MouseMode.h"

#include <gtest/gtest.h>

namespace {

TEST(MouseMode, FirstMatchingRule)
{
    const struct {
        MouseModeInputs in;
        int mode;
    } cases[] = {
        {{1, 4, "MK_LBUTTON", 2}, 100}, // locked wins over everything
        {{0, 4, "MK_LBUTTON", 2}, 1},   // index map
        {{0, 21, "", 3}, 2},            // overview drag
        {{0, 10, "MK_LBUTTON", 1}, 3},  // map on screen
        {{0, 5, "MK_LBUTTON", 1}, 5},   // a point being dragged
        {{0, 5, "MK_MOVE", 1}, 4},
        {{0, 5, "", 4}, 4},
        {{0, 5, "", 2}, 7},
        {{0, 5, "", 3}, 8},
        {{0, 5, "", 5}, 9},
        {{0, 5, "", 0}, 3},
        {{0, 24, "", 6}, 3},
        {{2, 5, "mk_lbutton", 0}, 3},   // only 1 locks; the state word is compared exactly
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetMouseMode(c.in), c.mode)
            << c.in.viewLocked << " " << c.in.mapDisplayMode << " " << c.in.mouseButtonState << " " << c.in.clickMode;
}

} // namespace
