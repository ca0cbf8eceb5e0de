// The slots of registered items and album play (view/albums/): the repaints of map modes 13 and
// 15-17 and the end of a slide's viewer.
#include "view/PieceConnections.h"

#include "view/window/VeldoranView.h"

void ConnectAlbumPiece(CVeldoranView& view)
{
    ViewRoutines& routines = view.m_routines;
    routines.drawAlbum = [&view](vd::Dc& dc) { view.DrawAlbum(dc); };
    routines.drawMemo = [&view](vd::Dc& dc, int kind) { view.DrawMemo(dc, kind); };
    routines.drawPicture = [&view](vd::Dc&) { view.DrawPicture(); };
    routines.endSlideProgram = [&view] { view.EndSlideProgram(); };
}
