// Every dialog template of the program and of its six libraries, built with the fonts of this
// machine, holds its texts: no label wrapped past its room, no button, check box, group title or
// caption cut. Templates were drawn for another platform's font; where one is too narrow here,
// its width is what the test asks to widen.
#include "app/shell/ShellResources.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/WinConstants.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kHostTemplate = 9721;

void loadEveryLibrary()
{
    for (const char* name : {"Pelmora", "SURRICK", "Dovanne", "TOVENDLG", "Halvette", "Ombrisk"})
        ASSERT_NE(vd::LibraryLoader::library(name), nullptr) << name;
}

std::vector<std::string> clippedIn(const std::string& module, int id, const vd::ui::DialogTemplate& t)
{
    auto host = std::make_unique<vd::Dialog>();
    if (t.isChild()) {
        // A page is shown inside a window as large as itself.
        vd::ui::ModuleScope program(vd::ui::kProgramModule);
        if (!host->Create(kHostTemplate, nullptr))
            return {"host window not created"};
        host->ShowWindow(vd::SW_SHOW);
    }
    // A dialog takes its template from the module current when it is made.
    vd::ui::ModuleScope scope(module);
    auto dialog = std::make_unique<vd::Dialog>();
    if (!dialog->Create(id, t.isChild() ? host.get() : nullptr))
        return {"not created"};
    dialog->ShowWindow(vd::SW_SHOW);
    return vd::DialogDriver(*dialog).clippedControls();
}

TEST(DialogLayout, EveryTemplateHoldsItsTexts)
{
    loadEveryLibrary();
    shell::RegisterShellResources();
    vd::ui::DialogTemplate host;
    host.id = kHostTemplate;
    host.place = vd::ui::DialogUnits{0, 0, 600, 400};
    vd::ui::registerTemplates(vd::ui::kProgramModule, {host});

    int built = 0;
    for (const std::string& module : vd::ui::registeredModules())
        for (int id : vd::ui::registeredTemplateIds(module)) {
            const vd::ui::DialogTemplate* t = vd::ui::findTemplate(module, id);
            if (id == kHostTemplate || !t || t->controls.empty())
                continue;
            ++built;
            for (const std::string& fault : clippedIn(module, id, *t))
                ADD_FAILURE() << module << " template " << id << " \"" << t->caption << "\": " << fault;
        }
    // The six libraries and the program together hold far more than this.
    EXPECT_GT(built, 60);
}

} // namespace
