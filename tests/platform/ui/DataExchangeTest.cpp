// Data exchange: each helper moves a value into its control and back; validation failures show
// the standard message and leave the member as it was.
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

using namespace vd;
using ui::DialogUnits;

namespace {

class Exchange : public Dialog {
public:
    Exchange() : Dialog(9500) {}
    void DoDataExchange(DataExchange& dx) override
    {
        DDX_Text(dx, 1001, name);
        DDV_MaxChars(dx, name, 6);
        DDX_Text(dx, 1002, ratio);
        DDV_MinMaxDouble(dx, ratio, 0.0, 1.0);
        DDX_CBStringExact(dx, 1003, colour);
        DDX_CBString(dx, 1004, search);
        DDX_LBString(dx, 1005, place);
        DDX_LBIndex(dx, 1005, placeIndex);
    }
    std::string name = "地名";
    double ratio = 0.25;
    std::string colour = "青";
    std::string search = "温泉";
    std::string place = "京都";
    int placeIndex = 1;
};

void registerExchange()
{
    ui::DialogTemplate t;
    t.id = 9500;
    t.place = DialogUnits{0, 0, 200, 150};
    t.controls = {
        ui::edit(1001, DialogUnits{5, 5, 80, 12}),
        ui::edit(1002, DialogUnits{5, 20, 80, 12}),
        ui::comboBox(1003, DialogUnits{5, 35, 80, 60}, CBS_DROPDOWNLIST, {"紫", "青", "青/太"}),
        ui::comboBox(1004, DialogUnits{100, 35, 80, 60}, CBS_DROPDOWN),
        ui::listBox(1005, DialogUnits{5, 55, 80, 60}, LBS_NOTIFY),
        ui::defPushButton(IDOK, "OK", DialogUnits{150, 130, 40, 14}),
    };
    ui::registerTemplates(ui::kProgramModule, {t});
}

} // namespace

TEST(UiDataExchange, ValuesGoIntoTheControlsAndComeBackValidated)
{
    auto script = ui::Script::install();
    registerExchange();
    Exchange dialog;
    ASSERT_TRUE(dialog.Create());
    for (const char* p : {"大阪", "京都", "京都府"})
        dialog.item<ListBox>(1005)->AddString(p);
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.GetDlgItemText(1001), "地名");
    EXPECT_EQ(dialog.GetDlgItemText(1002), "0.25");
    EXPECT_EQ(dialog.item<ComboBox>(1003)->GetCurSel(), 1) << "the exact text, not the first prefix match";
    EXPECT_EQ(dialog.GetDlgItemText(1004), "温泉") << "a drop-down takes a text it does not list";
    EXPECT_EQ(dialog.item<ListBox>(1005)->GetCurSel(), 1);

    DialogDriver d(dialog);
    struct Case {
        int id;
        std::string text;
        std::string message;
    };
    const std::vector<Case> refused{
        {1001, "地名地名", "6 文字以内で入力してください。"},  // 8 bytes of CP932
        {1002, "1.5x", "数値を入力してください。"},
        {1002, "1.5", "0 から 1 までの数値を入力してください。"},
    };
    for (const auto& c : refused) {
        d.setText(c.id, c.text);
        EXPECT_FALSE(dialog.UpdateData(true)) << c.text;
        EXPECT_EQ(script->messageBoxes().back().text, c.message);
        EXPECT_EQ(dialog.focusedControl(), c.id);
        d.setText(1001, "地名");
        d.setText(1002, "0.25");
    }
    d.setText(1001, "湖沼");
    d.setText(1002, "0.5");
    d.selectCombo(1003, 2);
    d.setText(1004, "滝");
    d.selectList(1005, 2);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.name, "湖沼");
    EXPECT_EQ(dialog.ratio, 0.5);
    EXPECT_EQ(dialog.colour, "青/太");
    EXPECT_EQ(dialog.search, "滝");
    EXPECT_EQ(dialog.place, "京都府");
    EXPECT_EQ(dialog.placeIndex, 2);
    dialog.DestroyWindow();
}
