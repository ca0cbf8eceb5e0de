// Ombrisk's exports for the submarine topography settings: dialog 129 with relief and contours,
// which the program's submarine command opens, and its smaller twin 179.
#include "contracts/ombrisk.h"

#include "platform/ui/TemplateRegistry.h"
#include "submarine/OmbriskModule.h"
#include "submarine/SubmarineSettingsDialog.h"

#include <memory>

namespace {

const vd::ui::TemplateRegistration registration(kOmbriskModule,
                                                {SubmarineSettingsTemplate(kSubmarineTravelLayout),
                                                 SubmarineSettingsTemplate(kSubmarineSheetLayout)});

std::string RunSubmarineSettings(const SubmarineSettingsLayout& layout, int show, int method, int relief,
                                 int contour, const std::string& folder)
{
    vd::ui::ModuleScope module(kOmbriskModule);
    auto dialog = std::make_unique<CDlgSubmarineSettings>(layout);
    dialog->m_nShow = show;
    dialog->m_nMethod = method;
    dialog->m_nRelief = relief;
    dialog->m_nContour = contour;
    dialog->m_strFolder = folder;
    if (dialog->DoModal() != vd::IDOK)
        return {};
    return FormatSubmarineSettings(dialog->m_nShow, dialog->m_nMethod, dialog->m_nRelief, dialog->m_nContour,
                                   dialog->m_strFolder);
}

} // namespace

extern "C" std::string OnSubmarineTvlSet(int show, int method, int relief, int contour, std::string depthFolder)
{
    try {
        return RunSubmarineSettings(kSubmarineTravelLayout, show, method, relief, contour, depthFolder);
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}

extern "C" std::string OnSubmarineSet(int show, int method, int, int, std::string depthFolder)
{
    try {
        // This dialog has neither relief nor contours: both come back 0.
        return RunSubmarineSettings(kSubmarineSheetLayout, show, method, 0, 0, depthFolder);
    } catch (...) {
        return {};
    }
}
