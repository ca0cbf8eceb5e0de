// The line-data settings dialog as the program uses it: through Pelmora's export with its 33
// texts, answered by the script as a user would click it, with DddMFile.dat fixtures in CP932.
#include "SettingsFilesSupport.h"

#include "contracts/pelmora.h"
#include "layers/settings/linedata/LineDataSetDialog.h"
#include "layers/settings/linedata/LinePageRows.h"
#include "layers/settings/linedata/LinePages.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

constexpr int kTabs = CDlgLineDataSet::kTabControl;
constexpr int kNote = CDlgLineDataSet::kRangeNote;

// The pages' rows in tab order.
const std::vector<LineRowSpec>& PageRows(int tab)
{
    static const std::vector<LineRowSpec>* const pages[] = {&RoadRailRows(),    &DataARows(),        &LowlandRows(),
                                                            &EnvironmentRows(), &ConservationRows(), &FisheryRows(),
                                                            &DataBRows()};
    return *pages[tab];
}

// Every row where the user sees it: its tab on the dialog and its controls.
struct RowPlace {
    int tab;
    const LineRowSpec* spec;
};

// The 35 rows in file order (tab 1 row 1 first).
std::vector<RowPlace> AllRows()
{
    std::vector<RowPlace> places;
    for (int t = 1; t <= 7; ++t)
        for (int r = 1; r <= 5; ++r)
            for (int tab = 0; tab < 7; ++tab)
                for (const LineRowSpec& spec : PageRows(tab))
                    if (spec.fileTab == t && spec.row == r)
                        places.push_back({tab, &spec});
    return places;
}

// The controls of row r of file tab t.
const LineRowSpec& Line(int t, int r)
{
    for (const RowPlace& p : AllRows())
        if (p.spec->fileTab == t && p.spec->row == r)
            return *p.spec;
    throw std::out_of_range("no line row " + std::to_string(t) + "-" + std::to_string(r));
}

// The radio of a row's attribute, mode or river class with this caption.
int Choice(const LineRowSpec& row, const std::string& caption)
{
    for (const LineChoice& c : row.choices)
        if (c.caption == caption)
            return c.id;
    throw std::out_of_range("no choice " + caption);
}

// Every control id of a page's rows.
std::set<int> PageControls(int tab)
{
    std::set<int> ids;
    for (const LineRowSpec& s : PageRows(tab)) {
        ids.insert({s.showId, s.nameEditId, s.colourId, s.optionId, s.fileEditId, s.buttonId});
        for (const LineChoice& c : s.choices)
            ids.insert(c.id);
    }
    ids.erase(0);
    return ids;
}

// A control of a page that no other page and not the container has (pages share ids).
int OwnControl(int tab)
{
    for (int id : PageControls(tab)) {
        bool shared = id == kTabs || id == kNote;
        for (int other = 0; other < 7; ++other)
            shared = shared || (other != tab && PageControls(other).count(id) != 0);
        if (!shared)
            return id;
    }
    throw std::logic_error("page " + std::to_string(tab) + " has no control of its own");
}

// The names a row stores on OK whatever it held (empty: its own name).
std::string FixedName(int tab, int row)
{
    static const std::map<std::pair<int, int>, std::string> names = {
        {{2, 1}, "大気汚染･水質汚濁総量規制地域"}, {{2, 2}, "環境基準類型あてはめ水域"}, {{3, 1}, "低地地形分類"},
        {{3, 2}, "埋立・干拓区域"}, {{3, 3}, "地盤沈下地域"}, {{3, 4}, "地下水採取規制地域台帳"},
        {{4, 1}, "漁礁"}, {{4, 2}, "漁業権設定区域"}, {{4, 3}, "増養殖施設"}, {{4, 4}, "漁港区域"},
        {{4, 5}, "港湾区域"}, {{5, 1}, "鉱区"}, {{5, 5}, "流路"}, {{6, 1}, "航路"}, {{6, 2}, "架橋"},
        {{6, 4}, "港域"}, {{7, 1}, "国土保全関連情報"},
    };
    const auto found = names.find({tab, row});
    return found == names.end() ? "" : found->second;
}

// The 33 arguments of the export.
struct Call {
    std::string file = WinPathOf("DddMFile.dat");
    std::string settings = "-1/TAVREL";
    std::array<std::string, 31> texts; // arguments 2 to 32
    std::string& arg(int k) { return texts[k - 2]; }
};

// The answer split into its 71 integers and 70 texts.
struct Reply {
    explicit Reply(const std::string& text)
    {
        std::vector<std::string> fields;
        std::string field;
        for (char c : text) {
            if (c == '|') {
                fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        closed = field.empty();
        count = static_cast<int>(fields.size());
        for (int n = 0; n < count; ++n)
            (n < 71 ? ints : texts).push_back(fields[n]);
    }
    int tab() const { return std::stoi(ints.at(0)); }
    int show(int t, int r) const { return std::stoi(ints.at(1 + 2 * Index(t, r))); }
    int colour(int t, int r) const { return std::stoi(ints.at(2 + 2 * Index(t, r))); }
    const std::string& name(int t, int r) const { return texts.at(2 * Index(t, r)); }
    const std::string& file(int t, int r) const { return texts.at(2 * Index(t, r) + 1); }
    static int Index(int t, int r) { return 5 * (t - 1) + r - 1; }
    std::vector<std::string> ints, texts;
    int count = 0;
    bool closed = false;
};

// A settings file in CP932 with CR LF: row (t, r) named "名t-r", file "d:\data\ft-r.txt",
// colour 10 t + r, behind a comment and with a P line the reader skips.
std::string FixtureFile()
{
    std::ostringstream out;
    out << ";線データの設定\r\nP1_1=9\r\n";
    for (int t = 1; t <= 7; ++t)
        for (int r = 1; r <= 5; ++r)
            out << "T" << t << "_" << r << "=名" << t << "-" << r << "\r\nF" << t << "_" << r << "=d:\\data\\f" << t
                << "-" << r << ".txt\r\nC" << t << "_" << r << "=" << 10 * t + r << "\r\n";
    return vd::utf8ToCp932(out.str());
}

// Stored integers: tab, then flag and colour code per file tab and row.
std::string StoredIntegers(int tab, std::map<std::pair<int, int>, std::pair<int, int>> rows)
{
    std::string text = std::to_string(tab) + "|";
    for (int t = 1; t <= 7; ++t)
        for (int r = 1; r <= 5; ++r) {
            const auto [show, colour] = rows.count({t, r}) ? rows[{t, r}] : std::pair{0, 0};
            text += std::to_string(show) + "|" + std::to_string(colour) + "|";
        }
    return text;
}

class LineDataDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        set = vd::entryPoint<OnDlgDdSet_fn>("Pelmora.DLL", "OnDlgDdSet");
        ASSERT_NE(set, nullptr);
    }
    void OnDialog(std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog("Pelmora", CDlgLineDataSet::IDD, std::move(actions));
    }
    std::string Run(Call c)
    {
        auto& a = c.texts;
        return set(c.file, c.settings, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11],
                   a[12], a[13], a[14], a[15], a[16], a[17], a[18], a[19], a[20], a[21], a[22], a[23], a[24], a[25],
                   a[26], a[27], a[28], a[29], a[30]);
    }
    static std::filesystem::path SettingsPath() { return HomeFolder() / "DddMFile.dat"; }
    // The text of an edit on the page of the current tab (the container's own ids come first
    // for the driver: the note's id is also a folder edit of 線ﾃﾞｰﾀA).
    static std::string PageText(vd::DialogDriver& d, int anyId, int id)
    {
        return d.control(anyId).GetParent()->GetDlgItemText(id);
    }
    static int ComboSelection(vd::DialogDriver& d, int id)
    {
        return dynamic_cast<vd::ComboBox&>(d.control(id)).GetCurSel();
    }
    std::shared_ptr<vd::ui::Script> script;
    OnDlgDdSet_fn* set = nullptr;
};

} // namespace

TEST_F(LineDataDialog, TemplatesHoldTheContainerAndPagesThatFitTheTab)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgLineDataSet::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（線データ）");
    EXPECT_EQ(t->place->x, 250);
    EXPECT_EQ(t->place->cx, 252); // 16 units wider, for the longest range note beside the buttons
    EXPECT_EQ(t->place->cy, 222);
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    EXPECT_EQ(t->control(kTabs)->place->cy, 198);
    EXPECT_EQ(t->control(kNote)->place->y, 209);
    // Each page: a child at (5, 20) whose rows stay inside its 226 x 180 and inside the tab's
    // display area; the colour lists hold the 22 line colours.
    const int pages[] = {CDlgLineRoadRail::IDD,     CDlgLineDataA::IDD,   CDlgLineLowland::IDD, CDlgLineEnvironment::IDD,
                         CDlgLineConservation::IDD, CDlgLineFishery::IDD, CDlgLineDataB::IDD};
    for (int id : pages) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", id);
        ASSERT_NE(page, nullptr) << id;
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ(page->place->x, 5);
        EXPECT_EQ(page->place->y, 20);
        for (const vd::ui::ControlTemplate& c : page->controls) {
            ASSERT_TRUE(c.place) << id;
            const int height = c.kind == vd::ui::ControlKind::ComboBox ? 11 : c.place->cy;
            EXPECT_LE(c.place->x + c.place->cx, 226) << id << " " << c.id << " " << c.caption;
            EXPECT_LE(c.place->y + height, 176) << id << " " << c.id << " " << c.caption;
            if (c.kind == vd::ui::ControlKind::ComboBox) {
                EXPECT_EQ(c.items.size(), 22u);
                EXPECT_EQ(c.items[13], "深緑太");
                EXPECT_EQ(c.style & 0x3, static_cast<std::uint32_t>(vd::CBS_DROPDOWN));
            }
        }
    }
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", CDlgLineFishery::IDD)->control(Line(4, 4).optionId)->caption, "ｺｰﾄﾞ");
    EXPECT_TRUE(vd::ui::findTemplate("Pelmora", CDlgLineFishery::IDD)->control(Line(4, 4).optionId)->style &
                vd::BS_PUSHLIKE);
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", CDlgLineEnvironment::IDD)->control(Choice(Line(2, 2), "ｺｰﾄﾞ"))->caption,
              "ｺｰﾄﾞ");
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", CDlgLineDataA::IDD)->control(Line(1, 5).fileEditId)->kind,
              vd::ui::ControlKind::Edit);
}

TEST_F(LineDataDialog, EveryTabShowsItsPageAndRangeNote)
{
    const char* tabTexts[] = {"道路･鉄道等", "線ﾃﾞｰﾀA", "低地", "環境", "保全", "漁業･港湾", "線ﾃﾞｰﾀB"};
    const char* withoutMark[] = {"<鉄道> 駅名は地図拡大時に表示", "データの範囲:都道府県別",
                                 "データの範囲:全国 (属性は地図拡大時に表示)", "データの範囲:全国 (属性は地図拡大時に表示)",
                                 "データの範囲:全国 (属性は地図拡大時に表示)", "データの範囲:全国 (属性は地図拡大時に表示)",
                                 "データの範囲:全国"};
    const char* withMark[] = {"", "データの範囲:都道府県別",
                              "データの範囲:全国 (属性は都道府県別地図に表示)", "データの範囲:全国 (属性は都道府県別地図に表示)",
                              "データの範囲:全国 (属性は都道府県別地図に表示)", "データの範囲:全国 (属性は都道府県別地図に表示)",
                              "データの範囲:全国"};
    for (const bool mark : {false, true}) {
        OnDialog([&](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), "  国土数値情報（線データ）");
            auto* tabs = d.dialog().item<vd::TabCtrl>(kTabs);
            ASSERT_NE(tabs, nullptr);
            ASSERT_EQ(tabs->GetItemCount(), 7);
            EXPECT_EQ(tabs->GetCurSel(), 0);
            EXPECT_EQ(d.text(kNote), mark ? withMark[0] : withoutMark[0]);
            EXPECT_EQ(d.text(kLineStationBox), mark ? "駅" : "駅と駅名");
            for (int tab = 6; tab >= 0; --tab) {
                d.selectTab(kTabs, tab);
                EXPECT_EQ(tabs->GetItemText(tab), tabTexts[tab]);
                EXPECT_EQ(d.text(kNote), mark ? withMark[tab] : withoutMark[tab]) << tab;
                for (int other = 0; other < 7; ++other) {
                    if (other != tab) {
                        EXPECT_FALSE(d.isVisible(OwnControl(other))) << tab << " " << other;
                    }
                }
                EXPECT_TRUE(d.isVisible(OwnControl(tab))) << tab;
            }
            d.selectTab(kTabs, 5);
            d.click(vd::IDOK);
        });
        Call call;
        call.settings = mark ? "-1/TAVREL" : "-1";
        EXPECT_EQ(Reply(Run(call)).tab(), 5) << "the answer reopens on the last tab";
    }
}

TEST_F(LineDataDialog, SettingsFileRowsLandOnTheirPagesAndComeBackInFileOrder)
{
    WriteBytes(SettingsPath(), FixtureFile());
    Call call;
    call.arg(2) = "ignored";
    OnDialog([](vd::DialogDriver& d) {
        const std::vector<RowPlace> rows = AllRows();
        ASSERT_EQ(rows.size(), 35u) << "every row on one page";
        for (const RowPlace& p : rows) {
            const LineRowSpec& s = *p.spec;
            d.selectTab(kTabs, p.tab);
            const std::string where = std::to_string(s.fileTab) + "-" + std::to_string(s.row);
            const std::string file =
                s.fileTab == 1 && s.row == 1 ? "d:\\data\\f1-1.txt" : "d:\\data\\f" + where + ".txt";
            EXPECT_EQ(PageText(d, s.showId, s.fileEditId), file) << where;
            if (s.nameEditId != 0) {
                EXPECT_EQ(PageText(d, s.showId, s.nameEditId), "名" + where) << where;
            }
            EXPECT_FALSE(d.isChecked(s.showId)) << "flags start clear: " << where;
        }
        d.click(vd::IDCANCEL); // opened from the file: Cancel answers as OK
    });
    const Reply a(Run(call));
    ASSERT_EQ(a.count, 141);
    EXPECT_TRUE(a.closed);
    EXPECT_EQ(a.tab(), 4) << "the tab of the last row visited";
    EXPECT_EQ(a.texts[0], "道路");
    for (int t = 1; t <= 7; ++t)
        for (int r = 1; r <= 5; ++r) {
            const std::string where = std::to_string(t) + "-" + std::to_string(r);
            EXPECT_EQ(a.show(t, r), 0) << where;
            EXPECT_EQ(a.colour(t, r), 10 * t + r) << where;
            EXPECT_EQ(a.file(t, r), "d:\\data\\f" + where + ".txt") << where;
            if (t == 1 && r == 1)
                continue;
            const std::string fixed = FixedName(t, r);
            EXPECT_EQ(a.name(t, r), fixed.empty() ? "名" + where : fixed) << where;
        }
    EXPECT_EQ(a.name(3, 5), "名3-5") << "the railway row keeps the name it came with";
    // The fixed names differ from the file's: rewritten, without the comment.
    const std::string written = vd::cp932ToUtf8(ReadBytes(SettingsPath()));
    EXPECT_EQ(written.find(";"), std::string::npos);
    EXPECT_NE(written.find("T1_1=道路\r\nT1_2=名1-2\r\n"), std::string::npos);
    EXPECT_NE(written.find("T3_5=鉄道\r\n"), std::string::npos);
    EXPECT_NE(written.find("C7_5=75\r\n"), std::string::npos);
}

TEST_F(LineDataDialog, CallerTextsAndIntegersPlaceEveryRow)
{
    Call call;
    std::map<std::pair<int, int>, std::pair<int, int>> rows;
    for (const RowPlace& p : AllRows())
        rows[{p.spec->fileTab, p.spec->row}] = {(p.spec->fileTab + p.spec->row) % 2,
                                                10 * p.spec->fileTab + p.spec->row};
    call.settings = StoredIntegers(3, rows) + "/TAVREL";
    call.arg(2) = "n1-2";
    call.arg(5) = "n1-5";
    call.arg(6) = "D:\\ROAD\\(N01-07L-)";
    call.arg(10) = "f1-5";
    call.arg(13) = "n2-3";
    call.arg(20) = "f2-5";
    call.arg(23) = "a/b/c";               // tab 3 rows 3 to 5: three parts
    call.arg(25) = "f6-1/f6-2/f6-3/f6-4/f6-5";
    call.arg(26) = "f3-1/f3-5";           // one "/": first and last, the three between empty
    call.arg(28) = "whole";               // no "/": the last part
    call.arg(29) = "x/n5-2/n5-3/n5-4/y/z"; // a sixth part stays with the fifth
    call.arg(31) = "a|n7-2|n7-3|n7-4|n7-5|";
    call.arg(32) = "f7-1|f7-2|f7-3|f7-4|f7-5|";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_EQ(dynamic_cast<vd::TabCtrl&>(d.control(kTabs)).GetCurSel(), 3);
        EXPECT_EQ(d.text(kNote), "データの範囲:全国 (属性は都道府県別地図に表示)");
        for (const RowPlace& p : AllRows()) {
            const LineRowSpec& s = *p.spec;
            d.selectTab(kTabs, p.tab);
            EXPECT_EQ(d.isChecked(s.showId), (s.fileTab + s.row) % 2 == 1) << s.fileTab << "-" << s.row;
        }
        d.selectTab(kTabs, 2);
        EXPECT_EQ(d.text(Line(3, 1).fileEditId), "f3-1");
        EXPECT_EQ(d.text(Line(3, 2).fileEditId), "データの範囲:全国 (属性は都道府県別地図に表示)")
            << "the note's id is also 埋立's file edit: the container's comes first";
        EXPECT_EQ(PageText(d, Line(3, 2).showId, Line(3, 2).fileEditId), "");
        d.selectTab(kTabs, 0);
        EXPECT_EQ(d.text(Line(3, 5).fileEditId), "f3-5");
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    ASSERT_EQ(a.count, 141);
    EXPECT_EQ(a.tab(), 0);
    for (int t = 1; t <= 7; ++t)
        for (int r = 1; r <= 5; ++r) {
            EXPECT_EQ(a.show(t, r), (t + r) % 2) << t << "-" << r;
            EXPECT_EQ(a.colour(t, r), 10 * t + r) << t << "-" << r;
        }
    EXPECT_EQ(a.file(1, 1), "D:\\ROAD\\(N01-07L-)");
    EXPECT_EQ(a.name(1, 2), "n1-2");
    EXPECT_EQ(a.name(1, 5), "n1-5");
    EXPECT_EQ(a.file(1, 5), "f1-5");
    EXPECT_EQ(a.name(2, 3), "n2-3");
    EXPECT_EQ(a.file(2, 5), "f2-5");
    EXPECT_EQ(a.name(3, 5), "c") << "the railway row keeps its incoming name";
    EXPECT_EQ(a.file(6, 3), "f6-3");
    EXPECT_EQ(a.file(6, 5), "f6-5");
    EXPECT_EQ(a.file(3, 1), "f3-1");
    for (int r = 2; r <= 4; ++r)
        EXPECT_EQ(a.file(3, r), "");
    EXPECT_EQ(a.file(3, 5), "f3-5");
    EXPECT_EQ(a.file(4, 4), "");
    EXPECT_EQ(a.file(4, 5), "whole");
    EXPECT_EQ(a.name(5, 2), "n5-2");
    EXPECT_EQ(a.name(5, 4), "n5-4");
    EXPECT_EQ(a.name(7, 5), "n7-5") << "the closing bar is not part of the fifth text";
    EXPECT_EQ(a.file(7, 5), "f7-5");
    EXPECT_EQ(a.file(7, 1), "f7-1");
}

TEST_F(LineDataDialog, ColourCodesOpenAsTheirPartsAndPackBack)
{
    Call call;
    call.settings = StoredIntegers(0, {{{6, 1}, {0, 312}},
                                       {{3, 5}, {0, 11}},
                                       {{5, 5}, {0, 143}},
                                       {{3, 2}, {0, 705}},
                                       {{1, 1}, {0, 1}},
                                       {{4, 4}, {0, 102}},
                                       {{7, 2}, {0, 914}},
                                       {{1, 2}, {0, 305}}});
    OnDialog([](vd::DialogDriver& d) {
        const LineRowSpec& route = Line(6, 1);
        const LineRowSpec& rail = Line(3, 5);
        const LineRowSpec& river = Line(5, 5);
        EXPECT_EQ(ComboSelection(d, route.colourId), 12);
        EXPECT_EQ(dynamic_cast<vd::ComboBox&>(d.control(route.colourId)).GetLBText(12), "青/太");
        EXPECT_TRUE(d.isChecked(Choice(route, "名称/種別")));
        EXPECT_TRUE(d.isChecked(Choice(rail, "茶")));
        EXPECT_FALSE(d.isChecked(Choice(rail, "ライン種別で色分け")));
        EXPECT_TRUE(d.isChecked(kLineStationBox)) << "駅と駅名";
        EXPECT_TRUE(d.isChecked(Choice(Line(1, 1), "黒")));
        d.selectTab(kTabs, 6);
        EXPECT_EQ(ComboSelection(d, river.colourId), 3);
        EXPECT_TRUE(d.isChecked(Choice(river, "等級で色分け")));
        EXPECT_TRUE(d.isChecked(river.optionId)) << "河床標高値";
        d.selectTab(kTabs, 2);
        EXPECT_EQ(ComboSelection(d, Line(3, 2).colourId), 5);
        for (const LineChoice& c : Line(3, 2).choices)
            EXPECT_FALSE(d.isChecked(c.id)) << "an attribute of 7 checks none: " << c.caption;
        d.selectTab(kTabs, 5);
        EXPECT_EQ(ComboSelection(d, Line(4, 4).colourId), 2);
        EXPECT_TRUE(d.isChecked(Line(4, 4).optionId)) << "ｺｰﾄﾞ";
        d.selectTab(kTabs, 4);
        EXPECT_EQ(ComboSelection(d, Line(7, 2).colourId), 14);
        d.selectCombo(Line(7, 2).colourId, 21);
        d.selectTab(kTabs, 1);
        EXPECT_EQ(ComboSelection(d, Line(1, 2).colourId), 5);
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    EXPECT_EQ(a.colour(6, 1), 312);
    EXPECT_EQ(a.colour(3, 5), 11);
    EXPECT_EQ(a.colour(5, 5), 143);
    EXPECT_EQ(a.colour(3, 2), 705) << "returned as it was";
    EXPECT_EQ(a.colour(1, 1), 1);
    EXPECT_EQ(a.colour(4, 4), 102);
    EXPECT_EQ(a.colour(7, 2), 921) << "a row without attributes keeps its hundreds";
    EXPECT_EQ(a.colour(1, 2), 5) << "a 線ﾃﾞｰﾀA row's code is its colour index";

    // Clicks change the parts: the station box alone, the railway mode, the river class and box.
    call.settings = StoredIntegers(0, {{{3, 5}, {0, 10}}, {{5, 5}, {0, 143}}, {{6, 2}, {0, 3}}});
    OnDialog([](vd::DialogDriver& d) {
        const LineRowSpec& rail = Line(3, 5);
        const LineRowSpec& river = Line(5, 5);
        EXPECT_FALSE(d.isChecked(kLineStationBox));
        EXPECT_TRUE(d.isChecked(Choice(rail, "茶")));
        d.click(kLineStationBox);
        d.click(Choice(rail, "ライン種別で色分け"));
        d.click(Choice(Line(6, 2), "名称/管理者")); // 架橋
        d.selectCombo(Line(6, 2).colourId, 20);
        d.selectTab(kTabs, 6);
        d.click(Choice(river, "1級河川"));
        d.click(river.optionId);
        d.selectCombo(river.colourId, 12); // the river code cannot hold it: the colour stays
        EXPECT_EQ(ComboSelection(d, river.colourId), 3);
        d.selectCombo(river.colourId, 9);
        d.click(vd::IDOK);
    });
    const Reply b(Run(call));
    EXPECT_EQ(b.colour(3, 5), 1);
    EXPECT_EQ(b.colour(5, 5), 19);
    EXPECT_EQ(b.colour(6, 2), 320);
}

TEST_F(LineDataDialog, FileButtonsWriteFilesInLowerCaseAndFoldersWithTheCode)
{
    script->answerFileDialog("D:\\DATA\\RAIL_A.TXT");
    script->answerFileDialog("D:\\DATA\\N01-07L-2K_ROAD.TXT");
    script->answerFileDialog("D:\\KSJ\\N01-07L-2K_ROAD.TXT");
    script->cancelFileDialog();
    Call call;
    call.settings = StoredIntegers(0, {});
    OnDialog([](vd::DialogDriver& d) {
        const LineRowSpec& road = Line(1, 1);
        const LineRowSpec& rail = Line(3, 5);
        d.click(rail.buttonId);
        EXPECT_EQ(d.text(rail.fileEditId), "d:\\data\\rail_a.txt");
        EXPECT_FALSE(d.isChecked(rail.showId)) << "a choice ticks nothing";
        d.selectTab(kTabs, 1);
        d.click(Line(1, 2).buttonId);
        EXPECT_EQ(d.text(Line(1, 2).fileEditId), "D:\\DATA\\(N01-07L-)");
        d.selectTab(kTabs, 0);
        d.click(road.buttonId);
        EXPECT_EQ(d.text(road.fileEditId), "D:\\KSJ\\(N01-07L-)");
        d.click(road.buttonId);
        EXPECT_EQ(d.text(road.fileEditId), "D:\\KSJ\\(N01-07L-)") << "a cancelled choice changes nothing";
        d.click(road.showId);
        EXPECT_TRUE(d.isChecked(road.showId)) << "a chosen folder lets the row be shown";
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    EXPECT_EQ(a.file(3, 5), "d:\\data\\rail_a.txt");
    EXPECT_EQ(a.file(1, 2), "D:\\DATA\\(N01-07L-)");
    EXPECT_EQ(a.file(1, 1), "D:\\KSJ\\(N01-07L-)");
    EXPECT_EQ(a.show(1, 1), 1);
    EXPECT_EQ(a.show(3, 5), 0);
    ASSERT_EQ(script->fileDialogs().size(), 4u);
    EXPECT_EQ(script->fileDialogs()[0].filter, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
}

TEST_F(LineDataDialog, RowBoxesFollowTheRowRules)
{
    Call call;
    call.settings = StoredIntegers(0, {});
    call.arg(25) = "d:\\route.txt/";       // 航路 has a file, 架橋 none
    call.arg(28) = "////d:\\harbour.txt";  // 港湾区域 has a file
    call.arg(30) = "////d:\\river.txt";    // 流路 has a file
    call.arg(26) = "d:\\lowland.txt////";  // 低地地形分類
    OnDialog([](vd::DialogDriver& d) {
        const LineRowSpec& route = Line(6, 1);
        const LineRowSpec& bridge = Line(6, 2);
        const LineRowSpec& rail = Line(3, 5);
        const LineRowSpec& harbour = Line(4, 5);
        // A show box of a row without a file clears itself.
        d.click(bridge.showId);
        EXPECT_FALSE(d.isChecked(bridge.showId));
        d.click(Choice(bridge, "名称/長さ")); // no file, no tick
        EXPECT_TRUE(d.isChecked(Choice(bridge, "名称/長さ")));
        EXPECT_FALSE(d.isChecked(bridge.showId));
        d.click(Choice(route, "名称/種別")); // ticks the row with a file
        EXPECT_TRUE(d.isChecked(route.showId));
        d.click(route.showId);
        EXPECT_FALSE(d.isChecked(route.showId)) << "the show box toggles a row with a file";
        // Typed text does not count: only the text opened with or chosen.
        d.setText(rail.fileEditId, "d:\\typed.txt");
        d.click(rail.showId);
        EXPECT_FALSE(d.isChecked(rail.showId));
        d.click(Choice(rail, "茶")); // the railway mode radio: no file held, no tick
        EXPECT_FALSE(d.isChecked(rail.showId));
        d.click(kLineStationBox); // the station box only flips
        EXPECT_TRUE(d.isChecked(kLineStationBox));
        d.selectTab(kTabs, 5);
        d.click(harbour.optionId); // ｺｰﾄﾞ ticks 港湾区域
        EXPECT_TRUE(d.isChecked(harbour.optionId));
        EXPECT_TRUE(d.isChecked(harbour.showId));
        d.click(harbour.optionId);
        EXPECT_FALSE(d.isChecked(harbour.optionId));
        EXPECT_TRUE(d.isChecked(harbour.showId));
        d.selectTab(kTabs, 6);
        d.click(Line(5, 5).optionId); // 河床標高値 ticks 流路
        EXPECT_TRUE(d.isChecked(Line(5, 5).showId));
        d.selectTab(kTabs, 2);
        d.click(Choice(Line(3, 1), "低地の種別")); // ticks 低地地形分類
        EXPECT_TRUE(d.isChecked(Line(3, 1).showId));
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    EXPECT_EQ(a.show(6, 2), 0);
    EXPECT_EQ(a.colour(6, 2), 100);
    EXPECT_EQ(a.show(6, 1), 0);
    EXPECT_EQ(a.colour(6, 1), 300);
    EXPECT_EQ(a.show(3, 5), 0);
    EXPECT_EQ(a.colour(3, 5), 11);
    EXPECT_EQ(a.file(3, 5), "d:\\typed.txt") << "typed files are read from the edit";
    EXPECT_EQ(a.show(4, 5), 1);
    EXPECT_EQ(a.colour(4, 5), 0);
    EXPECT_EQ(a.show(5, 5), 1);
    EXPECT_EQ(a.colour(5, 5), 100);
    EXPECT_EQ(a.show(3, 1), 1);
    EXPECT_EQ(a.colour(3, 1), 100);
}

TEST_F(LineDataDialog, OnlyChangedColoursNamesOrFilesRewriteTheFile)
{
    const std::string fixture = FixtureFile();
    // Names as the dialog stores them, so that an untouched OK changes nothing.
    std::string settled;
    for (int t = 1; t <= 7; ++t) {
        auto key = [t](char letter, int r) { return letter + std::to_string(t) + "_" + std::to_string(r) + "="; };
        auto where = [t](int r) { return std::to_string(t) + "-" + std::to_string(r); };
        for (int r = 1; r <= 5; ++r)
            settled += key('T', r) + (FixedName(t, r).empty() ? "名" + where(r) : FixedName(t, r)) + "\r\n";
        for (int r = 1; r <= 5; ++r)
            settled += key('F', r) + "d:\\data\\f" + where(r) + ".txt\r\n";
        for (int r = 1; r <= 5; ++r)
            settled += key('C', r) + std::to_string(10 * t + r) + "\r\n";
    }
    const std::string file = vd::utf8ToCp932(";comment\r\n" + settled);
    WriteBytes(SettingsPath(), file);

    // Flags and the tab only: the file stays as it was, comment and all.
    OnDialog([](vd::DialogDriver& d) {
        d.click(Line(1, 1).showId);
        d.selectTab(kTabs, 4);
        d.click(vd::IDOK);
    });
    Call call;
    call.settings = "-1";
    const Reply first(Run(call));
    EXPECT_EQ(first.show(1, 1), 1);
    EXPECT_EQ(first.tab(), 4);
    EXPECT_EQ(ReadBytes(SettingsPath()), file);

    // Cancel with stored integers: nothing answered, nothing written.
    OnDialog([](vd::DialogDriver& d) {
        d.selectCombo(Line(6, 1).colourId, 4);
        d.click(vd::IDCANCEL);
    });
    call.settings = StoredIntegers(0, {});
    EXPECT_EQ(Run(call), "");
    EXPECT_EQ(ReadBytes(SettingsPath()), file);

    // A colour: all 105 lines, the fixed names, no comment.
    OnDialog([](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        d.selectCombo(Line(2, 3).colourId, 7);
        d.pressEscape(); // opened from the file: Cancel answers as OK
    });
    call.settings = "-1/TAVREL";
    const Reply second(Run(call));
    EXPECT_EQ(second.colour(2, 3), 7);
    const std::string written = vd::cp932ToUtf8(ReadBytes(SettingsPath()));
    std::string expected = settled;
    const std::string before = "C2_3=23\r\n";
    expected.replace(expected.find(before), before.size(), "C2_3=7\r\n");
    for (const char* fixed : {"T1_1=道路", "T3_5=鉄道"})
        EXPECT_NE(written.find(std::string(fixed) + "\r\n"), std::string::npos);
    const std::string railName = "T3_5=名3-5\r\n";
    expected.replace(expected.find(railName), railName.size(), "T3_5=鉄道\r\n");
    const std::string roadName = "T1_1=名1-1\r\n";
    expected.replace(expected.find(roadName), roadName.size(), "T1_1=道路\r\n");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 105);
}

TEST_F(LineDataDialog, TypedBarsAndSlashesAreStoredAsFullWidthSoNoFieldShifts)
{
    Call call;
    call.settings = StoredIntegers(0, {});
    OnDialog([](vd::DialogDriver& d) {
        d.selectTab(kTabs, 1);
        d.setText(Line(1, 2).nameEditId, "道路|国道/県道");
        d.setText(Line(1, 2).fileEditId, "/srv/ksj/N01/(N01-07L-)");
        d.selectTab(kTabs, 4);
        d.setText(Line(7, 2).fileEditId, "D:\\A|B/C.txt");
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    ASSERT_EQ(a.count, 141) << "no field shifted";
    EXPECT_EQ(a.name(1, 2), "道路｜国道／県道");
    EXPECT_EQ(a.file(1, 2), "Z:\\srv\\ksj\\N01\\(N01-07L-)") << "a Linux path is stored in Windows form";
    EXPECT_EQ(a.file(7, 2), "D:\\A｜B／C.txt");
    const std::string written = vd::cp932ToUtf8(ReadBytes(SettingsPath()));
    EXPECT_NE(written.find("T1_2=道路｜国道／県道\r\n"), std::string::npos);
}

TEST_F(LineDataDialog, MissingOrShortSettingsOpenEmptyRows)
{
    // "-1" without a readable file: empty rows, colour code 0, whatever the caller passed.
    Call call;
    call.file = WinPathOf("Absent.dat");
    call.arg(2) = "caller's";
    OnDialog([](vd::DialogDriver& d) {
        d.selectTab(kTabs, 1);
        EXPECT_EQ(d.text(Line(1, 2).nameEditId), "");
        EXPECT_EQ(ComboSelection(d, Line(1, 2).colourId), 0);
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    ASSERT_EQ(a.count, 141);
    EXPECT_EQ(a.name(1, 2), "");
    EXPECT_EQ(a.colour(5, 5), 0);

    // Integers cut short: the rest are 0.
    OnDialog([](vd::DialogDriver& d) { d.click(vd::IDOK); });
    call.settings = "2|1|1|x";
    const Reply b(Run(call));
    EXPECT_EQ(b.tab(), 2);
    EXPECT_EQ(b.show(1, 1), 1);
    EXPECT_EQ(b.colour(1, 1), 1);
    EXPECT_EQ(b.show(1, 2), 0);
    EXPECT_EQ(b.name(1, 2), "caller's");
}

TEST_F(LineDataDialog, AFailedRewriteStillAnswers)
{
    Call call;
    call.file = WinPathOf("missing\\DddMFile.dat");
    call.settings = StoredIntegers(0, {});
    OnDialog([](vd::DialogDriver& d) {
        d.selectCombo(Line(6, 1).colourId, 3);
        d.click(vd::IDOK);
    });
    const Reply a(Run(call));
    EXPECT_EQ(a.count, 141);
    EXPECT_EQ(a.colour(6, 1), 3);
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "missing"));
}
