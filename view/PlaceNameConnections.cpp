// The place-name and public-facility search hits on the sheet map, and 表示しない, which hides them.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/CommandTarget.h"
#include "view/window/VeldoranView.h"

void ConnectPlaceNamePiece(CVeldoranView& view)
{
    view.m_routines.drawPlaceNameLayer = [&view](vd::Dc& dc, int flag) { view.DrawPlaceNameLayer(dc, flag); };
    CVeldoranDoc& doc = *view.GetDocument();
    view.OnCommand(ID_HIDE_PLACE_NAMES, [&view] { view.OnHidePlaceNames(); });
    view.OnUpdateCommandUI(ID_HIDE_PLACE_NAMES, [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nResultCount > 0); });
}
