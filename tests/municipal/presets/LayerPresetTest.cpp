// The layer-combination preset dialog through OnNationDataPreset, answered by the ui script as a
// user would: registering under the script's clock, choosing a stored preset, the names shown
// for each family, and the list opened in the editor.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using prefmap_test::MapFolder;

constexpr int kPresetDialog = 130;
constexpr int kNameDialog = 131;
constexpr int kNames = 1008;
constexpr int kPresets = 1009;
constexpr int kRegister = 1010;
constexpr int kEdit = 1013;

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Selection strings with the given places set to 1.
std::string Selection(std::size_t length, std::initializer_list<std::size_t> ones)
{
    std::string s(length, '0');
    for (std::size_t at : ones)
        s[at] = '1';
    return s;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = 30;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::vector<std::string> Items(vd::DialogDriver& d, int id)
{
    std::vector<std::string> items;
    if (auto* list = d.dialog().item<vd::ListBox>(id))
        for (int i = 0; i < list->GetCount(); ++i)
            items.push_back(list->GetText(i));
    if (auto* combo = d.dialog().item<vd::ComboBox>(id))
        for (int i = 0; i < combo->GetCount(); ++i)
            items.push_back(combo->GetLBText(i));
    return items;
}

class LayerPresets : public ::testing::Test {
protected:
    void SetUp() override { script = vd::ui::Script::install(); }

    std::string Bytes(const std::string& name) const
    {
        std::ifstream in(std::filesystem::path(std::getenv("VELDORAN_HOME")) / TestName() / name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    bool Exists(const std::string& name) const
    {
        return std::filesystem::exists(std::filesystem::path(std::getenv("VELDORAN_HOME")) / TestName() / name);
    }

    // The program's call with one point row (tab 2 row 1) and one line row (tab 1 row 2) selected.
    std::string Run(vd::ui::Script::DialogActions actions, int presetIndex = 0)
    {
        script->answerDialog(kSurrickModule, kPresetDialog, std::move(actions));
        return OnNationDataPreset(presetIndex, flags[0], flags[1], flags[2], flags[3], flags[4], flags[5], flags[6],
                                  flags[7], s[0], s[1], s[2], s[3], s[4], s[5], s[6], folder.Windows(), editor);
    }
    // Registers under a name at a time.
    void Register(const std::string& name, std::time_t at)
    {
        script->setNow(at);
        script->answerDialog(kSurrickModule, kNameDialog, [name](vd::DialogDriver& d) {
            d.setText(1012, name);
            d.click(vd::IDOK);
        });
        EXPECT_EQ(Run([](vd::DialogDriver& d) {
                      d.click(kRegister);
                      d.click(vd::IDCANCEL);
                  }),
                  "");
    }

    std::shared_ptr<vd::ui::Script> script;
    MapFolder folder{TestName()};
    std::string editor = "/bin/true";
    int flags[8] = {1, 1, -1, -1, -1, -1, -1, -1};
    std::string s[7] = {Selection(42, {1}),
                        Selection(49, {7}),
                        Selection(21, {}),
                        Selection(14, {}),
                        "000000000|rest|0000",
                        "0000|一|二",
                        Selection(7, {})};
};

TEST_F(LayerPresets, RegistrationNamesFilesByTheClockAndWritesThemWhole)
{
    folder.WriteText("LINKDATA/DdPreset.dat", {"; presets"});
    struct Case {
        std::time_t at;
        const char* file;
    };
    const Case cases[] = {
        {LocalTime(2026, 1, 5, 7, 3), "26105703.pst"},
        {LocalTime(2026, 11, 30, 23, 59), "26B30N59.pst"},
        {LocalTime(2009, 12, 9, 10, 0), "09C09A00.pst"},
        // The same minute again: the next free minute, the first preset kept.
        {LocalTime(2026, 1, 5, 7, 3), "26105704.pst"},
    };
    std::string list = "; presets\r\n";
    for (const Case& c : cases) {
        Register(std::string("組合せ ") + c.file, c.at);
        list += std::string("組合せ ") + c.file + " " + c.file + "\r\n";
        EXPECT_EQ(Bytes(std::string("LINKDATA/") + c.file),
                  s[0] + "\r\n" + s[1] + "\r\n" + s[2] + "\r\n" + s[3] + "\r\n" + s[4] + "\r\n" +
                      vd::utf8ToCp932(s[5]) + "\r\n" + s[6] + "\r\n" + "11999999\r\n")
            << c.file;
    }
    EXPECT_EQ(Bytes("LINKDATA/DdPreset.dat"), vd::utf8ToCp932(list));
}

TEST_F(LayerPresets, RegistrationIsRefusedWithoutANameAListOrASelection)
{
    // An empty name: a message, nothing written.
    folder.WriteText("LINKDATA/DdPreset.dat", {"; presets"});
    script->answerDialog(kSurrickModule, kNameDialog, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    Run([](vd::DialogDriver& d) { d.click(kRegister); });
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "名称が入力されていません。");
    EXPECT_EQ(Bytes("LINKDATA/DdPreset.dat"), "; presets\r\n");

    // No list: a message, no preset file.
    std::filesystem::remove(std::filesystem::path(std::getenv("VELDORAN_HOME")) / TestName() / "LINKDATA/DdPreset.dat");
    script->setNow(LocalTime(2026, 1, 5, 7, 3));
    Register("名前", LocalTime(2026, 1, 5, 7, 3));
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_FALSE(Exists("LINKDATA/26105703.pst"));
    EXPECT_FALSE(Exists("LINKDATA/DdPreset.dat"));

    // No selected row: nothing to show, the name is never asked.
    s[0] = Selection(42, {});
    s[1] = Selection(49, {});
    std::vector<std::string> names;
    const auto runs = script->dialogsRun().size();
    Run([&](vd::DialogDriver& d) {
        names = Items(d, kNames);
        d.click(kRegister);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(names, std::vector<std::string>{"選択されていません！"});
    EXPECT_EQ(script->dialogsRun().size(), runs + 1);
}

TEST_F(LayerPresets, ChoosingAPresetGivesItsStringsAndIndex)
{
    std::vector<std::string> list{"; presets", ""};
    for (int i = 1; i <= 5; ++i) {
        const std::string file = "P" + std::to_string(i) + ".pst";
        list.push_back("名前 " + std::to_string(i) + " " + file);
        folder.WriteText("LINKDATA/" + file, {"; comment", "", "a" + std::to_string(i), "b", "c", "d",
                                              "e|text|", "f|地質", "g", "19199999"});
    }
    folder.WriteText("LINKDATA/DdPreset.dat", list);
    std::vector<std::string> combo;
    std::string button;
    const std::string answer = Run([&](vd::DialogDriver& d) {
        combo = Items(d, kPresets);
        d.selectCombo(kPresets, 3);
        button = d.text(kRegister);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(combo, (std::vector<std::string>{"今の選択データ", "名前 1", "名前 2", "名前 3", "名前 4", "名前 5"}));
    EXPECT_EQ(button, "3/5");
    EXPECT_EQ(answer, "a3/b/c/d/e|text|/f|地質/g#3");

    // Entry 0 again, and Cancel: no answer.
    EXPECT_EQ(Run([&](vd::DialogDriver& d) {
                  d.selectCombo(kPresets, 2);
                  d.selectCombo(kPresets, 0);
                  button = d.text(kRegister);
                  d.click(vd::IDOK);
              }),
              "");
    EXPECT_EQ(button, "登録");
    EXPECT_EQ(Run([&](vd::DialogDriver& d) {
                  d.selectCombo(kPresets, 2);
                  d.click(vd::IDCANCEL);
              }),
              "");
    // Opened on preset 2: the button shows it before anything is chosen.
    Run([&](vd::DialogDriver& d) { button = d.text(kRegister); }, 2);
    EXPECT_EQ(button, "2/5");
}

TEST_F(LayerPresets, ANameWithBlanksFindsItsPresetAgain)
{
    folder.WriteText("LINKDATA/DdPreset.dat", {"; presets", "without-a-blank"});
    Register("関東 の 道路", LocalTime(2026, 3, 1, 12, 0));
    std::vector<std::string> combo;
    const std::string answer = Run([&](vd::DialogDriver& d) {
        combo = Items(d, kPresets);
        d.selectCombo(kPresets, 1);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(combo, (std::vector<std::string>{"今の選択データ", "関東 の 道路"}));
    EXPECT_EQ(answer, s[0] + "/" + s[1] + "/" + s[2] + "/" + s[3] + "/" + s[4] + "/" + s[5] + "/" + s[6] + "#1");
}

TEST_F(LayerPresets, ListBoxShowsEachFamilyUnderItsHeader)
{
    folder.WriteText("DddPFile.dat", {"; points", "T1_1=学校", "F2_1=KSJ\\P02.txt", "T1_4=x", "T6_5=病院"});
    folder.WriteText("DddMFile.dat", {"T1_1=道路", "T3_1=鉄道", "T2_1=海岸線", "T7_5=行政界"});
    folder.WriteText("DDDSFILE.DAT", {"T1_1=湖沼", "T3_2=森林"});
    folder.WriteText("DDMSFILE.DAT", {"T1_1=植生", "T1_2=x", "T2_2=x"});
    folder.WriteText("DDMCFILE.DAT", {"T1_1=工業", "T1_3=古い", "T1_3=商業"});
    folder.WriteText("DDFTFILE.DAT", {"F1_1=A", "F1_3=B"});
    for (int f = 0; f < 8; ++f)
        flags[f] = 1;
    s[0] = Selection(42, {0, 1, 18, 29}); // tab1 row1, tab2 row1 (file only), tab1 row4, tab6 row5
    s[1] = Selection(49, {0, 1, 2, 34});  // tabs 1, 2, 3 of row 1 (shown 1, 3, 2), tab 7 row 5
    s[2] = Selection(21, {0, 5});         // tab1 row1, tab3 row2
    s[3] = Selection(14, {0, 2, 3});      // tab1 rows 1 and 2, tab2 row2
    s[4] = "1110|名前|";                   // rows 1-3; row 2 has no file line
    s[5] = "112";                          // both geology meshes, landform classification
    s[6] = "10100";
    std::vector<std::string> names;
    Run([&](vd::DialogDriver& d) {
        names = Items(d, kNames);
        d.click(vd::IDOK);
    });
    const std::vector<std::string> expected{
        "点データ -------------", "　学校", "　KSJ\\P02.txt", "　ダム", "　病院",
        "線データ -------------", "　道路", "　鉄道", "　海岸線", "　行政界",
        "面データ -------------", "　湖沼", "　森林",
        "３次ﾒｯｼｭ(自然) -------", "　植生", "　指定地域", "　沿岸海域",
        "３次ﾒｯｼｭ(産業) -------", "　工業", "　商業",
        "1/10細分ﾒｯｼｭ ---------", "　土地利用", "　流域・非集水域",
        "自然地形ﾒｯｼｭ ---------", "　自然地形メッシュ(地形分類)",
        "土地分類･谷密度ﾒｯｼｭ --", "　土地分類メッシュ(地形分類)",
    };
    EXPECT_EQ(names, expected);
}

TEST_F(LayerPresets, EditOpensTheListAndReadsItAgain)
{
    folder.WriteText("LINKDATA/DdPreset.dat", {"一 A.pst"});
    std::vector<std::string> before, after;
    Run([&](vd::DialogDriver& d) {
        before = Items(d, kPresets);
        folder.WriteText("LINKDATA/DdPreset.dat", {"一 A.pst", "二 B.pst"});
        d.click(kEdit);
        after = Items(d, kPresets);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(before, (std::vector<std::string>{"今の選択データ", "一"}));
    EXPECT_EQ(after, (std::vector<std::string>{"今の選択データ", "一", "二"}));
    ASSERT_FALSE(script->processes().empty());
    EXPECT_EQ(script->processes().back().back(), vd::ui::toLinuxForm(folder.Windows() + "LINKDATA\\DdPreset.dat"));
}

} // namespace
