// The chosen sheets list through OnMapBarMenuFileSet as a user meets it: the list and its title,
// "追加" through the sheet chooser (its regions and choice), "編集" with the editor it starts,
// and the answer the program redraws on.
#include "SheetFixtures.h"

#include "basemap/sheetindex/SheetSelectTemplate.h"
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/files/ChosenSheetsFile.h"
#include "municipal/sheets/ChosenSheetsDialog.h"
#include "municipal/sheets/SheetChooserDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using prefmap_test::MapFolder;
using namespace sheets_test;

std::vector<std::string> ComboEntries(vd::DialogDriver& d, int id)
{
    std::vector<std::string> entries;
    auto* combo = d.dialog().item<vd::ComboBox>(id);
    for (int i = 0; combo && i < combo->GetCount(); ++i)
        entries.push_back(combo->GetLBText(i));
    return entries;
}

std::vector<std::string> ListEntries(vd::DialogDriver& d)
{
    std::vector<std::string> entries;
    auto* list = d.dialog().item<vd::ListBox>(chosensheetsids::IDC_SHEET_LIST);
    for (int i = 0; list && i < list->GetCount(); ++i)
        entries.push_back(list->GetText(i));
    return entries;
}

class ChosenSheets : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        folder.WriteText("BlcMap20.idx", SmallIndex());
        std::filesystem::remove(ListFile());
    }
    std::filesystem::path ListFile() const
    {
        return std::filesystem::path(std::getenv("VELDORAN_HOME")) / "sheets" / "MAPFILE.DAT";
    }
    std::string ListBytes() const
    {
        std::ifstream in(ListFile(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return vd::cp932ToUtf8(bytes.str());
    }
    int Run(const std::string& editor = "")
    {
        return OnMapBarMenuFileSet(folder.Windows(), editor, folder.Windows() + "BlcMap20.idx");
    }
    // The chooser picks the sheet of the combo entry that begins with the name, by double click.
    void ChooseSheet(const std::string& name)
    {
        script->answerDialog(kSurrickModule, CDlgSheetChooser::IDD, [name](vd::DialogDriver& d) {
            const auto entries = ComboEntries(d, sheetselect::IDC_SHEET_COMBO);
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (entries[i].starts_with(name))
                    return d.doubleClickCombo(sheetselect::IDC_SHEET_COMBO, int(i));
            ADD_FAILURE() << name << " is not offered";
        });
    }

    std::shared_ptr<vd::ui::Script> script;
    MapFolder folder{"sheets"};
};

TEST_F(ChosenSheets, ChooserRegionsFilterTheIndexByTextComparison)
{
    struct Case {
        int button;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {sheetselect::IDC_LAST_REGION, {"稚内", "函館", "仙台", "東京", "京都及大阪", "大分", "八幡浜", "男女群島Ｏ"}},
        {sheetselect::IDC_FIRST_REGION, {"稚内", "函館"}},           // from 41.2000 north
        {sheetselect::IDC_FIRST_REGION + 1, {"函館", "仙台"}},       // 38.0000 to 41.2000, both included
        {sheetselect::IDC_FIRST_REGION + 2, {"仙台", "東京"}},       // from 138.0000 east, up to 38.0000
        {sheetselect::IDC_FIRST_REGION + 3, {"京都及大阪"}},         // 134.0000 to 137.5000
        {sheetselect::IDC_FIRST_REGION + 4, {"大分", "八幡浜"}},     // 131.0000 to 134.5000
        {sheetselect::IDC_FIRST_REGION + 5, {"大分", "男女群島Ｏ"}}, // 131.4500 stays below "131.5000"
    };
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [&](vd::DialogDriver& list) {
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDCANCEL);
    });
    script->answerDialog(kSurrickModule, CDlgSheetChooser::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " 1/20万地勢図を指定する");
        EXPECT_EQ(d.text(sheetselect::IDC_REGION_NAME), "全国");
        for (const Case& c : cases) {
            d.click(c.button);
            std::vector<std::string> names;
            for (std::string entry : ComboEntries(d, sheetselect::IDC_SHEET_COMBO))
                names.push_back(entry.substr(0, entry.find(' ')));
            EXPECT_EQ(names, c.names) << d.text(sheetselect::IDC_REGION_NAME);
            EXPECT_EQ(d.text(sheetselect::IDC_SHEET_COUNT), "図幅数=" + std::to_string(c.names.size()));
        }
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(script->unanswered().empty());
}

TEST_F(ChosenSheets, SelectionShowsTheCornerAndDoubleClickAccepts)
{
    folder.WriteText("MAPFILE.DAT", {"東京"});
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [&](vd::DialogDriver& list) {
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDOK);
    });
    script->answerDialog(kSurrickModule, CDlgSheetChooser::IDD, [&](vd::DialogDriver& d) {
        d.click(sheetselect::IDC_FIRST_REGION + 3);
        d.selectCombo(sheetselect::IDC_SHEET_COMBO, 0);
        EXPECT_EQ(d.text(sheetselect::IDC_LATITUDE), "34.4000 ");
        EXPECT_EQ(d.text(sheetselect::IDC_LONGITUDE), "135.0000 ");
        d.doubleClickCombo(sheetselect::IDC_SHEET_COMBO, 0);
        EXPECT_TRUE(d.ended());
    });
    EXPECT_EQ(Run(), -3);
    EXPECT_EQ(ListBytes(), "東京\r\n京都及大阪\r\n");
}

TEST_F(ChosenSheets, AddingWritesANewNameOnceAndReportsTheChange)
{
    struct Case {
        const char* what;
        std::vector<std::string> before;
        const char* written; // the file afterwards
        int endButton;
        int result;
        std::string title;
    };
    const Case cases[] = {
        {"a new name", {"; chosen", "", "東京"}, "; chosen\r\n\r\n東京\r\n京都及大阪\r\n", vd::IDOK, -3,
         "「指定の図幅｣一覧(2葉)"},
        {"inside a longer line", {"京都及大阪 西部"}, "京都及大阪 西部\r\n", vd::IDOK, -3, "「指定の図幅｣一覧(1葉)"},
        {"cancelled after adding", {"東京"}, "東京\r\n京都及大阪\r\n", vd::IDCANCEL, 0, "「指定の図幅｣一覧(2葉)"},
        {"a last line without its end", {}, "東京\r\n京都及大阪\r\n", vd::IDOK, -3, "「指定の図幅｣一覧(2葉)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.before.empty())
            folder.WriteBytes("MAPFILE.DAT", vd::utf8ToCp932("東京"));
        else
            folder.WriteText("MAPFILE.DAT", c.before);
        std::string title;
        std::vector<std::string> shown;
        script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [&](vd::DialogDriver& list) {
            list.click(chosensheetsids::IDC_ADD);
            title = list.caption();
            shown = ListEntries(list);
            list.click(c.endButton);
        });
        ChooseSheet("京都及大阪");
        EXPECT_EQ(Run(), c.result);
        EXPECT_EQ(ListBytes(), c.written);
        EXPECT_EQ(title, c.title);
    }
}

TEST_F(ChosenSheets, OnlyTheFirst35NamesAreShownAndSearched)
{
    std::vector<std::string> lines;
    for (int k = 1; k <= 36; ++k)
        lines.push_back(k == 36 ? "京都及大阪" : "図幅" + std::to_string(k));
    folder.WriteText("MAPFILE.DAT", lines);
    std::string title;
    int shown = 0;
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [&](vd::DialogDriver& list) {
        title = list.caption();
        shown = int(ListEntries(list).size());
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDOK);
    });
    ChooseSheet("京都及大阪");
    EXPECT_EQ(Run(), -3);
    EXPECT_EQ(title, "「指定の図幅｣一覧(35葉)");
    EXPECT_EQ(shown, 35);
    EXPECT_TRUE(ListBytes().ends_with("京都及大阪\r\n京都及大阪\r\n"));
}

TEST_F(ChosenSheets, AMissingListIsCreatedByAnAddition)
{
    std::string title;
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [&](vd::DialogDriver& list) {
        title = list.caption();
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDOK);
    });
    ChooseSheet("京都及大阪");
    EXPECT_EQ(Run(), -3);
    EXPECT_EQ(title, "「指定の図幅｣一覧(0葉)");
    EXPECT_EQ(ListBytes(), "京都及大阪\r\n");
}

TEST_F(ChosenSheets, EditStartsTheEditorOnTheListAndCountsAsAChange)
{
    folder.WriteText("MAPFILE.DAT", {"東京"});
    for (const std::string editor : {"/usr/bin/true", ""}) {
        SCOPED_TRACE(editor);
        auto local = vd::ui::Script::install();
        local->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [](vd::DialogDriver& list) {
            list.click(chosensheetsids::IDC_EDIT_LIST);
            list.click(vd::IDOK);
        });
        EXPECT_EQ(Run(editor), -3);
        if (editor.empty()) {
            EXPECT_TRUE(local->processes().empty());
        } else {
            ASSERT_EQ(local->processes().size(), 1u);
            EXPECT_EQ(local->processes()[0].back(), (std::filesystem::path(std::getenv("VELDORAN_HOME")) / "sheets" / "MAPFILE.DAT").string());
        }
    }
}

TEST_F(ChosenSheets, NothingChosenWritesNothing)
{
    folder.WriteText("MAPFILE.DAT", {"東京"});
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [](vd::DialogDriver& list) {
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDOK);
    });
    script->answerDialog(kSurrickModule, CDlgSheetChooser::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ListBytes(), "東京\r\n");

    // OK without a sheet: nothing written, though the list counts as changed.
    std::filesystem::remove(ListFile());
    script->answerDialog(kSurrickModule, CDlgChosenSheets::IDD, [](vd::DialogDriver& list) {
        list.click(chosensheetsids::IDC_ADD);
        list.click(vd::IDOK);
    });
    script->answerDialog(kSurrickModule, CDlgSheetChooser::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(Run(), -3);
    EXPECT_FALSE(std::filesystem::exists(ListFile()));
}

TEST(ChosenSheetsFile, ReadsPiecesSkipsCommentsAndStopsAt35)
{
    prefmap_test::MapFolder folder("sheetsfile");
    folder.WriteBytes("LIST.DAT", ";c\r\n\r\n" + std::string(100, 'a') + "\r\nb");
    const auto lines = ReadChosenSheets(folder.Windows() + "LIST.DAT");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{std::string(98, 'a'), "aa", "b"}));
    EXPECT_FALSE(ReadChosenSheets(folder.Windows() + "NONE.DAT"));
    EXPECT_TRUE(ChosenSheetsMention(*lines, "aaa"));
    EXPECT_FALSE(ChosenSheetsMention(*lines, "c"));
}

TEST(SheetSelectSearch, FindsTheFirstLineHoldingTheEntryFromTheFirstOn)
{
    std::vector<SheetIndexLine> lines;
    for (const std::string& line : {std::string(), IndexLine("5339", "東京", "35.2000", "139.0000"),
                                    IndexLine("5340", "東京湾", "35.2000", "140.0000")})
        lines.emplace_back(vd::utf8ToCp932(line));
    EXPECT_EQ(FindSheetSelectLine(lines, "東京"), 1);
    EXPECT_EQ(FindSheetSelectLine(lines, "東京湾"), 2);
    EXPECT_EQ(FindSheetSelectLine(lines, "札幌"), -1);
    EXPECT_EQ(FindSheetSelectLine({}, "東京"), -1);
}

} // namespace
