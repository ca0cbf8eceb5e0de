// The seismic hazard layer: its settings dialog in Halvette, the summary of the chosen data file
// and the map title.
#include "app/layers/LayerAnswer.h"
#include "app/layers/LayerFlags.h"
#include "app/libraries/MissingPart.h"
#include "app/layers/SeismicMapTitle.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/HalvetteExports.h"
#include "contracts/halvette.h"
#include "platform/ui/Ui.h"

void CVeldoranDoc::OnSeismicSettings()
{
    // With the library there but no file registered the maps would stay empty: say what they read.
    if (Halvette().OnSeisWhiteMesh.fn && !SeismicListHasEntries(folders.m_strAppDir, 0) &&
        !SeismicListHasEntries(folders.m_strAppDir, 1))
        vd::ui::AfxMessageBox(SeismicFilesNeededMessage(folders.m_strAppDir), vd::MB_OK | vd::MB_ICONINFORMATION);
    auto* dialog = CommandEntryPoint(kSeismicPart, Halvette().OnSeisFileSet);
    if (!dialog)
        return;
    auto& s = seismic.m_anSeisSetting;
    const int displayBefore = s[1];
    const bool wasOn = seismic.m_bSeismicLayer == 1;
    const std::string answer = dialog(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9], 6,
                                      folders.m_strAppDir, environment.m_strEditor);
    if (answer.empty()) {
        seismic.m_bSeismicLayer = 0;
        return;
    }
    // Nine fields closed by "|" and the tenth up to the end.
    auto fields = LayerAnswer::Split(answer, 9);
    if (!fields)
        return;
    for (int i = 0; i < 9; ++i)
        s[i] = static_cast<std::int16_t>(fields->Int());
    s[9] = static_cast<std::int16_t>(LayerAnswer::Split(fields->Rest() + "|", 1)->Int());
    if (s[0] == 1 && s[4] == 1)
        s[2] = 0;
    if (s[0] == 0 && s[2] == 1)
        s[4] = 0;
    seismic.m_bSeismicLayer = s[2] == 1 || s[4] == 1 ? 1 : 0;
    if (seismic.m_bSeismicLayer == 1) {
        SwitchOff(m_anFineMeshFlag[6]);
        SwitchOff(m_anMeshRowFlag[0][6]);
        for (auto& group : m_anMeshRowFlag)
            SwitchTabOff(group);
        for (int e = 0; e < 6; ++e)
            SwitchOff(m_anFineMeshFlag[e]);
        for (int* layer : {&geology.m_nGeologyLayer, &geology.m_nLandClassLayer})
            if (*layer == 1) {
                *layer = 0;
                geology.m_nGeoLegendKind = 2;
            }
    }
    // The map kept on screen is drawn anew, as 地図再表示 would: a copy of it would still show the
    // layer as it was. A layer switched off is redrawn too, or its colours would stay.
    if (seismic.m_bSeismicLayer == 1 || s[1] != displayBefore || wasOn) {
        if (m_nMapDisplayMode == map_display::kMapShown)
            m_nMapDisplayMode = map_display::kMainMap;
        UpdateAllViews();
    }
}

void CVeldoranDoc::OnSeismicFileSummary()
{
    auto* summary = CommandEntryPoint(kSeismicPart, Halvette().OnSeisFileFormat);
    if (!summary)
        return;
    const int kind = seismic.m_anSeisSetting[0];
    summary(kind, kind != 0 ? seismic.m_anSeisSetting[5] : seismic.m_anSeisSetting[3], folders.m_strAppDir);
}

std::string CVeldoranDoc::GetSeismicMapTitle() const
{
    const int kind = seismic.m_anSeisSetting[0];
    return SeismicMapTitle(folders.m_strAppDir, kind,
                           kind != 0 ? seismic.m_anSeisSetting[5] : seismic.m_anSeisSetting[3],
                           seismic.m_anSeisSetting[6]);
}
