// The overviews' national-land, geology and seismic layers: each selected row handed to the
// library entry point of its type with the overview's frame and latitude-band transform. The
// entry points are bound once by their bindings; a missing library or entry point skips the layer.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/HalvetteExports.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/dovanne.h"
#include "contracts/halvette.h"
#include "contracts/pelmora.h"
#include "view/layers/LandLayerTable.h"
#include "view/renderer/LayerDispatchValues.h"
#include "view/renderer/OverviewLayerFrame.h"

namespace {

constexpr const char* kArea = "広域3";

// KIND: 3 while a nature/environment mesh row is on, else 1 while a 1/10-mesh row is, else 0.
int MeshKind(const CVeldoranDoc& doc)
{
    for (int g = 0; g < 2; ++g)
        for (int r = 0; r < 5; ++r)
            if (MeshRowFlag(doc, g, r) == 1)
                return 3;
    for (int r = 0; r < 4; ++r)
        if (FineMeshRowFlag(doc, r) == 1)
            return 1;
    return 0;
}

// One overview layer call: the document, the context and the client size every type hands on.
class OverviewLayerCall {
public:
    explicit OverviewLayerCall(const CMapRenderer& r)
        : doc(*r.m_pDoc), dc(r.m_pDC), width(r.m_nClientWidth), height(r.m_nClientHeight),
          mapFrame(r.m_pDoc->position.m_nMapFrame)
    {
    }

    // Types 0 and 10: the geology and the land-classification mesh.
    void GeologyMesh(int type) const
    {
        auto* draw = Dovanne().OnD4GeologyMesh.fn;
        if (!draw)
            return;
        const OverviewLayerFrame f = Frame();
        const bool geology = type == 0;
        const int code = (geology ? 0 : 10000) + 1000 * MeshKind(doc) + 10 * doc.geology.m_nGeoLead;
        const std::string path = geology ? doc.geology.m_astrGeoText[5]
                                         : doc.geology.m_strLandClassName + "/" + doc.geology.m_strLandClassFile;
        draw(dc, 5, f.north, f.west, f.south, f.east, 2, 2, mapFrame, geology ? 10001 : 1, 3, code, width,
             doc.geology.m_nGeoOption, height, f.originX, f.originY, f.scaleX, f.scaleY, area + "/" + Flags(), f.mesh,
             f.mesh, f.mesh, path, doc.folders.m_strAppDir, GeologyPageText(doc));
    }

    // Type 1: the 1/10 meshes.
    void FineMesh() const
    {
        auto* draw = Pelmora().OnDdPlnF10Mesh.fn;
        if (!draw)
            return;
        const OverviewLayerFrame f = Frame();
        const int kind = MeshKind(doc);
        for (int g = 0; g < 4; ++g)
            if (FineMeshRowFlag(doc, g) != 0)
                draw(dc, 5, f.north, f.west, f.south, f.east, 2, 2, mapFrame, 10001, 3, 1000 * kind + 10 * g, width,
                     doc.m_anFineMeshValue[g], height, 0, f.originX, f.originY, f.scaleX, f.scaleY,
                     area + "/" + Flags(), f.mesh, f.mesh, f.mesh, doc.m_astrFineMeshName[g], doc.folders.m_strAppDir,
                     doc.m_strFineMeshRest);
    }

    // Types 2 and 3: the surfaces of a tab, and the whole-country surfaces (tab 2).
    void Surfaces(int type, int count) const
    {
        const bool whole = type == 3;
        auto* draw =
            (whole ? Pelmora().OnDdSrfcPlainWhole : Pelmora().OnDdPlainLASurface).fn;
        const int c = whole ? 2 : count;
        if (!draw || c < 0 || c > 2)
            return;
        const OverviewLayerFrame f = Frame();
        for (int r = 0; r < 5; ++r) {
            if (SurfaceRowFlag(doc, c, r) == 0)
                continue;
            const std::string& name = doc.m_astrSurfaceName[5 * c + r];
            const std::string& file = doc.m_astrSurfaceFile[5 * c + r];
            const int a = doc.m_anSurfaceRowA[c][r], b = doc.m_anSurfaceRowB[c][r], v = doc.m_anSurfaceRowC[c][r];
            if (whole)
                draw(dc, r, a, f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3, b, v, height, f.originX,
                     f.originY, f.scaleX, f.scaleY, area + "/" + name, f.mesh + "/" + Flags(), f.mesh, f.mesh, file,
                     doc.folders.m_strAppDir);
            else
                draw(dc, 10 * c + r, a, f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3, b, v, height, f.originX,
                     f.originY, f.scaleX, f.scaleY, area + "/" + name + "/" + Flags(), f.mesh, f.mesh, f.mesh, file,
                     doc.folders.m_strAppDir);
        }
    }

    // Types 4 and 5: the road, and the rivers and lines of a tab.
    void Lines(int type, int count) const
    {
        const bool road = type == 4;
        auto* draw = (road ? Pelmora().OnDdPlainRoad : Pelmora().OnDdPlainRiver).fn;
        if (!draw || (!road && (count < 0 || count > 6)))
            return;
        const OverviewLayerFrame f = Frame();
        if (road) {
            draw(dc, doc.m_anLineRowValue[0][0], f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3,
                 f.pixelsPerDegree, height, f.originX, f.originY, f.scaleX, f.scaleY, area + "/" + Flags(), f.mesh,
                 f.mesh, f.mesh, doc.m_astrLineFile[0], doc.folders.m_strAppDir);
            return;
        }
        // Row 0 of tab 0 is the road, drawn by type 4; row 4 there is never drawn.
        const int first = count == 0 ? 1 : 0;
        const int last = count == 0 ? 3 : 4;
        for (int r = first; r <= last; ++r)
            if (LineRowFlag(doc, count, r) != 0)
                draw(dc, doc.m_anLineRowValue[count][r], f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3,
                     f.pixelsPerDegree, height, f.originX, f.originY, f.scaleX, f.scaleY,
                     area + "/" + doc.m_astrLineName[5 * count + r] + "/" + Flags(), f.mesh, f.mesh, f.mesh,
                     doc.m_astrLineFile[5 * count + r], doc.folders.m_strAppDir);
    }

    // Type 6: the whole-country lines of a tab.
    void WholeCountryLines(int count) const
    {
        auto* draw = Pelmora().OnDdPlainWholeCountry.fn;
        if (!draw || count < 1 || count > 6)
            return;
        const OverviewLayerFrame f = Frame();
        for (int r = 0; r < 5; ++r)
            if (LineRowFlag(doc, count, r) != 0)
                draw(dc, WholeCountryLineValue(doc, count, r, true), f.north, f.west, f.south, f.east, 2, 2, mapFrame,
                     1, 3, r, count, height, f.originX, f.originY, f.scaleX, f.scaleY,
                     area + "/" + doc.m_astrLineName[5 * count + r], f.mesh, f.mesh, f.mesh,
                     doc.m_astrLineFile[5 * count + r], doc.folders.m_strAppDir);
    }

    // Type 7: the points of a tab.
    void Points(int count) const
    {
        auto* draw = Pelmora().OnDdPlainPoint.fn;
        if (!draw || count < 0 || count > 5)
            return;
        const OverviewLayerFrame f = Frame();
        const int c = count;
        for (int r = 0; r < 5; ++r)
            if (PointRowFlag(doc, c, r) != 0)
                draw(dc, PointItemCode(doc, c, r), f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3,
                     100 * c + 10 * r, doc.m_anPointRowC[c][r],
                     c == 3 ? doc.m_anPointRowB[3][0] : doc.m_anPointRowB[c][r], height, f.originX, f.originY, f.scaleX,
                     f.scaleY, area + "/" + doc.m_astrPointName[5 * c + r] + "/" + Flags(), f.mesh, f.mesh, f.mesh,
                     doc.m_astrPointFile[5 * c + r], doc.folders.m_strAppDir);
    }

    // Type 8: the meshes of a group.
    void Meshes(int count) const
    {
        auto* draw = Pelmora().OnDdPlainMeshTavrel.fn;
        if (!draw || count < 0 || count > 2)
            return;
        const OverviewLayerFrame f = Frame();
        const int kind = MeshKind(doc);
        const int c = count;
        for (int r = 0; r < 5; ++r)
            if (MeshRowFlag(doc, c, r) != 0)
                draw(dc, 0, f.north, f.west, f.south, f.east, 2, 2, mapFrame, 10001, 3, 1000 * kind + 100 * c + 10 * r,
                     width, MeshRowValue(doc, c, r), height, f.originX, f.originY, f.scaleX, f.scaleY,
                     area + "/" + Flags(), f.mesh, f.mesh, f.mesh, doc.m_astrMeshFile[5 * c + r],
                     doc.folders.m_strAppDir, CensusClassText(doc));
    }

    // Type 11: the seismic meshes.
    void SeismicMesh() const
    {
        auto* draw = Halvette().OnSeisWhiteMeshTavrel.fn;
        if (!draw)
            return;
        const OverviewLayerFrame f = Frame();
        for (int i = 0; i < 2; ++i)
            if (doc.seismic.m_anSeisSetting[2 + 2 * i] != 0)
                draw(dc, f.north, f.west, f.south, f.east, 2, 2, mapFrame, 1, 3, SeismicLayerCode(doc, i), width,
                     doc.seismic.m_anSeisSetting[3 + 2 * i], height, f.originX, f.originY, f.scaleX, f.scaleY, area,
                     f.mesh, f.mesh, f.mesh, doc.folders.m_strAppDir);
    }

private:
    OverviewLayerFrame Frame() const { return OverviewLayerFrameOf(doc, height); }
    std::string Flags() const { return OverviewPrefectureFlags(doc); }

    const CVeldoranDoc& doc;
    vd::Dc* dc;
    const std::string area = kArea;
    const int width;
    const int height;
    const int mapFrame;
};

} // namespace

void CMapRenderer::DrawLandLayer(int type, int count)
{
    const OverviewLayerCall call(*this);
    switch (type) {
    case 0:
    case 10:
        call.GeologyMesh(type);
        return;
    case 1:
        call.FineMesh();
        return;
    case 2:
    case 3:
        call.Surfaces(type, count);
        return;
    case 4:
    case 5:
        call.Lines(type, count);
        return;
    case 6:
        call.WholeCountryLines(count);
        return;
    case 7:
        call.Points(count);
        return;
    case 8:
        call.Meshes(count);
        return;
    case 11:
        call.SeismicMesh();
        return;
    default:
        // Type 9 and anything else: nothing is bound and nothing drawn.
        return;
    }
}
