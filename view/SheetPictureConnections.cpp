// The routine slots of map modes 22-24: the submarine mesh distribution, the making of the depth
// mesh file and the guide-map or sheet picture (view/sheetpicture/SheetPictures.h).
#include "view/PieceConnections.h"

#include "view/sheetpicture/SheetPictures.h"
#include "view/window/VeldoranView.h"

void ConnectSheetPicturePiece(CVeldoranView& view)
{
    ViewRoutines& r = view.m_routines;
    r.drawSubmarineMeshMap = [&view](vd::Dc& dc) { DrawSubmarineMeshMap(view, dc); };
    r.makeSubmarineMeshFile = [&view](vd::Dc& dc) { MakeSubmarineMeshFile(view, dc); };
    r.drawSheetPicture = [&view](vd::Dc& dc) { DrawSheetPicture(view, dc); };
}
