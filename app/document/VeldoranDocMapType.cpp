// The map-type dialog, the prefecture-map and other-region keys, the text background, the colour
// set and the route and area index map.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerAnswer.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/tovendlg.h"

namespace {

// The map type the map-type dialog knows for a chosen prefecture's map; the document keeps 2.
constexpr int kDialogPrefectureMapType = 3;

// The index of the first field equal to 1 among the 48 of a prefecture flag list, -1 when none.
int FirstFlagSet(const std::string& flags)
{
    LayerAnswer fields = LayerAnswer::SplitAll(flags);
    for (int i = 0; i < 48; ++i)
        if (fields.Int() == 1)
            return i;
    return -1;
}

} // namespace

int CVeldoranDoc::ApplyPrefectureFlags(const std::string& flags)
{
    const int first = FirstFlagSet(flags);
    if (first < 0)
        return -1;
    if (first == 0) {
        m_nPrefectureSel = 0;
        m_nPrefecture = 0;
    } else {
        m_nPrefectureSel = 4;
        m_nPrefecture = first - 1;
        m_nMapFrame = m_nMapFrameCopy2 = 2;
    }
    m_nMapType = 2;
    return first;
}

int CVeldoranDoc::SelectMapType(int reset)
{
    auto* dialog = Tovendlg().OnMapTypeSet.fn;
    if (!dialog)
        return -1;
    if (reset == 1) {
        m_nMapType = 1;
        m_nPrefectureSel = 0;
        m_nGuideMapIndex = -1;
    }
    // The dialog shows a chosen prefecture's map as a type of its own; the document keeps 2, so
    // a cancelled dialog leaves no type the menus do not know.
    const int previousType = m_nMapType;
    const int dialogType = m_nPrefectureSel == 4 ? kDialogPrefectureMapType : m_nMapType;
    const std::string answer = dialog(m_nPaletteNo, dialogType + 10 * m_nClipIndexMap, m_nMapFigure + 10000 * m_nMapPjctn,
                                      m_nColorStep + 100 * m_nCstlnColor + 10000 * m_nPrfCstClr, m_nCityBorder,
                                      m_strPaletteDir, m_strPrefFlags);
    if (answer.empty()) {
        if (reset != 1)
            return -1;
        RedrawInMapType();
        return 1;
    }
    LayerAnswer fields = LayerAnswer::SplitAll(answer);
    int value[10];
    for (int& v : value)
        v = fields.Int();
    if (const std::string rest = fields.Rest(); !rest.empty())
        m_strPrefFlags = rest;
    m_nMapFigure = m_nMapFigureCopy = value[3];
    m_nPaletteNo = value[1];
    m_nMapType = value[2];
    m_nColorStep = value[4];
    m_nMapPjctn = value[6];
    m_nCstlnColor = value[7];
    m_nPrfCstClr = value[8];
    m_nClipIndexMap = value[9];
    m_nMouseDrag = m_nMapType == 1 ? m_nMouseDragCopy : 1;

    if (m_nMapType == kDialogPrefectureMapType) {
        if (ApplyPrefectureFlags(m_strPrefFlags) < 0) {
            m_nMapType = previousType;
            return -1;
        }
        RedrawInMapType();
        return 1;
    }
    m_nPrefectureSel = 0;
    if (value[0] == 1 || reset == 1)
        RedrawInMapType();
    return 1;
}

void CVeldoranDoc::RedrawInMapType()
{
    // A repaint in mode 10 only copies the old picture back: the map is drawn anew in its kind,
    // with the ramp of the set the dialog may have chosen.
    m_nMapDisplayMode = map_display::kRedrawMap;
    UpdateAllViews();
}

void CVeldoranDoc::OnMapTypeDialog() { SelectMapType(0); }

void CVeldoranDoc::OnPrefectureMapKey()
{
    m_nMapType = 2;
    m_nPrefectureSel = 0;
    m_nMapDisplayMode = map_display::kRedrawMap;
    m_anPrefData[0] = -1;
    UpdateAllViews();
}

void CVeldoranDoc::OnOtherRegion()
{
    m_bMapOnScreen = 0;
    m_nMapType = 1;
    if (m_strSheetSelect == "INDEX")
        m_nMapDisplayMode = map_display::kSheetIndex;
    else if (m_strSheetSelect == "MAP")
        m_nMapDisplayMode = map_display::kDragOverview;
    else if (m_strSheetSelect == "DIALOG")
        m_nMapDisplayMode = map_display::kSheetDialog;
    UpdateAllViews();
}

void CVeldoranDoc::OnTextBackground()
{
    m_nBackGrandColor = m_nBackGrandColor == 0 ? 1 : 0;
    UpdateAllViews();
}

void CVeldoranDoc::OnColourSet()
{
    auto* dialog = Tovendlg().OnMapPalleteSet.fn;
    if (!dialog)
        return;
    const std::string answer = dialog(m_nPaletteNo, m_strEditor, m_strPaletteDir, int(m_crSeaColour),
                                      int(m_crLakeColour), int(m_crBackground));
    if (answer.empty())
        return;
    LayerAnswer fields = LayerAnswer::SplitAll(answer);
    bool changed = false;
    const auto take = [&](auto& member, auto value) {
        if (member != value) {
            member = value;
            changed = true;
        }
    };
    take(m_nPaletteNo, fields.Int());
    for (vd::COLORREF* colour : {&m_crSeaColour, &m_crLakeColour, &m_crBackground}) {
        const int red = fields.Int();
        const int green = fields.Int();
        const int blue = fields.Int();
        take(*colour, vd::RGB(red, green, blue));
    }
    // The submarine relief shows the sea floor: the sea itself stays pale.
    if (m_nSubmarineLayer == 1 && m_anSubmarineSetting[0] == 1)
        m_crSeaColour = vd::RGB(245, 245, 255);
    if (fields.Rest() == "PaletteChange") {
        m_nMapDisplayMode = map_display::kPaletteChanged;
        UpdateAllViews();
    }
    if (changed) {
        m_nMapDisplayMode = map_display::kRedrawMap;
        UpdateAllViews();
    }
}

void CVeldoranDoc::OnRouteAreaIndexMap()
{
    m_nMapDisplayMode = map_display::kRouteAreaIndex;
    m_nMapFrame = m_nMapFrameCopy2 = 2;
    m_nMapType = 2;
    m_nPrefectureSel = 0;
    UpdateAllViews();
}
