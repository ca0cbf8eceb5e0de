// A tab container with pages created once and shown and hidden, written as the settings
// dialogs are; and a modeless dialog that reports to its owner with a posted message.
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

using namespace vd;
using ui::DialogUnits;

namespace {

constexpr int kContainer = 9200;
constexpr int kPageA = 9201;
constexpr int kPageB = 9202;

void registerContainer()
{
    ui::DialogTemplate c;
    c.id = kContainer;
    c.caption = "  国土数値情報（面データ）";
    c.place = DialogUnits{0, 0, 230, 137};
    c.controls = {
        ui::tabControl(1030, DialogUnits{2, 4, 226, 113}),
        ui::defPushButton(IDOK, "OK", DialogUnits{195, 120, 30, 14}),
        ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{160, 120, 30, 14}),
        ui::ltext(1525, "", DialogUnits{3, 122, 150, 9}),
    };
    ui::DialogTemplate a;
    a.id = kPageA;
    a.style = WS_CHILD;
    a.place = DialogUnits{5, 20, 220, 95};
    a.controls = {ui::checkBox(1017, "", DialogUnits{5, 5, 10, 10}), ui::edit(1002, DialogUnits{20, 5, 80, 12})};
    ui::DialogTemplate b = a;
    b.id = kPageB;
    b.controls = {ui::edit(1147, DialogUnits{20, 5, 80, 12})};
    ui::registerTemplates(ui::kProgramModule, {c, a, b});
}

class Page : public Dialog {
public:
    explicit Page(int id) : Dialog(id) {}
    bool OnInitDialog() override
    {
        ++inits;
        return Dialog::OnInitDialog();
    }
    int inits = 0;
};

class Container : public Dialog {
public:
    Container() : Dialog(kContainer)
    {
        OnNotify(TCN_SELCHANGING, 1030, [this](Notify& n) {
            changingFrom.push_back(m_tab.GetCurSel());
            if (refuse) {
                n.result = 1;
                return;
            }
            page(m_tab.GetCurSel()).ShowWindow(SW_HIDE);
        });
        OnNotify(TCN_SELCHANGE, 1030, [this](Notify&) {
            current = m_tab.GetCurSel();
            page(current).ShowWindow(SW_SHOW);
            SetDlgItemText(1525, current == 0 ? "データの範囲:全国" : "データの範囲:都道府県別");
        });
    }
    void DoDataExchange(DataExchange& dx) override { DDX_Control(dx, 1030, m_tab); }
    bool OnInitDialog() override
    {
        Dialog::OnInitDialog();
        m_tab.InsertItem(0, "地名");
        m_tab.InsertItem(1, "登録地点");
        return true;
    }
    void OnShowWindow(bool show) override
    {
        if (show) {
            for (int i = 0; i < 2; ++i) {
                page(i).Create(i == 0 ? kPageA : kPageB, this);
                page(i).ShowWindow(i == current ? SW_SHOW : SW_HIDE);
            }
        }
        m_tab.SetCurSel(current);
    }
    void OnOK() override
    {
        name = a.GetDlgItemText(1002);
        keyword = b.GetDlgItemText(1147);
        EndDialog(IDOK);
    }
    Page& page(int i) { return i == 0 ? a : b; }

    TabCtrl m_tab;
    Page a{kPageA};
    Page b{kPageB};
    int current = 1;
    bool refuse = false;
    std::vector<int> changingFrom;
    std::string name, keyword;
};

} // namespace

TEST(UiContainer, TabContainerCreatesEachPageOnceAndKeepsItsEditsAcrossTabChanges)
{
    auto script = ui::Script::install();
    registerContainer();
    Container dialog;
    script->answerDialog(kContainer, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.m_tab.GetItemCount(), 2);
        EXPECT_EQ(dialog.m_tab.GetCurSel(), 1) << "opens on the remembered tab";
        EXPECT_TRUE(dialog.b.IsWindowVisible());
        EXPECT_FALSE(dialog.a.IsWindowVisible());
        d.setText(1147, "温泉");
        d.selectTab(1030, 0);
        EXPECT_TRUE(dialog.a.IsWindowVisible());
        EXPECT_FALSE(dialog.b.IsWindowVisible());
        EXPECT_EQ(d.text(1525), "データの範囲:全国");
        d.setText(1002, "道路");
        d.click(1017);
        d.selectTab(1030, 1);
        d.selectTab(1030, 0);
        EXPECT_TRUE(d.isChecked(1017));
        EXPECT_EQ(d.text(1147), "温泉");
        d.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.a.inits, 1);
    EXPECT_EQ(dialog.b.inits, 1);
    EXPECT_EQ(dialog.changingFrom, (std::vector<int>{1, 0, 1})) << "the old tab is still current while changing";
    EXPECT_EQ(dialog.name, "道路");
    EXPECT_EQ(dialog.keyword, "温泉");
    EXPECT_EQ(dialog.current, 0);
}

TEST(UiContainer, TabChangeCanBeRefused)
{
    auto script = ui::Script::install();
    registerContainer();
    Container dialog;
    dialog.refuse = true;
    script->answerDialog(kContainer, [&](DialogDriver& d) {
        d.selectTab(1030, 0);
        EXPECT_EQ(dialog.m_tab.GetCurSel(), 1);
        EXPECT_TRUE(dialog.b.IsWindowVisible());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.current, 1);
}

namespace {

constexpr unsigned WM_VIEWDIALOGDONE = WM_USER + 5;

class Owner : public Dialog {
public:
    Owner() : Dialog(9210) {}
    std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) override
    {
        if (message == WM_VIEWDIALOGDONE)
            done.push_back(static_cast<int>(wParam));
        return 0;
    }
    std::vector<int> done;
};

class FindPlace : public Dialog {
public:
    explicit FindPlace(Window* owner) : owner_(owner) {}
    void OnOK() override
    {
        state = 2;
        owner_->PostMessage(WM_VIEWDIALOGDONE, 1);
    }
    void OnCancel() override
    {
        state = -2;
        owner_->PostMessage(WM_VIEWDIALOGDONE, 2);
    }
    void OnClose() override
    {
        state = 3;
        owner_->PostMessage(WM_VIEWDIALOGDONE, 2);
    }
    int state = 1;

private:
    Window* owner_;
};

} // namespace

TEST(UiContainer, ModelessDialogPostsItsDoneMessage)
{
    auto script = ui::Script::install();
    ui::DialogTemplate owner;
    owner.id = 9210;
    owner.controls = {ui::ltext(IDC_STATIC, "view")};
    ui::DialogTemplate find;
    find.id = 172;
    find.caption = "  地点を探す";
    find.controls = {ui::listBox(1187), ui::defPushButton(IDOK, "OK"), ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ")};
    ui::registerTemplates(ui::kProgramModule, {owner, find});

    Owner view;
    ASSERT_TRUE(view.Create());
    FindPlace dialog(&view);
    ASSERT_TRUE(dialog.Create(172));
    dialog.ShowWindow(SW_SHOW);
    ASSERT_EQ(script->modelessDialogs().back(), &dialog);
    DialogDriver d(dialog);
    d.click(IDOK);
    EXPECT_TRUE(view.done.empty()) << "posted, not sent";
    ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1}));
    EXPECT_TRUE(dialog.IsWindowVisible()) << "an accepted modeless dialog stays open";
    d.pressEscape();
    d.closeBox();
    ui::processPendingEvents();
    EXPECT_EQ(view.done, (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(dialog.state, 3);
}

TEST(UiContainer, DriverReachesAPageControlWhoseIdTheContainerUsesToo)
{
    auto script = ui::Script::install();
    registerContainer();
    ui::DialogTemplate shared;
    shared.id = kPageB;
    shared.style = WS_CHILD;
    // 1525 is the container's status text as well.
    shared.controls = {ui::edit(1147), ui::checkBox(1525, "")};
    ui::registerTemplates(ui::kProgramModule, {shared});
    Container dialog;
    script->answerDialog(kContainer, [&](DialogDriver& d) {
        DialogDriver b = d.page(kPageB);
        b.click(1525);
        EXPECT_TRUE(b.isChecked(1525));
        EXPECT_FALSE(d.isChecked(1525)) << "the container's own control comes first";
        EXPECT_THROW(d.page(4711), std::runtime_error);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}
