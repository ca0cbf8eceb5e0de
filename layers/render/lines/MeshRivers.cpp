// DrawMeshRivers: the river lines of the national-land data, one text file per prefecture, drawn
// cell by cell over the block with the layer's line colour.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"

#include <utility>

namespace {

constexpr int kColourBlue = 1;

// The "02_07" river data lie east of the base map: 8 seconds on area kinds 0-2, 3 seconds at the
// scale of area kinds 3 and 4; drawing moves them back west.
int RiverLongitudeShift(const CLayerRenderer& r)
{
    if (r.DataSetPath.find("02_07") == std::string::npos)
        return 0;
    return r.AreaKind <= 2 ? 8 : 3;
}

} // namespace

void CLayerRenderer::DrawMeshRivers(int, int cellCount, std::string optionText)
{
    ParseOptionList(std::move(optionText));
    const vd::Pen kept = DeviceContext.SelectObject(LinePen(kColourBlue));
    SelectLinePen(ItemCode);

    CellWalk walk = PrepareLineLayer(*this, cellCount, false);
    ApplyAttributeCells(*this, walk);
    const int shift = RiverLongitudeShift(*this);

    ForEachCellPrefecture(walk, [&](const std::string& prefecture) {
        LineRecordReader reader;
        if (!reader.open(DataSetPath + prefecture + ".txt"))
            return;
        LineRecordHeader header;
        while (reader.nextRecord(header))
            DrawLineRecordPoints(*this, reader, header, shift);
    });
    DeviceContext.SelectObject(kept);
}
