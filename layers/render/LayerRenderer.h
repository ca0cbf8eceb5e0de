#pragma once
// CLayerRenderer: the renderer that each drawing entry point builds for one call. It holds the
// call's arguments (LayerDrawParams), the 24 stock pens, one brush and one font at a time, the
// option list and the per-call prefecture bookkeeping, and draws its layer operations into the
// caller's device context. Nothing of it outlives the call.
#include "layers/render/LayerDrawParams.h"
#include "meshcode/MeshPrefectureFile.h"
#include "meshcode/MeshRecordPosition.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Dc.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class CLayerRenderer : public LayerDrawParams {
public:
    CLayerRenderer(vd::Dc& dc, LayerDrawParams params);
    CLayerRenderer(const CLayerRenderer&) = delete;
    CLayerRenderer& operator=(const CLayerRenderer&) = delete;

    vd::Dc& DeviceContext;
    int GridWest = 0;
    int GridSouth = 0;
    // 0-47 the prefecture flags (0: whole country); 50-57 block geometry; 50 also the class
    // width of the decoded item; 52, 53 also the last decoded position (a cell's south-west
    // latitude and longitude, or a point's screen y and x); 60 + k and 90 + k the offset and
    // length of census table item k.
    std::array<int, 120> OptionList{};
    // The relief grid of the block being drawn (CellOrigin): kept apart from the decoded
    // position, which every record overwrites.
    meshcode::GridOrigin ReliefGrid;
    double CensusTotal = 0;
    std::array<std::string, 3> CensusItemNames;
    ScreenPoint LabelPoint1;
    ScreenPoint LabelPoint2;
    std::string CurrentLine; // the record being decoded (raw CP932), then its label
    std::array<std::string, 4> AttributeNames;
    std::vector<std::string> PrefectureListOfCell; // at most 10
    meshcode::MeshPrefectureTable MeshPrefectures;  // Msh_prft.dat, read once per call
    std::array<std::string, meshcode::kMaxPrefecturesRead> PrefecturesRead;

    // ---- Pens and colours
    // Line-colour index 0-21: violet, blue, dark green, green, yellow, orange, pink, red, dark
    // red, black, white as 1-pixel pens, then the same as 2-pixel pens. Other values select nothing.
    void SelectLinePen(int colourIndex);
    // The pen of a line-colour index; an empty pen (selecting nothing) for other values.
    vd::Pen LinePen(int colourIndex) const;
    // The 1-pixel pen of colour index 0-10.
    void SelectThinPen(int colourIndex);
    // The twelve 1-pixel pens become dotted pens of the same colours.
    void UseDottedPens();
    // Stock pen 1-24 (the table of the stock pens).
    const vd::Pen& StockPen(int number) const { return pens_[std::size_t(number - 1)]; }
    static vd::COLORREF PaletteColour(int index);
    static vd::COLORREF ClassRampColour(int index);

    // ---- Shared operations
    // 0, 1: outline pen and fill brush of colour value v (1: of the item code); 2: restore them;
    // 3: the label font; 4: restore the font.
    void SetDrawingTools(int mode, int value, int fillFlag);
    void ShowLayerProgress(int countSwitch, std::string text, int index, int total, int fontSwitch);
    void ParseOptionList(std::string text);
    void DrawEndLabels(int x1, int y1, int x2, int y2, std::string label1, std::string label2);
    void ScaleShrink(int count, int mode, int variant);
    int ParseAttributeNames(int packed, std::string list);
    ScreenPoint ToScreen(int latitude, int longitude) const;
    // Whole arc-seconds within the DrawExtent, its edges inside.
    bool InDrawExtent(int latitude, int longitude) const
    {
        return latitude >= South && latitude <= North && longitude >= West && longitude <= East;
    }

    // ---- Mesh cells of the block (the fields they change are changed here)
    int BlockCellCount();
    std::string BlockCellMeshCode(int n) const;
    std::string CellFileName(int cellCount, int n, int mode, int meshCode, int listSwitch, int detailSwitch,
                             const std::string& meshText);
    int ReadMeshPrefectures(const std::string& code);
    int MarkPrefecturesRead(int count, int read);
    void BlockGeometry();
    // The per-cell loop: each prefecture file of the block's cells, once per call. cellCount and
    // meshNumber as the layer works them out; mode: -1 on the plain map.
    struct CellWalk {
        int cellCount = 1;
        int mode = -1;
        int meshNumber = 0;
        bool attributeCells = false;
        bool roadOption = false;
        bool frameTest = true; // cells outside the frame are passed over (several at full detail)
        // Called for each cell whose prefectures are about to be read: its number and code.
        std::function<void(int n, const std::string& code)> beforeCell;
    };
    void ForEachCellPrefecture(const CellWalk& walk, const std::function<void(const std::string& code)>& visit);

    // ---- Record decoders (of CurrentLine; the label of the value is left in it)
    // 1 when the third-level cell lies in the window (GridWest, GridSouth, North, East, its north
    // and east edges outside), else -1; the corner goes to OptionList 52, 53.
    int ThirdMeshCell();
    // The same for a second-level cell, its north and east edges inside.
    int SecondMeshCell();
    // 1 when the point lies in the DrawExtent (edges inside), else -1; the screen y and x go to
    // OptionList 52, 53.
    int PointPosition();
    void ClassWidth(int theme, int item); // OptionList 50
    int DecodeNatureValue(int item);      // class, 999 for a name, or -1
    int DecodeMeshValue(int theme, int item);
    // The same decoders on a record read in place, CurrentLine left alone unless `labelled`
    // (then the label is put there); the label is formatted only then.
    int ThirdMeshCell(std::string_view line);
    int DecodeNatureValue(std::string_view line, int item, bool labelled);
    int DecodeMeshValue(std::string_view line, int theme, int item, bool labelled);
    // The class width (OptionList 50) and CensusItemNames of a census item.
    void ParseCensusItems(int theme, int item, int drawSwitch, std::string list);
    // The value (the class index for agriculture item 3); added to CensusTotal. With class flag
    // 0 the label is left in CurrentLine.
    int DecodeCensusValue(int theme, int item, int classFlag);
    static std::string CensusTotalText(int theme, int item, double total);
    // ReliefGrid of block n of cellCount blocks, whose south-west corner is given.
    void CellOrigin(int cellCount, int n, int longitude, int latitude);

    // ---- Mesh legend (meshes/): the box at the right of the map after a mesh theme. Position
    // mode 0: below the status line, 1: from y 450, 2: 30 lower than 0. The height used + 5.
    int DrawMeshLegend(int theme, int item, int swatchFlag, int classStep, int positionMode, int yOffset,
                       std::string text1, std::string text2, std::string text3, std::string text4);

    // ---- Layer operations
    void DrawMeshRivers(int unused, int cellCount, std::string optionText);
    void DrawMeshRoads(int unused, int cellCount, int unused2, std::string optionText);
    // Point themes (points/): cell count -1 on the plain map (the block's), else 1, 9 or 25.
    void DrawPointMarkers(int cellCount, int classFilter, int labelSelector, std::string flagText);
    void DrawHeritagePoints(int cellCount, int modeCode, int labelSelector, std::string flagText);
    void DrawPointLengths(int cellCount, int labelSelector, std::string flagText);
    void DrawFacilityPoints(int cellCount, int modeCode, int labelSelector, std::string flagText);
    void DrawPointNames(int cellCount, int labelSelector, std::string flagText);
    void DrawCodedPoints(int cellCount, int labelSelector, int powerFlag, std::string flagText);
    void DrawPlainPoints(int cellCount, int labelSelector);
    void DrawLandPricePoints(int cellCount, int labelSelector, int unused, int yearIndex, std::string flagText);

    // Railways, their stations and the whole-country rivers (railways/).
    void BuildStationFile();
    void DrawRailways(int unused, int cellCount);
    void DrawCountryRivers(int unused, int cellCount);
    // The whole-country ledger line data sets (lines/). BuildLedgerFiles builds the ledger of a
    // "C" data set once and answers its path + "/" + selector (empty for a data set without a
    // ledger); for a W15-52L data file it builds Riverddd.dat and answers empty.
    std::string BuildLedgerFiles(std::string dataPath);
    void DrawLedgerLines(int unused, int cellCount);

    // Third-order mesh themes (meshes/): block count -1 on the plain map (the block's); theme
    // marker -1 coastal sea, -2 forest and public land; the legend's result, or -1 when a cell
    // form draws no legend (item code 800 or below) or the single file cannot be opened.
    int DrawPrefectureMeshValues(int blockCount, int modeCode, int item, int legendOffset, std::string optionText);
    int DrawPrefectureMeshCells(int blockCount, int modeCode, int item, int legendOffset, std::string optionText);
    int DrawSingleFileMeshValues(int themeMarker, int modeCode, int item, int legendOffset);
    int DrawSingleFileMeshCells(int themeMarker, int modeCode, int item, int legendOffset);
    // The census meshes: form flag 1 cells, 0 values; classSpec the caller's CensusClassSpec.
    int OnPlainLclMeshCensas(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                             std::string classSpec, std::string optionText);
    void DrawCountryPrefectureMeshCells(int blockCount, int modeCode, int item, std::string optionText);
    void DrawCountrySingleFileMeshCells(int themeMarker, int modeCode, int item);

    // Surface themes (surfaces/): cell count -1 for the block's; flag text the prefecture flags.
    void DrawSurfaceAreas(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawSurfaceLines(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawSurfaceBoundaries(int cellCount, int fillFlag, int labelFlag, int kind, std::string flagText);
    void DrawSurfaceRegions(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawCountrySurfaceA(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawCountrySurfaceB(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawCountrySurfaceC(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawCountrySurfaceD(int cellCount, int fillFlag, int labelFlag, std::string flagText);
    void DrawCountrySurfaceE(int cellCount, int fillFlag, int labelFlag, std::string flagText);

    // Mesh relief forms, white-map meshes, the 1/10 subdivided mesh and its lakes.
    int DrawPrefectureMeshRelief(int blockCount, int modeCode, int item, int legendOffset, std::string optionText);
    int DrawSingleFileMeshRelief(int themeMarker, int modeCode, int item, int legendOffset);
    int OnPlainLclReliefCensas(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                               std::string classSpec, std::string optionText);
    void DrawWhitePrefectureMeshCells(int blockCount, int modeCode, int item, std::string optionText);
    void DrawWhiteDesignatedAreaCells(int blockCount, int modeCode, int item, std::string optionText);
    void DrawWhiteSingleFileMeshCells(int forestFlag, int blockCount, int modeCode, int item);
    int DrawSubdividedMesh(int cellCount, int modeCode, int item, std::string landUseFlags, int forestFlag,
                           int legendValue, std::string flagText);
    int DrawSubdividedMeshRelief(int cellCount, int modeCode, int item, std::string landUseFlags, int forestFlag,
                                 int legendValue, std::string flagText);
    // Lakes: -1 when the data file cannot be read or the theme value's thousands are 3 (no legend).
    // whiteMap: 0 on the detailed map, 1 on the white map.
    int DrawSubdividedLakes(int cellCount, int modeCode, int labelMode, int whiteMap, int legendValue,
                            std::string flagText);
    // 湖沼ｺｰﾄﾞ.dat beside the lake data file: its name, the file built first when it is missing
    // and the data file can be read.
    std::string BuildLakeCodeFile(std::string dataPath);
    // The label of a lake by label mode 1-4 at (x, y), its second line 10 pixels below.
    void DrawLakeLabel(std::string code, int x, int y, int labelMode, std::string codeFile);

private:
    meshcode::WideAreaBlock Block() const;
    // The census members: overRelief shades every decoded cell by the relief grid.
    int DrawCensusMesh(int blockCount, int modeCode, int item, int formFlag, int legendOffset,
                       const std::string& classSpec, const std::string& optionText, bool overRelief);
    std::array<vd::Pen, 24> pens_;
    vd::Pen savedPen_;
    vd::Brush brush_;
    vd::Brush savedBrush_;
    vd::Font font_;
    vd::Font savedFont_;
};
