// Ombrisk's depth-file builder: turns the depth soundings of the blocks of a region into the
// intermediate depth files, while an overview of Japan frames each file written in blue and a
// list names them.
#include "contracts/ombrisk.h"

#include "submarine/DepthBuildRegions.h"
#include "submarine/DepthFileBuilder.h"
#include "basemap/drawing/DrawingGuard.h"
#include "submarine/SubmarineOverviewMap.h"

extern "C" void OnSubmarineMeshDataFile(vd::Dc* dc, std::string depthFolder, std::string mapFolder, int region,
                                        int statusBase, int /*width*/, int originX, int originY)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const vd::DcState saved = dc.State();
        const SubmarineOverviewProjection projection(originX, originY);
        const vd::Pen greyPen(vd::PS_SOLID, 1, kOverviewGraticuleGrey);
        const vd::Pen bluePen(vd::PS_SOLID, 1, kDepthFileFrameBlue);
        const vd::Pen orangePen(vd::PS_SOLID, 1, kOverviewBorderOrange);

        const vd::Pen ownPen = dc.SelectObject(greyPen);
        DrawSubmarineGraticule(dc, projection, 100, 160);
        dc.SelectObject(ownPen);
        DrawOverviewOutline(dc, mapFolder + "BN_JMAPA.DAT", projection, false);
        dc.SelectObject(orangePen);
        DrawOverviewOutline(dc, mapFolder + "FEBORDER.DAT", projection, false);
        dc.SelectObject(bluePen);

        DepthFileBuilder builder(dc, projection, depthFolder, statusBase);
        for (const DepthBlock& block : DepthBlocksOfRegion(region))
            builder.Build(block);

        dc.SelectObject(saved.pen);
        dc.SetTextColor(saved.textColour);
        dc.SetBkColor(saved.bkColour);
    });
}
