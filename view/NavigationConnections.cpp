// The routine slots of the on-screen buttons, the page scroll bar and the ends of the view's
// modeless dialogs, which the view's navigation owns.
#include "view/PieceConnections.h"

#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

void ConnectNavigationPiece(CVeldoranView& view)
{
    ViewNavigation& n = *view.m_pNavigation;
    ViewRoutines& r = view.m_routines;
    r.removeViewButtons = [&n](int group) { n.RemoveViewButtons(group); };
    r.addViewButtons = [&n](int group) { n.AddViewButtons(group); };
    r.removeViewButton = [&n](int kind) { n.SetViewButton(kind, "", 0, 0, 0, 0); };
    r.setViewButton = [&n](int kind, const std::string& caption, int a, int b, int c, int d) {
        n.SetViewButton(kind, caption, a, b, c, d);
    };
    r.runButtonCommand = [&n](int id) { n.RunButtonCommand(id); };
    r.resetPageScrollBar = [&n] { n.ResetPageScrollBar(); };
    r.applySheetChoice = [&n] { n.ApplySheetChoice(); };
    r.applyPlaceChoice = [&n] { n.ApplyPlaceChoice(); };
    r.applyMunicipalityChoice = [&n] { n.ApplyMunicipalityChoice(); };
}
