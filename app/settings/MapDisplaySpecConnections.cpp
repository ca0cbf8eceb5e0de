#include "app/settings/MapDisplaySpecConnections.h"

#include "app/VeldoranDoc.h"
#include "view/VeldoranView.h"
#include "view/ViewNavigation.h"

void ConnectMapDisplaySpecCommands(CVeldoranDoc& doc)
{
    for (int id : {ID_MAP_DISPLAY_SPEC, ID_MAP_DISPLAY_SPEC_POPUP})
        doc.OnCommand(id, [&doc] { doc.EditMapDisplaySpec(); });
}

void ConnectMapDisplaySpecButton(CVeldoranView& view)
{
    if (view.m_pNavigation && view.GetDocument()) {
        CVeldoranDoc& doc = *view.GetDocument();
        view.m_pNavigation->calls.editMapDisplaySpec = [&doc] { doc.EditMapDisplaySpec(); };
    }
}
