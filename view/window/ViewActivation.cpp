// What the old platform told the view through activation and background-erase messages: the main
// window's activation changes reach the view through its OnActivateWindow hook, and a library
// dialog of a document command opening or closing over the view is such a change while the
// document's layer-dialog flag is set. Qt keeps an uncovered window's picture, so activation
// repaints only when a repaint was asked for anyway.
#include "view/window/ViewActivation.h"

#include "app/document/VeldoranDoc.h"
#include "view/window/VeldoranView.h"

void OnViewWindowActivation(CVeldoranView& view, bool active)
{
    CVeldoranDoc& doc = *view.GetDocument();
    if (doc.repaint.m_bLayerDialogOpen == 1) {
        // The dialog uncovers (or covers) the view: the erase that then ran puts the saved mode back.
        doc.repaint.m_bLayerDialogOpen = 0;
        doc.m_nMapDisplayMode = doc.repaint.m_nSavedMapDisplayMode;
        doc.repaint.m_bMapErasedByDialog = 1;
        view.InvalidateView(true);
    }
    const int shownMode = doc.m_nMapDisplayMode;
    const bool repaintPending = view.IsRepaintPending();
    view.OnActivateView(active);
    // Activation set the main-map mode for the repaint that an uncovered window got. Here an
    // uncovered window shows its back buffer again without one: unless a repaint is pending, the
    // picture on screen stands, and so does the mode that describes it (the arrow keys and the
    // right button act only on a map on screen).
    if (active && !repaintPending)
        doc.m_nMapDisplayMode = shownMode;
    // Deactivation set the mode that copies the saved picture back; a repaint already asked for
    // (a map type or colour set just chosen) still draws what it was asked to.
    if (!active && repaintPending)
        doc.m_nMapDisplayMode = shownMode;
}
