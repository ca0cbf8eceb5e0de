#include "app/settings/MapDisplaySpecCommands.h"

#include "app/document/VeldoranDoc.h"

void ConnectMapDisplaySpecCommands(CVeldoranDoc& doc)
{
    for (int id : {ID_MAP_DISPLAY_SPEC, ID_MAP_DISPLAY_SPEC_POPUP})
        doc.OnCommand(id, [&doc] { doc.EditMapDisplaySpec(); });
}
