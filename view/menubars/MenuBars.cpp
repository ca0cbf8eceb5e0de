#include "view/menubars/MenuBars.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "app/shell/ShellCommands.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "view/menubars/MenuListFiles.h"
#include "view/menus/ItemMenuEntries.h"
#include "view/menus/MenuSlideShow.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

#include <cstdio>
#include <vector>

namespace {

// Through the view's routines, as the rest of the view reaches its buttons.
void setViewButton(CVeldoranView& view, int kind, const std::string& caption)
{
    view.m_pNavigation->SetViewButton(kind, caption, 0, 0, 0, 0);
}

void removeViewButtons(CVeldoranView& view, int group)
{
    view.m_pNavigation->RemoveViewButtons(group);
}

vd::Menu* barSubMenu(CVeldoranView& view, int position)
{
    vd::FrameWindow* frame = view.GetParentFrame();
    vd::Menu* bar = frame ? frame->GetMenu() : nullptr;
    return bar ? bar->GetSubMenu(position) : nullptr;
}

// Empties a dynamic menu: its placeholder goes, and whatever an earlier build left.
void emptyMenu(vd::Menu& menu)
{
    for (int position = 0; position < kMenuFamilySize; ++position)
        menu.DeleteMenu(0, vd::MF_BYPOSITION);
}

void appendItem(vd::Menu& menu, int id, const MenuListItem& item)
{
    if (item.separator)
        menu.AppendMenu(vd::MF_SEPARATOR, id);
    else if (!item.empty)
        menu.AppendMenu(vd::MF_STRING, id, item.text);
}

// Fills one menu of the map bar and keeps its lines in the document's list.
template <std::size_t N>
void fillListMenu(CVeldoranView& view, int position, int firstId, const std::vector<MenuListItem>& items,
                  std::array<std::string, N>& stored)
{
    vd::Menu* menu = barSubMenu(view, position);
    if (menu)
        emptyMenu(*menu);
    for (std::size_t k = 0; k < items.size() && k < N; ++k) {
        if (menu)
            appendItem(*menu, firstId + int(k), items[k]);
        stored[k] = items[k].stored;
    }
}

} // namespace

void AppendMapFileMenu(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    fillListMenu(view, 1, ID_SHEET_MENU_FIRST, readSheetMenuList(doc.folders.m_strAppDir + "MAPFILE.DAT"),
                 doc.menus.m_astrSheetMenu);
    doc.menus.m_nMenuBarState = 1;
}

void AppendGuideMapMenu(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    fillListMenu(view, 2, ID_GUIDE_MAP_MENU_FIRST,
                 readGuideMapMenuList(doc.folders.m_strAppDir + "GUIDEMAP\\GUIDEMAP.DAT"), doc.menus.m_astrGuideMap);
}

void AppendItemMenus(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    const auto menus = readItemMenuLists(doc.folders.m_strAppDir + "SOURCE\\MENUFILE.DAT");
    for (std::size_t m = 0; m < menus.size(); ++m) {
        vd::Menu* menu = barSubMenu(view, int(m) + 1);
        if (menu)
            emptyMenu(*menu);
        for (std::size_t k = 0; k < menus[m].size(); ++k) {
            if (menu)
                appendItem(*menu, kItemMenuFirstIds[m] + int(k), menus[m][k]);
            doc.menus.m_astrMenuBarEntry[k * kItemMenuCount + m] = menus[m][k].stored;
        }
    }
    doc.menus.m_nMenuBarState = 0;
}

void OnSwitchMenuBar(CVeldoranView& view)
{
    CVeldoranDoc& doc = *view.GetDocument();
    const bool toItemBar = doc.menus.m_nMenuBarKind == 0;
    if (toItemBar) {
        doc.menus.m_nMenuBarKind = 1;
        doc.menus.m_nMenuBarState = -2;
        for (int kind : {12, 28, 29})
            setViewButton(view, kind, "");
    } else {
        doc.menus.m_nMenuBarKind = 0;
        doc.menus.m_nMenuBarState = -1;
    }
    if (vd::FrameWindow* frame = view.GetParentFrame()) {
        vd::Menu bar;
        if (bar.LoadMenu(toItemBar ? 133 : 128))
            frame->SetMenu(bar);
        frame->DrawMenuBar();
    }
    if (doc.menus.m_nMenuBarState < 0) {
        doc.m_nMapDisplayMode = map_display::kMainMap;
        view.InvalidateView(true);
    }
}

void OnMapFileMenu(CVeldoranView& view, int id)
{
    CVeldoranDoc& doc = *view.GetDocument();
    if (doc.position.m_nMapType == 4) {
        removeViewButtons(view, 8);
        doc.menus.m_nGuideMapIndex = -1;
    }
    doc.position.m_nMapType = 1;
    doc.ShowSheetByName(doc.menus.m_astrSheetMenu[std::size_t(id - ID_SHEET_MENU_FIRST)]);
}

void OnGuideMapMenu(CVeldoranView& view, int id)
{
    CVeldoranDoc& doc = *view.GetDocument();
    doc.position.m_nMapType = 4;
    view.m_nGuideMapShown = 1;
    removeViewButtons(view, 1);
    doc.OpenGuideMap(id - ID_GUIDE_MAP_MENU_FIRST);
}

void DrawDataSourceCaption(CVeldoranView& view, vd::Dc& dc)
{
    const CVeldoranDoc& doc = *view.GetDocument();
    const auto& tally = doc.m_anKindTally;
    char counts[128] = "";
    if (tally[0] + tally[1] + tally[2] + tally[3] > 0)
        std::snprintf(counts, sizeof counts, "ﾃｷｽﾄ=%d  画像=%d  ｱﾙﾊﾞﾑ=%d  ｳｪﾌﾞﾍﾟｰｼﾞ=%d", tally[0], tally[1], tally[2],
                      tally[3]);
    const bool commonArea = doc.registered.m_strCommonDataSwitch == "on" &&
                            doc.registered.m_strDataFileTitle.find("共通領域") == std::string::npos;
    const std::string source = commonArea ? "<ﾃﾞｰﾀﾌｧｲﾙ:HD(共通領域)+" + doc.registered.m_strDataFileTitle + "> "
                                          : "<ﾃﾞｰﾀﾌｧｲﾙ:" + doc.registered.m_strDataFileTitle + "> ";
    const vd::ui::Rect client = view.GetClientRect();
    const bool wide = client.right > 800;
    // The layers' progress box (国土数値情報, the layer's name and count) stands where the wide
    // status line goes; once the map is whole it is out of date, and the line is written on its
    // own ground instead of through it.
    if (wide && view.m_pBackgroundBrush)
        dc.FillRect(vd::Rect{470, client.bottom - 26, client.right, client.bottom}, *view.m_pBackgroundBrush);
    dc.SetBkMode(vd::TRANSPARENT);
    dc.TextOut(wide ? 470 : 2, client.bottom - (wide ? 19 : 18), source + counts);
    dc.SetBkMode(vd::OPAQUE);
}

void ConnectMenuBarCommands(CVeldoranView& view)
{
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
