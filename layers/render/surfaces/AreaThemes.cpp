// The area themes of format 1: DrawSurfaceAreas over the prefecture files (administrative areas
// and coasts) and DrawCountrySurfaceC over one whole-country file. Both draw from chosen cells of
// the block only, since every area is resolved around its drawing cell's neighbours.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"
#include "layers/render/points/PointLayer.h"
#include "layers/render/surfaces/SurfaceAreas.h"
#include "layers/render/surfaces/SurfaceLayer.h"
#include "meshcode/MeshCode.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kAreaStem = 8;

bool OneOf(int n, std::initializer_list<int> cells) { return std::find(cells.begin(), cells.end(), n) != cells.end(); }

// Which cells of the prefecture themes draw, when only some do.
bool PrefectureDrawingCell(int n, int cells, int areaKind)
{
    if (cells == 9)
        return n == 4;
    if (cells == 4 && areaKind == 0)
        return n == 0;
    if (cells == 25)
        return OneOf(n, {6, 9, 21, 24});
    return true;
}

bool CountryDrawingCell(int n, int cells)
{
    switch (cells) {
    case 1:
        return n == 0;
    case 4:
        return n == 3;
    case 9:
        return n == 4;
    case 25:
        return OneOf(n, {5, 7, 9, 21, 23});
    default:
        return true;
    }
}

std::string CellCode(CLayerRenderer& r, const CLayerRenderer::CellWalk& walk, int n)
{
    return r.CellFileName(walk.cellCount, n, walk.mode, walk.meshNumber, walk.attributeCells ? 1 : 0, 0, r.MeshCode);
}

// The selected prefectures of the given cells, each once.
std::vector<std::string> PrefecturesOf(CLayerRenderer& r, const CLayerRenderer::CellWalk& walk, int first, int last)
{
    std::vector<std::string> set;
    for (int n = first; n <= last; ++n) {
        const std::string code = CellCode(r, walk, n);
        if (code.empty() || r.ReadMeshPrefectures(code) == 0)
            continue;
        for (const std::string& p : r.PrefectureListOfCell)
            if (!p.empty() && std::find(set.begin(), set.end(), p) == set.end())
                set.push_back(p);
    }
    return set;
}

int MeshNumber(const std::string& code) { return vd::parseInt(code.substr(0, std::min<std::size_t>(4, code.size()))); }

} // namespace

void CLayerRenderer::DrawSurfaceAreas(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(std::move(flagText));
    if (cellCount == 1)
        DetailLevel = surfaces::kFullDetail;
    CellWalk walk = PrepareLineLayer(*this, cellCount, false, kAreaStem);
    ApplyAttributeCells(*this, walk);
    const int cells = walk.cellCount;
    const surfaces::SurfaceTools tools(*this, 0, fillFlag);
    const points::LabelFont font(*this, cellCount);
    // A block at full detail draws every cell from its own prefectures; otherwise some cells
    // draw, each from the prefectures of the whole block (of its quarter in a 5 x 5 block).
    const bool cellByCell = cellCount == -1 && cells > 1 && DetailLevel == surfaces::kFullDetail;
    const bool someCells = cellCount > 0 || (cellCount == -1 && DetailLevel < surfaces::kFullDetail);
    std::vector<std::string> prefectures;
    StatusFlag = 0;
    for (int n = 0; n < cells; ++n) {
        tools.ForProgress();
        ShowLayerProgress(-1, DataName, n, cells, 0);
        tools.ForDrawing();
        if (!cellByCell && (n == 0 || (cells == 25 && (n == 3 || n == 15 || n == 18))))
            prefectures = PrefecturesOf(*this, walk, 0, cells - 1);
        if (someCells && !PrefectureDrawingCell(n, cells, AreaKind))
            continue;
        const std::string code = CellCode(*this, walk, n);
        if (code.empty())
            continue;
        if (cellByCell) {
            if (!meshcode::FirstMeshOverlaps(West, North, East, South, -1, -1, code))
                continue;
            prefectures = PrefecturesOf(*this, walk, n, n);
        }
        for (const std::string& prefecture : prefectures) {
            const std::string path = DataSetPath + prefecture + ".txt";
            surfaces::AreaAttributes names;
            if (labelFlag == 1)
                names = surfaces::ReadAreaAttributes(path, surfaces::AreaFileKind::Prefecture);
            surfaces::DrawAreaFile(*this, path, {MeshNumber(code), cells, fillFlag, labelFlag == 1, false, &names});
        }
    }
}

void CLayerRenderer::DrawCountrySurfaceC(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(flagText);
    const bool filter = points::FiltersPrefectures(*this, flagText);
    if (cellCount == 1)
        DetailLevel = surfaces::kFullDetail;
    CellWalk walk;
    walk.mode = cellCount;
    walk.cellCount = cellCount == -1 ? BlockCellCount() : cellCount;
    walk.meshNumber = vd::parseInt(MeshCode);
    const int cells = walk.cellCount;
    const surfaces::SurfaceTools tools(*this, 0, fillFlag);
    const points::LabelFont font(*this, cellCount);
    const bool names = labelFlag == 1 && cells != 25;
    surfaces::AreaAttributes attributes;
    if (labelFlag == 1 || filter)
        attributes = surfaces::ReadAreaAttributes(DataSetPath, surfaces::AreaFileKind::Country);
    StatusFlag = 0;
    for (int n = 0; n < cells; ++n) {
        tools.ForProgress();
        ShowLayerProgress(-1, DataName, n, cells, 0);
        tools.ForDrawing();
        if (!CountryDrawingCell(n, cells))
            continue;
        const std::string code = CellCode(*this, walk, n);
        if (code.empty())
            continue;
        surfaces::DrawAreaFile(*this, DataSetPath, {MeshNumber(code), cells, fillFlag, names, filter, &attributes});
    }
}
