// The slots of registered items and album play (view/albums/): the repaints of map modes 13 and
// 15-17 and the end of a slide's viewer; the album start (33150) and button 303 (メモ).
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/CommandTarget.h"
#include "view/window/VeldoranView.h"

namespace {

constexpr int ID_ALBUM_START = 33150;
constexpr int ID_BUTTON_MEMO = 303;

} // namespace

void ConnectAlbumPiece(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    ViewRoutines& routines = view.m_routines;
    routines.drawAlbum = [&view](vd::Dc& dc) { view.DrawAlbum(dc); };
    routines.drawMemo = [&view](vd::Dc& dc, int kind) { view.DrawMemo(dc, kind); };
    routines.drawPicture = [&view](vd::Dc&) { view.DrawPicture(); };
    routines.endSlideProgram = [&view] { view.EndSlideProgram(); };

    view.OnCommand(ID_ALBUM_START, [&view] { view.OnAlbumStart(); });
    view.OnUpdateCommandUI(ID_ALBUM_START, [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nMapDisplayMode == 10); });
    view.OnCommand(ID_BUTTON_MEMO, [&view] { view.OnButtonMemo(); });
}
