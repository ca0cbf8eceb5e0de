// The place-name kinds dialog: the すべて box and the nine kinds, driven by clicks.
#include "app/settings/ShownPlaceNamesDialog.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

using namespace shownplacenameids;

PlaceNameKindFlags Checks(vd::DialogDriver& d)
{
    PlaceNameKindFlags checks{};
    for (int i = 0; i < 10; ++i)
        checks[std::size_t(i)] = d.isChecked(kKindBox[i]) ? 1 : 0;
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
        d.click(IDC_ALL_KINDS);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        d.click(IDC_ALL_KINDS);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(ShownPlaceNames, AKindClickAfterAllLeavesThatKindAlone)
{
    const auto [flags, result] = RunKinds({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, [](vd::DialogDriver& d) {
        d.click(IDC_SEA);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
        d.click(IDC_MOUNTAIN); // on, then off again
        d.click(IDC_MOUNTAIN);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ShownPlaceNames, CitiesTownsStationsStaysOnWhileTheOnlyKind)
{
    const auto [flags, result] = RunKinds({0, 0, 0, 0, 0, 0, 0, 1, 0, 0}, [](vd::DialogDriver& d) {
        d.click(IDC_TOWN);
        EXPECT_TRUE(d.isChecked(IDC_TOWN)) << "the only kind cannot go off";
        d.click(IDC_BAY); // on: now the towns can go off
        d.click(IDC_TOWN);
        EXPECT_FALSE(d.isChecked(IDC_TOWN));
        d.click(IDC_BAY); // nothing left on: a click turns it on
        d.click(IDC_TOWN);
        EXPECT_EQ(Checks(d), (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(flags, (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    // After すべて the click leaves 市･町･駅 alone.
    const auto [afterAll, r2] = RunKinds({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, [](vd::DialogDriver& d) {
        d.click(IDC_TOWN);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(afterAll, (PlaceNameKindFlags{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
}

} // namespace
