// The place-name kinds dialog: the すべて box and the nine kinds, driven by clicks.
#include "app/settings/ShownPlaceNamesDialog.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

// Check boxes in flag order: すべて, 海, 湖, 島, 山, 谷, 川, 市･町･駅, 湾, 岬.
constexpr int kBox[10] = {1378, 1158, 1159, 1160, 1157, 1161, 1162, 1379, 1164, 1165};

PlaceNameKindFlags Checks(vd::DialogDriver& d)
{
    PlaceNameKindFlags checks{};
    for (int i = 0; i < 10; ++i)
        checks[std::size_t(i)] = d.isChecked(kBox[i]) ? 1 : 0;
    return checks;
}

// Runs the dialog on the flags with the actions; the flags it ends with and its result.
std::pair<PlaceNameKindFlags, int> RunKinds(PlaceNameKindFlags flags, std::function<void(vd::DialogDriver&)> actions)
{
    auto script = vd::ui::Script::install();
    script->answerDialog(CDlgShownPlaceNames::IDD, std::move(actions));
    CDlgShownPlaceNames dialog(nullptr);
    dialog.m_anKind = flags;
    const int result = dialog.DoModal();
    return {dialog.m_anKind, result};
}

TEST(ShownPlaceNames, OpeningWithAllClearsTheNineAndShowsAllAlone)
{
    const auto [flags, result] = RunKinds({1, 1, 0, 1, 0, 0, 0, 1, 0, 0}, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "表示する地点名");
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(result, vd::IDOK);
    EXPECT_EQ(flags, (PlaceNameKindFlags{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ShownPlaceNames, AllTogglesBetweenItselfAndTheNineKinds)
{
    const auto [flags, result] = RunKinds({0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, [](vd::DialogDriver& d) {
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
        d.click(1378);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        d.click(1378);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(ShownPlaceNames, AKindClickAfterAllLeavesThatKindAlone)
{
    const auto [flags, result] = RunKinds({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, [](vd::DialogDriver& d) {
        d.click(1158); // 海
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
        d.click(1157); // 山 on, then off again
        d.click(1157);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ShownPlaceNames, CitiesTownsStationsStaysOnWhileTheOnlyKind)
{
    const auto [flags, result] = RunKinds({0, 0, 0, 0, 0, 0, 0, 1, 0, 0}, [](vd::DialogDriver& d) {
        d.click(1379);
        EXPECT_TRUE(d.isChecked(1379)) << "the only kind cannot go off";
        d.click(1164); // 湾 on: now 市･町･駅 can go off
        d.click(1379);
        EXPECT_FALSE(d.isChecked(1379));
        d.click(1164); // nothing left on: a click turns it on
        d.click(1379);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    // After すべて the click leaves 市･町･駅 alone.
    const auto [afterAll, r2] = RunKinds({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, [](vd::DialogDriver& d) {
        d.click(1379);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(afterAll, (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
}

} // namespace
