// The menus built from list files at the repaint's request.
#include "view/PieceConnections.h"

#include "view/menubars/MenuBars.h"
#include "view/window/VeldoranView.h"

void ConnectMenuBarPiece(CVeldoranView& view)
{
    ViewRoutines& r = view.m_routines;
    r.appendMapFileMenu = [&view] { AppendMapFileMenu(view); };
    r.appendGuideMapMenu = [&view] { AppendGuideMapMenu(view); };
    r.appendItemMenus = [&view] { AppendItemMenus(view); };
}
