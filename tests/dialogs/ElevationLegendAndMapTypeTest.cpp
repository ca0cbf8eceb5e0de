// The elevation legend through OnLegendElevetion (the tints of the map's ramp at each band's
// lower bound) and the map type through OnMapTypeSet (the packed arguments, the handlers that
// keep a tint map off the Japan map, the prefecture selection and the answer).
#include "ColourSetTestSupport.h"

#include "contracts/tovendlg.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;
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

constexpr int kBands[] = {1109, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1110};

TEST_F(ElevationLegend, ShowsTheRampAtEachBandsLowerBound)
{
    script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  凡例（標高の区分)");
        EXPECT_EQ(d.text(1121), "疎な配色");
        EXPECT_EQ(Swatch(d, 1109), RGB(0, 0, 200));
        EXPECT_EQ(Swatch(d, 1100), RGB(10, 100, 10));
        // "標高  <1,000m" shows 500 m (index 33), black in the file, between 200 m and 1,000 m.
        const auto at33 = [](int a, int b) { return int(a + (33 - 13) * double(b - a) / (66 - 13)); };
        EXPECT_EQ(Swatch(d, 1103), RGB(at33(130, 200), at33(160, 100), at33(30, 60)));
        const auto at200 = [](int a, int b) { return int(a + (200 - 66) * double(b - a) / (255 - 66)); };
        EXPECT_EQ(Swatch(d, 1108), RGB(at200(200, 255), at200(100, 255), at200(60, 255)))
            << "3,000 m at index 200, between 1,000 m (66) and 4,000 m (255)";
        EXPECT_EQ(Swatch(d, 1110), RGB(7, 8, 9));
        EXPECT_EQ(ShownAt(d, 1110, 0, 0), RGB(255, 255, 255));
        d.click(vd::IDOK);
    });
    show(0, PaletteFolder(), int(RGB(7, 8, 9)));
    EXPECT_TRUE(script->unanswered().empty());
}

TEST_F(ElevationLegend, OddSetsAndNumbersPastTheListStayInsideTheRamp)
{
    script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(1121), "はみ出し");
        EXPECT_EQ(Swatch(d, 1109), RGB(1, 1, 1)) << "a negative elevation is level 0";
        EXPECT_EQ(Swatch(d, 1100), RGB(40, 40, 40)) << "of two lines of one level the later wins";
        // From 50 m (level 3) to 9,000 m, kept at level 255.
        const auto from3 = [](int i) { return int(90 + (i - 3) * 160.0 / 252); };
        EXPECT_EQ(Swatch(d, 1101), RGB(from3(6), from3(6), from3(6)));
        EXPECT_EQ(Swatch(d, 1108), RGB(from3(200), from3(200), from3(200)));
        d.click(vd::IDOK);
    });
    show(1, PaletteFolder(), 0);
    for (int i = 0; i < 3; ++i)
        script->answerDialog(kModule, 158, [](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(1121), "");
            for (int id : kBands)
                EXPECT_EQ(Swatch(d, id), id == 1110 ? RGB(7, 8, 9) : RGB(0, 0, 0)) << id;
            d.click(vd::IDOK);
        });
    for (int number : {2, -1, 99})
        show(number, PaletteFolder(), int(RGB(7, 8, 9)));
    EXPECT_TRUE(script->unanswered().empty());
}

constexpr int kSheet = 1004, kJapan = 1005, kPrefecture = 1006, kWhite = 1112, kTint = 1113;
constexpr int kSetCombo = 1116, kStepCombo = 1117, kCoast = 1014, kPrefProjection = 1034, kJapanProjection = 1035;

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
        EXPECT_TRUE(d.isChecked(kSheet));
        EXPECT_EQ(d.text(kJapanProjection), "ｱﾙﾍﾞﾙｽ正積円錐図法");
        EXPECT_TRUE(d.isChecked(kWhite));
        EXPECT_EQ(d.text(kSetCombo), "白地図");
        EXPECT_EQ(d.text(kStepCombo), "");
        EXPECT_EQ(d.text(kCoast), "黄");
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(kCoast)->GetCount(), 21);
        auto* steps = d.dialog().item<vd::ComboBox>(kStepCombo);
        ASSERT_EQ(steps->GetCount(), 7);
        EXPECT_EQ(steps->GetLBText(0), "段彩(レリーフ)");
        EXPECT_EQ(steps->GetLBText(6), "段彩(高度500m間隔)");
        EXPECT_EQ(d.dialog().item<vd::ComboBox>(kSetCombo)->GetCount(), 2) << "the list ends at its empty line";
        d.click(vd::IDOK);
    });
    // Map figure 0 with ignored hundreds; step 1, coast 5, prefecture coast 18.
    EXPECT_EQ(choose(1, 21, 1200, 180501, 0, PaletteFolder(), Flags(0, false)),
              "-1|1|1|0|1|0|0|5|18|2|" + Flags(0, false));

    // A white prefecture map shows the prefecture coast; a tint sheet map with the coast flag too.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kPrefecture));
        EXPECT_EQ(d.text(kCoast), "黒(太線)");
        EXPECT_EQ(d.text(kJapanProjection), "ｻﾝｿﾝ図法");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(choose(1, 3, 0, 180501, 0, PaletteFolder(), Flags(13, true)), "");
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kTint));
        EXPECT_EQ(d.text(kSetCombo), "灰色(ﾓﾉｸﾛｰﾑ)");
        EXPECT_EQ(d.text(kStepCombo), "段彩(ｸﾞﾗﾃﾞｰｼｮﾝ)");
        EXPECT_EQ(d.text(kCoast), "黄");
        EXPECT_EQ(d.text(kPrefProjection), "正距円筒図法");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, 1, 10001, 180501, 1, PaletteFolder(), Flags(0, false)),
              "-1|1|1|1|1|0|1|5|18|0|" + Flags(0, false));
}

TEST_F(MapType, TheJapanMapIsNeverATintMap)
{
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.click(kJapan);
        EXPECT_TRUE(d.isChecked(kWhite));
        EXPECT_EQ(d.text(kSetCombo), "白地図");
        EXPECT_EQ(d.text(kCoast), "");
        d.click(kTint);
        EXPECT_TRUE(d.isChecked(kWhite)) << "the tint map is refused";
        d.selectCombo(kSetCombo, 1);
        EXPECT_TRUE(d.isChecked(kWhite)) << "choosing a set does not make one either";
        d.selectCombo(kCoast, 4);
        EXPECT_EQ(d.text(kCoast), "");
        d.selectCombo(kJapanProjection, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, 21, 1, 2, 0, PaletteFolder(), Flags(0, false)), "1|1|2|0|2|0|0|0|0|0|" + Flags(0, false));

    // Back to the sheet map: a tint map again, a new coast colour counts as a change alone.
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) {
        d.click(kTint);
        EXPECT_TRUE(d.isChecked(kTint));
        EXPECT_EQ(d.text(kSetCombo), "地図帳(通常)");
        d.click(kWhite);
        EXPECT_EQ(d.text(kCoast), "空");
        d.selectCombo(kCoast, 18);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, 1, 0, 0, 0, PaletteFolder(), Flags(0, false)), "1|0|1|0|0|0|0|18|0|0|" + Flags(0, false));
}

TEST_F(MapType, APrefectureChosenEndsTheDialogWithAPrefectureMap)
{
    script->answerDialog(kModule, 159, [](vd::DialogDriver& d) { d.click(kPrefecture); });
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
        d.click(kPrefecture);
        EXPECT_TRUE(d.isChecked(kSheet));
        EXPECT_FALSE(d.isChecked(kPrefecture));
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
        d.selectCombo(kPrefProjection, 0);
        EXPECT_TRUE(d.isChecked(kWhite));
        EXPECT_EQ(d.text(kSetCombo), "白地図");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, 3, 10001, 0, 0, PaletteFolder(), Flags(26, true)), "1|1|3|0|0|0|0|0|0|0|" + Flags(26, true));
}

} // namespace
