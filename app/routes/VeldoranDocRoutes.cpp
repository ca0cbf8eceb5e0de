// Route and area maps of the document: the choice of a registered map in TOVENDLG's dialog, the
// map a registered point names, the 3 x 3 sheet block they are shown in, and the Mapping menu's
// route, area and index-map commands.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"

#include "contracts/bindings/TovendlgExports.h"
#include "app/routes/RouteFileLines.h"
#include "contracts/tovendlg.h"

namespace {

constexpr int kRouteMapCommand = 33253;
constexpr int kAreaMapCommands[] = {33254, 33255};
constexpr int kIndexMapCommands[] = {33269, 33270};

// The answer "%d|name|path|play mode" cut at its first three bars.
struct RouteChoice {
    std::string path;
    std::string playMode;
};

RouteChoice SplitRouteChoice(const std::string& answer)
{
    std::string_view rest = answer;
    for (int field = 0; field < 2; ++field) {
        const std::size_t bar = rest.find('|');
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    const std::size_t bar = rest.find('|');
    if (bar == std::string_view::npos)
        return {std::string(rest), {}};
    return {std::string(rest.substr(0, bar)), std::string(rest.substr(bar + 1))};
}

} // namespace

void CVeldoranDoc::RegisterRouteCommands()
{
    OnCommand(kRouteMapCommand, [this] { ShowRouteInformation(0); });
    for (int id : kAreaMapCommands)
        OnCommand(id, [this] { ShowRouteInformation(1); });
    for (int id : kIndexMapCommands)
        OnCommand(id, [this] { OnRouteAreaIndexMap(); });
    for (int id : {32892, 32896})
        OnUpdateCommandUI(id, [this](vd::CmdUI& ui) { ui.Enable(position.m_nMapType <= 2); });
    OnCommand(32892, [this] { SelectText(); });
    OnCommand(32896, [this] { SelectPicture(); });
}

void CVeldoranDoc::SwitchToRouteBlock()
{
    // From one sheet the block shows three sheets a side, from a 5 x 5 block five thirds as many.
    if (position.m_nMapFrame == 1) {
        m_fWhiteZoomX *= 0.33333334f;
        m_fWhiteZoomY *= 0.33333334f;
    } else if (position.m_nMapFrame == 2 && position.m_nMapMode == 25) {
        m_fWhiteZoomX *= 1.6666666f;
        m_fWhiteZoomY *= 1.6666666f;
    }
    position.m_nMapFrame = 2;
    position.m_nMapFrameCopy2 = 2;
    position.m_nMapMode = 9;
}

bool CVeldoranDoc::LoadRouteLines(const std::string& path)
{
    if (FileExists(path) != 1)
        return false;
    const auto lines = ReadRouteFileLines(path, kMaxRouteLines);
    if (!lines)
        return false;
    std::size_t n = 0;
    for (; n < lines->size(); ++n)
        routes.m_astrRoutePoint[n] = (*lines)[n];
    routes.m_astrRoutePoint[n] = "999";
    routes.m_nRouteLineCount = int(n);
    return true;
}

void CVeldoranDoc::ShowRouteInformation(int kind)
{
    auto* choose = Tovendlg().OnRouteInformation.fn;
    repaint.m_bDialogOpen = 1;
    const std::string answer =
        choose ? choose(kind, routes.m_strRoutePlayMode, environment.m_strEditor, folders.m_strRouteAreaDir) : "";
    repaint.m_bDialogOpen = 0;
    // A cancelled choice (or no dialog library) leaves the map as it is.
    if (answer.empty())
        return;
    const RouteChoice choice = SplitRouteChoice(answer);
    routes.m_strRoutePlayMode = choice.playMode;
    if (FileExists(choice.path) != 1)
        return;
    SwitchToRouteBlock();
    if (!LoadRouteLines(choice.path))
        return;
    // A route shown after an area is drawn as a route again.
    routes.m_strEntryMode = kind == 1 ? "AreaData" : "";
    repaint.m_strViewState.clear();
    m_nMapDisplayMode = map_display::kRouteAreaSheets;
    UpdateAllViews();
}

void CVeldoranDoc::LoadRouteFromItem(const std::string& record)
{
    const std::string path(AfterFields(record, 4));
    if (FileExists(path) != 1)
        return;
    SwitchToRouteBlock();
    position.m_nMapType = 1;
    const bool route = AfterFields(record, 3).find("ルート") != std::string_view::npos;
    if (!LoadRouteLines(path))
        return;
    routes.m_strEntryMode = route ? "" : "AreaData";
    repaint.m_strViewState.clear();
    m_nMapDisplayMode = map_display::kRouteAreaSheets;
    UpdateAllViews();
}
