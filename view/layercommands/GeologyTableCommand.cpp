#include "view/layercommands/GeologyTableCommand.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"
#include "platform/dc/ImageDc.h"

#include <algorithm>

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
    const bool surfaceGeology =
        (doc.geology.m_nGeologyLayer == 1 || doc.geology.m_nLandClassLayer == 1) && doc.geology.m_nGeoLead == 0;
    const auto drawOn = [&](vd::Dc& target) {
        table(&target, surfaceGeology ? 1 : -1, doc.geology.m_nGeoLead, 2, 240, doc.geology.m_nGeoOption, 0, 0,
              view.m_nSavedWidth, 0, view.m_nSavedHeight, 10.0f, 10.0f, 10.0f, 10.0f, "", "", "", "", "",
              doc.folders.m_strAppDir, "");
    };
    const int width = view.m_nSavedWidth;
    const int height = view.m_nSavedHeight;
    if (width >= kGeologyTablePage.cx && height >= kGeologyTablePage.cy) {
        drawOn(dc);
        return true;
    }
    // The table has a page of fixed size: a smaller window shows the whole page scaled down
    // rather than cut at its right.
    vd::ImageDc page(kGeologyTablePage.cx, kGeologyTablePage.cy);
    drawOn(page);
    const double scale = std::min(double(width) / kGeologyTablePage.cx, double(height) / kGeologyTablePage.cy);
    dc.SetStretchBltMode(vd::HALFTONE);
    dc.StretchBlt(0, 0, int(kGeologyTablePage.cx * scale), int(kGeologyTablePage.cy * scale), &page, 0, 0,
                  kGeologyTablePage.cx, kGeologyTablePage.cy, vd::SRCCOPY);
    return true;
}

void ConnectGeologyTableCommand(CVeldoranView& view)
{
    if (!view.GetDocument())
        return;
    view.OnCommand(ID_GEOLOGY_TABLE, [&view] { OnGeologyTable(view); });
}
