#pragma once
// The map type and colouring (template 159 "  地図の種類と配色"): the kind of base map (1:200,000
// sheet, Japan, a prefecture), white or tint map, the colour set and colouring method of the tint
// map, the coastline colours of the sheet and prefecture maps and the projections. A prefecture
// map is chosen in the prefecture selection (template 179), which ends this dialog at once.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 159).
namespace maptypeids {
inline constexpr int IDC_SHEET_MAP = 1004;
inline constexpr int IDC_JAPAN_MAP = 1005;
inline constexpr int IDC_PREFECTURE_MAP = 1006;
inline constexpr int IDC_WHITE_MAP = 1112;
inline constexpr int IDC_TINT_MAP = 1113;
inline constexpr int IDC_SET_COMBO = 1116;
inline constexpr int IDC_STEP_COMBO = 1117;
inline constexpr int IDC_PREF_PROJECTION = 1034;
inline constexpr int IDC_JAPAN_PROJECTION = 1035;
inline constexpr int IDC_COAST_COMBO = 1014;
} // namespace maptypeids

class CDlgMapType : public vd::Dialog {
public:
    enum { IDD = 159 };
    CDlgMapType();

    int m_nSetNumber = 0;
    int m_nMapKind = 1;          // 1 sheet, 2 Japan, 3 prefecture
    int m_nMapFigure = 0;        // 0 white map, 1 tint map
    int m_nColourStep = 0;       // colouring method of the tint map (combo 1117)
    int m_nPrefProjection = 0;   // 0 "ｻﾝｿﾝ図法", 1 "正距円筒図法"
    int m_nJapanProjection = 0;  // combo index: 0 "ｻﾝｿﾝ図法", 1 "ｱﾙﾍﾞﾙｽ正積円錐図法"
    int m_nCoastColour = 0;      // coastline of the sheet map (combo 1014)
    int m_nPrefCoastColour = 0;  // coastline of the prefecture map (combo 1014)
    int m_nCoastOnTint = 0;      // 1: a tint map may have a coastline colour too
    std::string m_strPaletteDir;
    std::string m_strPrefectureFlags; // 48 "%d|" fields, "1" after them for a single prefecture

    bool OnInitDialog() override;

private:
    void ShowWhiteMapTexts();
    void ShowCoastColour(int index);
    void ShowWhiteMapCoast();
    void TurnToWhiteMap();
    void OnWhiteMap();
    void OnTintMap();
    void OnSelchangeSet();
    void OnSheetMap();
    void OnJapanMap();
    void OnPrefectureMap();
    void OnSelchangeCoast();
    void OnSelchangePrefProjection();
};

// The fields of the caller's packed integers.
struct MapTypeArguments {
    int mapKind;
    int japanProjection; // combo index
    int mapFigure;
    int prefProjection;
    int colourStep;
    int coastColour;
    int prefCoastColour;
};
MapTypeArguments DecodeMapTypeArguments(int mapKindAndProjection, int mapFigureAndProjection,
                                        int colourStepAndCoastColours);
