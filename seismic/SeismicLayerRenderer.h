#pragma once
// The seismic hazard layer renderer: one lives on the stack of each drawing entry point, holds the
// call's arguments, and draws the chosen map's third-level cells (45 x 30 arc-seconds) into the
// device context. Screen transform: x = (longitude - west) x scale + x offset, y = (north -
// latitude) x scale + y offset, truncated. Pens and the label font are its own values; the
// caller's come back at the end of each drawing.
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Color.h"
#include "platform/dc/GdiObjects.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vd {
class Dc;
}

namespace seismic {
struct MeshSeekIndex;
struct DegreeSeekIndex;
struct FaultPoint;
struct ScenarioMeshRecord;
struct ProbabilisticMeshRecord;
class ReliefShading;
} // namespace seismic

namespace meshcode {
struct GridOrigin;
}

// The legend is drawn only when its anchor lies this far right (a wide client).
inline constexpr int kLegendAnchorLeast = 801;

// Map kinds of the seismic layer.
inline constexpr int kProbabilisticMap = 0;
inline constexpr int kScenarioMap = 1;

class CSeismicLayerRenderer {
public:
    explicit CSeismicLayerRenderer(vd::Dc& dc);
    CSeismicLayerRenderer(const CSeismicLayerRenderer&) = delete;
    CSeismicLayerRenderer& operator=(const CSeismicLayerRenderer&) = delete;

    vd::Dc& DeviceContext;
    int LegendAnchorX = 0;
    int North = 0, West = 0, South = 0, East = 0; // arc-seconds
    int AreaKind = 0;
    int WideAreaMode = 0;
    int MapFrameMode = 0;
    int StatusFlag = 0;
    int DetailLevel = 0;
    int CallerFlag = 0; // -1: no progress box
    int StatusLineY = 0;
    int SnappedWest = 0, SnappedSouth = 0;
    int CellLatitude = 0, CellLongitude = 0; // south-west corner of the record's cell
    int DataKind = -1;
    int ScenarioQuantity = 0;
    int LegendFlag = 0, FaultFlag = 0, AsperityFlag = 0;
    float XOffset = 0, YOffset = 0, XScale = 0, YScale = 0;
    float RecordValue = 0;
    // [0] wide-area name, [1] mesh code, [2] wide-area settings or block text, [3] block centre,
    // [4] data folder, [5] map title, [6] code text of the record being read.
    std::array<std::string, 7> Strings;
    std::array<std::string, 4> WideAreaCodes; // the codes of a wide-area settings list
    bool WideAreaCodesRead = false;
    vd::COLORREF CellColour = 0;

    // The data file of an entry of the map kind's list, upper-cased; sets the data kind.
    std::string ReadSeismicDataEntry(int mapKind, int entry);
    // 1 blue, 2 blue dotted, 9 black, 11 black 2 px, 12 black dotted; other codes select nothing.
    void SelectSeismicPen(int code);
    void ResetCellColour() { CellColour = 0; }
    // Mode 3 creates and selects the label font for n, mode 4 puts the replaced font back.
    void SelectLabelFont(int mode, int n = 0);
    static int LabelFontHeight(int n, int detailLevel);

    // The class (mode 0) or label value (mode 1) of the record in Strings[6] and RecordValue; -1
    // when its cell lies outside the extent. Sets the cell corner.
    int ClassifyProbabilisticRecord(int mode);
    void SelectProbabilisticColour(int valueClass);
    // Fills the cells of one first-level mesh found through the index.
    void DrawProbabilisticMeshCells(int cellWidth, int cellHeight, const std::string& dataPath, const std::string& mesh,
                                    const seismic::MeshSeekIndex& index);

    // The value labels of one first-level mesh: the numbers of the strong cells (all of them at
    // full detail) circled and in red, a dot for the others in small blocks.
    void DrawProbabilisticMeshLabels(const std::string& dataPath, const std::string& mesh,
                                     const seismic::MeshSeekIndex& index, int cellCount);

    // The probabilistic maps: the detailed map, its value labels and its relief form (the legend's
    // result; -1: no legend drawn, or no index), the white map of a sheet block of 1, 9 or 25
    // meshes, the whole-country map.
    int DrawProbabilisticMesh(int layerModeCode, int entry, int legendYOffset);
    int DrawProbabilisticLabels(int layerModeCode, int entry, int legendYOffset);
    int DrawProbabilisticRelief(int layerModeCode, int entry, int legendYOffset);
    void DrawProbabilisticWhiteMesh(int cellCount, int layerModeCode, int entry);
    void DrawProbabilisticWholeCountry(int unused, int layerModeCode, int entry);

    // The scenario maps: the quantity's class of RecordValue and its colour; the cells of a data
    // file in its form (degree-indexed subduction files, plain files, list files).
    int ClassifyScenarioValue();
    void SelectScenarioColour(int valueClass);
    void DrawScenarioCellsIndexed(int cellWidth, int cellHeight, const std::string& dataPath);
    void DrawScenarioCellsList(int cellWidth, int cellHeight, const std::string& dataPath);
    // The detailed map, its value labels and its relief form (-1: no legend drawn), the white map
    // of a sheet block, the whole country.
    int DrawScenarioMesh(int layerModeCode, int entry, int legendYOffset);
    int DrawScenarioLabels(int layerModeCode, int entry, int legendYOffset);
    int DrawScenarioRelief(int layerModeCode, int entry, int legendYOffset);
    void DrawScenarioWhiteMesh(int unused, int cellCount, int layerModeCode, int entry);
    void DrawScenarioWholeCountry(int unused, int layerModeCode, int entry);

    // The fault planes over a scenario map (when the fault flag is set): the outline, with its
    // depth labels, of the fault file or of each numbered fault file, the asperities in blue, or
    // the depth lines of a subduction plate.
    void DrawFaultOverlay(const std::string& dataPath);
    // A closed outline (its last point is its first again): solid where a point is no deeper than
    // the first, dotted where it dips and on the closing edge; clipped to the extent.
    void DrawFaultPolygon(const std::vector<seismic::FaultPoint>& points, bool blue);
    // The point count of the last asperity drawn, closing point included; -1 when the file does
    // not open.
    int DrawAsperities(const std::string& faultPath);
    void DrawSubductionFaults(const std::string& faultPath);

    // The legend box (compact 1: the value labels' box), anchored at the status line (y mode 0),
    // at 450 (1) or 30 below the status line (2), plus the offset: h + 5 (40, 165 or 345), 0 with
    // the legend flag off. The caller flag -1 moves the anchor 30 pixels right, and it stays moved.
    int DrawSeismicLegend(int mapKind, int compact, int yMode, int yOffset);

private:
    int LegendYAnchor(int yMode) const;
    enum class Walk { Detailed, White, WholeCountry };
    enum class Paint { Cells, Labels, Relief };
    int DrawProbabilistic(Walk walk, Paint paint, int cellCount, int entry, int legendYOffset);
    int DrawScenario(Walk walk, Paint paint, int cellCount, int layerModeCode, int entry, int legendYOffset);
    void ScanProbabilisticMesh(const std::string& dataPath, const std::string& mesh, const seismic::MeshSeekIndex& index,
                               const std::function<void(const seismic::ProbabilisticMeshRecord&)>& paint);
    // The records of a scenario file in its form, those inside the extent as the form bounds it,
    // with their longitude and latitude seconds.
    void ReadScenarioRecords(const std::string& dataPath, bool listForm,
                             const std::function<void(const seismic::ScenarioMeshRecord&, int, int)>& visit);
    void DrawScenarioLabel(const seismic::ScenarioMeshRecord& record, int longitude, int latitude, int cellCount);
    // The class colours of the map kind's quantity (the relief shades and the legend swatches).
    std::vector<vd::COLORREF> ClassColours(int mapKind);
    meshcode::GridOrigin ReliefOrigin(int cellCount, int n, const std::string& code, int wideAreaMode) const;
    void FillReliefCell(const seismic::ReliefShading& relief, int cellLatitude, int cellLongitude, int valueClass);
    // Fills the cell of a record inside the extent (west and east bounds as the form reads them).
    void FillScenarioCell(const seismic::ScenarioMeshRecord& record, int cellWidth, int cellHeight, int& lastClass);
    struct ScreenPoint {
        int x = 0, y = 0;
    };
    ScreenPoint ScreenOf(int longitudeSeconds, int latitudeSeconds) const;
    ScreenPoint CellScreenPoint() const; // the corner of the cell last classified

    meshcode::WideAreaBlock Block() const;
    // The cell count of the block (may switch the wide-area mode and full detail on).
    int WideAreaCellCount();
    // Reads the four codes of a wide-area settings list when the mode asks for them (10): 1, else 0.
    int ReadWideAreaSettings(int mode, const std::string& settings);
    std::string CellCode(Walk walk, int cellCount, int n) const;
    // The start of a walk: the record bounds (the extent's south-west corner, snapped to the
    // third-level mesh grid on a detailed walk at full detail), then the cells to walk (the given
    // count on the white map, else the block's).
    int StartWalk(Walk walk, int givenCount);
    void ShowLayerProgress(int index, int total) { ShowLayerProgress(Strings[5], index, total); }
    void ShowLayerProgress(const std::string& title, int index, int total);

    std::array<vd::Pen, 6> pens_; // black, blue, red, blue dotted, black 2 px, black dotted
    vd::Font labelFont_;
    vd::Font previousFont_;
};
