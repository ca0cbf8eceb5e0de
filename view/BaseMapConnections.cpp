// The routine slots of the map modes that the view's base-map routines draw: the sheet index
// map (4), the main map (5), the drag overview (6-8) with its circle, and the point symbols.
#include "view/PieceConnections.h"

#include "view/sheetmap/ViewBaseMap.h"
#include "view/window/VeldoranView.h"

void ConnectBaseMapPiece(CVeldoranView& view)
{
    ViewBaseMap& b = *view.m_pBaseMap;
    ViewRoutines& r = view.m_routines;
    r.drawSheetIndexMap = [&b](vd::Dc& dc) { b.DrawSheetIndexMap(dc); };
    r.drawLayeredMap = [&b](vd::Dc& dc) { return b.DrawLayeredMap(dc); };
    r.drawJapanMap = [&b](vd::Dc& dc) { return b.DrawJapanMap(dc); };
    r.drawPrefectureMap = [&b](vd::Dc& dc) { b.DrawPrefectureMap(dc); };
    r.drawDragOverview = [&b](vd::Dc& dc) { b.DrawDragOverview(dc); };
    r.drawDragCircle = [&b](vd::Dc& dc, int x, int y) { b.DrawDragCircle(dc, x, y); };
    r.drawPointSymbol = [&b](vd::Dc& dc, int x, int y, int size, int shape) {
        b.DrawPointSymbol(dc, x, y, size, shape);
    };
}
