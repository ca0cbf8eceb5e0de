// OnWhiteDdLegend: the legend panel of the national-land layers shown on the white map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/annotations/LegendPanel.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnWhiteDdLegend(vd::Dc* dc, std::string rowFlags, std::string dataFolder, int positionMode)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::ui::ModuleScope module(kSurrickModule);
        const surrick::CWhiteDdLegend legend(positionMode, surrick::ParseLegendRowFlags(rowFlags), std::move(dataFolder));
        legend.Paint(dc);
    });
}
