// Halvette's dialog templates: the settings with their three pages, the registration of a data
// file and the data-file header.
#include "platform/ui/TemplateRegistry.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicFileFormatDialog.h"
#include "seismic/settings/SeismicRegisterDialog.h"
#include "seismic/settings/SeismicSettingsDialog.h"

namespace {

const vd::ui::TemplateRegistration registration(kHalvetteModule,
                                                {SeismicSettingsTemplate(), SeismicListPageTemplate(kProbabilisticPage),
                                                 SeismicListPageTemplate(kScenarioPage), SeismicOptionsPageTemplate(),
                                                 SeismicRegisterTemplate(), SeismicFileFormatTemplate()});

} // namespace
