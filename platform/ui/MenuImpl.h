#pragma once
// The Qt side of a menu (private): the QMenu that holds its items, and handles of its sub-menus.
#include "platform/ui/Menu.h"

#include <QMenu>
#include <QPointer>

#include <map>

namespace vd {

class MenuImpl {
public:
    ~MenuImpl();
    QPointer<QMenu> menu;
    bool owned = false;
    mutable std::map<QMenu*, std::unique_ptr<Menu>> subMenus;

    // The action of an item by command (searching sub-menus) or by position; its menu.
    QAction* find(int item, unsigned flags, QMenu** in = nullptr) const;
    static Menu* handleFor(QMenu* menu, const MenuImpl& parent);
};

// Runs the update handlers of a target for the command items of a menu (when it opens).
void updateMenuItems(QMenu* menu, CommandTarget& target);
QAction* makeAction(QMenu* menu, int id, const std::string& text, unsigned flags);

} // namespace vd
