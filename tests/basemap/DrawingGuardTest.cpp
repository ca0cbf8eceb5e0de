#include "basemap/drawing/DrawingGuard.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(DrawingGuard, AFailureInsideIsASkippedDrawingWithTheDeviceContextPutBack)
{
    vd::RecordingDc dc;
    const vd::Pen callerPen(vd::PS_DOT, 1, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    dc.SetTextColor(vd::RGB(4, 5, 6));
    bool reached = false;
    GuardDrawing(&dc, [&](vd::Dc& d) {
        d.SelectObject(vd::Pen(vd::PS_SOLID, 2, vd::RGB(255, 0, 0)));
        d.SelectObject(vd::Brush(vd::RGB(0, 255, 0)));
        d.SetBkMode(vd::TRANSPARENT);
        d.SetTextColor(vd::RGB(0, 0, 255));
        reached = true;
        throw std::runtime_error("damaged file");
    });
    EXPECT_TRUE(reached);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentBrush(), vd::StockBrush(vd::WHITE_BRUSH));
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(4, 5, 6));
    GuardDrawing(nullptr, [](vd::Dc&) { FAIL() << "no device context, no drawing"; });
}

} // namespace
