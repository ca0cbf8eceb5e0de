// The prefecture selection as the program uses it: through Pelmora's export, with the dialog
// answered by the script as a user would click it.
#include "contracts/pelmora.h"
#include "layers/settings/prefecture/AreaSelectDialog.h"
#include "layers/settings/prefecture/PrefectureFlagList.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

using namespace areaselectids;

// The button of prefecture field n follows the whole country's.
constexpr int kWhole = IDC_WHOLE_COUNTRY;
constexpr int kHokkaido = IDC_WHOLE_COUNTRY + 1;
constexpr int kIwate = IDC_WHOLE_COUNTRY + 3;
constexpr int kTokyo = IDC_WHOLE_COUNTRY + 13;
constexpr int kKanagawa = IDC_WHOLE_COUNTRY + 14;
constexpr int kOsaka = IDC_WHOLE_COUNTRY + 27;
constexpr int kKagoshima = IDC_WHOLE_COUNTRY + 46;
constexpr int kOkinawa = IDC_LAST_PREFECTURE;

class AreaSelect : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        select = vd::entryPoint<OnDddAreaSelect_fn>("Pelmora.DLL", "OnDddAreaSelect");
        ASSERT_NE(select, nullptr);
    }
    void Answer(std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog("Pelmora", CDlgAreaSelect::IDD, std::move(actions));
    }
    // The buttons shown pressed, by field.
    static std::vector<int> Pressed(const vd::DialogDriver& d)
    {
        std::vector<int> fields;
        for (int n = 0; n < kPrefectureFlagCount; ++n)
            if (d.isChecked(kWhole + n))
                fields.push_back(n);
        return fields;
    }
    static std::string Fields(std::initializer_list<std::pair<int, int>> set)
    {
        PrefectureFlags flags{};
        for (auto [field, value] : set)
            flags[field] = value;
        return FormatPrefectureFlagList(flags);
    }
    std::shared_ptr<vd::ui::Script> script;
    OnDddAreaSelect_fn* select = nullptr;
};

} // namespace

TEST_F(AreaSelect, TheTemplateHoldsTheMapOfButtons)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgAreaSelect::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  地域選択（国土数値情報データを表示する都道府県）");
    EXPECT_EQ(t->fontPoints, 11);
    EXPECT_EQ(t->place->cx, 294);
    EXPECT_EQ(t->place->cy, 189);
    EXPECT_TRUE(t->style & vd::DS_CENTERMOUSE);
    struct Expected {
        int id;
        const char* text;
        vd::ui::DialogUnits place;
    } expected[] = {
        {vd::IDOK, "OK", {261, 171, 30, 16}},          {vd::IDCANCEL, "ｷｬﾝｾﾙ", {262, 155, 28, 14}},
        {kWhole, "すべての都道府県", {8, 6, 82, 15}},  {kHokkaido, "北海道", {243, 2, 30, 12}},
        {kKanagawa, "神奈川", {232, 102, 28, 12}},     {kOsaka, "大阪", {132, 116, 23, 12}},
        {kKagoshima, "鹿児島", {14, 161, 28, 12}},     {kOkinawa, "沖縄", {3, 175, 23, 12}},
        {IDC_HINT, "(複数選択可)", {192, 153, 47, 8}},
    };
    for (const Expected& e : expected) {
        const vd::ui::ControlTemplate* c = t->control(e.id);
        ASSERT_NE(c, nullptr) << e.id;
        EXPECT_EQ(c->caption, e.text);
        EXPECT_EQ(c->place->x, e.place.x) << e.text;
        EXPECT_EQ(c->place->y, e.place.y) << e.text;
        EXPECT_EQ(c->place->cx, e.place.cx) << e.text;
        EXPECT_EQ(c->place->cy, e.place.cy) << e.text;
    }
    for (int id = kWhole; id <= kOkinawa; ++id) {
        const vd::ui::ControlTemplate* c = t->control(id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->kind, vd::ui::ControlKind::RadioButton);
        EXPECT_EQ(c->style & (vd::BS_PUSHLIKE | vd::WS_GROUP), vd::BS_PUSHLIKE | vd::WS_GROUP) << id;
    }
    EXPECT_TRUE(t->control(IDC_NOTICE)->style & vd::SS_SUNKEN);
}

TEST_F(AreaSelect, SinglePrefectureModeKeepsTheLastPrefectureClicked)
{
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " 都道府県別地図");
        EXPECT_EQ(d.text(kWhole), "日本列島");
        EXPECT_EQ(d.text(IDC_HINT), "");
        EXPECT_EQ(d.text(IDC_NOTICE), "いずれかの都道府県か日本列島を\n選んでください！");
        EXPECT_EQ(Pressed(d), (std::vector<int>{13}));
        d.click(kTokyo);
        EXPECT_EQ(Pressed(d), (std::vector<int>{13})) << "a second click keeps it";
        d.click(kOsaka);
        EXPECT_EQ(Pressed(d), (std::vector<int>{27}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{13, 1}}) + "1"), Fields({{27, 1}}));

    // From the whole country, the whole-country button leaves only itself.
    Answer([](vd::DialogDriver& d) {
        d.click(kHokkaido);
        d.click(kWhole);
        EXPECT_EQ(Pressed(d), (std::vector<int>{0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{0, 1}}) + "1"), Fields({{0, 1}}));
}

TEST_F(AreaSelect, MultipleSelectionAddsAndRemovesPrefectures)
{
    for (const char* rest : {"", "1x", "11"}) {
        Answer([](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), "  地域選択（国土数値情報データを表示する都道府県）");
            EXPECT_EQ(d.text(kWhole), "すべての都道府県");
            EXPECT_EQ(d.text(IDC_HINT), "(複数選択可)");
            EXPECT_EQ(Pressed(d), (std::vector<int>{0}));
            d.click(kHokkaido);
            d.click(kOkinawa);
            EXPECT_EQ(Pressed(d), (std::vector<int>{1, 47}));
            d.click(vd::IDOK);
        });
        EXPECT_EQ(select(Fields({{0, 1}}) + rest), Fields({{1, 1}, {47, 1}})) << rest;
    }
    Answer([](vd::DialogDriver& d) {
        d.click(kHokkaido);
        EXPECT_EQ(Pressed(d), (std::vector<int>{47}));
        d.click(kOkinawa);
        EXPECT_EQ(Pressed(d), (std::vector<int>{0})) << "removing the last turns the whole country on";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{1, 1}, {47, 1}})), Fields({{0, 1}}));
}

TEST_F(AreaSelect, WholeCountryWinsOverPrefecturesInTheInput)
{
    Answer([](vd::DialogDriver& d) {
        EXPECT_EQ(Pressed(d), (std::vector<int>{0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{0, 1}, {5, 1}, {40, 1}})), Fields({{0, 1}}));
}

TEST_F(AreaSelect, NoListOpensWithNothingPressed)
{
    for (const char* input : {"-1", ""}) {
        Answer([](vd::DialogDriver& d) {
            EXPECT_TRUE(Pressed(d).empty());
            d.click(vd::IDOK);
        });
        EXPECT_EQ(select(input), Fields({})) << input;
    }
}

TEST_F(AreaSelect, CancelReturnsNothingWhateverWasClicked)
{
    Answer([](vd::DialogDriver& d) {
        d.click(kTokyo);
        d.click(vd::IDCANCEL);
    });
    Answer([](vd::DialogDriver& d) {
        d.click(kOsaka);
        d.pressEscape();
    });
    Answer([](vd::DialogDriver& d) {
        d.click(kOsaka);
        d.closeBox();
    });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(select(Fields({{0, 1}})), "");
}

TEST_F(AreaSelect, OtherFieldValuesShowReleasedAndClearOnTheirFirstClick)
{
    // Untouched, a 2 stays.
    Answer([](vd::DialogDriver& d) {
        EXPECT_TRUE(Pressed(d).empty());
        d.click(kTokyo);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{3, 2}})), Fields({{3, 2}, {13, 1}}));
    // Clicked, it becomes 0; with nothing else left the whole country comes back.
    Answer([](vd::DialogDriver& d) {
        d.click(kIwate);
        EXPECT_EQ(Pressed(d), (std::vector<int>{0}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{3, 2}})), Fields({{0, 1}}));
    // Extreme values neither overflow nor index past the buttons.
    Answer([](vd::DialogDriver& d) {
        d.click(kTokyo);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(select(Fields({{0, -7}, {1, 2147483647}, {2, 2147483647}})),
              Fields({{1, 2147483647}, {2, 2147483647}, {13, 1}}));
}
