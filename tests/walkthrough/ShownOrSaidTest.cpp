// The walk's check of what a step shows: a layer switched on that changes nothing on screen and
// says nothing fails the step, one that says why passes.
#include "WalkRun.h"

#include "platform/ui/Ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using namespace walk;

TEST(Walkthrough, ALayerSwitchedOnThatDrawsNothingAndSaysNothingIsAFault)
{
    WalkRun run;
    ASSERT_TRUE(run.start());
    // The land-classification layer on, with nothing drawn and no word said.
    EXPECT_NONFATAL_FAILURE(run.step("a silent layer", [&] {
        run.program().doc().geology.m_nLandClassLayer = 1;
        return true;
    }),
                            "drew nothing and said nothing");
    // The same, with a message that says why nothing is drawn.
    run.program().doc().geology.m_nLandClassLayer = 0;
    run.step("a layer that says why", [&] {
        run.program().doc().geology.m_nLandClassLayer = 1;
        vd::ui::AfxMessageBox("データファイルがありません。");
        return true;
    });
    EXPECT_TRUE(run.faults().size() == 1) << "only the silent layer is a fault";
}

} // namespace
