// The menus built from list files at the repaint's request, the menu-bar switch, the sheet and
// guide-map families, and the data-source caption of the main map.
#include "view/PieceConnections.h"

#include "app/ShellCommands.h"
#include "view/menubars/MenuBars.h"
#include "view/menubars/MenuListFiles.h"
#include "view/sheetmap/SheetMapHooks.h"
#include "view/window/VeldoranView.h"

void ConnectMenuBarPiece(CVeldoranView& view)
{
    ViewRoutines& r = view.m_routines;
    r.appendMapFileMenu = [&view] { AppendMapFileMenu(view); };
    r.appendGuideMapMenu = [&view] { AppendGuideMapMenu(view); };
    r.appendItemMenus = [&view] { AppendItemMenus(view); };
    sheetMapHooks().drawDataSourceCaption = [&view](vd::Dc& dc) { DrawDataSourceCaption(view, dc); };

    view.OnCommand(shell::ID_SWITCH_MENU_BAR, [&view] { OnSwitchMenuBar(view); });
    view.OnCommandRange(ID_SHEET_MENU_FIRST, ID_SHEET_MENU_FIRST + kMenuFamilySize - 1,
                        [&view](int id) { OnMapFileMenu(view, id); });
    view.OnCommandRange(ID_GUIDE_MAP_MENU_FIRST, ID_GUIDE_MAP_MENU_FIRST + kMenuFamilySize - 1,
                        [&view](int id) { OnGuideMapMenu(view, id); });
}
