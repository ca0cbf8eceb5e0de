// The menus built from list files at the repaint's request, the menu-bar switch, the sheet,
// guide-map, text and picture families, the menu slide show and the data-source caption of the
// main map.
#include "view/PieceConnections.h"

#include "app/shell/ShellCommands.h"
#include "view/menubars/MenuBars.h"
#include "view/menubars/MenuListFiles.h"
#include "view/menus/ItemMenuEntries.h"
#include "view/menus/MenuSlideShow.h"
#include "view/window/VeldoranView.h"

void ConnectMenuBarPiece(CVeldoranView& view)
{
    ViewRoutines& r = view.m_routines;
    r.appendMapFileMenu = [&view] { AppendMapFileMenu(view); };
    r.appendGuideMapMenu = [&view] { AppendGuideMapMenu(view); };
    r.appendItemMenus = [&view] { AppendItemMenus(view); };

    view.OnCommand(shell::ID_SWITCH_MENU_BAR, [&view] { OnSwitchMenuBar(view); });
    view.OnCommandRange(ID_SHEET_MENU_FIRST, ID_SHEET_MENU_FIRST + kMenuFamilySize - 1,
                        [&view](int id) { OnMapFileMenu(view, id); });
    view.OnCommandRange(ID_GUIDE_MAP_MENU_FIRST, ID_GUIDE_MAP_MENU_FIRST + kMenuFamilySize - 1,
                        [&view](int id) { OnGuideMapMenu(view, id); });
    // OnTextMenu1-5 and OnPictureMenu1-3: the item of the chosen family.
    for (int menu = 0; menu < kItemMenuCount; ++menu) {
        const int first = kItemMenuFirstIds[menu];
        const int kind = menu < 5 ? 0 : 1;
        view.OnCommandRange(first, first + kMenuFamilySize - 1,
                            [&view, first, menu, kind](int id) { RunItemMenuEntry(view, id - first, menu, kind); });
    }
    view.OnCommand(ID_MENU_SLIDE_SHOW, [&view] { OnMenuBarSlideShow(view); });
}
