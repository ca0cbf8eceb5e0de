// The geology settings dialogs as the program uses them: through Dovanne's exports, answered by
// the script as a user would click them, with DGEOFILE.DAT compared byte for byte in CP932.
#include "contracts/dovanne.h"
#include "geology/settings/GeoSettingsTemplates.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace geoids;

namespace {

std::filesystem::path FilePath() { return vd::applicationFolderPath() / "DGEOFILE.DAT"; }

void WriteBytes(const std::string& bytes)
{
    std::filesystem::create_directories(FilePath().parent_path());
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes()
{
    std::ifstream in(FilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FileText(const std::string& dataSet, const std::string& classFile, const std::string& valleyFile)
{
    return vd::utf8ToCp932("T1_1=表層地質\r\nT1_2=土壌\r\nT1_3=地形分類\r\nT1_4=谷密度\r\nF1_1=" + dataSet +
                           "\r\nF1_2=" + classFile + "\r\nF1_3=" + valleyFile + "\r\n");
}

struct Call {
    static Call FirstWithFiles()
    {
        Call c;
        c.data = "/";
        return c;
    }
    std::string state = "-1";
    std::string data; // the data set, or "class file/valley file"
    std::string era, terrain, soil, rock, valley;
};

// The ids of one dialog's pages.
struct Pages {
    int dialog, rockPage, soilPage, terrainPage, valleyPage;
    int rock, soil, terrain, valley; // blocks
};
constexpr Pages kGeo = {kGeoSetDialog, kGeoRockPage,  kGeoSoilPage,     kGeoTerrainPage, kGeoValleyPage,
                        kGeoRockBlock, kGeoSoilBlock, kGeoTerrainBlock, kGeoValleyBlock};
constexpr Pages kNtr = {kNtrSetDialog, kNtrRockPage,  kNtrSoilPage,     kNtrTerrainPage, kNtrValleyPage,
                        kNtrRockBlock, kNtrSoilBlock, kNtrTerrainBlock, kNtrValleyBlock};

const std::string kFirstGeoAnswer = "0|1|0||1000000000002|1000000000|10000000000001|100000000000000001|0";
const std::string kFirstNtrAnswer = "0|1|0|||1000000000002|1000000000|10000000000001|100000000000000001|0";

class GeoSettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Dovanne.dll", VD_BIN_DIR "/libdovanne.so");
        geoSet = vd::entryPoint<OnDlgGeoSet_fn>("Dovanne.dll", "OnDlgGeoSet");
        ntrSet = vd::entryPoint<OnDlgNtrSet_fn>("Dovanne.dll", "OnDlgNtrSet");
        ASSERT_NE(geoSet, nullptr);
        ASSERT_NE(ntrSet, nullptr);
    }
    void OnDialog(const Pages& p, std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog("Dovanne", p.dialog, std::move(actions));
    }
    std::string Run(const Pages& p, const Call& c)
    {
        auto* run = &p == &kGeo ? geoSet : ntrSet;
        return run(folder, c.state, c.data, c.era, c.terrain, c.soil, c.rock, c.valley);
    }
    static int CurrentTab(vd::DialogDriver& d)
    {
        return dynamic_cast<vd::TabCtrl&>(d.control(kTabControl)).GetCurSel();
    }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgGeoSet_fn* geoSet = nullptr;
    OnDlgNtrSet_fn* ntrSet = nullptr;
    std::string folder = vd::applicationFolder();
};

} // namespace

TEST_F(GeoSettingsDialog, TemplatesGiveCaptionsSizesAndPagesInsideTheTab)
{
    const struct {
        const Pages& p;
        const char* caption;
        const char* heading;
    } dialogs[] = {{kGeo, "  国土数値情報（自然地形メッシュ）", "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)"},
                   {kNtr, "国土数値情報（土地分類・谷密度メッシュ）", "土地分類ﾒｯｼｭ"}};
    for (const auto& d : dialogs) {
        const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Dovanne", d.p.dialog);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->caption, d.caption);
        EXPECT_EQ(t->place->cx, 300);
        EXPECT_EQ(t->place->cy, 207);
        const auto& tab = *t->control(kTabControl)->place;
        EXPECT_EQ((std::array{tab.x, tab.y, tab.cx, tab.cy}), (std::array{2, 30, 296, 158}));
        EXPECT_TRUE(t->control(kAttributeRadio)->style & vd::WS_DISABLED);
        EXPECT_EQ(t->control(kDataHeading)->caption, d.heading);
        EXPECT_EQ(t->control(kFileButton)->caption, "ﾌｧｲﾙ");
        for (const int id : {d.p.rockPage, d.p.soilPage, d.p.terrainPage, d.p.valleyPage}) {
            const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Dovanne", id);
            ASSERT_NE(page, nullptr) << id;
            EXPECT_TRUE(page->isChild());
            EXPECT_EQ((std::array{page->place->x, page->place->y, page->place->cx, page->place->cy}),
                      (std::array{5, 46, 290, 140}));
            for (const vd::ui::ControlTemplate& c : page->controls) {
                EXPECT_LE(c.place->x + c.place->cx, 290) << id << " " << c.caption;
                EXPECT_LE(c.place->y + c.place->cy, 140) << id << " " << c.caption;
            }
        }
        // Every class item starts a group of its own: a toggle.
        EXPECT_TRUE(vd::ui::findTemplate("Dovanne", d.p.soilPage)->control(d.p.soil + 14)->style & vd::WS_GROUP);
    }
    EXPECT_EQ(vd::ui::findTemplate("Dovanne", kGeoRockPage)->control(kGeoRockBlock + kSymbolRadio + 8)->caption,
              "谷密度");
    EXPECT_EQ(vd::ui::findTemplate("Dovanne", kNtrRockPage)->control(kNtrRockBlock + kSymbolRadio + 7), nullptr);
}

TEST_F(GeoSettingsDialog, FirstCallsOpenOnTheDefaultsAndWriteNoFile)
{
    for (const Pages* p : {&kGeo, &kNtr}) {
        OnDialog(*p, [&](vd::DialogDriver& d) {
            EXPECT_EQ(CurrentTab(d), 0);
            auto& tabs = dynamic_cast<vd::TabCtrl&>(d.control(kTabControl));
            ASSERT_EQ(tabs.GetItemCount(), 4);
            const char* texts[] = {"表層地質", " 土壌", "地形分類", " 谷密度"};
            for (int t = 0; t < 4; ++t)
                EXPECT_EQ(tabs.GetItemText(t), texts[t]);
            EXPECT_TRUE(d.isChecked(kLayerSwitch));
            EXPECT_TRUE(d.isChecked(kMeshMapRadio));
            EXPECT_FALSE(d.isEnabled(kAttributeRadio));
            EXPECT_EQ(d.text(kModeCaption), "岩石の区分の表示方法");
            EXPECT_EQ(d.text(kThemeCaption), "表層地質");
            EXPECT_EQ(d.text(kDataText), "");
            EXPECT_TRUE(d.isChecked(p->rock + 0));
            EXPECT_TRUE(d.isChecked(p->rock + kEraItem + 0));
            EXPECT_TRUE(d.isChecked(p->rock + kSymbolRadio + 2)) << "地質構造";
            EXPECT_TRUE(d.isChecked(p->soil + 0));
            EXPECT_TRUE(d.isChecked(p->soil + kSymbolRadio + 1)) << "付加記号項目";
            EXPECT_TRUE(d.isChecked(p->terrain + kSymbolRadio + 1)) << "副分類";
            EXPECT_TRUE(d.isChecked(p->valley + kSymbolRadio + 0)) << "非表示";
            EXPECT_TRUE(d.isVisible(p->rock + 0));
            EXPECT_FALSE(d.isVisible(p->soil + 0));
            d.click(vd::IDOK);
        });
        Call call;
        call.data = p == &kGeo ? "" : "/"; // the program passes "/" for two empty files
        EXPECT_EQ(Run(*p, call), p == &kGeo ? kFirstGeoAnswer : kFirstNtrAnswer);
        EXPECT_FALSE(std::filesystem::exists(FilePath()));
    }
}

TEST_F(GeoSettingsDialog, StateOpensTabSwitchAndModeAndShortStatesReadZero)
{
    const struct {
        const char* state;
        int tab, layerSwitch, mode;
        const char* answerStart;
    } cases[] = {
        {"2|0|1|/x", 2, 0, 1, "2|0|1|"}, {"1|1", 1, 0, 0, "1|0|0|"},    {"3|", 3, 0, 0, "3|0|0|"},
        {"", 0, 0, 0, "0|0|0|"},         {"9|1|0|", 0, 1, 0, "0|1|0|"}, // a tab the dialog does not have opens the
                                                                        // first
    };
    const char* modeCaptions[] = {"岩石の区分の表示方法", "土壌統計群の表示方法", "主分類の表示方法",
                                  "谷密度の表示方法"};
    const char* themes[] = {"表層地質", "  土壌", "地形分類", " 谷密度"};
    for (const auto& c : cases) {
        OnDialog(kGeo, [&](vd::DialogDriver& d) {
            EXPECT_EQ(CurrentTab(d), c.tab) << c.state;
            EXPECT_EQ(d.isChecked(kLayerSwitch), c.layerSwitch == 1) << c.state;
            EXPECT_EQ(d.isChecked(kAttributeRadio), c.mode == 1) << c.state;
            EXPECT_EQ(d.isChecked(kMeshMapRadio), c.mode == 0) << c.state;
            EXPECT_EQ(d.text(kModeCaption), modeCaptions[c.tab]);
            EXPECT_EQ(d.text(kThemeCaption), themes[c.tab]);
            const int firstItem[] = {kGeo.rock, kGeo.soil, kGeo.terrain, kGeo.valley + kSymbolRadio};
            for (int tab = 0; tab < 4; ++tab)
                EXPECT_EQ(d.isVisible(firstItem[tab]), tab == c.tab) << c.state << " " << tab;
            d.click(vd::IDOK);
        });
        Call call;
        call.state = c.state;
        call.data = "D:\\GEO\\(KS123456)";
        call.rock = "0100000000004";
        call.era = "0010000000";
        call.terrain = "01000000000002";
        call.soil = "001000000000000002";
        call.valley = "3";
        EXPECT_EQ(Run(kGeo, call), std::string(c.answerStart) +
                                       "D:\\GEO\\(KS123456)|0100000000004|0010000000|01000000000002|"
                                       "001000000000000002|3")
            << c.state;
    }
}

TEST_F(GeoSettingsDialog, TabsHideTheOldPageAndCaptionsFollow)
{
    OnDialog(kNtr, [](vd::DialogDriver& d) {
        const int firstItem[] = {kNtr.rock, kNtr.soil, kNtr.terrain, kNtr.valley + kSymbolRadio};
        const char* themes[] = {"表層地質", "　土壌", "地形分類", " 谷密度"};
        for (const int tab : {1, 3, 2, 0}) {
            d.selectTab(kTabControl, tab);
            for (int other = 0; other < 4; ++other)
                EXPECT_EQ(d.isVisible(firstItem[other]), other == tab) << tab << " " << other;
            EXPECT_EQ(d.text(kThemeCaption), themes[tab]);
            EXPECT_EQ(d.text(kDataHeading), tab == 3 ? "谷密度ﾒｯｼｭ" : "土地分類ﾒｯｼｭ");
            EXPECT_EQ(d.text(kDataText), tab == 3 ? "c:\\v\\valley.txt" : "c:\\k\\class.txt");
        }
        d.click(kLayerSwitch);
        EXPECT_FALSE(d.isChecked(kLayerSwitch));
        d.click(kLayerSwitch);
        EXPECT_TRUE(d.isChecked(kLayerSwitch));
        d.click(kLayerSwitch);
        d.click(vd::IDOK);
    });
    Call call;
    call.state = "3|1|0|";
    call.data = "c:\\k\\class.txt/c:\\v\\valley.txt";
    EXPECT_EQ(Run(kNtr, call), "0|0|0|c:\\k\\class.txt|c:\\v\\valley.txt|0000000000000|0000000000|"
                               "10000000000000|100000000000000000|0");
}

TEST_F(GeoSettingsDialog, RockAndEraGroupsBringAllBackWhenNothingIsLeft)
{
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        const int all = kGeo.rock, unconsolidated = kGeo.rock + 1, volcanic = kGeo.rock + 4;
        d.click(unconsolidated);
        EXPECT_FALSE(d.isChecked(all));
        EXPECT_TRUE(d.isChecked(unconsolidated));
        d.click(unconsolidated);
        EXPECT_TRUE(d.isChecked(all)) << "nothing left: すべて comes back";
        EXPECT_FALSE(d.isChecked(unconsolidated));
        d.click(unconsolidated);
        d.click(volcanic);
        EXPECT_TRUE(d.isChecked(unconsolidated));
        EXPECT_TRUE(d.isChecked(volcanic));
        d.click(all);
        EXPECT_TRUE(d.isChecked(all));
        EXPECT_FALSE(d.isChecked(volcanic));
        d.click(all);
        EXPECT_TRUE(d.isChecked(all)) << "すべて alone cannot be cleared";
        d.click(volcanic);

        const int allEras = kGeo.rock + kEraItem, paleozoic = kGeo.rock + kEraItem + 1, none = allEras + 7;
        d.click(paleozoic);
        d.click(none);
        EXPECT_FALSE(d.isChecked(allEras));
        d.click(paleozoic);
        d.click(none);
        EXPECT_TRUE(d.isChecked(allEras));
        d.click(none);
        d.click(kGeo.rock + kSymbolRadio + 7); // 最大傾斜
        d.click(vd::IDOK);
    });
    Call call;
    call.state = "0|1|0|";
    call.rock = "1"; // short: the missing digits read 0
    call.era = "1000000000555";
    EXPECT_EQ(Run(kGeo, call), "0|1|0||0000100000007|0000000100|10000000000000|100000000000000000|0");
}

TEST_F(GeoSettingsDialog, SoilAndTerrainCanEndWithNothingChosen)
{
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        d.selectTab(kTabControl, 1);
        d.click(kGeo.soil + 3);
        EXPECT_FALSE(d.isChecked(kGeo.soil));
        d.click(kGeo.soil);
        EXPECT_TRUE(d.isChecked(kGeo.soil));
        EXPECT_FALSE(d.isChecked(kGeo.soil + 3));
        d.click(kGeo.soil);
        for (int i = 0; i < 15; ++i)
            EXPECT_FALSE(d.isChecked(kGeo.soil + i)) << i;
        d.selectTab(kTabControl, 2);
        for (int i = 0; i < 9; ++i)
            EXPECT_FALSE(d.isChecked(kGeo.terrain + i)) << "passed empty: nothing checked " << i;
        d.click(vd::IDOK);
    });
    Call call;
    call.state = "0|1|0|";
    call.rock = "1000000000002";
    call.era = "1000000000";
    call.soil = "100000000000000002";
    call.valley = "0";
    EXPECT_EQ(Run(kGeo, call), "2|1|0||1000000000002|1000000000|10000000000000|000000000000000002|0");

    // A terrain class clicked twice leaves nothing either; the symbol stays the caller's.
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        d.selectTab(kTabControl, 2);
        d.click(kGeo.terrain + 2);
        d.click(kGeo.terrain + 2);
        EXPECT_FALSE(d.isChecked(kGeo.terrain));
        d.click(vd::IDOK);
    });
    call.terrain = "10000000000003";
    EXPECT_EQ(Run(kGeo, call), "2|1|0||1000000000002|1000000000|00000000000003|100000000000000002|0");
}

TEST_F(GeoSettingsDialog, FileButtonGivesTheDataSetCodeInWholeCharacters)
{
    const struct {
        const char* chosen;
        const char* text;
    } cases[] = {
        {"D:\\GEO\\KS123456.txt", "D:\\GEO\\(KS123456)"},
        {"D:\\GEO\\A.txt", "D:\\GEO\\(A.txt)"},
        {"D:\\地質\\abc地質図面.txt", "D:\\地質\\(abc地質)"}, // 図 would straddle the eighth byte
    };
    for (const auto& c : cases) {
        script->answerFileDialog(c.chosen);
        OnDialog(kGeo, [&](vd::DialogDriver& d) {
            d.click(kFileButton);
            EXPECT_EQ(d.text(kDataText), c.text);
            d.click(vd::IDOK);
        });
        Call call;
        EXPECT_EQ(Run(kGeo, call).substr(0, 6 + std::string(c.text).size()), "0|1|0|" + std::string(c.text));
    }
    ASSERT_EQ(script->fileDialogs().size(), 3u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.initialName, "*.txt");
    EXPECT_TRUE(asked.flags & vd::OFN_FILEMUSTEXIST);
    EXPECT_EQ(asked.filter, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(script->beeps(), 3);

    // Cancelled: nothing changes.
    script->cancelFileDialog();
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        d.click(kFileButton);
        EXPECT_EQ(d.text(kDataText), "E:\\(X)");
        d.click(vd::IDOK);
    });
    Call call;
    call.state = "0|1|0|";
    call.data = "E:\\(X)";
    EXPECT_EQ(Run(kGeo, call), "0|1|0|E:\\(X)|0000000000000|0000000000|10000000000000|100000000000000000|0");
}

TEST_F(GeoSettingsDialog, LandClassificationFilesGoByTabInLowerCase)
{
    script->answerFileDialog("D:\\KSJ\\土地\\LandClass.TXT");
    script->answerFileDialog("D:\\KSJ\\Valley.Txt");
    OnDialog(kNtr, [](vd::DialogDriver& d) {
        d.selectTab(kTabControl, 1);
        d.click(kFileButton);
        EXPECT_EQ(d.text(kDataText), "d:\\ksj\\土地\\landclass.txt");
        d.selectTab(kTabControl, 3);
        EXPECT_EQ(d.text(kDataHeading), "谷密度ﾒｯｼｭ");
        EXPECT_EQ(d.text(kDataText), "");
        d.click(kFileButton);
        EXPECT_EQ(d.text(kDataText), "d:\\ksj\\valley.txt");
        d.click(vd::IDOK);
    });
    Call call;
    call.data = "/";
    EXPECT_EQ(Run(kNtr, call), "3|1|0|d:\\ksj\\土地\\landclass.txt|d:\\ksj\\valley.txt|1000000000002|1000000000|"
                               "10000000000001|100000000000000001|0");
    EXPECT_EQ(ReadBytes(), FileText("", "d:\\ksj\\土地\\landclass.txt", "d:\\ksj\\valley.txt"));
}

TEST_F(GeoSettingsDialog, LandClassificationPagesOfferOnlyTheirSymbols)
{
    OnDialog(kNtr, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(kNtr.rock + kSymbolRadio + 0)) << "rock symbol 7 is not offered: no radio";
        for (int v = 0; v <= 6; ++v)
            EXPECT_FALSE(d.isChecked(kNtr.rock + kSymbolRadio + v)) << v;
        d.selectTab(kTabControl, 1);
        EXPECT_TRUE(d.isChecked(kNtr.soil + kSymbolRadio + 2)) << "岩石区分";
        d.selectTab(kTabControl, 2);
        for (const int v : {0, 1, 4})
            EXPECT_FALSE(d.isChecked(kNtr.terrain + kSymbolRadio + v)) << v;
        d.selectTab(kTabControl, 3);
        EXPECT_TRUE(d.isChecked(kNtr.valley + kSymbolRadio + 1));
        d.click(vd::IDOK);
    });
    Call call;
    call.state = "0|1|0|";
    call.data = "a/b";
    call.rock = "1000000000007";
    call.era = "1000000000";
    call.terrain = "10000000000002";
    call.soil = "100000000000000002";
    call.valley = "1";
    const std::string untouched = "3|1|0|a|b|1000000000007|1000000000|10000000000002|100000000000000002|1";
    EXPECT_EQ(Run(kNtr, call), untouched);

    // Terrain 3 stays too until the user picks a symbol the page offers.
    OnDialog(kNtr, [](vd::DialogDriver& d) {
        d.selectTab(kTabControl, 2);
        d.click(kNtr.terrain + kSymbolRadio + 4);
        d.selectTab(kTabControl, 0);
        d.click(kNtr.rock + kSymbolRadio + 6);
        d.click(vd::IDOK);
    });
    call.terrain = "10000000000003";
    EXPECT_EQ(Run(kNtr, call), "0|1|0|a|b|1000000000006|1000000000|10000000000004|100000000000000002|1");
}

TEST_F(GeoSettingsDialog, CancelAnswersNothingAndWritesNothing)
{
    for (const Pages* p : {&kGeo, &kNtr}) {
        script->answerFileDialog("D:\\GEO\\KS123456.txt");
        OnDialog(*p, [p](vd::DialogDriver& d) {
            d.click(kFileButton);
            d.click(p->rock + 1);
            d.click(vd::IDCANCEL);
        });
        EXPECT_EQ(Run(*p, Call{}), "");
        EXPECT_FALSE(std::filesystem::exists(FilePath()));
    }
}

TEST_F(GeoSettingsDialog, FileKeepsTheOtherDialogsRowsAndLongPaths)
{
    // A 150-byte path, comments and an earlier line that a later one overrides.
    const std::string longPath = "d:\\" + std::string(120, 'k') + "\\" + std::string(22, 'v') + ".txt";
    ASSERT_EQ(longPath.size(), 150u);
    const std::string original = vd::utf8ToCp932("; 地質\r\nF1_2=c:\\old.txt\r\n\r\nF1_2=" + longPath +
                                                 "\r\nF1_3=" + longPath + "\r\nF2_1=other tab\r\n");
    WriteBytes(original);

    // A first call opens on the kept files; choosing the same file again writes nothing.
    script->answerFileDialog(longPath);
    OnDialog(kNtr, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kDataText), longPath);
        d.click(kFileButton);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(kNtr, Call::FirstWithFiles()).substr(0, 6 + longPath.size()), "0|1|0|" + longPath);
    EXPECT_EQ(ReadBytes(), original) << "untouched";

    script->answerFileDialog("D:\\GEO\\KS123456.txt");
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        d.click(kFileButton);
        d.click(vd::IDOK);
    });
    Run(kGeo, Call{});
    EXPECT_EQ(ReadBytes(), FileText("D:\\GEO\\(KS123456)", longPath, longPath));

    script->answerFileDialog("D:\\NEW.TXT");
    OnDialog(kNtr, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kDataText), longPath);
        d.click(kFileButton);
        d.click(vd::IDOK);
    });
    Run(kNtr, Call::FirstWithFiles());
    EXPECT_EQ(ReadBytes(), FileText("D:\\GEO\\(KS123456)", "d:\\new.txt", longPath));

    // The natural-terrain dialog opens on its kept data set, and writes nothing when untouched.
    OnDialog(kGeo, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kDataText), "D:\\GEO\\(KS123456)");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(kGeo, Call{}), "0|1|0|D:\\GEO\\(KS123456)|1000000000002|1000000000|10000000000001|"
                                 "100000000000000001|0");
}

TEST_F(GeoSettingsDialog, AFailedRewriteKeepsTheOldFileAndTheAnswer)
{
    const std::string before = FileText("D:\\A\\(OLD)", "c:\\" + std::string(600, 'x') + ".txt", "");
    testsupport::ForEachWriteFailure(before.size() + 40, [&](rlim_t limit) {
        WriteBytes(before);
        script->answerFileDialog("D:\\GEO\\KS123456.txt");
        OnDialog(kGeo, [](vd::DialogDriver& d) {
            d.click(kFileButton);
            d.click(vd::IDOK);
        });
        std::string answer;
        {
            const testsupport::FileSizeLimit cut(limit);
            answer = Run(kGeo, Call{});
        }
        EXPECT_EQ(answer.substr(0, 24), "0|1|0|D:\\GEO\\(KS123456)|") << limit;
        if (limit != RLIM_INFINITY)
            EXPECT_EQ(ReadBytes(), before) << limit;
        else
            EXPECT_EQ(ReadBytes(), FileText("D:\\GEO\\(KS123456)", "c:\\" + std::string(600, 'x') + ".txt", ""));
    });
}
