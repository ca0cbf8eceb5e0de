// The find-place and sheet selection dialogs of the view, and the commands that open them.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/CommandTarget.h"
#include "view/window/VeldoranView.h"

void ConnectFindPlacePiece(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    // Place mode: place names, or the registered points alone when those were chosen.
    const auto findPlace = [&view, &doc] {
        if (doc.m_nFindPlaceKind != 0 || doc.m_nFindPlaceOption != 1)
            doc.m_nFindPlaceKind = 1;
        view.OpenFindPlaceDialog();
    };
    view.OnCommand(ID_FIND_PLACE, findPlace);
    view.OnCommand(ID_FIND_PLACE_POPUP, findPlace);
    const auto findSearchResult = [&view, &doc] {
        doc.m_nFindPlaceKind = 2;
        view.OpenFindPlaceDialog();
    };
    const auto resultHeld = [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nResultCount > 0); };
    for (int id : {ID_FIND_SEARCH_RESULT, ID_FIND_SEARCH_RESULT_POPUP}) {
        view.OnCommand(id, findSearchResult);
        view.OnUpdateCommandUI(id, resultHeld);
    }
    view.OnCommand(ID_FIND_MUNICIPALITY, [&view] { view.OnFindMunicipality(); });
}
