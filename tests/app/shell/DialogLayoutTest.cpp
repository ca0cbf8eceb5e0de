// Every dialog template of the program and of its six libraries, built with the fonts of this
// machine, holds its texts: no label wrapped past its room, no button, check box, group title or
// caption cut, no text under another control or past the window's edge. Templates were drawn for
// another platform's font; where one is too narrow here, its width is what the test asks to widen.
// The layer dialogs whose texts are set when they open (geology, seismic, depth) are also run
// through their entry points, each page shown in turn.
#include "app/shell/ShellResources.h"
#include "contracts/dovanne.h"
#include "contracts/halvette.h"
#include "contracts/ombrisk.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/WinConstants.h"

#include <gtest/gtest.h>

#include <functional>
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

// Each page of the dialog the call opens, as the user sees it, then Cancel.
std::vector<std::string> clippedOnEveryPage(const std::function<void()>& call)
{
    auto script = vd::ui::Script::install();
    std::vector<std::string> faults;
    script->answerOtherDialogs([&](vd::DialogDriver& dialog) {
        const std::string name = dialog.dialog().module() + " " + std::to_string(dialog.templateId());
        const auto note = [&](const std::string& where) {
            for (const std::string& fault : dialog.clippedControls())
                faults.push_back(name + where + ": " + fault);
        };
        note("");
        if (const vd::ui::DialogTemplate* t = dialog.dialog().dialogTemplate())
            for (const vd::ui::ControlTemplate& c : t->controls)
                if (c.kind == vd::ui::ControlKind::TabControl)
                    for (int page = 0; page < dialog.dialog().item<vd::TabCtrl>(c.id)->GetItemCount(); ++page) {
                        dialog.selectTab(c.id, page);
                        note(" page " + std::to_string(page));
                    }
        dialog.click(vd::IDCANCEL);
    });
    call();
    if (script->dialogsRun().empty())
        faults.push_back("no dialog opened");
    return faults;
}

TEST(DialogLayout, TheGeologySeismicAndDepthDialogsHoldTheirTextsOnEveryPage)
{
    loadEveryLibrary();
    const std::string folder = vd::ui::toWindowsForm(vd::applicationFolderPath().string()) + "\\";
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"natural-terrain mesh",
         [&] { vd::entryPoint<OnDlgGeoSet_fn>("Dovanne.dll", "OnDlgGeoSet")(folder, "-1", "", "", "", "", "", ""); }},
        {"land classification",
         [&] { vd::entryPoint<OnDlgNtrSet_fn>("Dovanne.dll", "OnDlgNtrSet")(folder, "-1", "", "", "", "", "", ""); }},
        {"seismic hazard",
         [&] {
             vd::entryPoint<OnSeisFileSet_fn>("Halvette.DLL", "OnSeisFileSet")(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, folder,
                                                                               "");
         }},
        {"sea-floor depth",
         [&] { vd::entryPoint<OnSubmarineTvlSet_fn>("Ombrisk.dll", "OnSubmarineTvlSet")(0, 0, 0, 0, folder); }},
    };
    for (const auto& [what, call] : calls)
        for (const std::string& fault : clippedOnEveryPage(call))
            ADD_FAILURE() << what << ": " << fault;
}

} // namespace
