// The overview's national-land layers of one group, in their drawing order.
#include "view/overview/OverviewLayerDispatch.h"
#include "view/renderer/MapRenderer.h"

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
    const auto on = [&](LandLayer layer) { return IsLandLayerShown(*m_pDoc, layer); };
    const auto draw = [&](int type, int index) {
        if (dispatch.drawLandLayer)
            dispatch.drawLandLayer(*this, type, index);
    };
    int drawn = -1;
    switch (group) {
    case 0:
        if (on(LandLayer::GeologyFirst)) {
            draw(0, -1);
            m_bOverviewGeologyDrawn = 1;
            drawn = 1;
        }
        if (on(LandLayer::GeologySecond)) {
            draw(10, -1);
            m_bOverviewGeologyDrawn = 1;
            drawn = 1;
        }
        if (on(LandLayer::FineMesh)) {
            draw(1, -1);
            drawn = 1;
        }
        break;
    case 1: {
        for (const auto& [layer, index] : {std::pair{LandLayer::Surface0, 0}, std::pair{LandLayer::Surface1, 1}})
            if (on(layer)) {
                draw(2, index);
                drawn = 1;
            }
        if (on(LandLayer::Surface2)) {
            draw(3, -1);
            drawn = 1;
        }
        if (on(LandLayer::Lines0)) {
            if (on(LandLayer::Roads0))
                draw(4, -1);
            draw(5, 0);
            drawn = 1;
        }
        constexpr LandLayer lines[] = {LandLayer::Lines1, LandLayer::Lines2, LandLayer::Lines3,
                                           LandLayer::Lines4, LandLayer::Lines5, LandLayer::Lines6};
        for (int j = 0; j < 6; ++j)
            if (on(lines[j])) {
                draw(6, j + 1);
                drawn = 1;
            }
        // Point themes lie over the map without hiding the coast: they do not count as drawn.
        constexpr LandLayer points[] = {LandLayer::Points0, LandLayer::Points1, LandLayer::Points2,
                                            LandLayer::Points3, LandLayer::Points4, LandLayer::Points5};
        for (int j = 0; j < 6; ++j)
            if (on(points[j]))
                draw(7, j);
        break;
    }
    case 2: {
        constexpr LandLayer meshes[] = {LandLayer::Mesh0, LandLayer::Mesh1, LandLayer::Mesh2};
        for (int i = 0; i < 3; ++i)
            if (on(meshes[i])) {
                draw(8, i);
                drawn = 1;
            }
        break;
    }
    case 3:
        if (on(LandLayer::Seismic)) {
            draw(11, 0);
            drawn = 1;
        }
        break;
    }
    return drawn;
}
