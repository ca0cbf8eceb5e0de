// The whole-country white map's switches, the prefecture map, showing a sheet by name and the
// user's text and picture menus.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/pelmora.h"
#include "contracts/tovendlg.h"

namespace {

void Toggle(int& value) { value = value == 1 ? 0 : 1; }

} // namespace

void CVeldoranDoc::OnPrefectureBorders() { Toggle(spec.m_nPrefectureLinesFlag); }

void CVeldoranDoc::OnSubprefectureBorders() { Toggle(spec.m_nSubprefBorder); }

void CVeldoranDoc::OnGraticule() { Toggle(spec.m_nGraticuleFlag); }

void CVeldoranDoc::ShowSheetByName(const std::string& name)
{
    m_nMapDisplayMode = map_display::kMainMap;
    m_strMapName = name;
    FindSheetByName(name, folders.m_strSheetIndexFile);
    repaint.m_bMapOnScreen = 0;
    UpdateAllViews();
}

void CVeldoranDoc::RegisterMenuFile(int kind)
{
    auto* dialog = Tovendlg().OnDlgMenuBarFileUpdate.fn;
    if (!dialog || dialog(folders.m_strAppDir, environment.m_strEditor, kind) != 1)
        return;
    menus.m_nMenuBarState = kind == 2 ? -3 : -4;
    m_nMapDisplayMode = map_display::kMainMap;
    repaint.m_bMapOnScreen = 0;
    UpdateAllViews();
}

void CVeldoranDoc::OnPrefectureMap()
{
    // A cancelled or empty choice keeps the map on screen, so it keeps its settings as well.
    const int type = position.m_nMapType;
    const int selection = position.m_nPrefectureSel;
    const int guideMap = menus.m_nGuideMapIndex;
    const int drag = pointer.m_nMouseDrag;
    position.m_nPrefectureSel = 4;
    position.m_nMapType = 2;
    menus.m_nGuideMapIndex = -1;
    pointer.m_nMouseDrag = 1;
    if (SelectPrefectureMap() < 0) {
        position.m_nMapType = type;
        position.m_nPrefectureSel = selection;
        menus.m_nGuideMapIndex = guideMap;
        pointer.m_nMouseDrag = drag;
    }
}

int CVeldoranDoc::SelectPrefectureMap()
{
    OnDddAreaSelect_fn* select = Pelmora().OnDddAreaSelect.fn;
    if (!select)
        return -1;
    const std::string answer = select(position.m_strPrefFlags);
    if (answer.empty())
        return -1;
    // A rest of "1" asks the selection for its prefecture-map form next time as well.
    position.m_strPrefFlags = answer + "1";
    if (ApplyPrefectureFlags(answer) < 0)
        return -1;
    m_nMapDisplayMode = map_display::kRedrawMap;
    m_nPrefMapState = -1;
    UpdateAllViews();
    return 1;
}

void CVeldoranDoc::RunMenuBarEntry(int item, int menu)
{
    const std::size_t index = std::size_t(item) * 8 + std::size_t(menu);
    if (item < 0 || menu < 0 || menu > 7 || index >= menus.m_astrMenuBarEntry.size())
        return;
    const std::string& menuLine = menus.m_astrMenuBarEntry[index];
    const std::size_t at = menuLine.find('@');
    if (at == std::string::npos)
        return;
    m_strEntryTitle = menuLine.substr(0, at);
    m_strEntryState.clear();
    const std::string target = menuLine.substr(at + 1);
    if (menu >= 5) {
        // Programs and files: a "$" parts the program from what it opens.
        const std::size_t dollar = target.find('$');
        entry.m_strEntryTarget = target.substr(0, dollar);
        m_strEntryParam = dollar == std::string::npos ? std::string() : target.substr(dollar + 1);
        m_nFileKind = GetFileKind(entry.m_strEntryTarget);
        if (environment.m_nJpegProcess == 1 && m_nFileKind == 1)
            m_nFileKind = 0;
        return;
    }
    m_strEntryParam = target;
    if (environment.m_strTextAppear == "Dialog") {
        m_nMapDisplayMode = map_display::kIdle;
        ShowTextFile();
        return;
    }
    entry.m_strTextPageTitle = m_strEntryTitle;
    entry.m_strEntryCaption = m_strEntryTitle; // the title box of the page
    entry.m_strTextPageFile = target;
    m_nMapDisplayMode = map_display::kTextPageEntry;
    UpdateAllViews();
}
