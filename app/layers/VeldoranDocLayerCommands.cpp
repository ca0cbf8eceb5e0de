// The smaller layer commands: the prefecture limit, the two legends, switching every layer off,
// the mouse-drag modes and the boundary-conversion set-up.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerCommandSteps.h"
#include "app/layers/LayerDialogTexts.h"
#include "app/layers/LayerFlags.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/dovanne.h"
#include "contracts/pelmora.h"
#include "contracts/surrick.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

void CVeldoranDoc::OnLayerAreaSelect()
{
    OnDddAreaSelect_fn* select = Pelmora().OnDddAreaSelect.fn;
    if (!select)
        return;
    const std::string answer = select(layerChoice.m_strLayerPrefFlags);
    if (answer.empty())
        return;
    layerChoice.m_strLayerPrefFlags = answer;
    if (IsAnyLayerSelected(2) != 0) {
        m_nMapDisplayMode = map_display::kMainMap;
        UpdateAllViews();
    }
}

void CVeldoranDoc::OnLayerLegend()
{
    auto* legend = Pelmora().OnDlgDdLegend.fn;
    if (!legend)
        return;
    std::string flags;
    const auto rows = [&](const std::array<int, 7>& tab) {
        for (int r = 0; r < 5; ++r)
            flags += Field(tab[r]);
    };
    for (int t = 0; t < 6; ++t)
        rows(m_anLineRowFlag[t]);
    for (const auto& tab : m_anSurfaceRowFlag)
        rows(tab);
    for (const auto& tab : m_anPointRowFlag)
        rows(tab);
    rows(m_anLineRowFlag[6]);
    flags += Field(m_anPointRowA[5][4]);
    // The dialog's two placement values (747, 320) are not part of its typed entry point: it
    // never read them.
    legend(flags, folders.m_strAppDir);
}

void CVeldoranDoc::OnGeologyLegend()
{
    auto* legend = CommandEntryPoint(kGeologyPart, Dovanne().OnD4GeologyLegend);
    if (!legend)
        return;
    const int kind =
        geology.m_nGeoLead != 0 ? -geology.m_nGeoLead : vd::parseInt(vd::cp932Mid(geology.m_astrGeoText[0], 12, 1));
    repaint.m_bLayerDialogOpen = 1;
    legend(240, kind, geology.m_nGeoLegendKind, 2, folders.m_strAppDir);
    repaint.m_bLayerDialogOpen = 0;
}

void CVeldoranDoc::OnCancelAllLayers()
{
    const auto family = [](auto& flags) {
        for (auto& tab : flags)
            SwitchTabOff(tab);
        SwitchOff(flags[0][6]);
    };
    family(m_anPointRowFlag);
    family(m_anLineRowFlag);
    family(m_anSurfaceRowFlag);
    family(m_anMeshRowFlag);
    if (m_anFineMeshFlag[5] == 1) {
        m_anFineMeshFlag[5] = 0;
        for (int r = 0; r < 4; ++r)
            SwitchOff(m_anFineMeshFlag[r]);
    }
    SwitchOff(geology.m_nGeologyLayer);
    SwitchOff(geology.m_nLandClassLayer);
    layerChoice.m_nLayerPreset = 0;
    m_nMapDisplayMode = map_display::kMainMap;
    UpdateAllViews();
}

void CVeldoranDoc::OnDragEnlargeSheet() { pointer.m_nMouseDrag = pointer.m_nMouseDragCopy = 0; }

void CVeldoranDoc::OnDragRouteMap() { pointer.m_nMouseDrag = pointer.m_nMouseDragCopy = 1; }

void CVeldoranDoc::OnBoundaryConversion()
{
    // The conversion is Surrick's dialog; without it the map stays as it is.
    if (!CommandEntryPoint(kMunicipalityPart, Surrick().OnCityBoundarySet))
        return;
    m_nMapDisplayMode = map_display::kCityBoundarySetup;
    UpdateAllViews();
}
