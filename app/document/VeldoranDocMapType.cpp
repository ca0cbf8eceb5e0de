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
        position.m_nPrefectureSel = 0;
        position.m_nPrefecture = 0;
    } else {
        position.m_nPrefectureSel = 4;
        position.m_nPrefecture = first - 1;
        position.m_nMapFrame = position.m_nMapFrameCopy2 = 2;
    }
    position.m_nMapType = 2;
    return first;
}

int CVeldoranDoc::SelectMapType(int reset)
{
    auto* dialog = Tovendlg().OnMapTypeSet.fn;
    if (!dialog)
        return -1;
    if (reset == 1) {
        position.m_nMapType = 1;
        position.m_nPrefectureSel = 0;
        menus.m_nGuideMapIndex = -1;
    }
    // The dialog shows a chosen prefecture's map as a type of its own; the document keeps 2, so
    // a cancelled dialog leaves no type the menus do not know.
    const int previousType = position.m_nMapType;
    const int dialogType = position.m_nPrefectureSel == 4 ? kDialogPrefectureMapType : position.m_nMapType;
    const std::string answer = dialog(colours.m_nPaletteNo, dialogType + 10 * m_nClipIndexMap,
                                      position.m_nMapFigure + 10000 * position.m_nMapPjctn,
                                      colours.m_nColorStep + 100 * colours.m_nCstlnColor + 10000 * colours.m_nPrfCstClr,
                                      spec.m_nCityBorder, folders.m_strPaletteDir, position.m_strPrefFlags);
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
        position.m_strPrefFlags = rest;
    position.m_nMapFigure = position.m_nMapFigureCopy = value[3];
    colours.m_nPaletteNo = value[1];
    position.m_nMapType = value[2];
    colours.m_nColorStep = value[4];
    position.m_nMapPjctn = value[6];
    colours.m_nCstlnColor = value[7];
    colours.m_nPrfCstClr = value[8];
    m_nClipIndexMap = value[9];
    pointer.m_nMouseDrag = position.m_nMapType == 1 ? pointer.m_nMouseDragCopy : 1;

    if (position.m_nMapType == kDialogPrefectureMapType) {
        if (ApplyPrefectureFlags(position.m_strPrefFlags) < 0) {
            position.m_nMapType = previousType;
            return -1;
        }
        RedrawInMapType();
        return 1;
    }
    position.m_nPrefectureSel = 0;
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
    position.m_nMapType = 2;
    position.m_nPrefectureSel = 0;
    m_nMapDisplayMode = map_display::kRedrawMap;
    statistics.m_nShow = -1;
    UpdateAllViews();
}

void CVeldoranDoc::OnOtherRegion()
{
    repaint.m_bMapOnScreen = 0;
    position.m_nMapType = 1;
    if (environment.m_strSheetSelect == "INDEX")
        m_nMapDisplayMode = map_display::kSheetIndex;
    else if (environment.m_strSheetSelect == "MAP")
        m_nMapDisplayMode = map_display::kDragOverview;
    else if (environment.m_strSheetSelect == "DIALOG")
        m_nMapDisplayMode = map_display::kSheetDialog;
    UpdateAllViews();
}

void CVeldoranDoc::OnTextBackground()
{
    environment.m_nBackGrandColor = environment.m_nBackGrandColor == 0 ? 1 : 0;
    UpdateAllViews();
}

void CVeldoranDoc::OnColourSet()
{
    auto* dialog = Tovendlg().OnMapPalleteSet.fn;
    if (!dialog)
        return;
    const std::string answer =
        dialog(colours.m_nPaletteNo, environment.m_strEditor, folders.m_strPaletteDir, int(colours.m_crSeaColour),
               int(colours.m_crLakeColour), int(colours.m_crBackground));
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
    take(colours.m_nPaletteNo, fields.Int());
    for (vd::COLORREF* colour : {&colours.m_crSeaColour, &colours.m_crLakeColour, &colours.m_crBackground}) {
        const int red = fields.Int();
        const int green = fields.Int();
        const int blue = fields.Int();
        take(*colour, vd::RGB(red, green, blue));
    }
    // The submarine relief shows the sea floor: the sea itself stays pale.
    if (depth.m_nSubmarineLayer == 1 && depth.m_anSubmarineSetting[0] == 1)
        colours.m_crSeaColour = vd::RGB(245, 245, 255);
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
    position.m_nMapFrame = position.m_nMapFrameCopy2 = 2;
    position.m_nMapType = 2;
    position.m_nPrefectureSel = 0;
    UpdateAllViews();
}
