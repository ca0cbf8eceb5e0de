// Menus from tables, update handlers, command routing, popup menus and accelerators.
#include "platform/ui/Application.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/View.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vd;
using ui::menuItem;
using ui::menuSeparator;
using ui::subMenu;

namespace {

void registerMenus()
{
    ui::MenuTemplate bar{128, {
        subMenu("ﾌｧｲﾙ(&F)", {menuItem(32794, "ﾃｷｽﾄ･画像ﾒﾆｭｰﾊﾞｰへ(&B)\tCtrl+B"), menuSeparator(),
                             subMenu("印刷", {menuItem(57607, "ﾃｷｽﾄの印刷(&P)\tCtrl+P")}),
                             menuItem(57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)")}),
        subMenu("指定の図幅へ", {menuItem(1990, "---")}),
        subMenu("国土情報(&D)", {menuItem(32771, "点データ(&P)..."), menuItem(32772, "線データ(&L)..."),
                                 menuItem(32778, "地域選択..."), menuItem(32799, "未処理")}),
    }};
    ui::MenuTemplate textBar{133, {subMenu("ﾌｧｲﾙ(&F)", {menuItem(32794, "地図メニューバーへ(&B)")}),
                                   subMenu("〆ﾃｷｽﾄ1", {menuItem(2030, "---")})}};
    ui::MenuTemplate popup{155, {subMenu("ﾏｯﾋﾟﾝｸﾞ", {menuItem(32885, "地図再表示"), menuSeparator(), menuItem(32771, "点データ(&P)...")})}};
    ui::registerMenus(ui::kProgramModule, {bar, textBar, popup});
    ui::registerAccelerators(ui::kProgramModule, {{128, {{'B', ui::FVIRTKEY | ui::FCONTROL, 32794}, {ui::VK_F1, ui::FVIRTKEY | ui::FSHIFT, 57669}}}});
    ui::registerString(ui::kProgramModule, 128, "Veldoran\n\nTavrel\n\n\nVeldoran.Document\nTavrel Document");
}

} // namespace

TEST(UiMenu, MenuBuiltFromATableReadsBackItsJapaneseTextsAndMnemonics)
{
    registerMenus();
    Menu menu;
    ASSERT_TRUE(menu.LoadMenu(128));
    EXPECT_FALSE(Menu().LoadMenu(4711));
    ASSERT_EQ(menu.GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuString(0, MF_BYPOSITION), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(Menu::mnemonicOf(menu.GetMenuString(0, MF_BYPOSITION)), "F");
    EXPECT_EQ(menu.GetMenuItemID(0), -1) << "a sub-menu";
    Menu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemCount(), 4);
    EXPECT_EQ(file->GetMenuItemID(0), 32794);
    EXPECT_EQ(file->GetMenuItemID(1), 0) << "a separator";
    EXPECT_EQ(file->GetMenuString(32794, MF_BYCOMMAND), "ﾃｷｽﾄ･画像ﾒﾆｭｰﾊﾞｰへ(&B)\tCtrl+B");
    EXPECT_EQ(Menu::mnemonicOf(file->GetMenuString(32794, MF_BYCOMMAND)), "B");
    EXPECT_EQ(menu.GetMenuString(57607, MF_BYCOMMAND), "ﾃｷｽﾄの印刷(&P)\tCtrl+P") << "found in a sub-menu";
    EXPECT_EQ(Menu::mnemonicOf("地点を探す(&Ｒ)"), "Ｒ");
    EXPECT_EQ(Menu::mnemonicOf("A && B"), "");
    EXPECT_EQ(menu.GetMenuState(32799, MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu.GetMenuState(4711, MF_BYCOMMAND), kMenuStateError);
}

TEST(UiMenu, DynamicItemFamiliesAreReplacedAtRunTime)
{
    registerMenus();
    Menu menu;
    ASSERT_TRUE(menu.LoadMenu(128));
    Menu* sheets = menu.GetSubMenu(1);
    ASSERT_NE(sheets, nullptr);
    for (int pos = 34; pos >= 0; --pos)
        sheets->DeleteMenu(pos, MF_BYPOSITION);
    EXPECT_EQ(sheets->GetMenuItemCount(), 0);
    sheets->AppendMenu(MF_STRING, 1990, "京都及大阪");
    sheets->AppendMenu(MF_SEPARATOR, 1991);
    sheets->AppendMenu(MF_STRING, 1992, "東京");
    sheets->InsertMenu(0, MF_BYPOSITION, 1993, "札幌");
    EXPECT_EQ(sheets->GetMenuItemCount(), 4);
    EXPECT_EQ(sheets->GetMenuItemID(0), 1993);
    EXPECT_EQ(sheets->GetMenuItemID(2), 0);
    EXPECT_EQ(menu.GetMenuString(1992, MF_BYCOMMAND), "東京");
    EXPECT_TRUE(menu.ModifyMenu(1992, MF_BYCOMMAND | MF_STRING, 1994, "横浜"));
    EXPECT_EQ(menu.GetMenuString(1994, MF_BYCOMMAND), "横浜");
    EXPECT_EQ(menu.CheckMenuItem(1994, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.EnableMenuItem(1994, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu.GetMenuState(1994, MF_BYCOMMAND), MF_CHECKED | MF_GRAYED);
    EXPECT_TRUE(menu.DeleteMenu(1990, MF_BYCOMMAND));
    EXPECT_FALSE(menu.DeleteMenu(1990, MF_BYCOMMAND));
}

namespace {

struct Trace {
    std::vector<std::string> calls;
};

class TestDocument : public Document {
public:
    explicit TestDocument(Trace& trace) : trace_(trace)
    {
        trace.calls.push_back("document");
        OnCommand(32771, [this] { trace_.calls.push_back("doc:32771"); });
        OnUpdateCommandUI(32771, [this](CmdUI& ui) {
            ui.Enable(mapType == 1);
            ui.SetCheck(pointLayer == 1);
        });
        OnCommand(32772, [this] { trace_.calls.push_back("doc:32772"); });
        OnUpdateCommandUI(32778, [](CmdUI& ui) { ui.SetText("地域選択(全国)..."); });
        OnCommand(32778, [] {});
    }
    ~TestDocument() override { trace_.calls.push_back("~document"); }
    bool OnNewDocument() override
    {
        trace_.calls.push_back("new document");
        return true;
    }
    int mapType = 1;
    int pointLayer = 1;

private:
    Trace& trace_;
};

class TestView : public View {
public:
    explicit TestView(Trace& trace) : trace_(trace)
    {
        trace.calls.push_back("view");
        OnCommand(32772, [this] { trace_.calls.push_back("view:32772"); });
        OnCommandRange(1990, 2024, [this](int id) { trace_.calls.push_back("sheet:" + std::to_string(id)); });
    }
    ~TestView() override { trace_.calls.push_back("~view"); }
    void OnInitialUpdate() override { trace_.calls.push_back("initial update"); }

private:
    Trace& trace_;
};

class TestFrame : public FrameWindow {
public:
    explicit TestFrame(Trace& trace) : trace_(trace)
    {
        trace.calls.push_back("frame");
        OnCommand(32794, [this] {
            trace_.calls.push_back("frame:32794");
            Menu bar;
            bar.LoadMenu(swapped ? 128 : 133);
            swapped = !swapped;
            SetMenu(bar);
            DrawMenuBar();
        });
    }
    int OnCreate() override
    {
        trace_.calls.push_back("frame created");
        return FrameWindow::OnCreate();
    }
    bool swapped = false;

private:
    Trace& trace_;
};

class TestApp : public Application {
public:
    explicit TestApp(Trace& trace) : trace_(trace)
    {
        OnCommand(57664, [this] { trace_.calls.push_back("app:57664"); });
        OnCommand(32772, [this] { trace_.calls.push_back("app:32772"); });
    }
    bool InitInstance() override
    {
        AddDocTemplate({128, [this] { return std::make_unique<TestDocument>(trace_); },
                        [this] { return std::make_unique<TestFrame>(trace_); },
                        [this] { return std::make_unique<TestView>(trace_); }});
        return OnFileNew();
    }

private:
    Trace& trace_;
};

} // namespace

TEST(UiFrame, SingleDocumentStartBuildsDocumentFrameViewInOrderAndShutsDownViewFirst)
{
    registerMenus();
    ui::Script::install();
    Trace trace;
    {
        TestApp app(trace);
        ASSERT_TRUE(app.InitInstance());
        ASSERT_NE(app.m_pMainWnd, nullptr);
        EXPECT_TRUE(app.m_pMainWnd->IsWindowVisible());
        EXPECT_EQ(app.m_pMainWnd->GetWindowText(), "Tavrel - Veldoran");
        EXPECT_EQ(app.m_pMainWnd->GetActiveDocument(), app.document());
        EXPECT_EQ(app.m_pMainWnd->GetActiveView()->GetParentFrame(), app.m_pMainWnd);
        app.Shutdown();
    }
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"document", "frame", "frame created", "view", "new document",
                                                     "initial update", "~view", "~document"}));
}

TEST(UiFrame, CommandRoutesToTheFirstHandlerViewDocumentFrameApplication)
{
    registerMenus();
    ui::Script::install();
    Trace trace;
    TestApp app(trace);
    ASSERT_TRUE(app.InitInstance());
    FrameWindow& frame = *app.m_pMainWnd;
    trace.calls.clear();
    EXPECT_TRUE(frame.ExecuteCommand(32772));   // view and application both handle it
    EXPECT_TRUE(frame.ExecuteCommand(32771));   // document
    EXPECT_TRUE(frame.ExecuteCommand(57664));   // application
    EXPECT_TRUE(frame.ExecuteCommand(2003));    // a dynamic family, by range
    EXPECT_FALSE(frame.ExecuteCommand(32799));  // nobody
    static_cast<TestDocument*>(app.document())->mapType = 3;
    EXPECT_FALSE(frame.ExecuteCommand(32771)) << "a command its update handler disables does not run";
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"view:32772", "doc:32771", "app:57664", "sheet:2003"}));
}

TEST(UiFrame, UpdateHandlerDisablesChecksAndRenamesAMenuItem)
{
    registerMenus();
    ui::Script::install();
    Trace trace;
    TestApp app(trace);
    ASSERT_TRUE(app.InitInstance());
    FrameWindow& frame = *app.m_pMainWnd;
    auto* doc = static_cast<TestDocument*>(app.document());
    Menu* layers = frame.GetMenu()->GetSubMenu(2);
    ASSERT_NE(layers, nullptr);
    layers->UpdateItems(frame);
    EXPECT_EQ(layers->GetMenuState(32771, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(layers->GetMenuString(32778, MF_BYCOMMAND), "地域選択(全国)...");
    EXPECT_EQ(layers->GetMenuState(32799, MF_BYCOMMAND), MF_GRAYED) << "no handler: disabled";
    EXPECT_EQ(layers->GetMenuState(32772, MF_BYCOMMAND), 0u) << "a handler without an update handler: enabled";
    doc->mapType = 2;
    doc->pointLayer = 0;
    layers->UpdateItems(frame);
    EXPECT_EQ(layers->GetMenuState(32771, MF_BYCOMMAND), MF_GRAYED);
}

TEST(UiFrame, MenuBarsSwapAtRunTimeAndAcceleratorsRunCommands)
{
    registerMenus();
    ui::Script::install();
    Trace trace;
    TestApp app(trace);
    ASSERT_TRUE(app.InitInstance());
    FrameWindow& frame = *app.m_pMainWnd;
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 3);
    EXPECT_TRUE(frame.ExecuteCommand(32794));
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 2);
    EXPECT_EQ(frame.GetMenu()->GetMenuString(1, MF_BYPOSITION), "〆ﾃｷｽﾄ1");
    EXPECT_TRUE(frame.ExecuteCommand(32794));
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 3);

    // Ctrl+B from the accelerator table runs the same command.
    QMainWindow* main = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMainWindow*>(w); m && m->isVisible())
            main = m;
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);
    trace.calls.clear();
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"frame:32794"}));
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 2);
}

TEST(UiFrame, RightClickPopupMenuRoutesTheChosenCommand)
{
    registerMenus();
    auto script = ui::Script::install();
    Trace trace;
    TestApp app(trace);
    ASSERT_TRUE(app.InitInstance());
    trace.calls.clear();
    Menu mapping;
    ASSERT_TRUE(mapping.LoadMenu(155));
    script->answerPopupMenu(32771);
    script->answerPopupMenu(0);
    EXPECT_EQ(mapping.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 100, 100, app.m_pMainWnd), 1);
    EXPECT_EQ(mapping.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, app.m_pMainWnd), 0);
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"doc:32771"}));
    ASSERT_EQ(script->popupMenus().size(), 2u);
    EXPECT_EQ(script->popupMenus()[0], (std::vector<std::string>{"地図再表示", "", "点データ(&P)..."}));
    EXPECT_EQ(mapping.GetSubMenu(0)->GetMenuState(32885, MF_BYCOMMAND), MF_GRAYED) << "updated before showing";

    // A choice made on the menu as shown sees its updated states, before the answers by id.
    trace.calls.clear();
    script->answerPopupMenu(32771);
    script->choosePopupMenuItem([](Menu& shown) {
        return shown.GetMenuState(32885, MF_BYCOMMAND) & MF_GRAYED ? 0 : 32885;
    });
    EXPECT_EQ(mapping.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, app.m_pMainWnd), 0);
    EXPECT_TRUE(trace.calls.empty()) << "a disabled item is not chosen";
    EXPECT_EQ(mapping.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, app.m_pMainWnd), 1);
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"doc:32771"}));
}

namespace {

// The close box of the main frame.
void widgetClose(Application&)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<QMainWindow*>(w); m && m->isVisible())
            m->close();
}

} // namespace

TEST(UiFrame, RunEndsWhenTheFrameClosesAndReleasesViewThenDocument)
{
    registerMenus();
    ui::Script::install();
    Trace trace;
    TestApp app(trace);
    ASSERT_TRUE(app.InitInstance());
    trace.calls.clear();
    QTimer::singleShot(0, [&] { widgetClose(app); });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(trace.calls, (std::vector<std::string>{"~view", "~document"}));
}
