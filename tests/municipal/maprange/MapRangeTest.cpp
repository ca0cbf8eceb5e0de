// The elevation map range dialog through OnMapPartSet as a user meets it: every range button's
// answer, the 1:50,000 list from blcmap_5.idx, a user-made map, the file choice with the sheet
// found from a .sem name, the kind radios, and cancel.
#include "tests/municipal/sheets/SheetFixtures.h"

#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/files/PartSheetIndexFile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

using prefmap_test::MapFolder;

constexpr int kRange = 136;

// A blcmap_5.idx line: the 1:200,000 sheet's name, the part number in columns 20-21 and the
// 1:50,000 name from column 23.
std::string PartLine(const std::string& sheet, const std::string& part, const std::string& name)
{
    std::string head = vd::utf8ToCp932("5339 " + sheet);
    head.resize(20, ' ');
    return vd::cp932ToUtf8(head) + part + " " + name + " 付記";
}

std::vector<std::string> ComboEntries(vd::DialogDriver& d)
{
    std::vector<std::string> entries;
    auto* combo = d.dialog().item<vd::ComboBox>(121);
    for (int i = 0; combo && i < combo->GetCount(); ++i)
        entries.push_back(combo->GetLBText(i));
    return entries;
}

class MapRange : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        folder.WriteText("BlcMap20.idx", sheets_test::SmallIndex());
        folder.WriteText("blcmap_5.idx", {"; parts", "", PartLine("東京", " 1", "八王子"), PartLine("東京", " 2", "青梅"),
                                          PartLine("東京", "17", "範囲外"), PartLine("東京", "  ", "番号無"),
                                          PartLine("京都及大阪", " 1", "京都西北部"), PartLine("仙台", " 1", "石巻")});
    }
    std::string Run(int kind, const std::string& meshFile, vd::ui::Script::DialogActions actions,
                    std::string folder1km = "", float kmWidth = 0, float kmHeight = 0)
    {
        script->answerDialog(kSurrickModule, kRange, std::move(actions));
        return OnMapPartSet("280,230", kind, meshFile, folder.Windows() + "BlcMap20.idx", "東京", folder.Windows(),
                            "C:\\250\\", folder1km, "C:\\MEAN\\", "区域:北部", "", "", "", 0, 0, 0, 0, 5, kmWidth,
                            kmHeight);
    }

    std::shared_ptr<vd::ui::Script> script;
    MapFolder folder{"maprange"};
};

const std::string kSem = "C:\\DATA\\533945.SEM";

TEST_F(MapRange, EveryRangeButtonGivesItsRange)
{
    struct Case {
        int button;
        const char* range;
    };
    const Case cases[] = {
        {207, "全域|1|159|135|0|0|89.000000|73.000000"},   {210, "北4/5|1|159|135|0|0|89.000000|62.000000"},
        {211, "南4/5|1|159|135|0|50|89.000000|62.000000"}, {107, "北西部|1|159|134|0|0|44.000000|31.000000"},
        {114, "北部|8|159|134|80|0|44.000000|31.000000"},   {108, "北東部|2|159|134|160|0|44.000000|31.000000"},
        {115, "西部|11|159|134|0|94|44.000000|31.000000"},  {118, "中央部|12|159|134|80|94|44.000000|31.000000"},
        {117, "東部|9|159|134|160|94|44.000000|31.000000"}, {109, "南西部|4|159|134|0|185|44.000000|31.000000"},
        {116, "南部|10|159|134|80|185|44.000000|31.000000"}, {110, "南東部|3|159|134|160|185|44.000000|31.000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        std::string shownName;
        const std::string result = Run(3, kSem, [&](vd::DialogDriver& d) {
            d.click(c.button);
            shownName = d.text(141);
            d.click(vd::IDOK);
        });
        // The kind becomes the 250 m mesh and the 1:50,000 choice is dropped.
        EXPECT_EQ(result, kSem + "|0||" + c.range + "|0|0");
        EXPECT_EQ(shownName + "|", std::string(c.range).substr(0, shownName.size() + 1));
    }
}

TEST_F(MapRange, PartListFromTheIndexAndAPartChosen)
{
    std::vector<std::string> entries;
    std::string shown;
    const std::string result = Run(0, kSem, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "数値地図と表示範囲");
        shown = d.text(209);
        EXPECT_EQ(d.text(141), "北部");
        entries = ComboEntries(d);
        d.selectCombo(121, 1);
        EXPECT_EQ(d.text(141), "青梅");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(shown, "533945.SEM");
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], " 1:八王子");
    EXPECT_EQ(entries[1], " 2:青梅");
    EXPECT_EQ(entries[2], " 3:図幅番号 3");
    EXPECT_EQ(entries[15], "16:図幅番号16");
    // The region code stays; 81 cells of 280 and 230 m.
    EXPECT_EQ(result, kSem + "|0| 2:青梅|青梅|5|80|80|0|0|22.000000|18.000000|0|0");
}

TEST_F(MapRange, WithoutThePartIndexTheListNumbersTheParts)
{
    std::vector<std::string> entries;
    script->answerDialog(kSurrickModule, kRange, [&](vd::DialogDriver& d) {
        entries = ComboEntries(d);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(OnMapPartSet("280,230", 0, kSem, "", "東京", folder.Windows() + "none\\", "", "", "", "", "", "", "", 0,
                           0, 0, 0, 1, 0, 0),
              "");
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], " 1:図幅番号 1");
}

TEST_F(MapRange, AUserMapKeepsItsSizeUnlessLargeAndIsWhole)
{
    struct Case {
        float width;
        float height;
        const char* sizes;
    };
    for (const Case& c : {Case{10.9f, 12, "10.000000|12.000000"}, Case{10, 15, "0.000000|0.000000"}}) {
        const std::string result = Run(4, "C:\\DATA\\USER.map", [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(209), "USER.MAP");
            EXPECT_EQ(d.text(141), "全域");
            EXPECT_EQ(d.text(121), "ﾕｰｻﾞｰ作成地図");
            d.click(107); // a range button on a user map names the whole map again
            d.click(vd::IDOK);
        }, "", c.width, c.height);
        EXPECT_EQ(result, std::string("C:\\DATA\\USER.map|0||全域|1|159|134|0|0|") + c.sizes + "|0|0");
    }
}

TEST_F(MapRange, AFolderNamedMapsMakesNoUserMap)
{
    const std::string file = "C:\\MAPS\\533945.SEM";
    const std::string result = Run(0, file, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(141), "北部");
        d.click(207);
        d.click(vd::IDOK);
    }, "", 20, 20);
    EXPECT_EQ(result, file + "|0||全域|1|159|135|0|0|89.000000|73.000000|0|0");
}

TEST_F(MapRange, ChoosingASemFileFindsItsSheet)
{
    struct Case {
        const char* file;
        const char* firstPart;
    };
    const Case cases[] = {
        {"C:\\NEW\\ZZ5339.sem", " 1:八王子"},   // 35.2000 139.0000
        {"C:\\NEW\\ZZ5235.sem", " 1:京都西北部"}, // 34.4000 135.0000
        {"C:\\NEW\\ZZ5740.sem", " 1:石巻"},     // 38.0000 140.0000
        {"C:\\NEW\\ZZ9999.sem", " 1:図幅番号 1"}, // no such sheet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        script->answerFileDialog(c.file);
        std::vector<std::string> entries;
        const std::string result = Run(0, "", [&](vd::DialogDriver& d) {
            EXPECT_EQ(d.text(209), "ﾌｧｲﾙを指定!");
            d.click(208);
            entries = ComboEntries(d);
            d.click(vd::IDOK);
        });
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries[0], c.firstPart);
        EXPECT_EQ(result, std::string(c.file) + "|0||全域|1|159|135|0|0|89.000000|73.000000|0|0");
    }
    EXPECT_EQ(script->beeps(), 4);
}

TEST_F(MapRange, FileDialogByKind)
{
    struct Case {
        int kind;
        const char* extension;
        const char* folder;
        const char* filterStart;
    };
    const Case cases[] = {
        {0, "sem", "C:\\250\\", "250m# files (*.sem)|*.sem|1km#"},
        {1, "tem", "C:\\1KM\\", "1km# files (*.tem)|*.tem|250m#"},
        {2, "tem", "C:\\MEAN\\", "1km# files (*.tem)|*.tem|250m# files (*.sem)|*.sem|ﾕｰｻﾞｰ地図files (*.map)|*.map|*.dat"},
        {3, "mem", "C:\\MEAN\\", "50m# files (*.mem)|*.mem|250m#"},
        {4, "map", "C:\\250\\", "250m# files (*.sem)|*.sem|1km#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        auto local = vd::ui::Script::install();
        script = local;
        local->cancelFileDialog();
        const std::string result = Run(c.kind, kSem, [](vd::DialogDriver& d) {
            d.click(208);
            d.click(vd::IDOK);
        }, "C:\\1KM\\");
        ASSERT_EQ(local->fileDialogs().size(), 1u);
        const auto& asked = local->fileDialogs()[0];
        EXPECT_EQ(asked.defaultExt, c.extension);
        EXPECT_EQ(asked.initialName, std::string("*.") + c.extension);
        EXPECT_EQ(asked.initialFolder, c.folder);
        EXPECT_TRUE(asked.filter.starts_with(c.filterStart)) << asked.filter;
        EXPECT_EQ(asked.flags, unsigned(vd::OFN_FILEMUSTEXIST));
        // A cancelled choice changes nothing.
        EXPECT_TRUE(result.starts_with(kSem + "|" + std::to_string(c.kind) + "|")) << result;
    }
}

TEST_F(MapRange, KindRadiosMapFormAnd50m)
{
    struct Case {
        const char* what;
        std::string folder1km;
        std::vector<int> clicks;
        const char* tail; // kind ... use50m|mapForm
        const char* fileShown;
    };
    const Case cases[] = {
        {"1 km without its folder", "", {1303}, "0|", "533945.SEM"},
        {"1 km with its folder", "C:\\1KM\\", {1303}, "1|", ""},
        {"mean 1 km and back", "", {1304, 1302}, "0|", "533945.SEM"},
        {"50 m", "", {1305}, "3|", ""},
        {"prefecture map", "", {1305, 1015}, "0|", ""},
        {"use 50 m", "", {1007}, "0|", "533945.SEM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string shown;
        const std::string result = Run(0, kSem, [&](vd::DialogDriver& d) {
            for (int id : c.clicks)
                d.click(id);
            shown = d.text(209);
            d.click(vd::IDOK);
        }, c.folder1km);
        EXPECT_TRUE(result.starts_with(kSem + "|" + c.tail)) << result;
        EXPECT_EQ(shown, c.fileShown);
        const bool prefecture = std::string(c.what) == "prefecture map";
        const bool use50 = std::string(c.what) == "use 50 m";
        EXPECT_TRUE(result.ends_with(std::string(use50 ? "|1" : "|0") + (prefecture ? "|1" : "|0"))) << result;
    }
}

TEST_F(MapRange, ABlankMapNumbersItsPartsAndRefuses50m)
{
    std::vector<std::string> entries;
    const std::string result = Run(0, "C:\\DATA\\白地図.SEM", [&](vd::DialogDriver& d) {
        entries = ComboEntries(d);
        d.click(1007);
        EXPECT_FALSE(d.isChecked(1007));
        d.click(vd::IDOK);
    });
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], " 1:図幅番号 1");
    EXPECT_TRUE(result.ends_with("|0|0")) << result;
}

TEST_F(MapRange, CancelGivesNothing)
{
    EXPECT_EQ(Run(0, kSem, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); }), "");
}

TEST(PartSheetIndexFile, NamesByPartOfTheSheet)
{
    MapFolder folder("partindex");
    folder.WriteText("blcmap_5.idx", {PartLine("東京", " 1", "八王子"), PartLine("東京", "16", "横浜 x"),
                                      PartLine("東京", " 0", "零"), "短い 東京", PartLine("千葉", " 2", "千葉")});
    const auto names = ReadPartSheetNames(folder.Windows() + "blcmap_5.idx", "東京");
    EXPECT_EQ(names[0], "八王子");
    EXPECT_EQ(names[15], "横浜");
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(ReadPartSheetNames(folder.Windows() + "blcmap_5.idx", "")[0], "");
    EXPECT_EQ(ReadPartSheetNames(folder.Windows() + "none.idx", "東京")[0], "");
}

} // namespace
