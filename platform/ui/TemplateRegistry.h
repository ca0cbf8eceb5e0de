#pragma once
// The dialog templates of each module (the program and each library has its own; ids repeat
// across modules), and the current module whose resources a dialog uses. A library entry point
// makes its module current for the call (ModuleScope), as the old platform's module state did.
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <string_view>

namespace vd::ui {

// The module of the program itself.
inline constexpr const char* kProgramModule = "Veldoran";

// Registers a module's templates (typically from a static object of the module); a later
// registration of the same id replaces the earlier one.
void registerTemplates(std::string_view module, std::vector<DialogTemplate> templates);
// The template of the current module with the id, or null.
const DialogTemplate* findTemplate(int id);
const DialogTemplate* findTemplate(std::string_view module, int id);
// The modules with registered templates, and the template ids of one module, in order.
std::vector<std::string> registeredModules();
std::vector<int> registeredTemplateIds(std::string_view module);

const std::string& currentModule();

// Makes a module current for its lifetime.
class ModuleScope {
public:
    explicit ModuleScope(std::string module);
    ~ModuleScope();
    ModuleScope(const ModuleScope&) = delete;
    ModuleScope& operator=(const ModuleScope&) = delete;

private:
    std::string previous_;
};

// A static registration: `static vd::ui::TemplateRegistration reg("Pelmora", {...});`
struct TemplateRegistration {
    TemplateRegistration(std::string_view module, std::vector<DialogTemplate> templates)
    {
        registerTemplates(module, std::move(templates));
    }
};

} // namespace vd::ui
