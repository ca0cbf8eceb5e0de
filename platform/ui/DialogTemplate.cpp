#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TemplateRegistry.h"

#include <map>

namespace vd::ui {

const ControlTemplate* DialogTemplate::control(int controlId) const
{
    for (const auto& c : controls)
        if (c.id == controlId)
            return &c;
    return nullptr;
}

namespace {

ControlTemplate make(ControlKind kind, int id, std::string caption, std::optional<DialogUnits> place, std::uint32_t style)
{
    ControlTemplate c;
    c.kind = kind;
    c.id = id;
    c.caption = std::move(caption);
    c.place = place;
    c.style = style;
    return c;
}

struct Registry {
    std::map<std::string, std::map<int, DialogTemplate>, std::less<>> modules;
    std::string current = kProgramModule;
};

Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

ControlTemplate ltext(int id, std::string caption, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::Static, id, std::move(caption), place, style);
}
ControlTemplate groupBox(int id, std::string caption, std::optional<DialogUnits> place)
{
    return make(ControlKind::GroupBox, id, std::move(caption), place, 0);
}
ControlTemplate edit(int id, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::Edit, id, {}, place, style | WS_TABSTOP);
}
ControlTemplate pushButton(int id, std::string caption, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::PushButton, id, std::move(caption), place, style | WS_TABSTOP);
}
ControlTemplate defPushButton(int id, std::string caption, std::optional<DialogUnits> place)
{
    return make(ControlKind::PushButton, id, std::move(caption), place, BS_DEFPUSHBUTTON | WS_TABSTOP);
}
ControlTemplate checkBox(int id, std::string caption, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::CheckBox, id, std::move(caption), place, style | WS_TABSTOP);
}
ControlTemplate radioButton(int id, std::string caption, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::RadioButton, id, std::move(caption), place, style);
}
ControlTemplate comboBox(int id, std::optional<DialogUnits> place, std::uint32_t style, std::vector<std::string> items)
{
    auto c = make(ControlKind::ComboBox, id, {}, place, style | WS_TABSTOP);
    c.items = std::move(items);
    return c;
}
ControlTemplate listBox(int id, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::ListBox, id, {}, place, style | WS_TABSTOP);
}
ControlTemplate listView(int id, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::ListView, id, {}, place, style | WS_TABSTOP);
}
ControlTemplate tabControl(int id, std::optional<DialogUnits> place)
{
    return make(ControlKind::TabControl, id, {}, place, WS_TABSTOP);
}
ControlTemplate scrollBar(int id, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::ScrollBar, id, {}, place, style);
}
ControlTemplate painted(int id, std::optional<DialogUnits> place, std::uint32_t style)
{
    return make(ControlKind::Painted, id, {}, place, style);
}

ControlTemplate icon(int id, std::optional<DialogUnits> place)
{
    return make(ControlKind::Icon, id, {}, place, 0);
}

void registerTemplates(std::string_view module, std::vector<DialogTemplate> templates)
{
    auto& r = registry();
    auto it = r.modules.find(module);
    if (it == r.modules.end())
        it = r.modules.emplace(std::string(module), std::map<int, DialogTemplate>{}).first;
    for (auto& t : templates) {
        const int id = t.id;
        it->second.insert_or_assign(id, std::move(t));
    }
}

const DialogTemplate* findTemplate(std::string_view module, int id)
{
    const auto& r = registry();
    const auto m = r.modules.find(module);
    if (m == r.modules.end())
        return nullptr;
    const auto t = m->second.find(id);
    return t == m->second.end() ? nullptr : &t->second;
}

std::vector<std::string> registeredModules()
{
    std::vector<std::string> names;
    for (const auto& [name, templates] : registry().modules)
        names.push_back(name);
    return names;
}

std::vector<int> registeredTemplateIds(std::string_view module)
{
    std::vector<int> ids;
    const auto& r = registry();
    if (const auto m = r.modules.find(module); m != r.modules.end())
        for (const auto& [id, t] : m->second)
            ids.push_back(id);
    return ids;
}

const DialogTemplate* findTemplate(int id)
{
    return findTemplate(registry().current, id);
}

const std::string& currentModule()
{
    return registry().current;
}

ModuleScope::ModuleScope(std::string module)
    : previous_(std::move(registry().current))
{
    registry().current = std::move(module);
}

ModuleScope::~ModuleScope()
{
    registry().current = std::move(previous_);
}

} // namespace vd::ui
