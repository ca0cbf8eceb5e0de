// The document's message map for the national-land layer commands and their menu updates.
#include "app/document/VeldoranDoc.h"
#include "platform/text/Numbers.h"

namespace {

// Rule A: a layer dialog fits the whole-country map and a chosen prefecture's map.
bool LayerMapShown(const CVeldoranDoc& doc)
{
    return doc.position.m_nMapType == 1 || (doc.position.m_nMapType == 2 && doc.position.m_nPrefectureSel == 4);
}

// Rule B: and no seismic layer is drawn.
bool MeshLayerAllowed(const CVeldoranDoc& doc) { return LayerMapShown(doc) && doc.seismic.m_bSeismicLayer != 1; }

} // namespace

void CVeldoranDoc::RegisterLayerCommands()
{
    struct Settings {
        int id;
        void (CVeldoranDoc::*command)();
        bool meshRule;
        int (*checked)(const CVeldoranDoc&);
    };
    static const Settings kSettings[] = {
        {32771, &CVeldoranDoc::OnPointDataSettings, false,
         [](const CVeldoranDoc& d) { return d.PointFamilyChecked(); }},
        {32772, &CVeldoranDoc::OnLineDataSettings, false, [](const CVeldoranDoc& d) { return d.LineFamilyChecked(); }},
        {32773, &CVeldoranDoc::OnSurfaceDataSettings, false,
         [](const CVeldoranDoc& d) { return d.SurfaceFamilyChecked(); }},
        {32774, &CVeldoranDoc::OnNatureMeshSettings, true, [](const CVeldoranDoc& d) { return d.NatureMeshChecked(); }},
        {32775, &CVeldoranDoc::OnIndustryMeshSettings, true, [](const CVeldoranDoc& d) { return d.MeshGroupShown(2); }},
        {32781, &CVeldoranDoc::OnFineMeshSettings, true, [](const CVeldoranDoc& d) { return d.FineMeshShown(); }},
        {32779, &CVeldoranDoc::OnGeologySettings, true,
         [](const CVeldoranDoc& d) { return d.geology.m_nGeologyLayer; }},
        {32825, &CVeldoranDoc::OnLandClassSettings, true,
         [](const CVeldoranDoc& d) { return d.geology.m_nLandClassLayer; }},
    };
    for (const Settings& s : kSettings) {
        OnCommand(s.id, [this, command = s.command] { (this->*command)(); });
        OnUpdateCommandUI(s.id, [this, s](vd::CmdUI& ui) {
            if (!(s.meshRule ? MeshLayerAllowed(*this) : LayerMapShown(*this)))
                ui.Enable(false);
            else
                SetMenuCheck(ui, s.checked(*this), 1);
        });
    }

    OnCommand(32778, [this] { OnLayerAreaSelect(); });
    OnUpdateCommandUI(32778, [this](vd::CmdUI& ui) {
        if (position.m_nMapType == 2 && position.m_nPrefectureSel == 4)
            ui.Enable(false);
        else
            SetMenuCheck(
                ui, vd::parseInt(layerChoice.m_strLayerPrefFlags.substr(0, layerChoice.m_strLayerPrefFlags.find('|'))),
                0);
    });
    OnCommand(32776, [this] { OnLayerLegend(); });
    OnUpdateCommandUI(32776, [this](vd::CmdUI& ui) { ui.Enable(IsAnyLayerSelected(0) == 1); });
    OnCommand(32780, [this] { OnGeologyLegend(); });
    OnUpdateCommandUI(
        32780, [this](vd::CmdUI& ui) { ui.Enable(geology.m_nGeologyLayer == 1 || geology.m_nLandClassLayer == 1); });

    OnCommand(32826, [this] { OnCancelAllLayers(); });
    OnUpdateCommandUI(32826, [this](vd::CmdUI& ui) { ui.Enable(IsAnyLayerSelected(2) == 1); });
    OnCommand(32827, [this] { OnDragEnlargeSheet(); });
    OnUpdateCommandUI(32827, [this](vd::CmdUI& ui) {
        SetMenuCheck(ui, pointer.m_nMouseDrag, 0);
        ui.Enable(position.m_nMapType <= 1);
    });
    OnCommand(32828, [this] { OnDragRouteMap(); });
    OnUpdateCommandUI(32828, [this](vd::CmdUI& ui) {
        SetMenuCheck(ui, pointer.m_nMouseDrag, 1);
        ui.Enable(position.m_nMapType <= 1);
    });
    OnCommand(32829, [this] { OnLayerPreset(); });
    OnUpdateCommandUI(32829, [this](vd::CmdUI& ui) {
        ui.Enable(!(position.m_nMapType == 2 && position.m_nPrefectureSel != 4) && position.m_nMapType != 4 &&
                  seismic.m_bSeismicLayer != 1);
    });
    OnCommand(32830, [this] { OnBoundaryConversion(); });
    OnCommand(32835, [this] { OnSeismicSettings(); });
    OnUpdateCommandUI(32835, [this](vd::CmdUI& ui) {
        if (m_anFineMeshFlag[7] == 1 || position.m_nMapType > 2) {
            ui.Enable(false);
            return;
        }
        seismic.m_bSeisProbabilistic = seismic.m_anSeisSetting[2] == 1 ? 1 : 0;
        ui.SetCheck(seismic.m_bSeisProbabilistic);
    });
    OnCommand(32837, [this] { OnSeismicFileSummary(); });
    OnUpdateCommandUI(32837, [this](vd::CmdUI& ui) { ui.Enable(seismic.m_bSeismicLayer != 0); });
}
