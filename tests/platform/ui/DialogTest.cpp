// Dialogs built from templates and driven by id: radio groups by the group style, integer fields
// with the standard message, lost focus before the button command, Escape and the close box as
// Cancel, dialogs answered by the script also inside a library's module, automatic layout.
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

using namespace vd;
using ui::DialogUnits;

namespace {

ui::DialogTemplate radioTemplate()
{
    ui::DialogTemplate t;
    t.id = 9100;
    t.caption = "ラジオ";
    t.place = DialogUnits{0, 0, 200, 120};
    t.controls = {
        ui::radioButton(1001, "橙", DialogUnits{5, 5, 40, 10}, BS_AUTORADIOBUTTON | WS_GROUP),
        ui::radioButton(1002, "青", DialogUnits{50, 5, 40, 10}),
        ui::ltext(IDC_STATIC, "ラベル", DialogUnits{95, 5, 40, 10}),  // not a group boundary
        ui::radioButton(1003, "赤", DialogUnits{140, 5, 40, 10}),
        ui::radioButton(1004, "黒", DialogUnits{5, 20, 40, 10}, BS_AUTORADIOBUTTON | WS_GROUP),
        ui::radioButton(1005, "灰", DialogUnits{50, 20, 40, 10}),
        ui::radioButton(1484, "すべて", DialogUnits{5, 35, 60, 15}, BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP),
        ui::radioButton(1485, "北海道", DialogUnits{70, 35, 40, 15}, BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP),
        ui::radioButton(1127, "地点", DialogUnits{5, 55, 40, 10}, BS_RADIOBUTTON | WS_GROUP),
        ui::checkBox(1130, "表示", DialogUnits{50, 55, 40, 10}, BS_AUTOCHECKBOX | WS_GROUP),
        ui::defPushButton(IDOK, "OK", DialogUnits{100, 100, 40, 14}),
        ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{150, 100, 40, 14}),
    };
    return t;
}

class RadioDialog : public Dialog {
public:
    RadioDialog() : Dialog(9100)
    {
        OnControlRange(BN_CLICKED, 1001, 1485, [this](int id) { clicks.push_back(id); });
        OnClicked(1127, [this] { clicks.push_back(1127); });
    }
    void DoDataExchange(DataExchange& dx) override
    {
        DDX_Radio(dx, 1001, colour);
        DDX_Radio(dx, 1004, border);
        DDX_Check(dx, 1130, show);
    }
    int colour = 2;
    int border = -1;
    int show = 1;
    std::vector<int> clicks;
};

} // namespace

TEST(UiDialog, RadioGroupsFollowTheGroupStyle)
{
    auto script = ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {radioTemplate()});
    RadioDialog dialog;
    script->answerDialog(9100, [](DialogDriver& d) {
        // Data exchange checked the third radio of the first group (the static does not end it).
        EXPECT_TRUE(d.isChecked(1003));
        EXPECT_FALSE(d.isChecked(1004));
        EXPECT_FALSE(d.isChecked(1005));
        d.click(1002);
        EXPECT_FALSE(d.isChecked(1001));
        EXPECT_TRUE(d.isChecked(1002));
        EXPECT_FALSE(d.isChecked(1003));
        d.click(1005);
        EXPECT_TRUE(d.isChecked(1002)) << "another group is untouched";
        EXPECT_TRUE(d.isChecked(1005));
        d.click(1005);
        EXPECT_TRUE(d.isChecked(1005)) << "a checked radio stays checked";
        // Push-like radios, each its own group: both may be down.
        d.click(1484);
        d.click(1485);
        EXPECT_TRUE(d.isChecked(1484));
        EXPECT_TRUE(d.isChecked(1485));
        // A radio without the auto style is checked by the program only.
        d.click(1127);
        EXPECT_FALSE(d.isChecked(1127));
        d.check(1130, false);
        d.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.colour, 1);
    EXPECT_EQ(dialog.border, 1);
    EXPECT_EQ(dialog.show, 0);
    EXPECT_EQ(dialog.clicks, (std::vector<int>{1002, 1005, 1005, 1484, 1485, 1127, 1130}));
}

namespace {

ui::DialogTemplate intTemplate()
{
    ui::DialogTemplate t;
    t.id = 9101;
    t.caption = "整数";
    t.place = DialogUnits{0, 0, 160, 80};
    t.controls = {
        ui::ltext(IDC_STATIC, "間隔", DialogUnits{5, 5, 30, 10}),
        ui::edit(1414, DialogUnits{40, 5, 60, 12}),
        ui::edit(1147, DialogUnits{40, 20, 60, 12}),
        ui::pushButton(1150, "設定", DialogUnits{105, 20, 40, 14}),
        ui::defPushButton(IDOK, "OK", DialogUnits{60, 60, 40, 14}),
        ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{105, 60, 40, 14}),
    };
    return t;
}

class IntervalDialog : public Dialog {
public:
    IntervalDialog() : Dialog(9101)
    {
        OnControl(EN_KILLFOCUS, 1147, [this] { events.push_back("killfocus:" + GetDlgItemText(1147)); });
        OnClicked(1150, [this] { events.push_back("command"); });
    }
    void DoDataExchange(DataExchange& dx) override
    {
        DDX_Text(dx, 1414, interval);
        DDV_MinMaxInt(dx, interval, 1, 100000000);
        DDX_Text(dx, 1147, keyword);
    }
    void OnCancel() override
    {
        ++cancels;
        Dialog::OnCancel();
    }
    int interval = 5;
    std::string keyword = "温泉";
    int cancels = 0;
    std::vector<std::string> events;
};

} // namespace

TEST(UiDialog, IntegerFieldRefusesTextWithTheStandardMessageAndStaysOpen)
{
    auto script = ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {intTemplate()});
    IntervalDialog dialog;
    script->answerDialog(9101, [&](DialogDriver& d) {
        EXPECT_EQ(d.text(1414), "5");
        d.setText(1414, "12a");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(dialog.focusedControl(), 1414) << "the field that failed takes the focus";
        d.setText(1414, "0");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.setText(1414, " 12 ");
        d.click(IDOK);
        EXPECT_TRUE(d.ended());
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.interval, 12);
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_EQ(script->messageBoxes()[0].text, "整数を入力してください。");
    EXPECT_EQ(script->messageBoxes()[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(script->messageBoxes()[1].text, "1 から 100000000 までの整数を入力してください。");
}

TEST(UiDialog, LostFocusArrivesBeforeTheButtonCommand)
{
    auto script = ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {intTemplate()});
    IntervalDialog dialog;
    script->answerDialog(9101, [](DialogDriver& d) {
        d.setText(1147, "滝");
        d.click(1150);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"killfocus:滝", "command"}));
    EXPECT_EQ(dialog.keyword, "温泉") << "Cancel exchanges nothing";
}

TEST(UiDialog, EscapeAndTheCloseBoxAreCancelAndEnterPressesTheDefaultButton)
{
    auto script = ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {intTemplate()});
    IntervalDialog dialog;
    script->answerDialog(9101, [](DialogDriver& d) { d.pressEscape(); });
    script->answerDialog(9101, [](DialogDriver& d) { d.closeBox(); });
    script->answerDialog(9101, [](DialogDriver& d) { d.setText(1414, "77"); d.pressEnter(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.cancels, 2);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.interval, 77);
}

namespace {

// The same id in two modules: a library's entry point makes its module current.
std::string libraryCall()
{
    ui::ModuleScope module("Pelmora");
    Dialog dialog(147);
    return dialog.DoModal() == IDOK ? "ok" : "";
}

} // namespace

TEST(UiDialog, ScriptAnswersADialogOpenedInsideALibraryCall)
{
    auto script = ui::Script::install();
    ui::DialogTemplate program;
    program.id = 147;
    program.caption = "program";
    program.controls = {ui::defPushButton(IDOK, "OK")};
    ui::DialogTemplate library = program;
    library.caption = "  地域選択";
    ui::registerTemplates(ui::kProgramModule, {program});
    ui::registerTemplates("Pelmora", {library});
    script->answerDialog(147, [](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  地域選択");
        d.click(IDOK);
    });
    EXPECT_EQ(libraryCall(), "ok");
    EXPECT_EQ(ui::currentModule(), ui::kProgramModule);
    // An answer for one module's template leaves the same id of another module alone.
    script->answerDialog("Pelmora", 147, [](DialogDriver& d) { d.click(IDOK); });
    EXPECT_EQ(Dialog(147).DoModal(), IDCANCEL);
    EXPECT_EQ(libraryCall(), "ok");
    script->answerDialog("Pelmora", 147, [](DialogDriver& d) { d.pressEscape(); });
    EXPECT_EQ(libraryCall(), "");
    // Without an answer the dialog is cancelled and reported.
    EXPECT_EQ(libraryCall(), "");
    EXPECT_EQ(script->unanswered(), (std::vector<int>{147, 147}));
    EXPECT_EQ(Dialog(4711).DoModal(), -1) << "a template that does not exist";

    // Answers for every other dialog: queued answers still come first.
    std::vector<int> others;
    script->answerOtherDialogs([&](DialogDriver& d) {
        others.push_back(d.templateId());
        d.click(IDOK);
    });
    script->answerDialog("Pelmora", 147, [](DialogDriver& d) { d.pressEscape(); });
    EXPECT_EQ(libraryCall(), "");
    EXPECT_EQ(libraryCall(), "ok");
    EXPECT_EQ(Dialog(147).DoModal(), IDOK);
    EXPECT_EQ(others, (std::vector<int>{147, 147}));
    EXPECT_EQ(script->unanswered(), (std::vector<int>{147, 147})) << "answered ones are not listed";
}

namespace {

ui::DialogTemplate autoTemplate()
{
    ui::DialogTemplate t;
    t.id = 9102;
    t.caption = "自動配置";
    t.controls = {
        ui::ltext(IDC_STATIC, "データ名称"),
        ui::edit(1002),
        ui::pushButton(1003, "ﾌｧｲﾙ"),
        ui::ltext(IDC_STATIC, "色"),
        ui::comboBox(1001, {}, CBS_DROPDOWNLIST, {"紫", "青", "深緑"}),
        ui::groupBox(IDC_STATIC, "属性"),
        ui::radioButton(1650, "非表示", {}, BS_AUTORADIOBUTTON | WS_GROUP),
        ui::radioButton(1654, "名称"),
        ui::radioButton(1655, "種別"),
        ui::checkBox(1017, "表示", {}, BS_AUTOCHECKBOX | WS_GROUP),
        ui::checkBox(1018, "名称"),
        ui::listBox(1187),
        ui::defPushButton(IDOK, "OK"),
        ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

} // namespace

TEST(UiDialog, DialogWithoutGeometryLaysOutWithoutOverlaps)
{
    ui::Script::install();
    ui::registerTemplates(ui::kProgramModule, {autoTemplate()});
    Dialog dialog(9102);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    std::vector<std::pair<int, Rect>> placed;
    const std::vector<int> ids{1002, 1003, 1001, 1650, 1654, 1655, 1017, 1018, 1187, IDOK, IDCANCEL};
    for (int id : ids) {
        Window* w = dialog.GetDlgItem(id);
        ASSERT_NE(w, nullptr) << id;
        EXPECT_TRUE(w->IsWindowVisible()) << id;
        const Rect r = w->GetWindowRect();
        EXPECT_GT(r.Width(), 0) << id;
        EXPECT_GT(r.Height(), 0) << id;
        for (const auto& [other, o] : placed)
            EXPECT_FALSE(r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom)
                << id << " overlaps " << other;
        placed.emplace_back(id, r);
    }
    // The dialog holds them all.
    const Rect frame = dialog.GetWindowRect();
    for (const auto& [id, r] : placed) {
        EXPECT_GE(r.left, frame.left) << id;
        EXPECT_LE(r.right, frame.right) << id;
        EXPECT_LE(r.bottom, frame.bottom) << id;
    }
    dialog.DestroyWindow();
}

TEST(UiDialog, DialogUnitsFollowTheTemplateFont)
{
    ui::Script::install();
    ui::DialogTemplate t;
    t.id = 9103;
    t.place = DialogUnits{0, 0, 100, 50};
    t.controls = {ui::ltext(1000, "a", DialogUnits{0, 0, 4, 8}), ui::ltext(1001, "b", DialogUnits{40, 16, 40, 16})};
    ui::registerTemplates(ui::kProgramModule, {t});
    t.id = 9104;
    t.fontPoints = 18;
    ui::registerTemplates(ui::kProgramModule, {t});
    Dialog small(9103), large(9104);
    ASSERT_TRUE(small.Create());
    ASSERT_TRUE(large.Create());
    const Rect unit = small.GetDlgItem(1000)->GetClientRect();
    const Rect big = large.GetDlgItem(1000)->GetClientRect();
    EXPECT_GT(big.Width(), unit.Width());
    EXPECT_GT(big.Height(), unit.Height());
    // Ten times the unit, within rounding; the client size likewise.
    const Rect b = small.GetDlgItem(1001)->GetClientRect();
    EXPECT_NEAR(b.Width(), 10 * unit.Width(), 5);
    EXPECT_NEAR(b.Height(), 2 * unit.Height(), 1);
    EXPECT_NEAR(small.GetClientRect().Width(), 25 * unit.Width(), 12);
}

TEST(UiDialog, PlainDialogWithAnIconClosesWithOkOrTheCloseBox)
{
    auto script = ui::Script::install();
    ui::DialogTemplate about;
    about.id = 100;
    about.caption = "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20)";
    about.controls = {ui::icon(IDC_STATIC), ui::ltext(IDC_STATIC, "ヴェルドラン見聞録   Version 2.10"), ui::defPushButton(IDOK, "OK")};
    ui::registerTemplates(ui::kProgramModule, {about});
    script->answerDialog(100, [](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20)");
        d.click(IDOK);
    });
    script->answerDialog(100, [](DialogDriver& d) { d.closeBox(); });
    Dialog dialog(100);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script->unanswered().empty());
}

TEST(UiDialog, ADialogForThePointerCentresOnItsWindowWhenThePointerIsUnknown)
{
    ui::Script::install();
    ui::DialogTemplate owner;
    owner.id = 9130;
    owner.place = ui::DialogUnits{0, 0, 300, 200};
    owner.controls = {ui::ltext(IDC_STATIC, "main", ui::DialogUnits{4, 4, 40, 8})};
    ui::DialogTemplate pointer;
    pointer.id = 9131;
    pointer.style |= DS_CENTERMOUSE;
    pointer.place = ui::DialogUnits{0, 0, 100, 60};
    pointer.controls = {ui::defPushButton(IDOK, "OK", ui::DialogUnits{30, 40, 40, 14})};
    ui::registerTemplates(ui::kProgramModule, {owner, pointer});
    Dialog main(9130);
    ASSERT_TRUE(main.Create());
    main.SetWindowPos(120, 90);
    main.ShowWindow(SW_SHOW);
    Dialog dialog(9131, &main);
    ASSERT_TRUE(dialog.Create());
    // The offscreen platform has no pointer.
    const Rect outer = main.GetWindowRect();
    const Rect inner = dialog.GetWindowRect();
    EXPECT_NEAR((inner.left + inner.right) / 2, (outer.left + outer.right) / 2, 2);
    EXPECT_NEAR((inner.top + inner.bottom) / 2, (outer.top + outer.bottom) / 2, 2);
    dialog.DestroyWindow();
    main.DestroyWindow();
}
