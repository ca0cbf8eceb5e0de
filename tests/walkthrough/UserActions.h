#pragma once
// What a user does to run a command, as QTest events on the real widgets: a menu-bar item chosen
// by mouse or by keyboard, an item of the right-click menu, an on-screen button clicked, an
// accelerator key pressed. Each returns false when the user could not do it (the item disabled
// when its menu opened, the button gone).
#include "platform/ui/MenuTemplate.h"

#include <QPointer>

#include <map>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace vd {
class FrameWindow;
}
namespace vd::ui {
class Script;
}

namespace walk {

// The command items of a menu bar: id -> the path of actions (its menu's title, sub-menus, the item).
std::map<int, std::vector<QAction*>> barCommands(QMenuBar* bar);
// The command ids of a menu resource (the right-click menu), its sub-menus' included.
std::vector<int> menuCommands(int menuId);
// The item's menu texts joined by " > ".
std::string pathText(const std::vector<QAction*>& path);

bool chooseByMouse(QMenuBar* bar, const std::vector<QAction*>& path);
// Alt + the menu's mnemonic (a click on a title without one), then Down to the item, Right into a
// sub-menu and Return, as the keyboard moves through a menu (skipping disabled items).
bool chooseByKeyboard(QMainWindow* main, const std::vector<QAction*>& path);
void closeMenus();

// The right-click menu at the point; the item is chosen as the user sees the menu: only when it
// is enabled.
bool chooseFromRightClickMenu(vd::ui::Script& script, QWidget* view, int id);

// The on-screen buttons of the view, visible and enabled, by caption.
std::vector<QPointer<QAbstractButton>> viewButtons(QWidget* view);
std::string captionOf(const QAbstractButton* button);
bool clickButton(QAbstractButton* button);

// Whether the frame's command route takes the command and enables it now: what greys a menu item
// and what makes the frame ignore the command's key.
bool commandEnabled(vd::FrameWindow& frame, int id);
bool pressAccelerator(QMainWindow* main, const vd::ui::Accelerator& key);
std::string keyText(const vd::ui::Accelerator& key);

} // namespace walk
