// The data file catalogue through OnDataSourceSet: the list from BINDER.DAT, the position and
// what the map will show, registration and deletion with the bytes they leave in the file, the
// answer, and the refusals.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/DataFilesDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;

constexpr const char* kShowsCommon = "HD(共通領域)のﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。";
constexpr const char* kShowsBoth = "HD(共通領域)と指定の２つのﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。";
constexpr const char* kShowsChosen = "指定のﾃﾞｰﾀﾌｧｲﾙが地図に表示されます。";

std::vector<std::string> ComboItems(vd::DialogDriver& d)
{
    std::vector<std::string> items;
    auto* combo = d.dialog().item<vd::ComboBox>(datafilesids::IDC_FILE_COMBO);
    for (int i = 0; i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        choose = EntryPoint<OnDataSourceSet_fn>("OnDataSourceSet");
        ASSERT_NE(choose, nullptr);
        folder = HomeWin() + "SOURCE\\";
        std::filesystem::create_directories(Home() / "SOURCE");
    }
    void WriteBinder(const std::vector<std::string>& lines) { WriteHomeFile("SOURCE/BINDER.DAT", Cp932Lines(lines)); }
    static std::string Binder() { return ReadHomeFile("SOURCE/BINDER.DAT"); }

    std::shared_ptr<vd::ui::Script> script;
    OnDataSourceSet_fn* choose = nullptr;
    std::string folder;
};

TEST_F(DataFiles, ListsTheCatalogueAndAnswersTheChoice)
{
    WriteBinder({"; 題名の一覧", "北海道の旅", "; 途中の注記", "", "京都の寺", "沖縄の海"});
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "         データファイルの登録と選択");
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"HD(共通領域)", "北海道の旅", "京都の寺", "沖縄の海"}));
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  1/  4");
        EXPECT_EQ(d.text(datafilesids::IDC_FILE_COMBO), "HD(共通領域)");
        EXPECT_FALSE(d.isChecked(datafilesids::IDC_USE_COMMON));
        EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsCommon);
        d.selectCombo(datafilesids::IDC_FILE_COMBO, 2);
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  3/  4");
        EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsCommon) << "the selection alone does not tell it again";
        d.click(datafilesids::IDC_USE_COMMON);
        EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsBoth);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "off", folder), "2|on|京都の寺");

    // The caller's choice and word come back into the dialog; a cancel answers nothing.
    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, CDlgDataFiles::IDD, [cancel](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  2/  4");
            EXPECT_EQ(d.text(datafilesids::IDC_FILE_COMBO), "北海道の旅");
            EXPECT_TRUE(d.isChecked(datafilesids::IDC_USE_COMMON));
            EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsBoth);
            d.click(datafilesids::IDC_USE_COMMON);
            EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsChosen);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(choose(1, "on", folder), "") << i;

    // An unset word leaves the box clear, and a click turns it on.
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(datafilesids::IDC_USE_COMMON));
        d.click(datafilesids::IDC_USE_COMMON);
        EXPECT_TRUE(d.isChecked(datafilesids::IDC_USE_COMMON));
        EXPECT_EQ(d.text(datafilesids::IDC_SHOWN), kShowsBoth);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(3, "", folder), "3|on|沖縄の海");

    // A negative choice is the common area.
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(choose(-3, "off", folder), "0|off|HD(共通領域)");
    EXPECT_TRUE(script->unanswered().empty());
}

TEST_F(DataFiles, RegistersOnceAndDeletesByRewritingTheTitles)
{
    WriteBinder({"; 題名の一覧", "北海道の旅", "京都の寺", "沖縄の海"});
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        d.setText(datafilesids::IDC_NEW_TITLE, "信州の山");
        d.click(datafilesids::IDC_REGISTER);
        EXPECT_EQ(d.text(datafilesids::IDC_NEW_TITLE), "登録されました！");
        EXPECT_EQ(d.text(datafilesids::IDC_FILE_COMBO), "信州の山");
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  1/  4") << "the position is not refreshed by a registration";
        d.click(datafilesids::IDC_REGISTER);
        EXPECT_EQ(ComboItems(d).size(), 5u) << "the second press finds the confirmation";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "off", folder), "4|off|信州の山");
    EXPECT_EQ(Binder(), Cp932Lines({"; 題名の一覧", "北海道の旅", "京都の寺", "沖縄の海", "信州の山"}));

    // Deleting the second title rewrites the titles without the comment; the list is read again.
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        d.click(datafilesids::IDC_DELETE);
        EXPECT_EQ(ComboItems(d).size(), 5u) << "the common area cannot be deleted";
        d.selectCombo(datafilesids::IDC_FILE_COMBO, 2);
        d.click(datafilesids::IDC_DELETE);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"HD(共通領域)", "北海道の旅", "沖縄の海", "信州の山"}));
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  1/  4");
        EXPECT_EQ(d.text(datafilesids::IDC_FILE_COMBO), "HD(共通領域)");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(choose(0, "off", folder), "");
    EXPECT_EQ(Binder(), Cp932Lines({"北海道の旅", "沖縄の海", "信州の山"})) << "kept although cancelled";

    // A registration and a deletion in one dialog: the new title stays.
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        d.setText(datafilesids::IDC_NEW_TITLE, "四国の島");
        d.click(datafilesids::IDC_REGISTER);
        d.selectCombo(datafilesids::IDC_FILE_COMBO, 1);
        d.click(datafilesids::IDC_DELETE);
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"HD(共通領域)", "沖縄の海", "信州の山", "四国の島"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "on", folder), "0|on|HD(共通領域)");
    EXPECT_EQ(Binder(), Cp932Lines({"沖縄の海", "信州の山", "四国の島"}));
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(DataFiles, RefusesTitlesThatWouldNotReadBackAndNeverCreatesTheCatalogue)
{
    WriteBinder({"; 題名の一覧", "北海道の旅"});
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        for (const char* refused : {"", ";注記のような題名", "登録の題名"}) {
            d.setText(datafilesids::IDC_NEW_TITLE, refused);
            d.click(datafilesids::IDC_REGISTER);
            EXPECT_EQ(ComboItems(d).size(), 2u) << refused;
        }
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, "off", folder), "1|off|北海道の旅");
    EXPECT_EQ(Binder(), Cp932Lines({"; 題名の一覧", "北海道の旅"}));
    EXPECT_TRUE(script->messageBoxes().empty()) << "a refused title is not reported";

    // Without a catalogue: the common area alone, and a title that cannot be written is not listed.
    std::filesystem::remove(Home() / "SOURCE/BINDER.DAT");
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(ComboItems(d), (std::vector<std::string>{"HD(共通領域)"}));
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  1/  1");
        d.setText(datafilesids::IDC_NEW_TITLE, "新しい題名");
        d.click(datafilesids::IDC_REGISTER);
        EXPECT_EQ(ComboItems(d).size(), 1u);
        EXPECT_EQ(d.text(datafilesids::IDC_NEW_TITLE), "新しい題名");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "off", folder), "0|off|HD(共通領域)");
    EXPECT_FALSE(std::filesystem::exists(Home() / "SOURCE/BINDER.DAT"));
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("BINDER.DAT"), std::string::npos);
}

TEST_F(DataFiles, AFullCatalogueTakesNoMoreTitles)
{
    std::vector<std::string> lines;
    for (int n = 1; n <= 120; ++n)
        lines.push_back("資料" + std::to_string(n));
    WriteBinder(lines);
    script->answerDialog(kModule, CDlgDataFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(ComboItems(d).size(), 100u);
        EXPECT_EQ(d.text(datafilesids::IDC_POSITION), "  1/100");
        d.setText(datafilesids::IDC_NEW_TITLE, "もう一つ");
        d.click(datafilesids::IDC_REGISTER);
        EXPECT_EQ(ComboItems(d).size(), 100u);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "off", folder), "0|off|HD(共通領域)");
    EXPECT_EQ(Binder(), Cp932Lines(lines));
}

} // namespace
