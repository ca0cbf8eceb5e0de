// The surface settings dialog through Pelmora's export: the templates, settings in, the four tabs,
// the answer, and DDDSFILE.DAT rewritten only when something it keeps changed.
#include "tests/layers/settings/surface/SurfaceDialogSupport.h"

#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/TemplateRegistry.h"

#include <filesystem>
#include <set>

using namespace surface_test;

namespace {

const std::string kFile = ";面データ\r\n"
                          "T1_1=行政界\r\nF1_1=D:\\KSJ\\N03\\(N03-01_a)\r\nC1_1=3\r\nP1_1=1\r\n"
                          "C2_3=4\r\nN2_3=1\r\n"
                          "F3_3=d:\\ksj\\a25.txt\r\nC3_3=30\r\n";

// The names and texts of a dialog left as it was opened, after a first OK.
void PassFixedNames(SurfaceInputs& inputs)
{
    const char* fixed[] = {"流域界・非集水域", "都市計画域", "自然公園", "自然環境保全区域", "農業地域",
                           "森林地域", "三大都市圏計画区域", "鳥獣保護区域", "ﾘｿﾞｰﾄ法指定地域", "湖沼", "湖岸線"};
    for (int n = 4; n < kSurfaceRowCount; ++n) {
        const int group = n < 5 ? 0 : n < 10 ? 2 : 1;
        inputs[2 + 10 * group + n % 5] = fixed[n - 4];
    }
}

} // namespace

TEST_F(SurfaceDialogTest, TheTemplatesAreLaidOutInsideTheirPages)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgDsSet::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（面データ）");
    EXPECT_EQ(t->place->cx, 230);
    EXPECT_EQ(t->place->cy, 137);
    const auto* tabs = t->control(kTabs);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ((std::array<int, 4>{tabs->place->x, tabs->place->y, tabs->place->cx, tabs->place->cy}),
              (std::array<int, 4>{2, 4, 226, 113}));
    EXPECT_EQ(t->control(vd::IDOK)->caption, "OK");
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    EXPECT_LT(t->control(vd::IDCANCEL)->place->x, t->control(vd::IDOK)->place->x);
    EXPECT_GT(t->control(kStatus)->place->y, 4 + 113);

    struct Page {
        int id;
        int colourList;
        size_t colours;
        std::vector<std::string> headings;
    };
    const Page pages[] = {
        {CDlgDsBorder::IDD, Row(0).colourList, 22, {"データ名称", "色", "領域着色", "名称", "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)"}},
        {CDlgDsArea1::IDD, Row(5).colourList, 11, {"ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", "都市計画区域", "自然環境保全", "森林地域"}},
        {CDlgDsArea2::IDD, Row(10).colourList, 22, {"データファイル", "三大都市圏計画区域", "鳥獣保護区", "リゾート法指定地域"}},
        {CDlgDsWater::IDD, Row(13).colourList, 11, {"データファイル", "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", "湖沼", "湖岸線", "流域界・非集水域"}},
    };
    for (const Page& p : pages) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", p.id);
        ASSERT_NE(page, nullptr) << p.id;
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ((std::array<int, 4>{page->place->x, page->place->y, page->place->cx, page->place->cy}),
                  (std::array<int, 4>{5, 20, 220, 95}));
        EXPECT_EQ(page->control(p.colourList)->items.size(), p.colours) << p.id;
        std::set<std::string> texts;
        std::set<int> ids;
        for (const vd::ui::ControlTemplate& c : page->controls) {
            texts.insert(c.caption);
            if (c.id != vd::IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << p.id << ": id " << c.id << " twice";
            }
            const int bottom = c.place->y + (c.kind == vd::ui::ControlKind::ComboBox ? 12 : c.place->cy);
            EXPECT_LE(c.place->x + c.place->cx, 220) << p.id << " " << c.caption << c.id;
            EXPECT_LE(bottom, 95) << p.id << " " << c.caption << c.id;
        }
        for (const std::string& heading : p.headings)
            EXPECT_TRUE(texts.count(heading)) << p.id << " " << heading;
        EXPECT_EQ(std::count_if(page->controls.begin(), page->controls.end(),
                                [](const auto& c) { return c.caption == "ﾌｧｲﾙ"; }),
                  std::count_if(page->controls.begin(), page->controls.end(),
                                [](const auto& c) { return c.kind == vd::ui::ControlKind::ComboBox; }));
    }
}

TEST_F(SurfaceDialogTest, AFirstCallReadsTheFileAndCancelAnswersAsOk)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    NameInput(0) = "caller";
    NameInput(1) = "境界";
    TextInput(1) = "D:\\KSJ\\(N03-02_a)";
    const Answer a(Run("-1/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  国土数値情報（面データ）");
        EXPECT_TRUE(d.isVisible(Row(0).textEdit)) << "行政界･海岸線 first";
        EXPECT_EQ(d.text(kStatus), "データの範囲:都道府県別");
        EXPECT_EQ(d.text(Row(0).nameEdit), "行政界") << "the file's name, not the caller's";
        EXPECT_EQ(d.text(Row(0).textEdit), "D:\\KSJ\\N03\\(N03-01_a)");
        EXPECT_EQ(d.text(Row(1).nameEdit), "境界");
        EXPECT_EQ(d.text(Row(0).colourList), "緑");
        EXPECT_TRUE(d.isChecked(Row(0).fillBox));
        EXPECT_FALSE(d.isChecked(Row(0).onBox)) << "every row starts off";
        const struct {
            int tab;
            const char* status;
        } statuses[] = {{1, "データの範囲:都道府県別"}, {2, "データの範囲:全国"}, {3, "データの範囲:全国"},
                        {0, "データの範囲:都道府県別"}, {2, "データの範囲:全国"}};
        for (const auto& s : statuses) {
            d.selectTab(kTabs, s.tab);
            EXPECT_EQ(d.text(kStatus), s.status) << s.tab;
        }
        EXPECT_EQ(d.text(Row(12).colourList), "") << "colour 30 is beyond the list: no choice";
        d.selectTab(kTabs, 1);
        EXPECT_EQ(d.text(Row(7).colourList), "黄") << "C2_3 is row 7";
        EXPECT_TRUE(d.isChecked(Row(7).nameBox));
        d.click(vd::IDCANCEL);
    }));
    EXPECT_EQ(a.tab, 1);
    EXPECT_EQ(a.name[0], "行政界");
    EXPECT_EQ(a.file(0), "D:\\KSJ\\N03\\(N03-01_a)");
    EXPECT_EQ(a.colour(0), 3);
    EXPECT_EQ(a.fill(0), 1);
    EXPECT_EQ(a.name[1], "境界");
    EXPECT_EQ(a.colour(7), 4);
    EXPECT_EQ(a.labels(7), 1);
    EXPECT_EQ(a.colour(12), 30) << "comes back unchanged";
    EXPECT_EQ(a.file(12), "d:\\ksj\\a25.txt");
    for (int n = 0; n < kSurfaceRowCount; ++n)
        EXPECT_EQ(a.on(n), 0) << n;
    // OK named the fixed rows by the program's names: the file is written anew, under its name.
    EXPECT_EQ(a.name[5], "都市計画域");
    EXPECT_EQ(a.name[12], "ﾘｿﾞｰﾄ法指定地域");
    EXPECT_EQ(a.name[4], "流域界・非集水域");
    const std::string file = vd::cp932ToUtf8(ReadBytes(SettingsFile()));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 75);
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), "T1_1=行政界\r\n");
    EXPECT_NE(file.find("T3_3=ﾘｿﾞｰﾄ法指定地域\r\nT3_4=湖沼\r\n"), std::string::npos);
    EXPECT_NE(file.find("F1_2=D:\\KSJ\\(N03-02_a)\r\n"), std::string::npos);
    EXPECT_NE(file.find("C3_3=30\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DDDSFILE.DAT"));
}

TEST_F(SurfaceDialogTest, ChangingOnlyTheTabAnswersTheTabAndLeavesTheFile)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    const auto stamp = std::filesystem::last_write_time(SettingsFile());
    PassFixedNames(inputs);
    NameInput(0) = "行政界";
    TextInput(0) = "D:\\KSJ\\(N03-01_a)";
    TextInput(12) = "d:\\ksj\\a25.txt";
    Integers in;
    in.rows[0] = {1, 3, 1, 0};
    in.rows[12] = {1, 5, 0, 1};
    in.rows[8] = {0, 2, 0, 0};
    const std::string answer = Run(in.text(), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(Row(0).onBox));
        d.selectTab(kTabs, 3);
        d.click(vd::IDOK);
    });
    const Answer a(answer);
    EXPECT_EQ(answer.substr(0, 2), "3|");
    for (int n = 0; n < kSurfaceRowCount; ++n)
        EXPECT_EQ(a.ints[n], (in.rows.count(n) ? in.rows.at(n) : std::array<int, 4>{})) << n;
    EXPECT_EQ(a.ints[12], (std::array<int, 4>{1, 5, 0, 1}));
    EXPECT_EQ(a.ints[8], (std::array<int, 4>{0, 2, 0, 0}));
    EXPECT_EQ(a.file(12), "d:\\ksj\\a25.txt");
    EXPECT_EQ(std::filesystem::last_write_time(SettingsFile()), stamp);
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));

    // Cancel with stored settings answers nothing and writes nothing.
    EXPECT_EQ(Run(in.text(), [](vd::DialogDriver& d) {
                  d.selectTab(kTabs, 2);
                  d.selectCombo(Row(12).colourList, 2);
                  d.click(vd::IDCANCEL);
              }),
              "");
    EXPECT_EQ(Run(in.text(), [](vd::DialogDriver& d) { d.pressEscape(); }), "");
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));
}

TEST_F(SurfaceDialogTest, ChangingRow12sColourRewritesAllSeventyFiveLines)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    PassFixedNames(inputs);
    NameInput(0) = "行政界";
    NameInput(3) = "海岸線";
    TextInput(0) = "D:\\KSJ\\(N03-01_a)";
    TextInput(12) = "d:\\ksj\\a25.txt";
    TextInput(4) = "D:\\W\\(W07-01)";
    Integers in;
    in.tab = 2;
    in.rows[0] = {1, 3, 1, 0};
    in.rows[12] = {1, 5, 0, 1};
    in.rows[9] = {0, 10, 1, 1};
    const Answer a(Run(in.text(), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Row(12).textEdit)) << "指定地域 ２ is shown";
        EXPECT_FALSE(d.isVisible(Row(0).textEdit));
        vd::TabCtrl* tabs = d.dialog().item<vd::TabCtrl>(kTabs);
        EXPECT_EQ(tabs->GetCurSel(), 2) << "and its tab selected";
        const char* texts[] = {"行政界･海岸線", "指定地域 １", "指定地域 ２", " 水文     "};
        ASSERT_EQ(tabs->GetItemCount(), 4);
        for (int tab = 0; tab < 4; ++tab)
            EXPECT_EQ(tabs->GetItemText(tab), texts[tab]);
        EXPECT_EQ(d.text(kStatus), "データの範囲:全国");
        d.selectCombo(Row(12).colourList, 13);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.colour(12), 13);
    EXPECT_EQ(a.on(12), 1);
    const std::string expected =
        "T1_1=行政界\r\nT1_2=\r\nT1_3=\r\nT1_4=海岸線\r\nT1_5=流域界・非集水域\r\n"
        "F1_1=D:\\KSJ\\(N03-01_a)\r\nF1_2=\r\nF1_3=\r\nF1_4=\r\nF1_5=D:\\W\\(W07-01)\r\n"
        "C1_1=3\r\nC1_2=0\r\nC1_3=0\r\nC1_4=0\r\nC1_5=0\r\n"
        "P1_1=1\r\nP1_2=0\r\nP1_3=0\r\nP1_4=0\r\nP1_5=0\r\n"
        "N1_1=0\r\nN1_2=0\r\nN1_3=0\r\nN1_4=0\r\nN1_5=0\r\n"
        "T2_1=都市計画域\r\nT2_2=自然公園\r\nT2_3=自然環境保全区域\r\nT2_4=農業地域\r\nT2_5=森林地域\r\n"
        "F2_1=\r\nF2_2=\r\nF2_3=\r\nF2_4=\r\nF2_5=\r\n"
        "C2_1=0\r\nC2_2=0\r\nC2_3=0\r\nC2_4=0\r\nC2_5=10\r\n"
        "P2_1=0\r\nP2_2=0\r\nP2_3=0\r\nP2_4=0\r\nP2_5=1\r\n"
        "N2_1=0\r\nN2_2=0\r\nN2_3=0\r\nN2_4=0\r\nN2_5=1\r\n"
        "T3_1=三大都市圏計画区域\r\nT3_2=鳥獣保護区域\r\nT3_3=ﾘｿﾞｰﾄ法指定地域\r\nT3_4=湖沼\r\nT3_5=湖岸線\r\n"
        "F3_1=\r\nF3_2=\r\nF3_3=d:\\ksj\\a25.txt\r\nF3_4=\r\nF3_5=\r\n"
        "C3_1=0\r\nC3_2=0\r\nC3_3=13\r\nC3_4=0\r\nC3_5=0\r\n"
        "P3_1=0\r\nP3_2=0\r\nP3_3=0\r\nP3_4=0\r\nP3_5=0\r\n"
        "N3_1=0\r\nN3_2=0\r\nN3_3=1\r\nN3_4=0\r\nN3_5=0\r\n";
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(expected));
}

TEST_F(SurfaceDialogTest, TheAnswerHandedBackPerRowReopensTheDialogAsItWasLeft)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    TextInput(13) = "d:\\ksj\\w09.txt";
    const std::string first = Run("-1", [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        d.click(Row(13).onBox);
        d.selectCombo(Row(13).colourList, 9);
        d.click(vd::IDOK);
    });
    const Answer a(first);
    EXPECT_EQ(a.on(13), 1);
    EXPECT_EQ(a.colour(13), 9);

    // The program keeps the answer and hands its values back per row, with the texts.
    PassTexts(a);
    const auto stamp = std::filesystem::last_write_time(SettingsFile());
    const std::string second = Run(a.integers().text() + "/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Row(13).textEdit)) << "水文, the tab last used";
        EXPECT_TRUE(d.isChecked(Row(13).onBox));
        EXPECT_EQ(d.text(Row(13).colourList), "黒");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::filesystem::last_write_time(SettingsFile()), stamp) << "nothing changed";
}

TEST_F(SurfaceDialogTest, AMissingFileOpensEmptyRowsAndAFailedRewriteStillAnswers)
{
    inputs[0] = vd::applicationFolder() + "missing\\";
    NameInput(2) = "passed";
    const Answer a(Run("-1", [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(Row(2).nameEdit), "passed");
        EXPECT_EQ(d.text(Row(0).colourList), "紫");
        d.setText(Row(2).textEdit, "D:\\N\\(N03-13)");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.name[2], "passed");
    EXPECT_EQ(a.file(2), "D:\\N\\(N03-13)");
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "missing"));

    // Short and surplus selections.
    const Answer b(Run("3|1|2|", [](vd::DialogDriver& d) { d.click(vd::IDOK); }));
    EXPECT_EQ(b.tab, 3);
    EXPECT_EQ(b.ints[0], (std::array<int, 4>{1, 2, 0, 0}));
    EXPECT_EQ(b.ints[9], (std::array<int, 4>{0, 0, 0, 0}));
    const Answer c(Run("7|" + Integers{}.text().substr(2) + "9|", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Row(0).textEdit)) << "a tab beyond the four opens the first";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(c.tab, 0);
}
