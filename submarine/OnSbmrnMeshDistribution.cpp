// Ombrisk's distribution map of the intermediate depth files: the overview of Japan with the
// first-level mesh of every file in SEAFLOOR\ framed in blue, and their number.
#include "contracts/ombrisk.h"

#include "platform/text/Format.h"
#include "basemap/drawing/DrawingGuard.h"
#include "submarine/SubmarineOverviewMap.h"
#include "submarine/files/IntermediateDepthFile.h"

extern "C" void OnSbmrnMeshDistribution(vd::Dc* dc, int borders, int japanOnly, int originX, int originY,
                                        int graticule, int height, int width, std::string mapFolder,
                                        std::string depthFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        // All names are kept, however many.
        const std::vector<std::string> names = ListIntermediateDepthNames(depthFolder);
        const SubmarineOverviewProjection projection(originX, originY);
        const vd::Pen greyPen(vd::PS_SOLID, 1, kOverviewGraticuleGrey);
        const vd::Pen bluePen(vd::PS_SOLID, 1, kDepthFileFrameBlue);
        const vd::Pen orangePen(vd::PS_SOLID, 1, kOverviewBorderOrange);
        const bool japanArea = japanOnly == 1;

        const vd::Pen ownPen = dc.SelectObject(greyPen);
        if (graticule == 1)
            DrawSubmarineGraticule(dc, projection, japanOnly != 0 ? 118 : 100, japanOnly != 0 ? 150 : 160);
        dc.SelectObject(ownPen);
        DrawOverviewOutline(dc, mapFolder + "BN_JMAPA.DAT", projection, japanArea);
        if (borders != 0) {
            dc.SelectObject(orangePen);
            DrawOverviewOutline(dc, mapFolder + "FEBORDER.DAT", projection, japanArea);
        }
        dc.SelectObject(bluePen);
        for (const std::string& name : names) {
            const DepthFileMesh mesh = MeshOfDepthFileName(name);
            DrawDepthMeshFrame(dc, projection, mesh.latitudeCode, mesh.longitudeCode, japanArea);
        }
        dc.SelectObject(ownPen);
        dc.TextOut(width - 450, height - 25, vd::format("水深データ中間ファイル数=%3d", int(names.size())));
    });
}
