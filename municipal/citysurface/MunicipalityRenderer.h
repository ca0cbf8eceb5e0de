#pragma once
// CMunicipalityRenderer: the drawing state of one call of the municipality entry points (white
// map, plain map, search, prefecture lines). A plain object built on the entry point's stack: it
// holds the call's arguments, its pens, brush and font, and draws into the lent device context.
#include "basemap/projection/LatitudeRatioTable.h"
#include "meshcode/OptionList.h"
#include "platform/dc/Dc.h"

#include <array>
#include <string>
#include <vector>

class CMunicipalityRenderer {
public:
    explicit CMunicipalityRenderer(vd::Dc& dc);
    CMunicipalityRenderer(const CMunicipalityRenderer&) = delete;
    CMunicipalityRenderer& operator=(const CMunicipalityRenderer&) = delete;

    vd::Dc& m_dc;
    vd::Pen m_penStart; // solid blue, selected first so that the caller's pen comes back at the end
    vd::Pen m_penPolygon;
    vd::Pen m_penCoastline;
    vd::Brush m_brushFill;
    vd::Font m_fontLabel;

    int m_nColourCode = 0; // negative: white labels
    int m_nWork = 0;
    int m_nCoastlinePenCode = 0;
    int m_nNorth = 0; // the drawn extent, arc-seconds
    int m_nWest = 0;
    int m_nSouth = 0;
    int m_nEast = 0;
    int m_nAreaKind = 0;
    int m_nWideAreaMode = 0;
    int m_nAreaSubMode = 0;
    int m_nDetailLevel = 0; // 3: detailed
    int m_nSpare = 0;
    std::array<int, meshcode::kPrefectureFlagCount> m_anPrefectureFlags{}; // 0: whole country

    float m_fOriginX = 0;
    float m_fOriginY = 0;
    float m_fScaleX = 0; // pixels per arc-second
    float m_fScaleY = 0;

    std::string m_strMarker;
    std::string m_strWideAreaName;
    std::string m_strMeshCode; // its first four characters are the first-level mesh code
    std::string m_strAreaList;
    std::string m_strFurtherArea;
    std::string m_strDataFolder;

    std::vector<std::string> m_astrPrefectures;     // two-digit codes of the files to draw
    std::array<std::string, 4> m_astrQuadCodes;      // the cells of the four-mesh mode
    std::vector<std::string> m_astrLinePrefectures; // the codes of one Msh_prft.dat line

    // What the call chose to draw.
    int m_nCellCount = -1; // -1: from the area kind
    int m_nFillFlag = 0;
    int m_nLabelFlags = 0;
    bool m_bLatitudeBand = false;
    float m_fScale = 0;        // 1/10000 degree per pixel (latitude band)
    float m_fRefLongitude = 0; // 1/10000 degree (latitude band)
    float m_afLatitudeRatio[kLatitudeRatioTableSize] = {};

    // ---- Cells and prefectures
    // The first-level cells of the call (an empty code is a cell without one); settles the cell
    // count, the detail level and the wide-area mode as the area kind asks.
    std::vector<std::string> CellCodes(bool whiteMapMarker = false);
    // The two-digit prefecture codes of the cells' Msh_prft.dat lines, merged without repeats;
    // without the whole-country flag only the flagged prefectures.
    void CollectPrefectures(const std::vector<std::string>& cells);
    // Whether a cell is drawn: at full detail in a block, only cells touching the extent.
    bool CellInExtent(const std::string& code, std::size_t cellCount) const;

    // ---- Projection (arc-seconds to pixels)
    void UseLatitudeBand(float scale, float refLongitude);
    vd::Point Project(int longitude, int latitude) const;
    // The kept-point window and the clamp to the extent.
    bool KeepsPoint(int longitude, int latitude) const;
    void ClampToExtent(int& longitude, int& latitude) const;

    // ---- Drawing operations
    // The listed prefectures' municipality files, then their coastlines.
    void DrawMunicipalities(const std::string& boundaryRoot, const std::string& coastlineRoot);
    // The one municipality of the 5-digit code, outlined and named in red.
    void DrawSearchedMunicipality(const std::string& boundaryRoot, const std::string& code);
    // Prefecture lines over the cells and, with a hundreds digit, the sub-prefecture lines.
    void DrawPrefectureLines(int options);
};

namespace surrick {

// The file-name prefix of the municipality files ("Pg001_"): the first six characters of the
// first "pg…dat" name in the CityPlgn folder; empty when there is none.
std::string MunicipalityFilePrefix(const std::string& boundaryRoot);

// "1" and "01" both name prefecture 1's files: the code as two digits, empty for no code.
std::string TwoDigitPrefecture(std::string_view code);

} // namespace surrick
