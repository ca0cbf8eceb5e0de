// The routine slots of the picture and text pages (view/pages/ViewPages.h): the text page of map
// mode 20 and its print layout.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

void ConnectPagePieces(CVeldoranView& view)
{
    ViewPages& p = *view.m_pPages;
    view.m_routines.showTextPage = [&p](vd::Dc& dc) { p.ShowTextPage(dc); };
    view.m_routines.drawTextPage = [&p, &view](vd::Dc& dc) { p.DrawTextPage(dc, view.GetDocument()->m_strEntryParam); };
}
