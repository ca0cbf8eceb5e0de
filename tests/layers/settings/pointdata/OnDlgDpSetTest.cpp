// The point-data settings dialog of the detailed map through Pelmora's export: settings in, the
// seven tabs, the answer, and DDDPFILE.DAT rewritten only when a slot changed.
#include "tests/layers/settings/pointdata/PointDialogSupport.h"

#include "platform/text/Cp932.h"
#include "platform/ui/TemplateRegistry.h"

#include <filesystem>

using namespace point_test;

namespace {

const std::string kFile =
    ";点データ\r\n"
    "T1_1=公共施設\r\nF1_1=D:\\KSJ\\P02\\(P02-06_1)\r\nC1_1=3\r\nP1_1=2\r\nN1_1=1\r\n"
    "T1_2=文化財\r\nF1_2=d:\\ksj\\p12-06_13.txt\r\nC1_2=4\r\n"
    "T2_2=観光地\r\nF2_2=D:\\MY\\(spot_ab)\r\nC2_2=6\r\nN2_2=30012\r\nP2_2=30012\r\n"
    "T3_2=全国\r\nF3_2=d:\\my\\all.txt\r\nC3_2=13\r\nP3_2=50020\r\nN3_2=50020\r\n"
    "T6_1=地価\r\nF6_1=D:\\KSJ\\L01-07\\(L01-07_1)\r\nN6_1=4\r\nC6_5=3\r\n";

struct TabNote {
    int tab;
    const char* withoutMark;
};
constexpr TabNote kNotes[] = {
    {0, "項目の名称は地図拡大時に表示！"}, {1, "項目の名称は地図拡大時に表示！"},
    {2, "項目の名称は地図拡大時に表示！"}, {3, "項目の名称は地図拡大時に表示！"},
    {4, "項目の名称は地図拡大時に表示！"}, {5, "データの範囲:都道府県別"},
    {6, "データの範囲:全国"},
};

} // namespace

TEST_F(PointDialogTest, TheTemplatesAreTheSystemsOwn)
{
    // Loading the library registers its templates.
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgPointDataSet::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（点データ）");
    EXPECT_EQ(t->fontFace, "ＭＳ Ｐゴシック");
    EXPECT_EQ(t->fontPoints, 11);
    EXPECT_EQ(t->place->x, 250);
    EXPECT_EQ(t->place->cx, 200);
    EXPECT_EQ(t->place->cy, 228);
    EXPECT_EQ(t->control(kTabs)->place->cy, 204);
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    const int pages[] = {CDlgPointFacility::IDD,      CDlgPointHydrology::IDD,      CDlgPointCoast::IDD,
                         CDlgPointLandPriceA::IDD,    CDlgPointLandPriceB::IDD,     CDlgPointByPrefecture::IDD,
                         CDlgPointNationwide::IDD,    CDlgWhitePointFacility::IDD,  CDlgWhitePointHydrology::IDD,
                         CDlgWhitePointLandPriceA::IDD, CDlgWhitePointLandPriceB::IDD};
    for (int id : pages) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", id);
        ASSERT_NE(page, nullptr) << id;
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ(page->place->cx, 190);
        EXPECT_EQ(page->place->cy, 186);
        EXPECT_EQ(page->place->x, 5);
        EXPECT_EQ(page->place->y, 20);
    }
    auto control = [](int page, int id) { return vd::ui::findTemplate("Pelmora", page)->control(id); };
    EXPECT_EQ(control(CDlgPointNationwide::IDD, Slot(13).colourList)->items.size(), 22u);
    EXPECT_EQ(control(CDlgPointNationwide::IDD, Slot(13).colourList)->items[13], "深緑太");
    EXPECT_EQ(control(CDlgPointByPrefecture::IDD, Slot(6).colourList)->items.size(), 11u);
    EXPECT_EQ(control(CDlgPointFacility::IDD, FacilitySpec(false).classList)->items[12], "その他");
    EXPECT_EQ(control(CDlgPointLandPriceA::IDD, kLandPriceYearList)->items[6], "平成 1年");
    // The white map's pages lack the year list and the detailed map's label items.
    EXPECT_EQ(control(CDlgWhitePointLandPriceA::IDD, kLandPriceYearList), nullptr);
    EXPECT_EQ(control(CDlgWhitePointLandPriceB::IDD, LandPriceBSpec(false).pageItems[0]), nullptr);
    EXPECT_EQ(control(CDlgWhitePointFacility::IDD, FacilitySpec(false).rows[0].items[0]), nullptr);
    EXPECT_EQ(control(CDlgWhitePointHydrology::IDD, HydrologySpec(false).rows[0].items[0]), nullptr);
}

TEST_F(PointDialogTest, AFirstCallReadsTheFileAndCancelAnswersInFull)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[2] = "caller";
    const std::string answer = Detailed("-1/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  国土数値情報（点データ）");
        for (const TabNote& note : kNotes) {
            d.selectTab(kTabs, note.tab);
            EXPECT_EQ(d.text(kNote), note.tab >= 5 ? note.withoutMark : "") << note.tab;
        }
        d.selectTab(kTabs, 0);
        EXPECT_EQ(d.text(Slot(0).textEdit), "D:\\KSJ\\P02\\(P02-06_1)");
        EXPECT_FALSE(d.isChecked(Slot(0).onBox)) << "every row starts hidden";
        EXPECT_TRUE(d.isChecked(Slot(0).items[1])) << "item 1: 種別";
        EXPECT_EQ(d.text(FacilitySpec(false).classList), "地方公共団体の行政機関");
        EXPECT_EQ(d.text(Slot(0).colourList), "緑");
        d.selectTab(kTabs, 5);
        EXPECT_EQ(d.text(Slot(6).nameEdit), "観光地");
        EXPECT_EQ(d.text(Slot(6).rangeFrom), "3");
        EXPECT_EQ(d.text(Slot(6).rangeTo), "12");
        d.selectTab(kTabs, 6);
        EXPECT_EQ(d.text(Slot(11).rangeFrom), "5");
        EXPECT_EQ(d.text(Slot(11).rangeTo), "20");
        EXPECT_EQ(d.text(Slot(11).colourList), "深緑太");
        d.selectTab(kTabs, 3);
        EXPECT_EQ(d.text(kLandPriceYearList), "昭和61年");
        EXPECT_TRUE(d.isChecked(LandPriceASpec(false).pageItems[0])) << "N of tab 6 is not read back";
        d.click(vd::IDCANCEL);
    });
    const Answer a(answer);
    EXPECT_EQ(a.tab, 3);
    EXPECT_EQ(a.name[0], "公共施設") << "the file's line replaces the caller's name";
    EXPECT_EQ(a.colour(0), 3);
    EXPECT_EQ(a.n(0), 1);
    EXPECT_EQ(a.p(0), 2);
    EXPECT_EQ(a.n(6), 30012);
    EXPECT_EQ(a.file[11], "d:\\my\\all.txt");
    EXPECT_EQ(a.n(25), 0);
    EXPECT_EQ(a.colour(29), 3);
    for (int k = 0; k < kPointSlotCount; ++k)
        EXPECT_EQ(a.flag(k), 0) << k;
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile)) << "nothing changed: no rewrite";
}

TEST_F(PointDialogTest, WithoutAMarkTheNoteNamesTheLabelsAndTheDialogOpensOnTheTabGiven)
{
    Integers in;
    in.tab = 4;
    const std::string answer = Detailed(in.text(), [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Slot(15).onBox)) << "土地B is shown";
        EXPECT_EQ(d.text(kNote), "項目の名称は地図拡大時に表示！");
        for (const TabNote& note : kNotes) {
            d.selectTab(kTabs, note.tab);
            EXPECT_EQ(d.text(kNote), note.withoutMark) << note.tab;
        }
        d.selectTab(kTabs, 2);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Answer(answer).tab, 2);

    // The answer's tab reopens the dialog there.
    Detailed(answer.substr(0, answer.find('|') + 1) + "/TAVREL", [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Slot(4).onBox)) << "沿岸域";
        EXPECT_EQ(d.text(kNote), "");
        d.click(vd::IDOK);
    });
}

TEST_F(PointDialogTest, AnUnchangedOkLeavesTheFileAndCancelWithStoredSettingsAnswersNothing)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    const auto stamp = std::filesystem::last_write_time(SettingsFile());
    Integers in;
    in.slots[0] = {1, 5, 1, 3};
    in.slots[24] = {1, 2, 3, 4};
    in.slots[29] = {0, 7, 0, 0};
    inputs[7] = "D:\\KSJ\\(P02-06_1)";
    const std::string answer = Detailed(in.text(), [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(answer, in.text() + std::string(58, '|').replace(1, 0, "D:\\KSJ\\(P02-06_1)"));
    EXPECT_EQ(std::filesystem::last_write_time(SettingsFile()), stamp);
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));

    EXPECT_EQ(Detailed(in.text(), [](vd::DialogDriver& d) {
                  d.selectTab(kTabs, 0);
                  d.click(Slot(0).onBox);
                  d.click(vd::IDCANCEL);
              }),
              "");
    EXPECT_EQ(Detailed(in.text(), [](vd::DialogDriver& d) { d.pressEscape(); }), "");
    EXPECT_EQ(ReadBytes(SettingsFile()), vd::utf8ToCp932(kFile));
}

TEST_F(PointDialogTest, AChangeRewritesTheFileWithTheFixedNamesButAnswersTheDialogsNames)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    inputs[2] = "役所";
    inputs[12] = "海岸";
    Integers in;
    in.slots[14] = {1, 2, 3, 4};
    in.slots[1] = {0, 0, 0, 6};
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        d.selectCombo(Slot(1).colourList, 8);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.name[0], "役所");
    EXPECT_EQ(a.name[5], "海岸");
    EXPECT_EQ(a.colour(1), 8);
    EXPECT_EQ(a.p(1), 0) << "0 on OK";
    EXPECT_EQ(a.ints[14], (std::array<int, 4>{0, 0, 0, 0}));
    const std::string file = vd::cp932ToUtf8(ReadBytes(SettingsFile()));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 145);
    EXPECT_EQ(file.find(";"), std::string::npos) << "comments are not carried over";
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), "T1_1=公共施設\r\n");
    EXPECT_NE(file.find("T2_1=海岸施設・感潮施設\r\n"), std::string::npos);
    EXPECT_NE(file.find("C1_2=8\r\n"), std::string::npos);
    EXPECT_EQ(file.find("T3_5"), std::string::npos);
    EXPECT_EQ(file.find("役所"), std::string::npos);
}

TEST_F(PointDialogTest, SlotsWithoutAPageAndTheUserPointRangesOnOk)
{
    Integers in;
    in.slots[24] = {1, 2, 3, 4};
    in.slots[16] = {1, 6, 7, 8};
    in.slots[21] = {0, 1, 2, 9};
    in.slots[10] = {1, 0, 0, 5 * 10000 + 20};
    inputs[34] = "a/b/c/d/e/";
    inputs[39] = "fa/fb/fc/fd/fe/";
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 6);
        EXPECT_EQ(d.text(Slot(10).rangeFrom), "5");
        EXPECT_EQ(d.text(Slot(10).rangeTo), "20");
        d.setText(Slot(11).rangeFrom, "3");
        d.setText(Slot(11).rangeTo, "12");
        d.setText(Slot(12).rangeFrom, "99999");
        d.setText(Slot(12).rangeTo, "-3");
        d.setText(Slot(13).rangeFrom, "x");
        d.setText(Slot(13).rangeTo, "7");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.ints[24], (std::array<int, 4>{1, 2, 3, 4})) << "slot 24 passes through";
    EXPECT_EQ(a.ints[16], (std::array<int, 4>{1, 6, 7, 8})) << "土地B row 2: N and P pass";
    EXPECT_EQ(a.p(21), 9);
    EXPECT_EQ(a.n(10), 50020);
    EXPECT_EQ(a.n(11), 30012);
    EXPECT_EQ(a.p(11), 30012);
    EXPECT_EQ(a.n(12), 99990000) << "held to 0-9999 each";
    EXPECT_EQ(a.p(13), 7) << "a range that is not a number is 0";
    EXPECT_EQ(a.name[24], "e");
    EXPECT_EQ(a.file[20], "fa");
}

TEST_F(PointDialogTest, TypedBarsAndSlashesCannotShiftTheAnswer)
{
    const Answer a(Detailed(Integers{}.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 5);
        d.setText(Slot(6).nameEdit, "店|舗/A");
        d.setText(Slot(6).textEdit, "/srv/ksj/P|x/(spot)");
        d.selectTab(kTabs, 4);
        d.setText(Slot(19).nameEdit, "地価/2");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.name[6], "店｜舗／A");
    EXPECT_EQ(a.file[6], "Z:\\srv\\ksj\\P｜x\\(spot)");
    EXPECT_EQ(a.name[19], "地価／2");
    const std::string file = vd::cp932ToUtf8(ReadBytes(SettingsFile()));
    EXPECT_NE(file.find("T2_2=店｜舗／A\r\n"), std::string::npos);
}

TEST_F(PointDialogTest, AnUnreadableFileOpensEmptyRowsAndAFailedRewriteStillAnswers)
{
    inputs[0] = WinPathOf("missing\\DddPFile.dat");
    inputs[3] = "文化";
    const Answer a(Detailed("-1", [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 6);
        EXPECT_EQ(d.text(Slot(10).nameEdit), "");
        d.setText(Slot(10).nameEdit, "名前");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.name[1], "文化");
    EXPECT_EQ(a.name[10], "名前");
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "missing"));
    ASSERT_EQ(script->messageBoxes().size(), 1u) << "the failed rewrite is told";
    EXPECT_NE(script->messageBoxes()[0].text.find(inputs[0] + "」に書き込めません"), std::string::npos);

    // Surplus input after the 121st field is ignored; a short input leaves zeros.
    const Answer b(Detailed(Integers{}.text() + "9|9|", [](vd::DialogDriver& d) { d.click(vd::IDOK); }));
    EXPECT_EQ(b.flag(29), 0);
    const Answer c(Detailed("6|1|2|", [](vd::DialogDriver& d) { d.click(vd::IDOK); }));
    EXPECT_EQ(c.tab, 6);
    EXPECT_EQ(c.flag(0), 1);
    EXPECT_EQ(c.colour(0), 2);
    EXPECT_EQ(c.n(0), 0);
}

TEST_F(PointDialogTest, TheAnswerHandedBackReopensTheDialogAsItWasLeft)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932(kFile));
    const std::string first = Detailed("-1/TAVREL", [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 5);
        d.click(Slot(6).onBox);
        d.click(vd::IDCANCEL);
    });
    const Answer a(first);
    EXPECT_EQ(a.tab, 5);
    EXPECT_EQ(a.flag(6), 1);

    // The program keeps the answer and hands its integers and texts back the next time.
    PointInputs back;
    back[0] = inputs[0];
    back[1] = first.substr(0, [&] {
        size_t at = 0;
        for (int i = 0; i < kPointSettingsIntegers; ++i)
            at = first.find('|', at) + 1;
        return at;
    }()) + "/TAVREL";
    auto join = [&](int from, int count, bool names, bool closed) {
        std::string text;
        for (int k = from; k < from + count; ++k)
            text += (names ? a.name[k] : a.file[k]) + (closed || k + 1 < from + count ? "/" : "");
        return text;
    };
    for (int k = 0; k < 14; ++k) {
        const int nameInput = k < 5 ? 2 + k : k < 10 ? 12 + k - 5 : 22 + k - 10;
        back[nameInput] = a.name[k];
        back[nameInput + (k < 10 ? 5 : 4)] = a.file[k];
    }
    back[30] = a.name[15];
    back[35] = a.file[15];
    back[31] = join(16, 2, true, false);
    back[36] = join(16, 2, false, false);
    back[32] = join(25, 4, true, true);
    back[37] = join(25, 4, false, true);
    back[33] = join(18, 2, true, false);
    back[38] = join(18, 2, false, false);
    back[34] = join(20, 5, true, true);
    back[39] = join(20, 5, false, true);
    inputs = back;
    const std::string second = Detailed(back[1], [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isVisible(Slot(6).onBox)) << "点Ａ, the tab last used";
        EXPECT_TRUE(d.isChecked(Slot(6).onBox));
        EXPECT_EQ(d.text(Slot(6).nameEdit), "観光地");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(second, first);
}

// The sample's town row keeps its label columns in N alone ("N3_1=310060", P3_1=0): shown as
// 31 to 60 and written back as the same range when an OK rewrites the file for another change.
TEST_F(PointDialogTest, TheLabelColumnsStoredInNAreShownAndKeptByARewrite)
{
    WriteBytes(SettingsFile(), vd::utf8ToCp932("T3_1=市町村\r\nF3_1=@:KSJ\\CITIES_S.TXT\r\nC3_1=1\r\nP3_1=0\r\nN3_1=310060\r\n"));
    Detailed("-1", [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 6);
        EXPECT_EQ(d.text(Slot(10).rangeFrom), "31");
        EXPECT_EQ(d.text(Slot(10).rangeTo), "60");
        d.selectTab(kTabs, 0);
        d.selectCombo(Slot(1).colourList, 8); // another row's colour: the file is rewritten
        d.click(vd::IDOK);
    });
    const std::string file = vd::cp932ToUtf8(ReadBytes(SettingsFile()));
    EXPECT_NE(file.find("N3_1=310060\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("P3_1=310060\r\n"), std::string::npos);
}

// A settings file that is there but cannot be read is told when the dialog opens and is never
// replaced by the built-in rows (a failed rewrite is told in the test of a missing folder).
TEST_F(PointDialogTest, AnUnreadableFileIsToldWhenTheDialogOpensAndNeverRewritten)
{
    const std::filesystem::path unreadable = HomeFolder() / "locked" / "DddPFile.dat";
    std::filesystem::create_directories(unreadable); // there, but not a file one can read
    inputs[0] = WinPathOf("locked\\DddPFile.dat");
    Detailed("-1", [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        d.click(Slot(0).onBox);
        d.click(vd::IDOK);
    });
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find(inputs[0] + "」を読めません"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(unreadable)) << "not rewritten";
    EXPECT_TRUE(std::filesystem::is_empty(unreadable));
}
