// The layout check of the dialog driver names each control whose text its rectangle cannot hold,
// that lies over another or runs past the window's edge, and leaves alone the ones that fit; an
// editable combo box shows a text set by the program from its start.
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/WindowImpl.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace vd;
using ui::DialogUnits;

namespace {

constexpr int kLayout = 9341;

void registerLayout()
{
    ui::DialogTemplate t;
    t.id = kLayout;
    t.caption = "国土数値情報（メッシュデータ）の表示仕様";
    t.place = DialogUnits{0, 0, 300, 160};
    t.controls = {
        ui::ltext(1001, "表示する", DialogUnits{5, 5, 60, 8}),
        ui::ltext(1002, "(中心から) 直径(Km)", DialogUnits{5, 18, 30, 8}),
        ui::ltext(1003, "二行の 説明文を 書く", DialogUnits{5, 30, 50, 20}),
        ui::pushButton(1004, "ｷｬﾝｾﾙ", DialogUnits{5, 55, 40, 14}),
        ui::pushButton(1005, "すべて取消して閉じる", DialogUnits{50, 55, 30, 14}),
        ui::checkBox(1006, "指定地域", DialogUnits{5, 75, 60, 10}),
        ui::checkBox(1007, "指定地域", DialogUnits{70, 75, 20, 10}),
        ui::groupBox(1008, "トラックファイルの選択", DialogUnits{5, 90, 40, 20}),
        ui::tabControl(1009, DialogUnits{100, 5, 60, 40}),
        ui::comboBox(1010, DialogUnits{170, 5, 40, 60}, CBS_DROPDOWN),
        ui::comboBox(1011, DialogUnits{170, 25, 120, 60}, CBS_DROPDOWN),
        // Widened to its text, the radio button runs under the bracket beside it.
        ui::radioButton(1012, "ﾒｯｼｭﾏｯﾌﾟ", DialogUnits{5, 120, 20, 10}),
        ui::ltext(1013, ")", DialogUnits{30, 121, 4, 8}),
        // Wide enough for its text, but past the window's right edge.
        ui::ltext(1014, "右端を越えて続く説明文", DialogUnits{260, 140, 100, 8}),
        // Two buttons that share a pixel hide nothing of each other.
        ui::pushButton(1015, "前", DialogUnits{100, 140, 40, 14}),
        ui::pushButton(1016, "次", DialogUnits{139, 140, 40, 14}),
    };
    ui::registerTemplates(ui::kProgramModule, {t});
}

bool names(const std::vector<std::string>& faults, int id)
{
    const std::string key = "control " + std::to_string(id) + " ";
    for (const std::string& f : faults)
        if (f.rfind(key, 0) == 0)
            return true;
    return false;
}

} // namespace

TEST(UiLayoutCheck, NamesTheControlsWhoseTextIsCutAndOnlyThose)
{
    registerLayout();
    Dialog dialog;
    ASSERT_TRUE(dialog.Create(kLayout));
    dialog.ShowWindow(SW_SHOW);
    auto* tabs = dialog.item<TabCtrl>(1009);
    for (const char* text : {"線データ", "線ﾃﾞｰﾀA", "線ﾃﾞｰﾀB", "指定地域"})
        tabs->InsertItem(tabs->GetItemCount(), text);
    dialog.SetDlgItemText(1010, "C:\\Veldoran\\TRACK\\sample.trk");
    dialog.SetDlgItemText(1011, "sample.trk");

    const std::vector<std::string> faults = DialogDriver(dialog).clippedControls();
    struct Case {
        int id;
        bool cut;
    };
    // 1007: a check box drawn too narrow for its text grows to it when the dialog is built.
    for (const Case& c : {Case{1001, false}, Case{1002, true}, Case{1003, false}, Case{1004, false}, Case{1005, true},
                          Case{1006, false}, Case{1007, false}, Case{1008, true}, Case{1009, true}, Case{1010, true},
                          Case{1011, false}, Case{1012, true}, Case{1013, false}, Case{1014, true},
                          Case{1015, false}, Case{1016, false}})
        EXPECT_EQ(names(faults, c.id), c.cut) << c.id;
    bool caption = false;
    for (const std::string& f : faults)
        caption |= f.rfind("caption ", 0) == 0;
    EXPECT_FALSE(caption) << "a 300-unit wide window holds its caption";
    dialog.DestroyWindow();
}

TEST(UiLayoutCheck, AnEditableComboShowsAProgramsTextFromItsStart)
{
    registerLayout();
    Dialog dialog;
    ASSERT_TRUE(dialog.Create(kLayout));
    dialog.ShowWindow(SW_SHOW);
    dialog.SetDlgItemText(1010, "C:\\Veldoran\\TRACK\\sample.trk");
    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(1010)->impl()->widget.data());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
    dialog.DestroyWindow();
}
