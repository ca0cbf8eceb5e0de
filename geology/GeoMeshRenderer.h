#pragma once
// The geology mesh drawing object. Every geology drawing call of Dovanne (the natural-terrain
// mesh: surface geology, soil, terrain classification, valley density; and the
// land-classification mesh) builds one for the call, copies its arguments into it and runs one
// drawing method; nothing survives the call but the work files the drawers write.
//
// This header holds the object's state and the model every drawer shares: the block of
// first-level meshes, the mesh-to-prefecture lookup, the progress box, the palette, the
// selection and the record classifiers. Seconds are whole arc-seconds from 0 degrees.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vd {
class Dc;
}
struct GeoRecordFields;

inline constexpr int kGeoClassCount = 170;    // palette entries and class names
inline constexpr int kGeoSlotCount = 200;     // RockSlot 0-199, and the per-class code arrays
inline constexpr int kGeoNoneSlot = 199;      // the slot of a rock without class
inline constexpr int kGeoGridSide = 240;      // cells a side of the largest block
inline constexpr int kGeoRockFlagCount = 12;  // RockGroupFlags
inline constexpr int kGeoEraFlagCount = 10;   // EraFlags
inline constexpr int kGeoOptionCount = 48;    // the PrefectureFlagList
inline constexpr int kGeoMeshPrefectures = 10;
inline constexpr int kGeoDrawnPrefectures = 50;

// The items of the surface-geology rock selection (RockGroupFlags).
enum GeoRockGroup {
    kRockAll = 0,          // すべて(未区分の岩石を含む)
    kRockUnconsolidated,   // 未固結～半固結堆積物
    kRockSemiConsolidated, // 半固結～固結堆積物
    kRockConsolidated,     // 固結堆積物
    kRockVolcanic,         // 火山岩類
    kRockPlutonic,         // 深成岩類
    kRockMetamorphic,      // 変成岩類
};

// The items of the era selection (EraFlags): 0 all eras, 1-6 the eras, 7 records without era.
inline constexpr int kEraAll = 0;
inline constexpr int kEraNotGiven = 7;

class CGeoMeshRenderer {
public:
    CGeoMeshRenderer();

    // ---- The block of first-level meshes
    // Number of first-level meshes of the block; may settle the wide-area mode and the detail level.
    int CountBlockCells();
    // Mesh code of block cell n (row by row from the north-west), or an empty text.
    std::string BlockCellCode(int n) const;
    // The code of cell n as the drawers ask for it.
    std::string CellMeshCode(int count, int n, int explicitCount, int base, int useQuad, int setDetail,
                             const std::string& alternative, const std::string& current);
    // Takes the four quad codes of a quad list (list code 10 only): 1 when taken, else 0.
    int ParseQuadList(int listCode, const std::string& list);

    // ---- Progress, prefectures, options
    void ShowProgress(int show, const std::string& text, int i, int n);
    // Fills the mesh prefectures from Msh_prft.dat of the data folder; gives how many were filled.
    int ReadMeshPrefectures(const std::string& meshCode);
    // Empties the mesh prefectures already read in this call and notes the rest as read.
    int FilterDrawnPrefectures(int count, int drawn);
    void ParseOptionList(const std::string& flagList);

    // ---- Palette, selection, rock classes
    void LoadGeologyPalette(int theme, const std::string& applicationFolder);
    void ParseGeoSelection(int theme, const std::string& selection);
    // Colour class of a rock number in the current record's era: above 0; 0 without class; -1
    // when the rock-group selection refuses it. Sets the record code index (RockSlot).
    int ClassifyRockCode(int rock);

    // ---- Drawers: the plain (detailed) map fills each record in D x D sub-steps and keeps the
    // block's grids for TEMP\Geofile.dat; the white map fills one rectangle a record.
    void DrawTerrainMesh(int cellCount, int code, int displayOption, const std::string& selection,
                         const std::string& flagList);
    void DrawLandClassMesh(int cellCount, int code, int displayOption, const std::string& selection,
                           const std::string& flagList);
    void DrawWhiteTerrainMesh(int cellCount, int theme, int displayOption, const std::string& selection,
                              const std::string& flagList);
    void DrawWhiteLandClassMesh(int cellCount, int theme, int displayOption, const std::string& selection,
                                const std::string& flagList);

    // ---- Legend column of the classes that occurred (theme 0 reorders the primary codes)
    void DrawGeologyLegend(int theme, int placement);
    // The x of the drawn extent's east edge on screen.
    int MapRightEdge() const;
    // ---- The composition table of all rock classes by era (m_nItem 1 and area kind 0: the rocks
    // of the last surface-geology drawing outlined, from the work file that m_nLayerFlag names:
    // 0 the plain map's with grids of side m_nBlockMode, else the white map's)
    void DrawGeologyCompositionTable();

    // ---- Records (the current line holds the raw CP932 record)
    void ClassifyNaturalTerrainRecord(int theme, int drawLabel);
    void ClassifyLandClassRecord(int theme, int drawLabel);

    // ---- State
    vd::Dc* m_pDC = nullptr;
    std::array<int, kGeoRockFlagCount> m_anRockFlags{};
    std::array<int, kGeoEraFlagCount> m_anEraFlags{};
    int m_nItem = 0;
    int m_nNorth = 0;
    int m_nWest = 0;
    int m_nSouth = 0;
    int m_nEast = 0;
    int m_nAreaKind = 0;
    int m_nWideAreaMode = -1; // area kind 0: 1 single, 2 = 3 x 3, 3 = 2 x 2; area kind 3: the quad-list code
    int m_nBlockMode = 0;     // 1 one first-level mesh, 2 a wide-area block
    int m_nLayerFlag = 0;     // the layer flag modulo 10000
    int m_nDetailLevel = 0;   // 3: labels, clipping margins, no work file
    int m_nStatusLineY = 0;
    int m_nRecordIndex = 0;   // RockSlot of the current record
    int m_nSecondaryCode = 0; // era of the current record, -1 rejected
    int m_nPrimaryCode = 0;   // rock number of the current record
    int m_nColourIndex = 0;
    int m_nCellWest = 0;
    int m_nRecordWestBound = 0;
    int m_nCellSouth = 0;
    int m_nRecordSouthBound = 0;
    int m_nWorkFileDetail = 0; // below 3 the classifiers fill the grids
    int m_nSymbolMode = 0;     // SymbolMode of the selection
    int m_nLabelFlag = 0;
    int m_nAllClasses = 0;     // soil and terrain: every class is shown
    std::array<int, kGeoOptionCount> m_anOptions{};
    int m_nLayerFlagWhole = 0;
    std::array<std::array<std::int16_t, 3>, kGeoClassCount> m_anPalette{};
    std::array<std::int16_t, kGeoSlotCount> m_anPrimaryCodes{};
    std::array<std::int16_t, kGeoSlotCount> m_anColourCodes{};
    std::array<std::int16_t, kGeoSlotCount> m_anSecondaryCodes{}; // eras by slot; soil and terrain: ClassFlags
    float m_fOriginX = 0;
    float m_fOriginY = 0;
    float m_fScaleX = 0;
    float m_fScaleY = 0;
    int m_nRecordLon = -1; // -1: nothing to fill
    int m_nRecordLat = 0;
    int m_nLabelX = 0;
    int m_nLabelY = 0;
    std::string m_strWideAreaName;
    std::string m_strCentreMesh;
    std::string m_strWideCentre3; // area kind 3: the quad list
    std::string m_strWideCentre5;
    std::string m_strDataPrefix;
    std::string m_strDataFolder;
    std::string m_strTitle;
    std::string m_strSymbol; // the record's class field
    std::string m_strLine;   // the raw record, then the symbol to write
    std::array<std::string, 4> m_astrQuad;
    std::array<std::string, kGeoMeshPrefectures> m_astrMeshPrefectures;
    std::array<std::string, kGeoDrawnPrefectures> m_astrDrawnPrefectures;
    std::array<std::string, kGeoClassCount> m_astrClassNames;
    // Block grids, index column x 240 + row (columns west to east, rows north to south).
    std::vector<std::uint8_t> m_primaryGrid;
    std::vector<std::uint8_t> m_secondaryGrid;

private:
    void ClassifyRecord(int theme, int drawLabel, const GeoRecordFields& record, bool capGrid);
    bool AcceptRecord(int theme, const GeoRecordFields& record);
    void NoteRecord(int theme, int column, int row);
};
