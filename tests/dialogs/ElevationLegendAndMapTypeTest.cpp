// The elevation legend through OnLegendElevetion (the tints of the map's ramp at each band's
// lower bound) and the map type through OnMapTypeSet (the packed arguments, the handlers that
// keep a tint map off the Japan map, the prefecture selection and the answer).
#include "ColourSetTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/ElevationLegendDialog.h"
#include "dialogs/MapTypeDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;
using namespace legendids;
using vd::RGB;

class ElevationLegend : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        show = EntryPoint<OnLegendElevetion_fn>("OnLegendElevetion");
        ASSERT_NE(show, nullptr);
        std::filesystem::remove_all(Home() / "PALETTE");
        WritePalette("PLTTFILE.DAT", {"疎な配色$sparse.plt", "はみ出し$odd.plt"});
        WritePalette("sparse.plt", SparseSet("疎な配色", 0));
        // A negative elevation, a pair of one level, a falling pair and an elevation past the ramp.
        WritePalette("odd.plt", {ClassLine(-30, 1, 1, 1, ""), ClassLine(1, 10, 20, 30, ""), ClassLine(15, 40, 40, 40, ""),
                                 ClassLine(100, 60, 60, 60, ""), ClassLine(50, 90, 90, 90, ""),
                                 ClassLine(9000, 250, 250, 250, "")});
    }
    std::shared_ptr<vd::ui::Script> script;
    OnLegendElevetion_fn* show = nullptr;
};

constexpr int kBands[] = {IDC_SEA,         IDC_BELOW_100M,  IDC_BELOW_200M,  IDC_BELOW_500M,
                          IDC_BELOW_1000M, IDC_BELOW_1500M, IDC_BELOW_2000M, IDC_BELOW_2500M,
                          IDC_BELOW_3000M, IDC_FROM_3000M,  IDC_LAKES};

TEST_F(ElevationLegend, ShowsTheRampAtEachBandsLowerBound)
{
    script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  凡例（標高の区分)");
        EXPECT_EQ(d.text(IDC_SET_NAME), "疎な配色");
        EXPECT_EQ(Swatch(d, IDC_SEA), RGB(0, 0, 200));
        EXPECT_EQ(Swatch(d, IDC_BELOW_100M), RGB(10, 100, 10));
        // "標高  <1,000m" shows 500 m (index 33), black in the file, between 200 m and 1,000 m.
        const auto at33 = [](int a, int b) { return int(a + (33 - 13) * double(b - a) / (66 - 13)); };
        EXPECT_EQ(Swatch(d, IDC_BELOW_1000M), RGB(at33(130, 200), at33(160, 100), at33(30, 60)));
        const auto at200 = [](int a, int b) { return int(a + (200 - 66) * double(b - a) / (255 - 66)); };
        EXPECT_EQ(Swatch(d, IDC_FROM_3000M), RGB(at200(200, 255), at200(100, 255), at200(60, 255)))
            << "3,000 m at index 200, between 1,000 m (66) and 4,000 m (255)";
        EXPECT_EQ(Swatch(d, IDC_LAKES), RGB(7, 8, 9));
        EXPECT_EQ(ShownAt(d, IDC_LAKES, 0, 0), RGB(255, 255, 255));
        d.click(vd::IDOK);
    });
    show(0, PaletteFolder(), int(RGB(7, 8, 9)));
    EXPECT_TRUE(script->unanswered().empty());
}

TEST_F(ElevationLegend, OddSetsAndNumbersPastTheListStayInsideTheRamp)
{
    script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_SET_NAME), "はみ出し");
        EXPECT_EQ(Swatch(d, IDC_SEA), RGB(1, 1, 1)) << "a negative elevation is level 0";
        EXPECT_EQ(Swatch(d, IDC_BELOW_100M), RGB(40, 40, 40)) << "of two lines of one level the later wins";
        // From 50 m (level 3) to 9,000 m, kept at level 255.
        const auto from3 = [](int i) { return int(90 + (i - 3) * 160.0 / 252); };
        EXPECT_EQ(Swatch(d, IDC_BELOW_200M), RGB(from3(6), from3(6), from3(6)));
        EXPECT_EQ(Swatch(d, IDC_FROM_3000M), RGB(from3(200), from3(200), from3(200)));
        d.click(vd::IDOK);
    });
    show(1, PaletteFolder(), 0);
    for (int i = 0; i < 3; ++i)
        script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(IDC_SET_NAME), "");
            for (int id : kBands)
                EXPECT_EQ(Swatch(d, id), id == IDC_LAKES ? RGB(7, 8, 9) : RGB(0, 0, 0)) << id;
            d.click(vd::IDOK);
        });
    for (int number : {2, -1, 99})
        show(number, PaletteFolder(), int(RGB(7, 8, 9)));
    EXPECT_TRUE(script->unanswered().empty());
}

using namespace maptypeids;

std::string Flags(int chosen, bool single)
{
    std::string flags;
    for (int n = 0; n < 48; ++n)
        flags += n == chosen ? "1|" : "0|";
    return flags + (single ? "1" : "");
}

class MapType : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        choose = EntryPoint<OnMapTypeSet_fn>("OnMapTypeSet");
        ASSERT_NE(choose, nullptr);
        std::filesystem::remove_all(Home() / "PALETTE");
        WritePalette("PLTTFILE.DAT", {"地図帳(通常)$ATLAS1.PLT", "灰色(ﾓﾉｸﾛｰﾑ)$ATLAS6.PLT", "", "空行の後$X.PLT"});
    }
    std::shared_ptr<vd::ui::Script> script;
    OnMapTypeSet_fn* choose = nullptr;
};

TEST_F(MapType, OpensFromThePackedArgumentsAndAnswersUnchanged)
{
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  地図の種類と配色");
        EXPECT_TRUE(d.isChecked(IDC_SHEET_MAP));
        EXPECT_EQ(d.text(IDC_JAPAN_PROJECTION), "ｱﾙﾍﾞﾙｽ正積円錐図法");
        EXPECT_TRUE(d.isChecked(IDC_WHITE_MAP));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "白地図");
        EXPECT_EQ(d.text(IDC_STEP_COMBO), "");
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "黄");
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(IDC_COAST_COMBO)->GetCount(), 21);
        auto* steps = d.dialog().item<vd::ComboBox>(IDC_STEP_COMBO);
        ASSERT_EQ(steps->GetCount(), 7);
        EXPECT_EQ(steps->GetLBText(0), "段彩(レリーフ)");
        EXPECT_EQ(steps->GetLBText(6), "段彩(高度500m間隔)");
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(IDC_SET_COMBO)->GetCount(), 2) << "the list ends at its empty line";
        d.click(vd::IDOK);
    });
    // Map figure 0 with ignored hundreds; step 1, coast 5, prefecture coast 18.
    EXPECT_EQ(choose(1, 21, 1200, 180501, 0, PaletteFolder(), Flags(0, false)),
              "-1|1|1|0|1|0|0|5|18|2|" + Flags(0, false));

    // A white prefecture map shows the prefecture coast; a tint sheet map with the coast flag too.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(IDC_PREFECTURE_MAP));
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "黒(太線)");
        EXPECT_EQ(d.text(IDC_JAPAN_PROJECTION), "ｻﾝｿﾝ図法");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(choose(1, 3, 0, 180501, 0, PaletteFolder(), Flags(13, true)), "");
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(IDC_TINT_MAP));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "灰色(ﾓﾉｸﾛｰﾑ)");
        EXPECT_EQ(d.text(IDC_STEP_COMBO), "段彩(ｸﾞﾗﾃﾞｰｼｮﾝ)");
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "黄");
        EXPECT_EQ(d.text(IDC_PREF_PROJECTION), "正距円筒図法");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, 1, 10001, 180501, 1, PaletteFolder(), Flags(0, false)),
              "-1|1|1|1|1|0|1|5|18|0|" + Flags(0, false));
}

TEST_F(MapType, TheJapanMapIsNeverATintMap)
{
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.click(IDC_JAPAN_MAP);
        EXPECT_TRUE(d.isChecked(IDC_WHITE_MAP));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "白地図");
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "");
        d.click(IDC_TINT_MAP);
        EXPECT_TRUE(d.isChecked(IDC_WHITE_MAP)) << "the tint map is refused";
        d.selectCombo(IDC_SET_COMBO, 1);
        EXPECT_TRUE(d.isChecked(IDC_WHITE_MAP)) << "choosing a set does not make one either";
        d.selectCombo(IDC_COAST_COMBO, 4);
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "");
        d.selectCombo(IDC_JAPAN_PROJECTION, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, 21, 1, 2, 0, PaletteFolder(), Flags(0, false)), "1|1|2|0|2|0|0|0|0|0|" + Flags(0, false));

    // Back to the sheet map: a tint map again, a new coast colour counts as a change alone.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.click(IDC_TINT_MAP);
        EXPECT_TRUE(d.isChecked(IDC_TINT_MAP));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "地図帳(通常)");
        d.click(IDC_WHITE_MAP);
        EXPECT_EQ(d.text(IDC_COAST_COMBO), "空");
        d.selectCombo(IDC_COAST_COMBO, 18);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, 1, 0, 0, 0, PaletteFolder(), Flags(0, false)), "1|0|1|0|0|0|0|18|0|0|" + Flags(0, false));
}

TEST_F(MapType, APrefectureChosenEndsTheDialogWithAPrefectureMap)
{
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) { d.click(IDC_PREFECTURE_MAP); });
    script->answerDialog(kModule, 179, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " 都道府県別地図");
        EXPECT_EQ(d.text(1484), "日本列島");
        EXPECT_EQ(d.text(1683), "");
        EXPECT_TRUE(d.isChecked(1484 + 13));
        d.click(1484 + 26);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, 1, 1, 5, 1, PaletteFolder(), Flags(13, true)), "1|0|3|1|5|0|1|0|0|0|" + Flags(26, true));
    EXPECT_TRUE(script->unanswered().empty());

    // Cancelled: the sheet map stays; without the trailing "1" several may be chosen.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.click(IDC_PREFECTURE_MAP);
        EXPECT_TRUE(d.isChecked(IDC_SHEET_MAP));
        EXPECT_FALSE(d.isChecked(IDC_PREFECTURE_MAP));
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, 179, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  地域選択（国土数値情報データを表示する都道府県）");
        EXPECT_EQ(d.text(1683), "(複数選択可)");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(choose(0, 1, 0, 0, 0, PaletteFolder(), Flags(0, false)), "-1|0|1|0|0|0|0|0|0|0|" + Flags(0, false));

    // A prefecture tint map turned to the Sanson projection becomes a white map.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.selectCombo(IDC_PREF_PROJECTION, 0);
        EXPECT_TRUE(d.isChecked(IDC_WHITE_MAP));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "白地図");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, 3, 10001, 0, 0, PaletteFolder(), Flags(26, true)), "1|1|3|0|0|0|0|0|0|0|" + Flags(26, true));
}

} // namespace
