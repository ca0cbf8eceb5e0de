#include "UserActions.h"

#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuImpl.h"
#include "platform/ui/UiScript.h"
#include "tests/support/AcceleratorKeys.h"
#include "tests/support/WaitFor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>

namespace walk {

namespace {

void collect(QMenu* menu, std::vector<QAction*> path, std::map<int, std::vector<QAction*>>& items)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        auto here = path;
        here.push_back(a);
        if (a->menu())
            collect(a->menu(), here, items);
        else if (const int id = a->property("vdCommand").toInt(); id != 0)
            items.emplace(id, here);
    }
}

QMenu* openFromBar(QMenuBar* bar, QAction* top)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    return waitFor([top] { return top->menu()->isVisible(); }, 5000) ? top->menu() : nullptr;
}

// The mnemonic letter of a menu title ("ﾌｧｲﾙ(&F)" -> F), or 0.
int mnemonicKey(const QString& title)
{
    const int amp = title.indexOf('&');
    if (amp < 0 || amp + 1 >= title.size())
        return 0;
    const QChar c = title.at(amp + 1).toUpper();
    return c.isLetterOrNumber() && c.unicode() < 128 ? c.unicode() : 0;
}

// Down until the action is the menu's current one (Qt's keyboard skips disabled items).
bool moveTo(QMenu* menu, QAction* target)
{
    for (int presses = 0; presses <= menu->actions().size() + 1; ++presses) {
        if (menu->activeAction() == target)
            return true;
        QTest::keyClick(menu, Qt::Key_Down);
    }
    return false;
}

QMenu* findAction(QMenu* menu, int id)
{
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            if (QMenu* found = findAction(a->menu(), id))
                return found;
        } else if (a->property("vdCommand").toInt() == id) {
            return a->isEnabled() ? menu : nullptr;
        }
    }
    return nullptr;
}

} // namespace

std::map<int, std::vector<QAction*>> barCommands(QMenuBar* bar)
{
    std::map<int, std::vector<QAction*>> items;
    for (QAction* top : bar->actions())
        if (top->menu())
            collect(top->menu(), {top}, items);
    return items;
}

std::vector<int> menuCommands(int menuId)
{
    vd::Menu loaded;
    if (!loaded.LoadMenu(menuId))
        return {};
    std::vector<int> ids;
    std::function<void(QMenu*)> collectIds = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            if (a->menu())
                collectIds(a->menu());
            else if (const int id = a->property("vdCommand").toInt(); id != 0)
                ids.push_back(id);
    };
    collectIds(loaded.impl()->menu);
    return ids;
}

std::string pathText(const std::vector<QAction*>& path)
{
    std::string text;
    for (const QAction* a : path) {
        if (!text.empty())
            text += " > ";
        text += (a->menu() ? a->menu()->title() : a->text()).toStdString();
    }
    return text;
}

void closeMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

bool chooseByMouse(QMenuBar* bar, const std::vector<QAction*>& path)
{
    QMenu* menu = openFromBar(bar, path.front());
    if (!menu)
        return false;
    for (size_t i = 1; i + 1 < path.size(); ++i) {
        if (!path[i]->isEnabled())
            return closeMenus(), false;
        QTest::mouseMove(menu, menu->actionGeometry(path[i]).center());
        menu->setActiveAction(path[i]);
        QMenu* sub = path[i]->menu();
        if (!waitFor([sub] { return sub->isVisible(); }, 5000))
            return closeMenus(), false;
        menu = sub;
    }
    if (!path.back()->isEnabled())
        return closeMenus(), false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(path.back()).center());
    return true;
}

bool chooseByKeyboard(QMainWindow* main, const std::vector<QAction*>& path)
{
    QMenuBar* bar = main->menuBar();
    QMenu* menu = nullptr;
    if (const int key = mnemonicKey(path.front()->menu()->title())) {
        main->activateWindow();
        QApplication::setActiveWindow(main);
        QTest::keyClick(main, static_cast<Qt::Key>(key), Qt::AltModifier);
        if (waitFor([&] { return path.front()->menu()->isVisible(); }, 2000))
            menu = path.front()->menu();
    }
    if (!menu && !(menu = openFromBar(bar, path.front())))
        return false;
    for (size_t i = 1; i < path.size(); ++i) {
        if (!path[i]->isEnabled() || !moveTo(menu, path[i]))
            return closeMenus(), false;
        if (i + 1 == path.size())
            break;
        QTest::keyClick(menu, Qt::Key_Right);
        QMenu* sub = path[i]->menu();
        if (!waitFor([sub] { return sub->isVisible(); }, 5000))
            return closeMenus(), false;
        menu = sub;
    }
    QTest::keyClick(menu, Qt::Key_Return);
    return true;
}

bool chooseFromRightClickMenu(vd::ui::Script& script, QWidget* view, int id)
{
    bool enabled = false;
    script.choosePopupMenuItem([&](vd::Menu& shown) {
        enabled = shown.impl() && findAction(shown.impl()->menu, id);
        return enabled ? id : 0;
    });
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(view->width() / 2, view->height() / 2));
    return enabled;
}

std::vector<QPointer<QAbstractButton>> viewButtons(QWidget* view)
{
    std::vector<QPointer<QAbstractButton>> out;
    for (QAbstractButton* b : view->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && !b->text().isEmpty())
            out.emplace_back(b);
    return out;
}

std::string captionOf(const QAbstractButton* button)
{
    return button ? button->text().toStdString() : std::string();
}

bool clickButton(QAbstractButton* button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    return true;
}

bool commandEnabled(vd::FrameWindow& frame, int id)
{
    // A command no handler along the route takes is greyed, as the menus grey it.
    vd::CmdUI ui(id);
    return frame.canHandle(id) && !(frame.routeUpdate(ui) && ui.enabled && !*ui.enabled);
}

bool pressAccelerator(QMainWindow* main, const vd::ui::Accelerator& key)
{
    main->activateWindow();
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, testkeys::qtKey(key.key), testkeys::qtModifiers(key.flags));
    return true;
}

std::string keyText(const vd::ui::Accelerator& key)
{
    return vd::ui::acceleratorText(key);
}

} // namespace walk
