// The colour sets through OnMapPalleteSet: the list of PLTTFILE.DAT, the swatches as loaded and
// as previewed, updating, registering and deleting sets with the bytes they leave, the answer,
// and damaged or missing files.
#include "ColourSetTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/ColourSetDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;
using vd::RGB;

using namespace coloursetids;
constexpr unsigned kQuestion = vd::MB_OKCANCEL | vd::MB_ICONEXCLAMATION;

std::vector<std::string> ComboItems(vd::DialogDriver& d)
{
    std::vector<std::string> items;
    auto* combo = d.dialog().item<vd::ComboBox>(IDC_SET_COMBO);
    for (int i = 0; i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

class ColourSets : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        choose = EntryPoint<OnMapPalleteSet_fn>("OnMapPalleteSet");
        ASSERT_NE(choose, nullptr);
        std::filesystem::remove_all(Home() / "PALETTE");
        std::filesystem::create_directories(Home() / "PALETTE");
    }
    // Sets "配色1".. numbered by position in Atlas<n>.plt.
    void WriteNumberedSets(int count)
    {
        std::vector<std::string> list;
        for (int n = 1; n <= count; ++n) {
            list.push_back(vd::format("配色%d$Atlas%d.plt", n, n));
            WritePalette(vd::format("Atlas%d.plt", n), SparseSet(vd::format("配色%d", n), n));
        }
        WritePalette("PLTTFILE.DAT", list);
    }
    std::string Answer(int set, std::uint32_t lake = RGB(1, 2, 3), std::uint32_t background = RGB(4, 5, 6))
    {
        return choose(set, "/usr/bin/editor", PaletteFolder(), 0, int(lake), int(background));
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : script->messageBoxes()) {
            EXPECT_EQ(box.style, kQuestion) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    static std::string Palette(const std::string& file) { return ReadHomeFile("PALETTE/" + file); }

    std::shared_ptr<vd::ui::Script> script;
    OnMapPalleteSet_fn* choose = nullptr;
};

TEST_F(ColourSets, ShowsTheSetAsWrittenAndAsTheMapWillTintIt)
{
    WriteNumberedSets(3);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  配色の設定");
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"配色1", "配色2", "配色3", "新規登録"}));
        EXPECT_EQ(d.text(IDC_SET_COMBO), "配色2");
        EXPECT_EQ(d.text(IDC_MESSAGE), "配色の登録数=3");
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 202));
        EXPECT_EQ(Swatch(d, kSwatchIds[11]), RGB(10, 102, 10));
        EXPECT_EQ(Swatch(d, kSwatchIds[1]), RGB(0, 0, 0)) << "100 m is left out";
        EXPECT_EQ(Swatch(d, kSwatchIds[3]), RGB(0, 0, 0)) << "500 m is left out";
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(255, 255, 255));
        EXPECT_EQ(Swatch(d, kSwatchIds[10]), RGB(1, 2, 3));
        EXPECT_EQ(Swatch(d, kSwatchIds[12]), RGB(4, 5, 6));
        EXPECT_EQ(ShownAt(d, kSwatchIds[0], 0, 0), RGB(255, 255, 255)) << "the white outline";
        EXPECT_EQ(ShownAt(d, kSwatchIds[0], 39, 16), RGB(255, 255, 255));
        // The preview: 500 m (index 33) between 200 m (13) and 1,000 m (66).
        d.click(IDC_CHECK_MODE);
        EXPECT_TRUE(d.isChecked(IDC_CHECK_MODE));
        const auto at33 = [](int a, int b) { return int(a + (33 - 13) * double(b - a) / (66 - 13)); };
        EXPECT_EQ(Swatch(d, kSwatchIds[3]), RGB(at33(130, 200), at33(160, 100), at33(30, 60)));
        EXPECT_EQ(Swatch(d, kSwatchIds[1]), RGB(10 + 5 * 120 / 12, 102 + 5 * 58 / 12, 10 + 5 * 20 / 12))
            << "100 m at index 6";
        // Another set leaves the preview.
        d.selectCombo(IDC_SET_COMBO, 2);
        EXPECT_FALSE(d.isChecked(IDC_CHECK_MODE));
        EXPECT_EQ(Swatch(d, kSwatchIds[3]), RGB(0, 0, 0));
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 203));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1), "2|0|0|203|1|2|3|4|5|6|");
    EXPECT_TRUE(script->messageBoxes().empty());

    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, 177, cancel);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Answer(0), "") << i;
}

TEST_F(ColourSets, AnUpdateRewritesTheSetWithoutItsBlackClasses)
{
    WriteNumberedSets(2);
    script->answerColour(std::nullopt);
    script->answerColour(RGB(90, 80, 70));
    script->answerColour(RGB(0, 0, 0));
    script->answerColour(RGB(0, 0, 0));
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(kSwatchIds[3]);
        EXPECT_EQ(ShownAt(d, kSwatchIds[3], 0, 0), RGB(0, 0, 0)) << "the chosen swatch is framed black";
        EXPECT_EQ(ShownAt(d, kSwatchIds[3], 39, 15), RGB(0, 0, 0));
        EXPECT_EQ(ShownAt(d, kSwatchIds[0], 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(d.text(IDC_EDIT), "編集") << "nothing chosen, nothing changed";
        d.click(kSwatchIds[3]);
        EXPECT_EQ(d.text(IDC_EDIT), "更新");
        EXPECT_EQ(d.text(IDC_MESSAGE), "中間の標高を無視する時は黒色を指定してください！");
        EXPECT_EQ(Swatch(d, kSwatchIds[3]), RGB(90, 80, 70));
        d.click(kSwatchIds[9] - 7); // 200 m and 1,000 m turned black: their lines go
        d.click(kSwatchIds[9] - 5);
        d.click(IDC_EDIT);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0), "0|0|0|201|1|2|3|4|5|6|PaletteChange");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"現在選択中の配色を更新します！"}));
    EXPECT_EQ(script->coloursAsked(),
              (std::vector<std::uint32_t>{RGB(0, 0, 0), RGB(0, 0, 0), RGB(130, 160, 30), RGB(200, 100, 60)}));
    EXPECT_EQ(Palette("Atlas1.plt"),
              Cp932Lines({";配色1  " + PaletteFolder() + "Atlas1.plt  ", ClassLine(0, 0, 0, 201, "    青（海域）  1:15"),
                          ClassLine(1, 10, 101, 10, "         0m"), ClassLine(500, 90, 80, 70, "       500m"),
                          ClassLine(4000, 255, 255, 255, "     4,000m")}))
        << "shorter than before, with nothing of the old content after it";
}

TEST_F(ColourSets, OkAsksToSaveAPendingChangeButNotForLakesOrBackground)
{
    WriteNumberedSets(2);
    const std::string before = Palette("Atlas2.plt");
    // A set colour changed, then the lakes: OK still asks; declined, nothing is written.
    script->answerColour(RGB(9, 9, 9));
    script->answerColour(RGB(20, 30, 40));
    script->answerMessageBox(vd::IDCANCEL);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(kSwatchIds[1]);
        d.click(kSwatchIds[10]);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1), "1|0|0|202|20|30|40|4|5|6|");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"配色を更新しますか！"}));
    EXPECT_EQ(Palette("Atlas2.plt"), before);

    // The lakes and background alone: nothing asked, the new colours answered.
    script = vd::ui::Script::install();
    script->answerColour(RGB(20, 30, 40));
    script->answerColour(RGB(50, 60, 70));
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(kSwatchIds[10]);
        d.click(kSwatchIds[12]);
        EXPECT_EQ(Swatch(d, kSwatchIds[12]), RGB(50, 60, 70));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1), "1|0|0|202|20|30|40|50|60|70|");
    EXPECT_TRUE(script->messageBoxes().empty());

    // Accepted at OK: the set is updated (asked again by the update itself).
    script = vd::ui::Script::install();
    script->answerColour(RGB(9, 9, 9));
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(kSwatchIds[1]);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1), "1|0|0|202|1|2|3|4|5|6|PaletteChange");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"配色を更新しますか！", "現在選択中の配色を更新します！"}));
    EXPECT_NE(Palette("Atlas2.plt").find(vd::utf8ToCp932(ClassLine(100, 9, 9, 9, "       100m"))), std::string::npos);
}

TEST_F(ColourSets, WithoutAChangeTheEditButtonOpensTheSetInTheEditor)
{
    WriteNumberedSets(1);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(IDC_EDIT);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0), "0|0|0|201|1|2|3|4|5|6|");
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0].front(), "/usr/bin/editor");
    EXPECT_EQ(script->processes()[0].back(), (Home() / "PALETTE" / "Atlas1.plt").string());
}

TEST_F(ColourSets, RegistersANewSetUnderAFileNoListedSetUses)
{
    // Three "atlas" names: the old count would give Atlas4.plt, the file of a listed set.
    WritePalette("PLTTFILE.DAT", {"一$ATLAS1.PLT", "二$atlas4.plt", "三$Atlas2.plt"});
    for (const char* f : {"ATLAS1.PLT", "atlas4.plt", "Atlas2.plt"})
        WritePalette(f, SparseSet(f, 0));
    const std::string fourth = Palette("atlas4.plt");
    script->answerColour(RGB(0, 150, 0));
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.selectCombo(IDC_SET_COMBO, 3);
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 255)) << "a new set starts blue";
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(255, 255, 255)) << "and white at 4,000 m";
        EXPECT_EQ(Swatch(d, kSwatchIds[11]), RGB(0, 0, 0));
        d.click(kSwatchIds[11]);
        EXPECT_EQ(d.text(IDC_EDIT), "新規登録");
        d.click(IDC_EDIT); // no name yet
        d.setComboEditText(IDC_SET_COMBO, "高原の緑");
        d.click(IDC_EDIT);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"一", "二", "三", "高原の緑"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0), "3|0|0|200|1|2|3|4|5|6|PaletteChange") << "the sea of the set last loaded";
    EXPECT_EQ(Texts(), (std::vector<std::string>{"新規に配色を登録します！", "配色の名称を入力してください！",
                                                 "新規に配色を登録します！"}));
    EXPECT_EQ(Palette("PLTTFILE.DAT"), Cp932Lines({"一$ATLAS1.PLT", "二$atlas4.plt", "三$Atlas2.plt", "高原の緑$Atlas3.plt"}));
    EXPECT_EQ(Palette("atlas4.plt"), fourth);
    EXPECT_EQ(Palette("Atlas3.plt"),
              Cp932Lines({";高原の緑  " + PaletteFolder() + "Atlas3.plt  ", ClassLine(0, 0, 0, 255, "    青（海域）  1:15"),
                          ClassLine(1, 0, 150, 0, "         0m"), ClassLine(4000, 255, 255, 255, "     4,000m")}));
}

TEST_F(ColourSets, NineteenSetsOfferNoNewEntryAndLongListsKeepTheirTail)
{
    WriteNumberedSets(19);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(ComboItems(d).size(), 19u);
        EXPECT_EQ(ComboItems(d).back(), "配色19");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(18).substr(0, 3), "18|");

    // 23 lines: 20 listed; deleting one rewrites the list with the three further lines.
    std::vector<std::string> list;
    for (int n = 1; n <= 23; ++n)
        list.push_back(vd::format("配色%d$Atlas%d.plt", n, n));
    WritePalette("PLTTFILE.DAT", list);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(ComboItems(d).size(), 20u);
        EXPECT_EQ(d.text(IDC_MESSAGE), "配色の登録数=20");
        d.click(IDC_DELETE);
        EXPECT_EQ(ComboItems(d).size(), 20u) << "the 21st line moves up";
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(Answer(19), "");
    std::vector<std::string> kept = list;
    kept.erase(kept.begin() + 19);
    EXPECT_EQ(Palette("PLTTFILE.DAT"), Cp932Lines(kept));
}

TEST_F(ColourSets, DeletingRenumbersThePositionNumberedFiles)
{
    WriteNumberedSets(5);
    const std::string fifth = Palette("Atlas5.plt");
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(IDC_DELETE);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"配色1", "配色2", "配色4", "配色5", "新規登録"}));
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 204)) << "the set now in the place is shown";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(2), "2|0|0|204|1|2|3|4|5|6|PaletteChange");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"現在選択中の配色を削除します！"}));
    EXPECT_EQ(Palette("PLTTFILE.DAT"),
              Cp932Lines({"配色1$Atlas1.plt", "配色2$Atlas2.plt", "配色4$Atlas3.plt", "配色5$Atlas4.plt"}));
    EXPECT_EQ(Palette("Atlas4.plt"), fifth);
    EXPECT_FALSE(std::filesystem::exists(Home() / "PALETTE" / "Atlas5.plt"));

    // A declined question, and the new entry, delete nothing.
    script = vd::ui::Script::install();
    script->answerMessageBox(vd::IDCANCEL);
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(IDC_DELETE);
        d.selectCombo(IDC_SET_COMBO, 4);
        d.click(IDC_DELETE);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0), "4|0|0|201|1|2|3|4|5|6|");
    EXPECT_EQ(script->messageBoxes().size(), 1u);
}

TEST_F(ColourSets, ADeletionLeavesTheListNamingTheFilesAsTheyAre)
{
    // Set 2 is not position-numbered; the file set 3 would be renamed to already exists.
    WritePalette("PLTTFILE.DAT", {"一$Atlas1.plt", "二$mine.plt", "三$ATLAS3.PLT"});
    for (const char* f : {"Atlas1.plt", "mine.plt", "ATLAS3.PLT", "Atlas2.plt"})
        WritePalette(f, SparseSet(f, 0));
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.selectCombo(IDC_SET_COMBO, 0);
        d.click(IDC_DELETE);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1).substr(0, 2), "0|");
    EXPECT_EQ(Palette("PLTTFILE.DAT"), Cp932Lines({"二$mine.plt", "三$ATLAS3.PLT"}));
    EXPECT_TRUE(std::filesystem::exists(Home() / "PALETTE" / "ATLAS3.PLT"));
    EXPECT_FALSE(std::filesystem::exists(Home() / "PALETTE" / "Atlas1.plt"));
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_EQ(script->messageBoxes()[1].text, kPaletteWriteFailedMessage);
}

TEST_F(ColourSets, MissingAndDamagedFilesShowBlack)
{
    // No list: only the new entry; its registration cannot be listed and leaves no file.
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"新規登録"}));
        EXPECT_EQ(d.text(IDC_MESSAGE), "配色の登録数=0");
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 0));
        d.setComboEditText(IDC_SET_COMBO, "初めての配色");
        d.click(IDC_EDIT);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0).substr(0, 2), "0|");
    EXPECT_EQ(script->messageBoxes().back().text, kPaletteWriteFailedMessage);
    EXPECT_FALSE(std::filesystem::exists(Home() / "PALETTE" / "Atlas1.plt"));

    // A missing set, a line without "$", short and non-numeric lines, a number past the list.
    WritePalette("PLTTFILE.DAT", {"無い$gone.plt", "ドルなし", "壊れ$broken.plt"});
    WritePalette("broken.plt", {"   0  12", "   1 abc  40  50", "4000 255 255 2"});
    script = vd::ui::Script::install();
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(0, 0, 0));
        d.selectCombo(IDC_SET_COMBO, 1);
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(0, 0, 0));
        d.selectCombo(IDC_SET_COMBO, 2);
        EXPECT_EQ(Swatch(d, kSwatchIds[0]), RGB(12, 0, 0));
        EXPECT_EQ(Swatch(d, kSwatchIds[11]), RGB(0, 40, 50));
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(255, 255, 2));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(0), "2|12|0|0|1|2|3|4|5|6|");
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_SET_COMBO), "");
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(0, 0, 0));
        d.click(IDC_CHECK_MODE);
        EXPECT_EQ(Swatch(d, kSwatchIds[9]), RGB(0, 0, 0));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(7), "7|0|0|0|1|2|3|4|5|6|");

    // The line without a file can be deleted.
    script->answerDialog(kModule, 177, [](vd::DialogDriver& d) {
        d.click(IDC_DELETE);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"無い", "壊れ", "新規登録"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(1), "1|12|0|0|1|2|3|4|5|6|PaletteChange");
    EXPECT_EQ(Palette("PLTTFILE.DAT"), Cp932Lines({"無い$gone.plt", "壊れ$broken.plt"}));
}

} // namespace
