// What the layer commands share: the test whether a layer is on, the menu check and the switches
// between the mesh-type layers, which exclude one another on the map.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerCommandSteps.h"
#include "app/layers/LayerFlags.h"
#include "app/document/VeldoranDoc.h"

int CVeldoranDoc::IsAnyLayerSelected(int level) const
{
    if (m_anPointRowFlag[0][6] == 1 || m_anLineRowFlag[0][6] == 1 || m_anSurfaceRowFlag[0][6] == 1)
        return 1;
    if (level >= 1 && (m_anMeshRowFlag[0][5] == 1 || m_anMeshRowFlag[1][5] == 1 || m_anMeshRowFlag[2][5] == 1 ||
                       m_anFineMeshFlag[5] == 1))
        return 1;
    if (level >= 2 && (geology.m_nGeologyLayer == 1 || geology.m_nLandClassLayer == 1))
        return 1;
    return 0;
}

void CVeldoranDoc::SetMenuCheck(vd::CmdUI& ui, int value, int wanted) { ui.SetCheck(value == wanted ? 1 : 0); }

void CVeldoranDoc::SwitchSeismicOff()
{
    seismic.m_bSeismicLayer = 0;
    seismic.m_anSeisSetting[2] = 0;
    seismic.m_anSeisSetting[4] = 0;
}

namespace {

void SwitchAllMeshGroupsOff(CVeldoranDoc& doc)
{
    SwitchOff(doc.m_anMeshRowFlag[0][6]);
    for (auto& group : doc.m_anMeshRowFlag)
        SwitchTabOff(group);
}

void SwitchFineMeshOff(CVeldoranDoc& doc)
{
    for (int e = 0; e < 6; ++e)
        SwitchOff(doc.m_anFineMeshFlag[e]);
}

void SwitchGeologyOff(CVeldoranDoc& doc)
{
    SwitchOff(doc.geology.m_nGeologyLayer);
    SwitchOff(doc.geology.m_nLandClassLayer);
}

} // namespace

void CVeldoranDoc::ExcludeForNatureMesh()
{
    SwitchOff(m_anMeshRowFlag[2][5]);
    if (m_anMeshRowFlag[0][6] != 1)
        return;
    SwitchGeologyOff(*this);
    geology.m_nGeoTableState = -1;
    SwitchOff(m_anFineMeshFlag[5]);
    SwitchSeismicOff();
}

void CVeldoranDoc::ExcludeForIndustryMesh()
{
    SwitchOff(m_anMeshRowFlag[0][5]);
    SwitchOff(m_anMeshRowFlag[1][5]);
    SwitchGeologyOff(*this);
    SwitchTabOff(m_anMeshRowFlag[0]);
    SwitchTabOff(m_anMeshRowFlag[1]);
    SwitchFineMeshOff(*this);
    SwitchSeismicOff();
}

void CVeldoranDoc::ExcludeForFineMesh()
{
    SwitchGeologyOff(*this);
    SwitchAllMeshGroupsOff(*this);
    SwitchSeismicOff();
}

void CVeldoranDoc::ExcludeForGeology(bool geologyOn)
{
    SwitchAllMeshGroupsOff(*this);
    SwitchFineMeshOff(*this);
    SwitchSeismicOff();
    SwitchOff(geologyOn ? geology.m_nLandClassLayer : geology.m_nGeologyLayer);
}

void FinishLayerAnswer(CVeldoranDoc& doc)
{
    doc.m_anFineMeshFlag[6] = 0;
    doc.layerChoice.m_nLayerPreset = 0;
    doc.m_nMapDisplayMode = map_display::kMainMap;
    doc.UpdateAllViews();
}
