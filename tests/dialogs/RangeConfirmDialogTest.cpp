// The confirmation of a range dragged with the mouse: the corners as the caller wrote them, and
// the answer for each way the dialog can end.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

namespace {

using namespace dialogtest;

TEST(RangeConfirm, ShowsTheCornersAsPassedAndAnswersOneOnlyForEnlarge)
{
    auto script = vd::ui::Script::install();
    auto* confirm = EntryPoint<OnRengeConfirm_fn>("OnRengeConfirm");
    ASSERT_NE(confirm, nullptr);

    std::vector<std::vector<std::string>> statics;
    std::string caption;
    const std::function<void(vd::DialogDriver&)> endings[] = {
        [](vd::DialogDriver& d) { d.click(103); },
        [](vd::DialogDriver& d) { d.pressEnter(); },
        [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
        [](vd::DialogDriver& d) { d.pressEscape(); },
        [](vd::DialogDriver& d) { d.closeBox(); },
    };
    for (const auto& end : endings)
        script->answerDialog(kModule, 146, [&](vd::DialogDriver& d) {
            caption = d.caption();
            statics.push_back({d.text(1030), d.text(1031), d.text(1032), d.text(1033)});
            end(d);
        });
    std::vector<int> answers;
    answers.push_back(confirm("135.3000", "34.4530", "135.4500", "34.3015"));
    answers.push_back(confirm("1", "2", "3", "4"));
    for (int i = 0; i < 3; ++i)
        answers.push_back(confirm("", "", "", ""));

    EXPECT_EQ(answers, (std::vector<int>{1, 1, -1, -1, -1}));
    EXPECT_EQ(caption, "マウスで指定した範囲");
    ASSERT_EQ(statics.size(), 5u);
    // North-west latitude, north-west longitude, south-east latitude, south-east longitude.
    EXPECT_EQ(statics[0], (std::vector<std::string>{"34.4530", "135.3000", "34.3015", "135.4500"}));
    EXPECT_EQ(statics[1], (std::vector<std::string>{"2", "1", "4", "3"}));
    EXPECT_EQ(statics[2], (std::vector<std::string>{"", "", "", ""})) << "nothing of the earlier calls";
}

} // namespace
