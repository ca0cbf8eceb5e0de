#include "view/renderer/LandLayerSwitches.h"

#include "app/VeldoranDoc.h"
#include "view/renderer/MapRenderer.h"

namespace {

int Index(LandLayer layer, LandLayer first) { return static_cast<int>(layer) - static_cast<int>(first); }

} // namespace

int LandLayerFlag(const CVeldoranDoc& doc, LandLayer layer)
{
    using L = LandLayer;
    switch (layer) {
    case L::FineMesh:
        return doc.m_anFineMeshFlag[5];
    case L::GeologyFirst:
        return doc.m_nGeologyLayer;
    case L::GeologySecond:
        return doc.m_nLandClassLayer;
    case L::Mesh0:
        return doc.m_anMeshRowFlag[0][5];
    case L::Mesh0Second:
        return doc.m_anMeshRowFlag[0][1];
    case L::Mesh1:
        return doc.m_anMeshRowFlag[1][5];
    case L::Mesh2:
        return doc.m_anMeshRowFlag[2][5];
    case L::Seismic:
        return doc.m_bSeismicLayer;
    case L::Surface0:
    case L::Surface1:
    case L::Surface2:
        return doc.m_anSurfaceRowFlag[Index(layer, L::Surface0)][5];
    case L::Lines0:
        return doc.m_anLineRowFlag[0][5];
    case L::Roads0:
        return doc.m_anLineRowFlag[0][0];
    case L::Lines1:
    case L::Lines2:
    case L::Lines3:
    case L::Lines4:
    case L::Lines5:
    case L::Lines6:
        return doc.m_anLineRowFlag[1 + Index(layer, L::Lines1)][5];
    case L::Points0:
    case L::Points1:
    case L::Points2:
    case L::Points3:
    case L::Points4:
    case L::Points5:
        return doc.m_anPointRowFlag[Index(layer, L::Points0)][5];
    }
    return 0;
}

void DrawWhiteLandLayer(CMapRenderer& renderer, LandLayer layer)
{
    using L = LandLayer;
    switch (layer) {
    case L::FineMesh:
        renderer.DrawWhiteFineMesh();
        return;
    case L::GeologyFirst:
        renderer.DrawWhiteGeologyMesh(0);
        return;
    case L::GeologySecond:
        renderer.DrawWhiteGeologyMesh(1);
        return;
    case L::Mesh0:
    case L::Mesh1:
    case L::Mesh2:
        renderer.DrawWhiteMesh(layer == L::Mesh0 ? 0 : layer == L::Mesh1 ? 1 : 2);
        return;
    case L::Mesh0Second:
        return; // a switch of the lakes, not a layer of its own
    case L::Seismic:
        renderer.DrawSeismicWhiteMesh();
        return;
    case L::Surface0:
    case L::Surface1:
    case L::Surface2:
        renderer.DrawWhiteSurface(Index(layer, L::Surface0));
        return;
    case L::Roads0:
        renderer.DrawWhiteLines(0, 0);
        return;
    case L::Lines0:
        renderer.DrawWhiteLines(1, 0);
        return;
    case L::Lines1:
    case L::Lines2:
    case L::Lines3:
    case L::Lines4:
    case L::Lines5:
    case L::Lines6:
        renderer.DrawWhiteLines(2, 1 + Index(layer, L::Lines1));
        return;
    case L::Points0:
    case L::Points1:
    case L::Points2:
    case L::Points3:
    case L::Points4:
    case L::Points5:
        renderer.DrawWhitePoints(Index(layer, L::Points0));
        return;
    }
}
