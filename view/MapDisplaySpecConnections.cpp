// The navigation slot of 地図の表示仕様: button 326 on the main map runs the
// document's dialog.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

void ConnectMapDisplaySpecPiece(CVeldoranView& view)
{
    CVeldoranDoc* doc = view.GetDocument();
    if (view.m_pNavigation && doc)
        view.m_pNavigation->calls.editMapDisplaySpec = [doc] { doc->EditMapDisplaySpec(); };
}
