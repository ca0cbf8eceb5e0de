// The overview's national-land layers of one group, in their drawing order.
#include "view/layers/LandLayerTable.h"
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"

int CMapRenderer::DrawOverviewLayers(int group)
{
    if (group < 0 || group > 3)
        return -1;
    int drawn = -1;
    for (const LandLayerRow* row : OverviewLayersInOrder(group)) {
        if (!IsLandLayerDrawn(*m_pDoc, *row))
            continue;
        row->drawOnOverview(*this);
        if (row->geologyOnOverview)
            m_bOverviewGeologyDrawn = 1;
        if (row->countsOnOverview)
            drawn = 1;
    }
    return drawn;
}
