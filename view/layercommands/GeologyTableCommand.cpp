#include "view/layercommands/GeologyTableCommand.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

void OnGeologyTable(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    doc.repaint.m_bRestoreOnce = -1;
    if (doc.IsAnyLayerSelected(2) == 1) {
        view.SaveRestoreMap(0, 0, 0, 0, 0, view.m_nSavedWidth, view.m_nSavedHeight);
        doc.repaint.m_bRestoreOnce = 1;
    }
    doc.repaint.m_strViewState = "GEOLEND";
    view.m_pNavigation->RemoveViewButtons(1);
    view.InvalidateView(true);
}

bool DrawGeologyCompositionTable(CVeldoranView& view, vd::Dc& dc)
{
    auto* table = Dovanne().OnG4LegendTable.fn;
    if (!table)
        return false;
    const CVeldoranDoc& doc = *view.GetDocument();
    // The rocks of the map are outlined only after a surface-geology drawing.
    const bool surfaceGeology = (doc.geology.m_nGeologyLayer == 1 || doc.geology.m_nLandClassLayer == 1) && doc.geology.m_nGeoLead == 0;
    table(&dc, surfaceGeology ? 1 : -1, doc.geology.m_nGeoLead, 2, 240, doc.geology.m_nGeoOption, 0, 0, view.m_nSavedWidth, 0,
          view.m_nSavedHeight, 10.0f, 10.0f, 10.0f, 10.0f, "", "", "", "", "", doc.folders.m_strAppDir, "");
    return true;
}

void ConnectGeologyTableCommand(CVeldoranView& view)
{
    if (!view.GetDocument())
        return;
    view.OnCommand(ID_GEOLOGY_TABLE, [&view] { OnGeologyTable(view); });
}
