// The census table viewer through Surrick's entry point, answered by the ui script: the list's
// columns, names, widths, cells, tint and the texts a click shows; and the reader's limits.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/files/CensusTableFile.h"
#include "municipal/statistics/CensusTableDialog.h"
#include "platform/dc/Color.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

namespace {

using prefmap_test::MapFolder;

struct Shown {
    std::string caption;
    std::vector<std::string> headers;
    std::vector<int> widths;
    std::vector<std::vector<std::string>> rows;
    std::uint32_t style = 0;
    std::uint32_t tint = 0;
};

class CensusTable : public ::testing::Test {
protected:
    void SetUp() override { script = vd::ui::Script::install(); }

    // Opens the viewer on the file and reads what the list shows; more actions before it closes.
    Shown Open(const std::string& file, int rowNumbers, int preset, int translate,
               std::function<void(vd::DialogDriver&)> more = {})
    {
        Shown shown;
        script->answerDialog(kSurrickModule, CDlgTableData::IDD, [&](vd::DialogDriver& d) {
            shown.caption = d.caption();
            auto& list = dynamic_cast<vd::ListCtrl&>(d.control(censustableids::IDC_TABLE));
            for (int c = 0; c < list.GetColumnCount(); ++c) {
                shown.headers.push_back(list.GetColumnText(c));
                shown.widths.push_back(list.GetColumnWidth(c));
            }
            for (int r = 0; r < list.GetItemCount(); ++r) {
                shown.rows.emplace_back();
                for (int c = 0; c < list.GetColumnCount(); ++c)
                    shown.rows.back().push_back(list.GetItemText(r, c));
            }
            shown.style = list.GetExtendedStyle();
            shown.tint = list.GetTextBkColor();
            if (more)
                more(d);
            d.click(vd::IDOK);
        });
        OnTableDataDialog(file, "国勢調査", "年齢別", rowNumbers, preset, translate);
        return shown;
    }
    std::string Population()
    {
        folder.WriteText("T/P5.CSV", {"KEY_CODE,HYOSYO,CITYNAME,NAME,HTKSYU,P000501001,P000501002,P009999999",
                                      "13101,1,千代田区,丸の内,0,1200,0.00,12.5",
                                      "13102,2,中央区,\"1,234\",0,abc,7,0"});
        return folder.Windows() + "T\\P5.CSV";
    }

    std::shared_ptr<vd::ui::Script> script;
    MapFolder folder;
};

TEST_F(CensusTable, KnownTableGetsNamesWidthsAndNumbers)
{
    const Shown shown = Open(Population(), 1, 9, 1);
    EXPECT_EQ(shown.caption, "国勢調査  年齢別");
    EXPECT_EQ(shown.headers, (std::vector<std::string>{"", "地域コード", "表章地域区分", "市区町村", "町丁･字名",
                                                       "秘匿・合算符号", "総数、年齢「不詳」含む(人)",
                                                       "総数０～４歳    (人)", "P009999999"}));
    EXPECT_EQ(shown.widths, (std::vector<int>{60, 100, 40, 80, 80, 90, 80, 80, 80}));
    ASSERT_EQ(shown.rows.size(), 2u);
    EXPECT_EQ(shown.rows[0], (std::vector<std::string>{"No.  1", "13101", "1", "千代田区", "丸の内", "0", "   1200",
                                                       "0.00", "  12.50"}));
    // The thousands comma splits a field; text and zero stay as written.
    EXPECT_EQ(shown.rows[1], (std::vector<std::string>{"No.  2", "13102", "2", "中央区", "\"1", "234\"", "0", "abc",
                                                       "      7"}));
    const std::uint32_t grid = vd::LVS_EX_GRIDLINES | vd::LVS_EX_HEADERDRAGDROP | vd::LVS_EX_FULLROWSELECT;
    EXPECT_EQ(shown.style & grid, grid);
    EXPECT_EQ(shown.tint, vd::RGB(172, 172, 255));
}

TEST_F(CensusTable, UntranslatedCodesAreStillTintedAndPresetGroupWins)
{
    const std::string file = Population();
    const Shown codes = Open(file, 1, 9, 0);
    EXPECT_EQ(codes.headers[1], "KEY_CODE");
    EXPECT_EQ(codes.headers[6], "P000501001");
    EXPECT_EQ(codes.tint, vd::RGB(172, 172, 255));
    EXPECT_EQ(Open(file, 1, 2, 1).tint, vd::RGB(255, 255, 128));

    folder.WriteText("T/J.CSV", {"KEY_CODE,X,Y,Z,W,J010201003"});
    EXPECT_EQ(Open(folder.Windows() + "T\\J.CSV", 1, 9, 1).tint, vd::RGB(179, 223, 2));
}

TEST_F(CensusTable, WithoutRowNumbersFieldsStartAtTheFirstColumn)
{
    const Shown shown = Open(Population(), 0, 9, 1);
    EXPECT_EQ(shown.headers.front(), "地域コード");
    EXPECT_EQ(shown.widths.front(), 100);
    // The fifth field is reformatted now.
    EXPECT_EQ(shown.rows[0], (std::vector<std::string>{"13101", "1", "千代田区", "丸の内", "0", "   1200", "0.00",
                                                       "  12.50"}));
}

TEST_F(CensusTable, UnknownAndMissingFiles)
{
    folder.WriteText("T/U.CSV", {"A,BB,C", "1,2.5,3000"});
    const Shown unknown = Open(folder.Windows() + "T\\U.CSV", 1, 9, 1);
    EXPECT_EQ(unknown.headers, (std::vector<std::string>{"", "A", "BB", "C"}));
    EXPECT_EQ(unknown.widths, (std::vector<int>{60, 80, 80, 80}));
    EXPECT_EQ(unknown.rows[0], (std::vector<std::string>{"No.  1", "1", "2.5", "3000"}));

    const Shown missing = Open(folder.Windows() + "T\\NONE.CSV", 1, 9, 1);
    EXPECT_EQ(missing.headers, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(missing.rows.empty());
}

TEST_F(CensusTable, ClicksShowPositionAndName)
{
    struct Click {
        int rowNumbers;
        bool column;
        int item;
        int subItem;
        const char* position;
        const char* name;
    };
    const Click clicks[] = {
        {1, true, -1, 6, "Column=  6", "総数、年齢「不詳」含む(人)"},
        {1, true, -1, 0, "", ""},
        {1, false, 0, 3, "(  1,  3)", "千代田区"},
        {1, false, 1, 0, "Item=  2", ""},
        {0, true, -1, 0, "Column=  1", "地域コード"},
        {0, false, 1, 2, "(  2,  3)", "中央区"},
    };
    const std::string file = Population();
    for (const Click& c : clicks) {
        std::string position, name;
        Open(file, c.rowNumbers, 9, 1, [&](vd::DialogDriver& d) {
            d.clickListItem(censustableids::IDC_TABLE, 0, 1);
            if (c.column)
                d.clickColumn(censustableids::IDC_TABLE, c.subItem);
            else
                d.clickListItem(censustableids::IDC_TABLE, c.item, c.subItem);
            position = d.text(censustableids::IDC_POSITION);
            name = d.text(censustableids::IDC_NAME);
        });
        EXPECT_EQ(position, c.position) << c.rowNumbers << " " << c.item << " " << c.subItem;
        EXPECT_EQ(name, c.name) << c.rowNumbers << " " << c.item << " " << c.subItem;
    }
}

TEST_F(CensusTable, ReaderLimits)
{
    std::vector<std::string> lines{"P0004,B"};
    for (int r = 0; r < 1001; ++r)
        lines.push_back(std::to_string(r) + ",x");
    folder.WriteText("T/BIG.CSV", lines);
    const auto big = ReadCensusTableFile(folder.Windows() + "T\\BIG.CSV");
    ASSERT_TRUE(big);
    ASSERT_EQ(big->records.size(), 1000u);
    EXPECT_EQ(big->records.back().front(), "999");

    std::string wide;
    for (int f = 0; f < 250; ++f)
        wide += "f" + std::to_string(f) + ",";
    folder.WriteText("T/WIDE.CSV", {wide, "a,b", "", "after blank"});
    const auto table = ReadCensusTableFile(folder.Windows() + "T\\WIDE.CSV");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->header.size(), 200u);
    EXPECT_EQ(table->header.back(), "f199");
    EXPECT_EQ(table->records.size(), 1u); // reading stops at the empty line

    // A long line is cut at 1999 bytes and what follows it is the next record, not its rest.
    folder.WriteText("T/LONG.CSV", {"H", std::string(2500, '7') + ",tail", "next"});
    const auto cut = ReadCensusTableFile(folder.Windows() + "T\\LONG.CSV");
    ASSERT_TRUE(cut);
    ASSERT_EQ(cut->records.size(), 2u);
    EXPECT_EQ(cut->records[0], (std::vector<std::string>{std::string(1999, '7')}));
    EXPECT_EQ(cut->records[1], (std::vector<std::string>{"next"}));

    EXPECT_EQ(SplitCensusLine("a,,b,"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_FALSE(ReadCensusTableFile(folder.Windows() + "T\\NONE.CSV"));
}

TEST_F(CensusTable, ViewerShowsNoRecordPastTheThousandth)
{
    std::vector<std::string> lines{"KEY_CODE,P000401001"};
    for (int r = 0; r < 1005; ++r)
        lines.push_back(std::to_string(r) + ",1");
    folder.WriteText("T/MANY.CSV", lines);
    const Shown shown = Open(folder.Windows() + "T\\MANY.CSV", 1, 9, 1);
    ASSERT_EQ(shown.rows.size(), 1000u);
    EXPECT_EQ(shown.rows.back()[0], "No.1000");
}

} // namespace
