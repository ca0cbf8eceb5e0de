// The overview's national-land layers of one group, in their drawing order.
#include "view/MapRenderer.h"
#include "view/OverviewLayerDispatch.h"

#include "app/VeldoranDoc.h"

OverviewLayerDispatch& overviewLayerDispatch()
{
    static OverviewLayerDispatch dispatch;
    return dispatch;
}

int CMapRenderer::DrawOverviewLayers(int group)
{
    if (group < 0 || group > 3)
        return -1;
    OverviewLayerDispatch& dispatch = overviewLayerDispatch();
    const auto on = [&](OverviewLayer layer) { return dispatch.layerOn && dispatch.layerOn(*m_pDoc, layer) == 1; };
    const auto draw = [&](int type, int index) {
        if (dispatch.drawLandLayer)
            dispatch.drawLandLayer(*this, type, index);
    };
    int drawn = -1;
    switch (group) {
    case 0:
        if (on(OverviewLayer::GeologyFirst)) {
            draw(0, -1);
            m_bOverviewGeologyDrawn = 1;
            drawn = 1;
        }
        if (on(OverviewLayer::GeologySecond)) {
            draw(10, -1);
            m_bOverviewGeologyDrawn = 1;
            drawn = 1;
        }
        if (on(OverviewLayer::FineMesh)) {
            draw(1, -1);
            drawn = 1;
        }
        break;
    case 1: {
        for (const auto& [layer, index] : {std::pair{OverviewLayer::Surface0, 0}, std::pair{OverviewLayer::Surface1, 1}})
            if (on(layer)) {
                draw(2, index);
                drawn = 1;
            }
        if (on(OverviewLayer::Surface2)) {
            draw(3, -1);
            drawn = 1;
        }
        if (on(OverviewLayer::WholeCountryLines)) {
            if (on(OverviewLayer::WholeCountryRivers))
                draw(4, -1);
            draw(5, 0);
            drawn = 1;
        }
        constexpr OverviewLayer lines[] = {OverviewLayer::Lines1, OverviewLayer::Lines2, OverviewLayer::Lines3,
                                           OverviewLayer::Lines4, OverviewLayer::Lines5, OverviewLayer::Lines6};
        for (int j = 0; j < 6; ++j)
            if (on(lines[j])) {
                draw(6, j + 1);
                drawn = 1;
            }
        // Point themes lie over the map without hiding the coast: they do not count as drawn.
        constexpr OverviewLayer points[] = {OverviewLayer::Points0, OverviewLayer::Points1, OverviewLayer::Points2,
                                            OverviewLayer::Points3, OverviewLayer::Points4, OverviewLayer::Points5};
        for (int j = 0; j < 6; ++j)
            if (on(points[j]))
                draw(7, j);
        break;
    }
    case 2: {
        constexpr OverviewLayer meshes[] = {OverviewLayer::Mesh0, OverviewLayer::Mesh1, OverviewLayer::Mesh2};
        for (int i = 0; i < 3; ++i)
            if (on(meshes[i])) {
                draw(8, i);
                drawn = 1;
            }
        break;
    }
    case 3:
        if (on(OverviewLayer::Seismic)) {
            draw(11, 0);
            drawn = 1;
        }
        break;
    }
    return drawn;
}
