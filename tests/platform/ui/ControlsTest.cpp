// Controls with the old semantics: combo and list boxes (sorted insertion, prefix search,
// selection notifications from the user only), report list views, scroll bars, statics.
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

using namespace vd;
using ui::DialogUnits;

namespace {

class ControlsDialog : public Dialog {
public:
    ControlsDialog() : Dialog(9300)
    {
        OnControl(CBN_SELCHANGE, 1031, [this] { events.push_back("sel:" + std::to_string(combo()->GetCurSel())); });
        OnControl(CBN_SELCHANGE, 1377, [this] { events.push_back("search"); });
        OnControl(LBN_DBLCLK, 1187, [this] { events.push_back("dbl:" + std::to_string(list()->GetCurSel())); });
        OnControl(LBN_SELCHANGE, 1187, [this] { events.push_back("pick:" + std::to_string(list()->GetCurSel())); });
        OnNotify(NM_CLICK, 1000, [this](Notify& n) { events.push_back("cell:" + std::to_string(n.item) + "," + std::to_string(n.subItem)); });
        OnNotify(LVN_COLUMNCLICK, 1000, [this](Notify& n) { events.push_back("column:" + std::to_string(n.subItem)); });
    }
    ComboBox* combo() const { return item<ComboBox>(1031); }
    ListBox* list() const { return item<ListBox>(1187); }
    void OnVScroll(int code, int pos, ScrollBar* bar) override
    {
        events.push_back("scroll:" + std::to_string(code) + "," + std::to_string(pos) + (bar ? ",bar" : ""));
    }
    std::vector<std::string> events;
};

void registerControls()
{
    ui::DialogTemplate t;
    t.id = 9300;
    t.place = DialogUnits{0, 0, 300, 200};
    t.controls = {
        ui::comboBox(1031, DialogUnits{5, 5, 80, 100}, CBS_DROPDOWNLIST, {"すべて", "1つおきA", "1つおきB", "2つおきA"}),
        ui::comboBox(1377, DialogUnits{90, 5, 80, 60}, CBS_DROPDOWN | CBS_SORT),
        ui::listBox(1187, DialogUnits{5, 30, 80, 60}, LBS_NOTIFY | LBS_SORT),
        ui::listView(1000, DialogUnits{90, 30, 200, 100}),
        ui::scrollBar(1003, DialogUnits{280, 5, 10, 100}),
        ui::ltext(1684, "国土&数値情報", DialogUnits{5, 140, 160, 18}, SS_SUNKEN),
        ui::edit(1005, DialogUnits{5, 160, 100, 30}, ES_MULTILINE | ES_READONLY),
        ui::defPushButton(IDOK, "OK", DialogUnits{250, 180, 40, 14}),
    };
    ui::registerTemplates(ui::kProgramModule, {t});
}

} // namespace

TEST(UiControls, ComboBoxesKeepTheOldSemantics)
{
    ui::Script::install();
    registerControls();
    ControlsDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ComboBox& combo = *dialog.combo();
    EXPECT_EQ(combo.GetCount(), 4) << "items from the template";
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.FindString(-1, "1つ"), 1);
    EXPECT_EQ(combo.FindString(1, "1つ"), 2);
    EXPECT_EQ(combo.FindString(2, "1つ"), 1) << "the search wraps around";
    EXPECT_EQ(combo.FindString(-1, "3つ"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(-1, "1つおき"), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(3), 3);
    EXPECT_EQ(combo.GetWindowText(), "2つおきA");
    EXPECT_EQ(combo.SetCurSel(9), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.SetItemData(0, 0x00FF0000u);
    EXPECT_EQ(combo.GetItemData(0), 0x00FF0000u);
    EXPECT_TRUE(dialog.events.empty()) << "the program's own changes do not notify";

    ComboBox& search = *dialog.item<ComboBox>(1377);
    EXPECT_EQ(search.AddString("滝"), 0);
    EXPECT_EQ(search.AddString("Abc"), 0);
    EXPECT_EQ(search.AddString("abd"), 1) << "sorted without regard to case";
    search.SetWindowText("温泉");
    EXPECT_EQ(search.GetWindowText(), "温泉");
    EXPECT_EQ(search.GetCurSel(), CB_ERR);
    search.ResetContent();
    EXPECT_EQ(search.GetCount(), 0);

    DialogDriver d(dialog);
    d.selectCombo(1031, 2);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"sel:2"}));
    std::string text;
    int index = -1;
    DataExchange save(dialog, true);
    DDX_CBString(save, 1031, text);
    DDX_CBIndex(save, 1031, index);
    EXPECT_EQ(text, "1つおきB");
    EXPECT_EQ(index, 2);
    dialog.DestroyWindow();
}

TEST(UiControls, ListBoxesListViewsAndScrollBarsNotifyByIdAndItem)
{
    ui::Script::install();
    registerControls();
    ControlsDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ListBox& list = *dialog.list();
    list.AddString("大阪");
    list.AddString("京都");
    list.AddString("あ");
    EXPECT_EQ(list.GetText(0), "あ");
    EXPECT_EQ(list.FindStringExact(-1, "京都"), 1);
    list.SetCurSel(0);

    ListCtrl& table = *dialog.item<ListCtrl>(1000);
    table.SetExtendedStyle(table.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(table.GetExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    table.InsertColumn(0, "", LVCFMT_LEFT, 60);
    table.InsertColumn(1, "地域コード", LVCFMT_LEFT, 100);
    EXPECT_EQ(table.InsertItem(0, "No.  1"), 0);
    EXPECT_TRUE(table.SetItemText(0, 1, "13101"));
    EXPECT_FALSE(table.SetItemText(0, 5, "x"));
    EXPECT_EQ(table.GetItemText(0, 1), "13101");
    EXPECT_EQ(table.GetColumnWidth(1), 100);
    EXPECT_EQ(table.GetColumnText(1), "地域コード");
    table.SetTextBkColor(0x00FFACACu);
    EXPECT_EQ(table.GetTextBkColor(), 0x00FFACACu);

    ScrollBar& bar = *dialog.item<ScrollBar>(1003);
    bar.SetScrollRange(0, 9);
    bar.SetScrollPos(4);
    EXPECT_EQ(bar.GetScrollPos(), 4);

    dialog.SetDlgItemText(1684, "いずれかの都道府県か日本列島を\r\n選んでください！");
    EXPECT_EQ(dialog.GetDlgItemText(1684), "いずれかの都道府県か日本列島を\r\n選んでください！");
    dialog.SetDlgItemText(1005, "一行目\r\n二行目");
    EXPECT_EQ(dialog.GetDlgItemText(1005), "一行目\r\n二行目");
    EXPECT_EQ(dialog.item<Edit>(1005)->GetLineCount(), 2);
    EXPECT_TRUE(dialog.events.empty());

    DialogDriver d(dialog);
    d.doubleClickList(1187, 2);
    d.clickListItem(1000, 0, 1);
    d.clickColumn(1000, 1);
    d.scroll(1003, SB_LINEDOWN, 5);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"pick:2", "dbl:2", "cell:0,1", "column:1", "scroll:1,5,bar"}));
    dialog.DestroyWindow();
}

TEST(UiControls, DialogItemHelpersReadIntegersAsTheOldPlatformDid)
{
    ui::Script::install();
    registerControls();
    ControlsDialog dialog;
    ASSERT_TRUE(dialog.Create());
    bool ok = false;
    const std::vector<std::pair<std::string, std::pair<int, bool>>> cases{
        {"-25", {-25, true}}, {"  7", {7, true}}, {"12a", {0, false}}, {"", {0, false}}, {"2147483648", {0, false}}};
    for (const auto& [text, expected] : cases) {
        dialog.SetDlgItemText(1005, text);
        EXPECT_EQ(dialog.GetDlgItemInt(1005, &ok), expected.first) << text;
        EXPECT_EQ(ok, expected.second) << text;
    }
    dialog.SetDlgItemInt(1005, -999);
    EXPECT_EQ(dialog.GetDlgItemText(1005), "-999");
    dialog.DestroyWindow();
}

namespace {

class SheetDialog : public Dialog {
public:
    SheetDialog() : Dialog(138)
    {
        OnControl(CBN_SELCHANGE, 101, [this] { events.push_back("sel:" + GetDlgItemText(101)); });
        OnControl(CBN_DBLCLK, 101, [this] {
            events.push_back("dbl:" + GetDlgItemText(101));
            EndDialog(IDOK);
        });
    }
    int OnCreate() override
    {
        SetWindowPos(747, 320);
        return 0;
    }
    bool OnInitDialog() override
    {
        Dialog::OnInitDialog();
        auto* sheets = item<ComboBox>(101);
        for (const char* name : {"札幌", "京都及大阪", "東京"})
            sheets->AddString(name);
        sheets->SetWindowText("京都");
        sheets->SelectString(-1, "京都");
        return true;
    }
    std::vector<std::string> events;
};

} // namespace

TEST(UiControls, SimpleComboShowsItsListAndEndsOnADoubleClick)
{
    auto script = ui::Script::install();
    ui::DialogTemplate t;
    t.id = 138;
    t.caption = " 1/20万地勢図を指定する";
    t.place = DialogUnits{0, 0, 101, 242};
    t.controls = {ui::comboBox(101, DialogUnits{5, 5, 90, 150}, CBS_SIMPLE), ui::defPushButton(IDOK, "OK", DialogUnits{5, 220, 40, 14})};
    ui::registerTemplates(ui::kProgramModule, {t});
    SheetDialog dialog;
    script->answerDialog(138, [&](DialogDriver& d) {
        EXPECT_EQ(d.text(101), "京都及大阪");
        EXPECT_EQ(dialog.GetWindowRect().left, 747);
        EXPECT_GT(dialog.GetDlgItem(101)->GetClientRect().Height(), 100) << "the list is part of the control";
        d.selectCombo(101, 2);
        d.doubleClickCombo(101, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"sel:東京", "sel:札幌", "dbl:札幌"}));
}
