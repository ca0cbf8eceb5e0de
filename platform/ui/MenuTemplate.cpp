#include "platform/ui/MenuTemplate.h"

#include "platform/ui/TemplateRegistry.h"

#include <map>

namespace vd::ui {

namespace {

template <class T>
using PerModule = std::map<std::string, std::map<int, T>, std::less<>>;

template <class T>
PerModule<T>& store()
{
    static PerModule<T> s;
    return s;
}

template <class T>
void put(std::string_view module, int id, T value)
{
    auto& s = store<T>();
    auto it = s.find(module);
    if (it == s.end())
        it = s.emplace(std::string(module), std::map<int, T>{}).first;
    it->second.insert_or_assign(id, std::move(value));
}

template <class T>
const T* get(int id)
{
    const auto& s = store<T>();
    const auto m = s.find(currentModule());
    if (m == s.end())
        return nullptr;
    const auto found = m->second.find(id);
    return found == m->second.end() ? nullptr : &found->second;
}

} // namespace

MenuItemTemplate menuItem(int id, std::string text)
{
    MenuItemTemplate item;
    item.id = id;
    item.text = std::move(text);
    return item;
}

MenuItemTemplate menuSeparator()
{
    MenuItemTemplate item;
    item.separator = true;
    return item;
}

MenuItemTemplate subMenu(std::string text, std::vector<MenuItemTemplate> items)
{
    MenuItemTemplate item;
    item.text = std::move(text);
    item.items = std::move(items);
    item.popup = true;
    return item;
}

void registerMenus(std::string_view module, std::vector<MenuTemplate> menus)
{
    for (auto& m : menus) {
        const int id = m.id;
        put(module, id, std::move(m));
    }
}

void registerAccelerators(std::string_view module, std::vector<AcceleratorTable> tables)
{
    for (auto& t : tables) {
        const int id = t.id;
        put(module, id, std::move(t));
    }
}

void registerString(std::string_view module, int id, std::string text)
{
    put(module, id, std::move(text));
}

const MenuTemplate* findMenu(int id)
{
    return get<MenuTemplate>(id);
}

const AcceleratorTable* findAccelerators(int id)
{
    return get<AcceleratorTable>(id);
}

std::string loadString(int id)
{
    const std::string* s = get<std::string>(id);
    return s ? *s : std::string();
}

std::string acceleratorText(const Accelerator& a)
{
    std::string out;
    if (a.flags & FCONTROL)
        out += "Ctrl+";
    if (a.flags & FSHIFT)
        out += "Shift+";
    if (a.flags & FALT)
        out += "Alt+";
    switch (a.key) {
    case VK_BACK: return out + "Backspace";
    case VK_TAB: return out + "Tab";
    case VK_RETURN: return out + "Return";
    case VK_ESCAPE: return out + "Esc";
    case VK_SPACE: return out + "Space";
    case VK_PRIOR: return out + "PgUp";
    case VK_NEXT: return out + "PgDown";
    case VK_END: return out + "End";
    case VK_HOME: return out + "Home";
    case VK_LEFT: return out + "Left";
    case VK_UP: return out + "Up";
    case VK_RIGHT: return out + "Right";
    case VK_DOWN: return out + "Down";
    case VK_INSERT: return out + "Ins";
    case VK_DELETE: return out + "Del";
    default: break;
    }
    if (a.key >= VK_F1 && a.key < VK_F1 + 24)
        return out + "F" + std::to_string(a.key - VK_F1 + 1);
    if ((a.key >= 'A' && a.key <= 'Z') || (a.key >= '0' && a.key <= '9'))
        return out + static_cast<char>(a.key);
    return out;
}

} // namespace vd::ui
