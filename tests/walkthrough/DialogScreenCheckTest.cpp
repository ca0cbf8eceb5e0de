// The walk's check of the dialogs it meets: one larger than a 1024 x 768 screen fails the step
// that opened it.
#include "WalkRun.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using namespace walk;

TEST(Walkthrough, ADialogLargerThanTheSmallestScreenIsAFault)
{
    constexpr int kLarge = 9877;
    vd::ui::DialogTemplate t;
    t.id = kLarge;
    t.caption = "大きすぎる画面";
    t.place = vd::ui::DialogUnits{0, 0, 400, 600};
    t.controls = {vd::ui::defPushButton(vd::IDOK, "OK", vd::ui::DialogUnits{340, 580, 50, 14})};
    vd::ui::registerTemplates(vd::ui::kProgramModule, {t});
    WalkRun run;
    ASSERT_TRUE(run.start());
    EXPECT_NONFATAL_FAILURE(run.step("a large dialog", [] {
        vd::ui::ModuleScope program(vd::ui::kProgramModule);
        vd::Dialog(kLarge).DoModal();
        return true;
    }),
                            "larger than a 1024 x 768 screen");
}

} // namespace
