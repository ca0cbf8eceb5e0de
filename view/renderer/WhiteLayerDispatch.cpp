// The white sheet map's national-land, geology and seismic layers: each selected row handed to
// its library entry point with the block's mesh code, the map's pixel origin and its zooms. The
// entry points are bound once by their bindings; a missing library or entry point skips the layer.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/HalvetteExports.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/dovanne.h"
#include "contracts/halvette.h"
#include "contracts/pelmora.h"
#include "platform/text/Format.h"
#include "view/layers/LandLayerTable.h"
#include "view/renderer/LayerDispatchValues.h"

#include <cstdlib>

namespace {


// What every white-map call derives from the block shown.
struct WhiteBlock {
    std::string block;      // mesh code of the block's reference sheet, empty for other blocks
    int blockNo = 0;        // the same as a number
    int sheets = 1;         // sheets in the block
    std::string frameSlash; // flags, or "<sheets>/" + flags
    std::string frameEqual; // flags, or "<sheets>=" + flags
    std::string modeNo;     // empty, or "<sheets>"
};

WhiteBlock WhiteBlockOf(const CVeldoranDoc& doc)
{
    WhiteBlock w;
    const bool oneSheet = doc.position.m_nMapFrame == 1;
    if (oneSheet)
        w.block = doc.m_astrBlockMeshCode[1];
    else if (doc.position.m_nMapMode == 9)
        w.block = doc.m_astrBlockMeshCode[4];
    else if (doc.position.m_nMapMode == 25)
        w.block = doc.m_astrBlockMeshCode[12];
    w.blockNo = oneSheet ? 0 : std::atoi(w.block.c_str());
    w.sheets = oneSheet ? 1 : doc.position.m_nMapMode;
    const std::string& flags = doc.layerChoice.m_strLayerPrefFlags;
    const std::string mode = vd::format("%d", doc.position.m_nMapMode);
    w.frameSlash = oneSheet ? flags : mode + "/" + flags;
    w.frameEqual = oneSheet ? flags : mode + "=" + flags;
    w.modeNo = oneSheet ? std::string() : mode;
    return w;
}

} // namespace

void CMapRenderer::DrawWhiteFineMesh()
{
    auto* draw = Pelmora().OnDdWhitePlnF10Mesh.fn;
    if (!draw)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    for (int g = 0; g < 4; ++g)
        if (FineMeshRowFlag(doc, g) != 0)
            draw(m_pDC, 0, 0, 1, doc.position.m_nMapFrame, 0, 2, 10 * g, m_nClientWidth, doc.m_anFineMeshValue[g],
                 m_nClientHeight, float(m_nOriginX), float(m_nOriginY), state.m_fWhiteZoomX, state.m_fWhiteZoomY, "",
                 w.block, w.frameSlash, doc.m_astrFineMeshName[g], doc.folders.m_strAppDir, doc.m_strFineMeshRest);
}

void CMapRenderer::DrawWhiteGeologyMesh(int kind)
{
    auto* draw = Dovanne().OnDdWhiteG4Mesh.fn;
    if (!draw)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    const int code = doc.geology.m_nGeoLead + (kind != 0 ? 10000 : 0);
    const std::string path = kind == 0 ? doc.geology.m_astrGeoText[5]
                                       : doc.geology.m_strLandClassName + "/" + doc.geology.m_strLandClassFile;
    draw(m_pDC, 0, 0, 0, doc.position.m_nMapFrame, 0, 2, code, m_nClientWidth, doc.geology.m_nGeoOption,
         m_nClientHeight, float(m_nOriginX), float(m_nOriginY), state.m_fWhiteZoomX, state.m_fWhiteZoomY, "", w.block,
         "", w.frameSlash, path, doc.folders.m_strAppDir, GeologyPageText(doc));
}

void CMapRenderer::DrawWhiteMesh(int tab)
{
    auto* draw = Pelmora().OnDdWhiteMesh.fn;
    if (!draw || tab < 0 || tab > 2)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    for (int r = 0; r < 5; ++r)
        if (MeshRowFlag(doc, tab, r) != 0)
            draw(m_pDC, 0, 999, 1, doc.position.m_nMapFrame, 0, 2, 100 * tab + 10 * r, m_nClientWidth,
                 MeshRowValue(doc, tab, r), m_nClientHeight, float(m_nOriginX), float(m_nOriginY), state.m_fWhiteZoomX,
                 state.m_fWhiteZoomY, "", w.block, CensusClassText(doc), w.frameEqual, doc.m_astrMeshFile[5 * tab + r],
                 doc.folders.m_strAppDir);
}

void CMapRenderer::DrawWhiteSurface(int tab)
{
    if (tab < 0 || tab > 2)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    const std::string& flags = doc.layerChoice.m_strLayerPrefFlags;
    if (tab == 2) {
        auto* draw = Pelmora().OnDdSurfaceWhole.fn;
        if (!draw)
            return;
        for (int r = 0; r < 5; ++r)
            if (SurfaceRowFlag(doc, 2, r) != 0)
                draw(m_pDC, doc.m_anSurfaceRowA[2][r], w.sheets, r, 0, 0, 0, 0, doc.position.m_nMapFrame, 0,
                     doc.m_anSurfaceRowC[2][r], doc.m_anSurfaceRowB[2][r], m_nClientHeight, float(m_nOriginX),
                     float(m_nOriginY), state.m_fWhiteZoomX, state.m_fWhiteZoomY, flags, w.block,
                     doc.m_astrSurfaceName[10 + r], w.modeNo, doc.m_astrSurfaceFile[10 + r], doc.folders.m_strAppDir);
        return;
    }
    auto* draw = Pelmora().OnDdSurfaceWhite.fn;
    if (!draw)
        return;
    for (int r = 0; r < 5; ++r)
        if (SurfaceRowFlag(doc, tab, r) != 0)
            draw(m_pDC, 10 * tab + r, doc.m_anSurfaceRowA[tab][r], m_nOriginY, m_nOriginX, w.sheets, w.blockNo, 0, 0, 0,
                 0, doc.m_anSurfaceRowC[tab][r], doc.m_anSurfaceRowB[tab][r], m_nClientHeight, 0, 0,
                 state.m_fWhiteZoomX, state.m_fWhiteZoomY, flags, w.block, doc.m_astrSurfaceName[5 * tab + r], w.modeNo,
                 doc.m_astrSurfaceFile[5 * tab + r], doc.folders.m_strAppDir);
}

void CMapRenderer::DrawWhiteLines(int kind, int tab)
{
    if (tab < 0 || tab > 6)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    const std::string& flags = doc.layerChoice.m_strLayerPrefFlags;
    const float zx = state.m_fWhiteZoomX, zy = state.m_fWhiteZoomY;
    if (kind == 0) {
        auto* draw = Pelmora().OnDdRoadWhite.fn;
        if (draw)
            draw(m_pDC, doc.m_anLineRowValue[tab][0], m_nOriginY, m_nOriginX, w.sheets, w.blockNo, 0, 0,
                 doc.position.m_nMapFrame, 0, 0, 0, m_nClientHeight, 0, 0, zx, zy, flags, w.block, "", w.modeNo,
                 doc.m_astrLineFile[5 * tab], doc.folders.m_strAppDir);
    } else if (kind == 1) {
        auto* draw = Pelmora().OnDdRiverWhite.fn;
        if (!draw)
            return;
        for (int r = 1; r <= 3; ++r)
            if (LineRowFlag(doc, tab, r) != 0)
                draw(m_pDC, doc.m_anLineRowValue[tab][r], m_nOriginY, m_nOriginX, w.sheets, w.blockNo, 0, 0, 0, 0, 0, 0,
                     m_nClientHeight, 0, 0, zx, zy, flags, w.block, doc.m_astrLineName[5 * tab + r], w.modeNo,
                     doc.m_astrLineFile[5 * tab + r], doc.folders.m_strAppDir);
    } else if (kind == 2) {
        auto* draw = Pelmora().OnDDLWholeCountryWhite.fn;
        if (!draw)
            return;
        for (int r = 0; r < 5; ++r)
            if (LineRowFlag(doc, tab, r) != 0)
                draw(m_pDC, WholeCountryLineValue(doc, tab, r, false), w.sheets, tab, 0, 0, 0, 0,
                     doc.position.m_nMapFrame, 0, 0, 0, r, m_nClientHeight, float(m_nOriginX), float(m_nOriginY), zx,
                     zy, "", w.block, doc.m_astrLineName[5 * tab + r], w.modeNo, doc.m_astrLineFile[5 * tab + r],
                     doc.folders.m_strAppDir);
    }
}

void CMapRenderer::DrawWhitePoints(int tab)
{
    auto* draw = Pelmora().OnDdPointWhite.fn;
    if (!draw || tab < 0 || tab > 5)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    for (int r = 0; r < 5; ++r) {
        if (PointRowFlag(doc, tab, r) == 0)
            continue;
        const int detail = (tab == 1 && r == 4) || (tab == 4 && r == 3) ? 3 : 2;
        draw(m_pDC, PointItemCode(doc, tab, r), 0, 1, doc.position.m_nMapFrame, 0, detail, 100 * tab + 10 * r,
             doc.m_anPointRowC[tab][r], doc.m_anPointRowB[tab][r], m_nClientHeight, float(m_nOriginX),
             float(m_nOriginY), state.m_fWhiteZoomX, state.m_fWhiteZoomY, "", w.block, doc.m_astrPointName[5 * tab + r],
             w.frameEqual, doc.m_astrPointFile[5 * tab + r], doc.folders.m_strAppDir);
    }
}

void CMapRenderer::DrawSeismicWhiteMesh()
{
    auto* draw = Halvette().OnSeisWhiteMesh.fn;
    if (!draw)
        return;
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& state = *m_pDraw;
    const WhiteBlock w = WhiteBlockOf(doc);
    for (int i = 0; i < 2; ++i)
        if (doc.seismic.m_anSeisSetting[2 + 2 * i] != 0)
            draw(m_pDC, 0, 999, 1, doc.position.m_nMapFrame, 0, 2, SeismicLayerCode(doc, i), m_nClientWidth,
                 doc.seismic.m_anSeisSetting[3 + 2 * i], m_nClientHeight, float(m_nOriginX), float(m_nOriginY),
                 state.m_fWhiteZoomX, state.m_fWhiteZoomY, "", w.block, w.frameEqual, doc.folders.m_strAppDir);
}
