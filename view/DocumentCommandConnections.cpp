// The navigation slots of the document's map-type commands: button 333 runs the map-type dialog,
// button 322 on a prefecture's map the prefecture selection.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

void ConnectDocumentCommandPiece(CVeldoranView& view)
{
    CVeldoranDoc* doc = view.GetDocument();
    if (!view.m_pNavigation || !doc)
        return;
    view.m_pNavigation->calls.selectMapType = [doc](int reset) { return doc->SelectMapType(reset); };
    view.m_pNavigation->calls.selectPrefectureMap = [doc] { doc->SelectPrefectureMap(); };
}
