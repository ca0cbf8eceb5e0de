// Surrick's statistics dialogs through their entry points, answered by the ui script as a user
// would: the display settings (228) and their result string, the data entry (229) with the file
// it writes and the catalogue line, the data editing (230) with the editor it starts.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/statistics/PrefectureDataEditDialog.h"
#include "municipal/statistics/PrefectureDataEntryDialog.h"
#include "municipal/statistics/StatisticsDisplayDialog.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using prefmap_test::MapFolder;

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class StatisticsDialogs : public ::testing::Test {
protected:
    void SetUp() override { script = vd::ui::Script::install(); }

    std::filesystem::path Linux(const std::string& name) const
    {
        return std::filesystem::path(std::getenv("VELDORAN_HOME")) / name;
    }
    // A data set whose first value is the given text; its Windows-form path.
    std::string WriteSet(const std::string& name, const std::string& dataName, const std::string& firstValue)
    {
        std::vector<std::string> lines{";" + std::string(10, '-'), "", "データ名称=" + dataName,
                                       "北海道 " + firstValue};
        for (int k = 1; k < 47; ++k)
            lines.push_back("県 " + std::to_string(k));
        folder.WriteText("MAPELMNT/" + name, lines);
        return folder.Windows() + "MAPELMNT\\" + name;
    }
    void WriteCatalogue(const std::vector<std::string>& paths)
    {
        std::vector<std::string> lines{"; catalogue", ""};
        lines.insert(lines.end(), paths.begin(), paths.end());
        folder.WriteText("MAPELMNT/PfctrFl.dat", lines);
    }
    // The settings dialog with the program's arguments (show, graticule, type, colour, borders,
    // border colour, kind, index, background, choropleth, classes), the actions as the answer.
    std::string RunSettings(std::vector<int> a, const std::string& name, const std::string& file,
                            vd::ui::Script::DialogActions actions)
    {
        script->answerDialog(kSurrickModule, CDlgLocalDataDsp::IDD, std::move(actions));
        return OnLocalDataDspSet(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], name, file,
                                 folder.Windows(), "");
    }

    std::shared_ptr<vd::ui::Script> script;
    MapFolder folder;
};

TEST_F(StatisticsDialogs, ChoosingASetAndSettingsGivesTheFieldsInResultOrder)
{
    const std::string area = WriteSet("AREA.DAT", "面積", "83424");
    const std::string people = WriteSet("PEOPLE.DAT", "人口=2020年", "1234.5");
    WriteCatalogue({area, area, people});
    std::string caption;
    const std::string result =
        RunSettings({-1, 0, 0, 0, 10, 0, 0, -1, 0, 0, 0}, "", "", [&](vd::DialogDriver& d) {
            caption = d.caption();
            d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, 2);
            EXPECT_TRUE(d.isChecked(statisticsdisplayids::IDC_SHOW));
            EXPECT_TRUE(d.isChecked(statisticsdisplayids::IDC_BORDERS)); // borders 10 arrive as 1
            EXPECT_EQ(d.text(statisticsdisplayids::IDC_DATA_TYPE), "種別：数値型データ");
            EXPECT_EQ(d.text(statisticsdisplayids::IDC_RAW_VALUES), "入力した数値");
            EXPECT_EQ(d.text(statisticsdisplayids::IDC_DATA_NAME), "人口=2020年");
            d.click(statisticsdisplayids::IDC_RED);
            d.click(statisticsdisplayids::IDC_GREEN);
            d.click(statisticsdisplayids::IDC_FIRST_KIND + 2);
            d.click(statisticsdisplayids::IDC_TRANSPARENT);
            d.click(statisticsdisplayids::IDC_TEN_CLASSES);
            d.click(vd::IDOK);
        });
    EXPECT_EQ(caption, "都道府県別データ表示");
    EXPECT_EQ(result, "1|1|1|1|2|3|0|2|1|1|1|＊人口=2020年|" + people);
}

TEST_F(StatisticsDialogs, ShowBoxKeepsTheChosenSetWhileToggled)
{
    const std::string set = WriteSet("A.DAT", "人口", "5");
    WriteCatalogue({set});
    struct Case {
        const char* what;
        int clicks;
        std::string result;
    };
    const Case cases[] = {
        {"unchecked", 1, "-999"},
        {"unchecked and checked again", 2, "1|1|0|1|0|0|1|0|0|1|0|＊人口|" + set},
        {"untouched", 0, "1|1|0|1|0|0|1|0|0|1|0|＊人口|" + set},
    };
    for (const Case& c : cases) {
        const std::string result =
            RunSettings({1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0}, "＊人口", set, [&](vd::DialogDriver& d) {
                EXPECT_EQ(d.text(statisticsdisplayids::IDC_DATA_NAME), "人口");
                for (int i = 0; i < c.clicks; ++i)
                    d.click(statisticsdisplayids::IDC_SHOW);
                d.click(vd::IDOK);
            });
        EXPECT_EQ(result, c.result) << c.what;
    }
}

TEST_F(StatisticsDialogs, OkWithoutSetAndCancel)
{
    EXPECT_EQ(RunSettings({-1, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0}, "", "", [](vd::DialogDriver& d) { d.click(vd::IDOK); }),
              "-999");
    EXPECT_EQ(RunSettings({1, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0}, "＊a", "Z:\\a.dat",
                          [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); }),
              "");
}

TEST_F(StatisticsDialogs, FirstValueDecidesTextOrNumericData)
{
    struct Case {
        const char* value;
        bool numeric;
    };
    const Case cases[] = {{"1234.5", true}, {"-42", true}, {"00123", false}, {"東京", false}, {"", false}, {" 12", false}};
    for (const Case& c : cases) {
        const std::string set = WriteSet("T.DAT", "種類", c.value);
        WriteCatalogue({set});
        const std::string result = RunSettings({-1, 0, 1, 0, 0, 0, 0, -1, 0, 1, 0}, "", "", [&](vd::DialogDriver& d) {
            d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, 0);
            EXPECT_EQ(d.text(statisticsdisplayids::IDC_DATA_TYPE),
                      c.numeric ? "種別：数値型データ" : "種別：文字型データ")
                << c.value;
            EXPECT_EQ(d.text(statisticsdisplayids::IDC_RAW_VALUES), c.numeric ? "入力した数値" : "入力した文字")
                << c.value;
            EXPECT_EQ(d.isChecked(statisticsdisplayids::IDC_CHOROPLETH), c.numeric) << c.value;
            // Text data refuse every chart and ratio kind and the choropleth.
            d.click(statisticsdisplayids::IDC_LAST_KIND);
            d.click(statisticsdisplayids::IDC_CHOROPLETH);
            EXPECT_EQ(d.isChecked(statisticsdisplayids::IDC_LAST_KIND), c.numeric) << c.value;
            EXPECT_EQ(d.isChecked(statisticsdisplayids::IDC_RAW_VALUES), !c.numeric) << c.value;
            EXPECT_FALSE(d.isChecked(statisticsdisplayids::IDC_CHOROPLETH)) << c.value;
            d.click(vd::IDOK);
        });
        const std::string expected = c.numeric ? "1|1|0|0|0|11|0|0|0|0|0|＊種類|" : "1|0|0|0|0|0|0|0|0|0|0|＊種類|";
        EXPECT_EQ(result, expected + set) << c.value;
    }
}

TEST_F(StatisticsDialogs, OpeningChecksTheGivenKind)
{
    using namespace statisticsdisplayids;
    for (const auto& [kind, radio] :
         {std::pair{11, IDC_LAST_KIND}, std::pair{0, IDC_RAW_VALUES}, std::pair{3, IDC_FIRST_KIND + 2}}) {
        // Structured bindings are captured by name (clang 14 cannot capture them implicitly).
        RunSettings({1, 0, 1, 0, 0, 0, kind, -1, 0, 0, 0}, "", "",
                    [&, kind = kind, radio = radio](vd::DialogDriver& d) {
            for (int id : {IDC_RAW_VALUES, IDC_FIRST_KIND, IDC_FIRST_KIND + 2, IDC_LAST_KIND})
                EXPECT_EQ(d.isChecked(id), id == radio) << kind << " " << id;
            d.click(vd::IDOK);
        });
    }
}

TEST_F(StatisticsDialogs, SetThatCannotBeReadIsNamedAndTheSetBeforeStays)
{
    const std::string missing = folder.Windows() + "MAPELMNT\\NONE.DAT";
    const std::string headerOnly = folder.Windows() + "MAPELMNT\\HEAD.DAT";
    const std::string old = WriteSet("OLD.DAT", "旧", "5");
    folder.WriteText("MAPELMNT/HEAD.DAT", {"データ名称=見出しだけ"});
    WriteCatalogue({old, missing, headerOnly});
    struct Case {
        int index;
        std::string message;
    };
    for (const Case& c : {Case{1, missing + " を開けません。"}, Case{2, headerOnly + " に都道府県のデータがありません。"}}) {
        const std::size_t shown = script->messageBoxes().size();
        const std::string result =
            RunSettings({1, 0, 1, 0, 0, 0, 5, 0, 0, 1, 0}, "＊旧", old, [&](vd::DialogDriver& d) {
                d.selectCombo(statisticsdisplayids::IDC_CATALOGUE, c.index);
                EXPECT_EQ(d.text(statisticsdisplayids::IDC_DATA_NAME), "旧");
                EXPECT_EQ(d.text(statisticsdisplayids::IDC_CATALOGUE), old) << "the choice goes back";
                d.click(vd::IDOK);
            });
        ASSERT_EQ(script->messageBoxes().size(), shown + 1) << c.index;
        EXPECT_EQ(script->messageBoxes().back().text, c.message);
        EXPECT_EQ(result, "1|1|0|0|0|5|0|0|0|1|0|＊旧|" + old);
    }
}

TEST_F(StatisticsDialogs, MissingCatalogueLeavesTheListEmpty)
{
    RunSettings({-1, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0}, "", "", [](vd::DialogDriver& d) {
        auto& combo = dynamic_cast<vd::ComboBox&>(d.control(statisticsdisplayids::IDC_CATALOGUE));
        EXPECT_EQ(combo.GetCount(), 0);
        d.click(vd::IDOK);
    });
}

// ---- data entry (229)

class DataEntry : public StatisticsDialogs {
protected:
    std::string TypedExample(vd::DialogDriver& d)
    {
        d.setText(prefecturedataentryids::IDC_DATA_NAME, "人口=2020");
        d.setText(prefecturedataentryids::IDC_FIRST_VALUE, "5224614");
        d.setText(prefecturedataentryids::IDC_FIRST_VALUE + 12, ""); // 東京都
        d.setText(prefecturedataentryids::IDC_FIRST_VALUE + 46, "1467480");
        d.click(vd::IDOK);
        return {};
    }
    static std::string ExpectedFile()
    {
        const char* names[] = {"北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "茨城県",
                               "栃木県", "群馬県", "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県",
                               "石川県", "福井県", "山梨県", "長野県", "岐阜県", "静岡県", "愛知県", "三重県",
                               "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県", "鳥取県", "島根県",
                               "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
                               "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};
        const std::string rule = ";" + std::string(71, '-');
        std::string text = rule + "\r\n; 行頭のセミコロン(;)は、この行がメモ文と宣言\r\n; 一行にに１地点のデータを記述する\r\n"
                                  ";\r\n;  ＜データの並び＞\r\n;  １行目   データ名称\r\n;  都道府県 データ\r\n" +
                           rule + "\r\nデータ名称=人口=2020\r\n";
        for (int k = 0; k < 47; ++k)
            text += std::string(names[k]) + " " + (k == 0 ? "5224614" : k == 46 ? "1467480" : "") + "\r\n";
        return vd::utf8ToCp932(text);
    }
    std::string Run(vd::ui::Script::DialogActions actions)
    {
        script->answerDialog(kSurrickModule, CDlgLclDataRgst::IDD, std::move(actions));
        OnLclDataRgst(folder.Windows());
        return {};
    }
};

TEST_F(DataEntry, WritesTheSetAndAddsItToTheCatalogue)
{
    const std::string path = folder.Windows() + "MAPELMNT\\新しい.dat";
    std::filesystem::create_directories(Linux("MAPELMNT"));
    script->answerFileDialog(path);
    bool ended = false;
    std::string caption;
    Run([&](vd::DialogDriver& d) {
        caption = d.caption();
        TypedExample(d);
        ended = d.ended();
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(caption, "都道府県別データ");
    ASSERT_EQ(script->fileDialogs().size(), 1u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.defaultExt, "dat");
    EXPECT_EQ(asked.initialName, "*.dat");
    EXPECT_EQ(asked.filter, "都道府県別ﾃﾞｰﾀ files (*.dat)|*.dat|All files (*.*)|*.*||");
    EXPECT_EQ(ReadBytes(Linux("MAPELMNT/新しい.dat")), ExpectedFile());
    // The catalogue was missing: it is created with the one line.
    EXPECT_EQ(ReadBytes(Linux("MAPELMNT/PfctrFl.dat")), vd::utf8ToCp932(path) + "\r\n");
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(DataEntry, AppendsToAnExistingCatalogue)
{
    folder.WriteText("MAPELMNT/PfctrFl.dat", {"Z:\\first.dat"});
    const std::string path = folder.Windows() + "MAPELMNT\\B.DAT";
    script->answerFileDialog(path);
    Run([&](vd::DialogDriver& d) { TypedExample(d); });
    EXPECT_EQ(ReadBytes(Linux("MAPELMNT/PfctrFl.dat")), vd::utf8ToCp932("Z:\\first.dat\r\n" + path + "\r\n"));
}

TEST_F(DataEntry, ReplacingAFileIsConfirmedFirst)
{
    folder.WriteText("MAPELMNT/県別人口.DAT", {"データ名称=人口"});
    const std::string before = ReadBytes(Linux("MAPELMNT/県別人口.DAT"));
    const std::string path = folder.Windows() + "MAPELMNT\\県別人口.DAT";

    script->answerFileDialog(path);
    script->answerMessageBox(vd::IDNO);
    bool ended = true;
    Run([&](vd::DialogDriver& d) {
        TypedExample(d);
        ended = d.ended();
    });
    EXPECT_FALSE(ended);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].style & 0xF, vd::MB_YESNO);
    EXPECT_NE(script->messageBoxes()[0].text.find(path), std::string::npos);
    EXPECT_EQ(ReadBytes(Linux("MAPELMNT/県別人口.DAT")), before);
    EXPECT_FALSE(std::filesystem::exists(Linux("MAPELMNT/PfctrFl.dat")));

    script->answerFileDialog(path);
    script->answerMessageBox(vd::IDYES);
    Run([&](vd::DialogDriver& d) {
        TypedExample(d);
        ended = d.ended();
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(ReadBytes(Linux("MAPELMNT/県別人口.DAT")), ExpectedFile());
}

TEST_F(DataEntry, CancelledSaveWritesNothingAndStaysOpen)
{
    script->cancelFileDialog();
    bool ended = true;
    Run([&](vd::DialogDriver& d) {
        TypedExample(d);
        ended = d.ended();
    });
    EXPECT_FALSE(ended);
    EXPECT_FALSE(std::filesystem::exists(Linux("MAPELMNT/PfctrFl.dat")));
}

TEST_F(DataEntry, FileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen)
{
    // A data file in a folder that is not there; a catalogue whose name is a folder.
    const std::string unwritable = folder.Windows() + "NOFOLDER\\X.DAT";
    std::filesystem::create_directories(Linux("MAPELMNT/PfctrFl.dat"));
    const std::string writable = folder.Windows() + "Y.DAT";
    for (const std::string& path : {unwritable, writable}) {
        script = vd::ui::Script::install();
        script->answerFileDialog(path);
        bool ended = true;
        Run([&](vd::DialogDriver& d) {
            TypedExample(d);
            ended = d.ended();
        });
        EXPECT_FALSE(ended) << path;
        ASSERT_EQ(script->messageBoxes().size(), 1u) << path;
        const std::string named = path == unwritable ? path : folder.Windows() + "MAPELMNT\\PfctrFl.dat";
        EXPECT_NE(script->messageBoxes()[0].text.find(named), std::string::npos) << script->messageBoxes()[0].text;
    }
}

// ---- data editing (230)

TEST_F(StatisticsDialogs, EditingStartsTheEditorOnTheChosenSetOrTheCatalogue)
{
    const std::string a = WriteSet("A.DAT", "a", "1");
    const std::string b = WriteSet("B B.DAT", "b", "2");
    WriteCatalogue({a, b});
    const std::string editor = "/bin/true";

    script->answerDialog(kSurrickModule, CDlgLclDataUpdt::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(vd::IDOK), "データの編集");
        EXPECT_EQ(d.text(prefecturedataeditids::IDC_EDIT_CATALOGUE), "ﾃﾞｰﾀﾌｧｲﾙの更新");
        d.click(vd::IDOK); // nothing chosen: stays open
        EXPECT_FALSE(d.ended());
        EXPECT_TRUE(script->processes().empty());
        d.click(prefecturedataeditids::IDC_EDIT_CATALOGUE);
        EXPECT_FALSE(d.ended());
        d.selectCombo(prefecturedataeditids::IDC_CATALOGUE, 1);
        d.click(vd::IDOK);
        EXPECT_TRUE(d.ended());
    });
    OnLclDataUpdt(folder.Windows(), editor);
    ASSERT_EQ(script->processes().size(), 2u);
    EXPECT_EQ(script->processes()[0].front(), editor);
    EXPECT_EQ(script->processes()[0].back(), Linux("MAPELMNT/PfctrFl.dat").string());
    EXPECT_EQ(script->processes()[1].back(), Linux("MAPELMNT/B B.DAT").string());
}

} // namespace
