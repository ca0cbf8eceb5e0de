#pragma once
// CLayerRenderer: the renderer that each drawing entry point builds for one call. It holds the
// call's arguments (LayerDrawParams), the 24 stock pens, one brush and one font at a time, the
// option list and the per-call prefecture bookkeeping, and draws its layer operations into the
// caller's device context. Nothing of it outlives the call.
#include "layers/render/LayerDrawParams.h"
#include "layers/render/meshcode/MeshPrefectureFile.h"
#include "layers/render/meshcode/WideAreaBlock.h"
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
    // 0-47 the prefecture flags (0: whole country); 50-57 block geometry; 52, 53 also the last
    // decoded position.
    std::array<int, 120> OptionList{};
    double CensusTotal = 0;
    ScreenPoint LabelPoint1;
    ScreenPoint LabelPoint2;
    std::string CurrentLine;
    std::array<std::string, 4> AttributeNames;
    std::vector<std::string> PrefectureListOfCell; // at most 10
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
    };
    void ForEachCellPrefecture(const CellWalk& walk, const std::function<void(const std::string& code)>& visit);

    // ---- Layer operations
    void DrawMeshRivers(int unused, int cellCount, std::string optionText);
    void DrawMeshRoads(int unused, int cellCount, int unused2, std::string optionText);

private:
    meshcode::WideAreaBlock Block() const;
    std::array<vd::Pen, 24> pens_;
    vd::Pen savedPen_;
    vd::Brush brush_;
    vd::Brush savedBrush_;
    vd::Font font_;
    vd::Font savedFont_;
};
