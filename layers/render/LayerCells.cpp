// The renderer's side of the mesh-code arithmetic: the block of the call, the data name of each
// cell, the prefectures that cover it, and the loop that visits each prefecture once per call.
#include "layers/render/LayerRenderer.h"

#include "meshcode/BlockCellCode.h"
#include "meshcode/MeshCode.h"

#include <algorithm>

namespace {

using meshcode::kFullDetail;
constexpr int kGeometryFirst = 50;

} // namespace

meshcode::WideAreaBlock CLayerRenderer::Block() const
{
    return {AreaKind, WideAreaMode, BlockMode, WideAreaName, MeshCode, BlockCentre3, BlockCentre5};
}

int CLayerRenderer::BlockCellCount()
{
    const meshcode::BlockCount count = meshcode::BlockCellCount(Block());
    WideAreaMode = count.wideAreaMode;
    if (count.fullDetail)
        DetailLevel = kFullDetail;
    return count.cells;
}

std::string CLayerRenderer::BlockCellMeshCode(int n) const { return meshcode::BlockCellMeshCode(Block(), n); }

std::string CLayerRenderer::CellFileName(int cellCount, int n, int mode, int meshCode, int listSwitch, int detailSwitch,
                                         const std::string& meshText)
{
    if (listSwitch != 0) {
        // The attribute names first, then the prefectures of the cell.
        if (n >= 0 && n < int(AttributeNames.size()))
            return AttributeNames[std::size_t(n)];
        const std::size_t entry = std::size_t(n) - AttributeNames.size();
        return n >= 0 && entry < PrefectureListOfCell.size() ? PrefectureListOfCell[entry] : std::string();
    }
    if (mode == -1)
        return meshcode::BlockCellCode(Block(), cellCount, n, meshText);
    if (detailSwitch == 1)
        DetailLevel = kFullDetail;
    return meshcode::WhiteBlockCellCode(cellCount, meshCode, n, meshText);
}

int CLayerRenderer::ReadMeshPrefectures(const std::string& code)
{
    PrefectureListOfCell = MeshPrefectures.cell(DataFolder + "Msh_prft.dat", code);
    meshcode::BlankUnselectedPrefectures(PrefectureListOfCell, OptionList.data());
    return int(PrefectureListOfCell.size());
}

int CLayerRenderer::MarkPrefecturesRead(int count, int read)
{
    if (count < int(PrefectureListOfCell.size()))
        PrefectureListOfCell.resize(std::size_t(std::max(count, 0)));
    return meshcode::MarkPrefecturesRead(PrefectureListOfCell, read, PrefecturesRead);
}

void CLayerRenderer::BlockGeometry()
{
    const meshcode::BlockGeometryValues g = meshcode::BlockGeometry(Block());
    for (std::size_t i = 0; i < g.values.size(); ++i)
        OptionList[kGeometryFirst + i] = g.values[i];
    WideAreaMode = g.wideAreaMode;
    if (g.fullDetail)
        DetailLevel = kFullDetail;
}

void CLayerRenderer::ForEachCellPrefecture(const CellWalk& walk, const std::function<void(const std::string&)>& visit)
{
    StatusFlag = 0;
    int read = 0;
    for (int n = 0; n < walk.cellCount; ++n) {
        ShowLayerProgress(-1, DataName, n, walk.cellCount, 0);
        const std::string code = CellFileName(walk.cellCount, n, walk.mode, walk.meshNumber, walk.attributeCells ? 1 : 0,
                                              walk.roadOption ? 1 : 0, MeshCode);
        if (code.empty())
            continue;
        if (walk.frameTest && walk.cellCount > 1 && DetailLevel == kFullDetail &&
            !meshcode::FirstMeshOverlaps(West, North, East, South, -1, -1, code))
            continue;
        const int entries = ReadMeshPrefectures(code);
        if (entries == 0)
            continue;
        if (walk.beforeCell)
            walk.beforeCell(n, code);
        if (walk.cellCount > 1)
            read = MarkPrefecturesRead(entries, read);
        for (const std::string& prefecture : PrefectureListOfCell)
            if (!prefecture.empty())
                visit(prefecture);
    }
}
