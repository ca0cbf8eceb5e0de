// What the old platform told the view through activation and background-erase messages: the main
// window's activation changes reach the view through its OnActivateWindow hook, and a library
// dialog of a document command opening or closing over the view is such a change while the
// document's layer-dialog flag is set.
#include "view/window/ViewActivation.h"

#include "app/VeldoranDoc.h"
#include "view/window/VeldoranView.h"

void OnViewWindowActivation(CVeldoranView& view, bool active)
{
    CVeldoranDoc& doc = *view.GetDocument();
    if (doc.m_bLayerDialogOpen == 1) {
        // The dialog uncovers (or covers) the view: the erase that then ran puts the saved mode back.
        doc.m_bLayerDialogOpen = 0;
        doc.m_nMapDisplayMode = doc.m_nSavedMapDisplayMode;
        doc.m_bMapErasedByDialog = 1;
        view.InvalidateView(true);
    }
    view.OnActivateView(active);
}
