#pragma once
// The program's main window as a user meets it: the shell started with the program's own map view
// on the bundled sample data, the frame shown and its first map drawn. The view records every
// command routed to it and, unless told otherwise, passes it on along the route; a test may stand
// in for its drawing routines.
#include "ShellTestSupport.h"

#include "app/document/VeldoranDoc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/WindowImpl.h"
#include "tests/support/WaitFor.h"
#include "tests/view/StandInView.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <functional>
#include <vector>

class RoutedCommandsView : public viewtest::StandInView {
public:
    using viewtest::StandInView::StandInView;
    bool routeCommand(int id) override
    {
        routed.push_back(id);
        return swallow || CVeldoranView::routeCommand(id);
    }
    std::vector<int> routed;
    // The handlers along the route do not run: only that the choice reached the route counts.
    bool swallow = false;
};

// Opens the menu of the bar that holds the command with a click on its title and clicks the item
// (an item of the menu itself, not of a sub-menu). The menu runs the command once it has closed.
inline bool ChooseFromMenuBar(QMenuBar* bar, int id)
{
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        if (!menu)
            continue;
        for (QAction* item : menu->actions()) {
            if (item->menu() || item->property("vdCommand").toInt() != id)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
            if (!waitFor([menu] { return menu->isVisible(); }, 5000))
                return false;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return true;
        }
    }
    return false;
}

namespace mainwindow {

// The path of menus to a command of the bar: its top-level action, sub-menus, the item.
inline bool FindMenuPath(QMenu* menu, int id, std::vector<QAction*>& path)
{
    for (QAction* a : menu->actions()) {
        path.push_back(a);
        if (a->menu() ? FindMenuPath(a->menu(), id, path) : a->property("vdCommand").toInt() == id)
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace mainwindow

// From the open menu of path's top-level action, opens the sub-menus on the way to its last item
// by the keyboard (each made current, Right); the menu that holds the item, or null when one did
// not open.
inline QMenu* OpenSubMenus(QMenu* menu, const std::vector<QAction*>& path)
{
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        menu->setActiveAction(path[i]);
        QTest::keyClick(menu, Qt::Key_Right);
        QMenu* sub = path[i]->menu();
        if (!waitFor([sub] { return sub->isVisible(); }, 5000))
            return nullptr;
        menu = sub;
    }
    return menu;
}

// Opens the bar's menu with a click on its title, its sub-menus by the keyboard, then clicks the
// item, as a user does; false when the item is not there or greyed.
inline bool ChooseFromMenus(QMenuBar* bar, int id)
{
    std::vector<QAction*> path;
    for (QAction* top : bar->actions()) {
        path = {top};
        if (top->menu() && mainwindow::FindMenuPath(top->menu(), id, path))
            break;
        path.clear();
    }
    if (path.empty())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(path.front()).center());
    QMenu* menu = path.front()->menu();
    if (!waitFor([menu] { return menu->isVisible(); }, 5000))
        return false;
    menu = OpenSubMenus(menu, path);
    if (!menu)
        return false;
    if (!path.back()->isEnabled())
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(path.back()).center());
    return true;
}

// Clicks the view's on-screen button of the caption; false when none shows.
inline bool ClickViewButton(QWidget* view, const QString& caption)
{
    for (QAbstractButton* b : view->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && b->text() == caption) {
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            return true;
        }
    return false;
}

struct MainWindow {
    MainWindow()
    {
        namespace fs = std::filesystem;
        fs::copy(fs::path(VD_BIN_DIR) / "data", vd::applicationFolderPath(),
                 fs::copy_options::recursive | fs::copy_options::skip_existing);
        run.app->m_fnMakeView = [this] {
            auto made = std::make_unique<RoutedCommandsView>(*static_cast<CVeldoranDoc*>(run.app->document()));
            view = made.get();
            return made;
        };
    }

    // Starts the program and waits until its first map is on screen.
    bool start()
    {
        if (!run.start())
            return false;
        main = ShellRun::frameWidget();
        return main && waitUntilMapShown();
    }

    bool waitUntilMapShown()
    {
        return waitFor([this] {
            return doc().m_nMapDisplayMode == 10 && doc().repaint.m_bMapOnScreen == 1 && !repaintPending();
        });
    }

    bool repaintPending() const { return view->impl() && view->impl()->needsDraw; }
    CVeldoranDoc& doc() const { return *static_cast<CVeldoranDoc*>(run.app->document()); }
    QWidget* viewWidget() const { return vd::widgetOf(view); }
    QMenuBar* bar() const { return main->menuBar(); }

    // What the view's widget shows once the drawing asked for has run (it runs outside the paint).
    QImage shown() const
    {
        waitFor([this] { return !repaintPending(); });
        return viewWidget()->grab().toImage();
    }

    ShellRun run{ShellRun::View::Program};
    RoutedCommandsView* view = nullptr;
    QMainWindow* main = nullptr;
};
