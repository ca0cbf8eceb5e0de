#pragma once
// The settings that the 地図の表示仕様 dialog edits, as copies of the document's
// members grouped by the dialog's pages: read from the document before the dialog runs, copied
// back on OK, and compared to tell whether the map must be drawn again.
#include "app/settings/ShownPlaceNamesDialog.h"

#include <string>

class CVeldoranDoc;

// Page 地名.
struct PlaceNameSpec {
    int m_nSiteNameDisplay = 1;     // 1 shown, anything else hidden (the box sets 1 or -1)
    int m_nSiteNamePopup = 0;
    int m_nPointDisplayFlag = 14;   // the thinning choice 0..14
    std::string m_strFontName;      // "ＭＳ ゴシック" or "ＭＳ 明朝"
    int m_nPlaceNameFontHeight = 2; // 1, 2, 3: 12, 11, 10 pixels
    PlaceNameKindFlags m_anPlaceNameKind{};
    // Shown only.
    int m_nPlaceNameInMap = 0;
    int m_nPlaceNameTotal = 0;
    std::string m_strSiteNameFile;
};

// Page 登録地点.
struct PointSpec {
    int m_nLinkPoint = 1;
    int m_nPointPopup = 1;
    std::string m_strPointKeyword;
    int m_nKindData = 3;   // 1 texts, 2 pictures, 3 both
    int m_nSymbolSize = 2; // 3 large, 2 medium, 1 small
    int m_nPointLabel = 3; // 1 point name, 2 item, 3 both
};

// Page 地図.
struct WhiteMapSpec {
    int m_nMapBoundary = 1;
    int m_nScaleBar = 1;
    int m_nPrefBorder = 1;
    int m_nSubprefBorder = 0;
    std::string m_strPrefBorderColour; // "ORNG", "BLUE", "RED"
    int m_nLake = 0;
    int m_nReservoir = 0;
    int m_nCityBorder = 0;
    int m_nCityBorderColour = 11; // 10 black, any other value grey
    int m_nCityNameZoom = 1;
    int m_nCityNameEnclave = 0;
    // Shown only: the frame box's caption, the third colour's caption, whether municipality
    // data exists at all.
    int m_nMapType = 1;
    int m_nMapFigure = 0;
    std::string m_strCityBorderDir;
};

// The start city (page 距離 and the start city dialog).
struct StartCity {
    std::string m_strDepature;
    double m_dDepLatDeg = 0;
    double m_dDepLatMin = 0;
    double m_dDepLonDeg = 0;
    double m_dDepLonMin = 0;
};

// Page 距離.
struct DistanceSpec {
    int m_nDistanceShow = 1;
    int m_nDistanceEnd = 1; // 0 registered point, any other value the pointer
    StartCity city;
    // For the start city dialog.
    std::string m_strAppDir;
    std::string m_strEditor;
};

struct MapDisplaySpec {
    PlaceNameSpec placeName;
    PointSpec point;
    WhiteMapSpec whiteMap;
    DistanceSpec distance;
    int m_nPointerCoords = 0;
    int m_nSpecDialogTab = 0;
};

// The document's values. The white-map figure is taken only on a sheet map (map type 1); on
// other maps the third border colour keeps its own caption.
MapDisplaySpec ReadMapDisplaySpec(const CVeldoranDoc& doc);
// Copies the edited values back (not the shown-only ones: map type, counts, place-name file,
// folders, editor, and the figure, which the dialog only shows).
void WriteMapDisplaySpec(CVeldoranDoc& doc, const MapDisplaySpec& spec);
// Whether a value that the map is drawn with differs (the start city, the distance settings,
// the pointer coordinates and the tab do not count).
bool MapDisplayChanged(const MapDisplaySpec& before, const MapDisplaySpec& after);

// The way a check box toggles a 0/1 member: 0 becomes 1, anything else 0.
inline int ToggledFlag(int value)
{
    return value == 0 ? 1 : 0;
}
