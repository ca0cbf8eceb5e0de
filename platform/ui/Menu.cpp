#include "platform/ui/Menu.h"

#include "platform/ui/CommandTarget.h"
#include "platform/ui/MenuImpl.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/QtBridge.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Ui.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <algorithm>

namespace vd {

using ui::qs;
using ui::us;

namespace {

constexpr const char* kIdProperty = "vdCommand";

int idOf(const QAction* a)
{
    return a->property(kIdProperty).toInt();
}

void fill(QMenu* menu, const std::vector<ui::MenuItemTemplate>& items)
{
    for (const auto& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (item.popup || !item.items.empty()) {
            auto* sub = new QMenu(qs(item.text), menu);
            fill(sub, item.items);
            menu->addMenu(sub);
        } else {
            menu->addAction(makeAction(menu, item.id, item.text, (item.grayed ? MF_GRAYED : 0) | (item.checked ? MF_CHECKED : 0)));
        }
    }
}

} // namespace

// Only a checked item is checkable: a checkable item toggles itself when chosen, which would leave
// a stray mark that no update handler clears.
static void setCheck(QAction* action, bool checked)
{
    action->setCheckable(checked);
    action->setChecked(checked);
}

QAction* makeAction(QMenu* menu, int id, const std::string& text, unsigned flags)
{
    auto* action = new QAction(qs(text), menu);
    action->setProperty(kIdProperty, id);
    setCheck(action, flags & MF_CHECKED);
    action->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return action;
}

MenuImpl::~MenuImpl()
{
    subMenus.clear();
    if (owned && menu)
        delete menu.data();
}

QAction* MenuImpl::find(int item, unsigned flags, QMenu** in) const
{
    if (!menu)
        return nullptr;
    const auto actions = menu->actions();
    if (flags & MF_BYPOSITION) {
        if (item < 0 || item >= actions.size())
            return nullptr;
        if (in)
            *in = menu;
        return actions[item];
    }
    for (QAction* a : actions) {
        if (a->menu()) {
            MenuImpl sub;
            sub.menu = a->menu();
            if (QAction* found = sub.find(item, flags, in))
                return found;
        } else if (!a->isSeparator() && idOf(a) == item) {
            if (in)
                *in = menu;
            return a;
        }
    }
    return nullptr;
}

Menu* MenuImpl::handleFor(QMenu* sub, const MenuImpl& parent)
{
    auto& slot = parent.subMenus[sub];
    if (!slot) {
        slot = std::make_unique<Menu>();
        slot->impl_ = std::make_unique<MenuImpl>();
        slot->impl_->menu = sub;
    }
    return slot.get();
}

Menu::Menu() = default;

Menu::~Menu() = default;

bool Menu::LoadMenu(int id)
{
    const ui::MenuTemplate* t = ui::findMenu(id);
    if (!t)
        return false;
    CreateMenu();
    fill(impl_->menu, t->items);
    return true;
}

bool Menu::CreateMenu()
{
    DestroyMenu();
    impl_ = std::make_unique<MenuImpl>();
    impl_->menu = new QMenu;
    impl_->owned = true;
    return true;
}

bool Menu::CreatePopupMenu()
{
    return CreateMenu();
}

void Menu::DestroyMenu()
{
    impl_.reset();
}

bool Menu::IsValid() const
{
    return impl_ && impl_->menu;
}

int Menu::GetMenuItemCount() const
{
    return IsValid() ? static_cast<int>(impl_->menu->actions().size()) : -1;
}

int Menu::GetMenuItemID(int position) const
{
    QAction* a = IsValid() ? impl_->find(position, MF_BYPOSITION) : nullptr;
    if (!a || a->menu())
        return -1;
    return a->isSeparator() ? 0 : idOf(a);
}

Menu* Menu::GetSubMenu(int position) const
{
    QAction* a = IsValid() ? impl_->find(position, MF_BYPOSITION) : nullptr;
    if (!a || !a->menu())
        return nullptr;
    return MenuImpl::handleFor(a->menu(), *impl_);
}

std::string Menu::GetMenuString(int item, unsigned flags) const
{
    QAction* a = IsValid() ? impl_->find(item, flags) : nullptr;
    if (!a || a->isSeparator())
        return {};
    return us(a->menu() ? a->menu()->title() : a->text());
}

unsigned Menu::GetMenuState(int item, unsigned flags) const
{
    QAction* a = IsValid() ? impl_->find(item, flags) : nullptr;
    if (!a)
        return kMenuStateError;
    unsigned state = 0;
    if (a->isSeparator())
        state |= MF_SEPARATOR;
    if (a->menu())
        state |= MF_POPUP;
    if (a->isChecked())
        state |= MF_CHECKED;
    if (!a->isEnabled())
        state |= MF_GRAYED;
    return state;
}

bool Menu::AppendMenu(unsigned flags, int id, const std::string& text)
{
    return InsertMenu(-1, flags | MF_BYPOSITION, id, text);
}

bool Menu::AppendMenu(Menu& popup, const std::string& text)
{
    if (!IsValid() || !popup.IsValid())
        return false;
    QMenu* sub = popup.impl_->menu;
    sub->setTitle(qs(text));
    sub->setParent(impl_->menu, sub->windowFlags());
    popup.impl_->owned = false;
    impl_->menu->addMenu(sub);
    return true;
}

bool Menu::InsertMenu(int item, unsigned flags, int id, const std::string& text)
{
    if (!IsValid())
        return false;
    QMenu* target = impl_->menu;
    QAction* before = nullptr;
    if (item >= 0) {
        before = impl_->find(item, flags, &target);
        if (!before && !(flags & MF_BYPOSITION))
            return false;
        if (!before)
            target = impl_->menu;
    }
    QAction* action;
    if (flags & MF_SEPARATOR) {
        action = new QAction(target);
        action->setSeparator(true);
    } else {
        action = makeAction(target, id, text, flags);
    }
    target->insertAction(before, action);
    return true;
}

bool Menu::ModifyMenu(int item, unsigned flags, int newId, const std::string& text)
{
    QAction* a = IsValid() ? impl_->find(item, flags) : nullptr;
    if (!a)
        return false;
    a->setSeparator(flags & MF_SEPARATOR);
    if (!(flags & MF_SEPARATOR)) {
        a->setProperty("vdCommand", newId);
        a->setText(qs(text));
        setCheck(a, flags & MF_CHECKED);
        a->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    }
    return true;
}

bool Menu::DeleteMenu(int item, unsigned flags)
{
    QMenu* in = nullptr;
    QAction* a = IsValid() ? impl_->find(item, flags, &in) : nullptr;
    if (!a)
        return false;
    if (QMenu* sub = a->menu()) {
        impl_->subMenus.erase(sub);
        in->removeAction(a);
        delete sub;
    } else {
        in->removeAction(a);
        if (a->parent() == in)
            delete a;
    }
    return true;
}

unsigned Menu::CheckMenuItem(int item, unsigned flags)
{
    QAction* a = IsValid() ? impl_->find(item, flags) : nullptr;
    if (!a)
        return kMenuStateError;
    const unsigned old = a->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    setCheck(a, flags & MF_CHECKED);
    return old;
}

unsigned Menu::EnableMenuItem(int item, unsigned flags)
{
    QAction* a = IsValid() ? impl_->find(item, flags) : nullptr;
    if (!a)
        return kMenuStateError;
    const unsigned old = a->isEnabled() ? MF_ENABLED : MF_GRAYED;
    a->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return old;
}

std::string Menu::mnemonicOf(const std::string& text)
{
    const QString s = qs(text);
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != u'&')
            continue;
        if (s[i + 1] == u'&') {
            ++i;
            continue;
        }
        return us(s.mid(i + 1, s[i + 1].isHighSurrogate() ? 2 : 1));
    }
    return {};
}

void Menu::UpdateItems(CommandTarget& target)
{
    if (IsValid())
        updateMenuItems(impl_->menu, target);
}

void updateMenuItems(QMenu* menu, CommandTarget& target)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (QMenu* sub = a->menu()) {
            // A sub-menu with nothing to choose is disabled, as its items are.
            updateMenuItems(sub, target);
            const auto items = sub->actions();
            a->setEnabled(std::any_of(items.begin(), items.end(),
                                      [](const QAction* item) { return !item->isSeparator() && item->isEnabled(); }));
            continue;
        }
        const int id = idOf(a);
        if (id == 0)
            continue;
        CmdUI ui(id);
        if (!target.routeUpdate(ui)) {
            a->setEnabled(target.canHandle(id));
            continue;
        }
        if (ui.enabled)
            a->setEnabled(*ui.enabled);
        else
            a->setEnabled(true);
        if (ui.checked)
            setCheck(a, *ui.checked != 0);
        if (ui.text)
            a->setText(qs(*ui.text));
    }
}

int Menu::TrackPopupMenu(unsigned flags, int x, int y, Window* owner)
{
    if (!IsValid())
        return 0;
    // A view's menu takes the frame's whole route (view, document, frame, application), as the
    // menu bar does.
    CommandTarget* target = dynamic_cast<CommandTarget*>(owner);
    if (auto* view = dynamic_cast<View*>(owner); view && view->GetParentFrame())
        target = view->GetParentFrame();
    if (target)
        UpdateItems(*target);
    const int chosen = ui::backend().trackPopupMenu(*this, {x, y});
    if (flags & TPM_RETURNCMD)
        return chosen;
    if (chosen != 0 && target)
        target->routeCommand(chosen);
    return chosen != 0 ? 1 : 0;
}

} // namespace vd
