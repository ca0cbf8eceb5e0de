// DrawMeshRoads: the road lines of the national-land data, one text file per prefecture, drawn
// cell by cell; with item code 0 coloured by the road class of the road ledger.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineLayerData.h"
#include "layers/render/lines/RoadLedgerFile.h"

#include <optional>
#include <utility>

namespace {

constexpr int kColourBlack = 9;
using meshcode::kFullDetail;

class RoadPens {
public:
    RoadPens(const CLayerRenderer& r, int cellCount)
        : classOne_(vd::PS_SOLID, 2, vd::RGB(0, 240, 255)),
          classTwo_(vd::PS_SOLID, cellCount == 1 || r.DetailLevel == kFullDetail ? 2 : 1, vd::RGB(255, 0, 0)),
          other_(r.LinePen(kColourBlack))
    {
    }
    // Selects the pen of a road class when it differs from the last record's class.
    void Select(vd::Dc& dc, int roadClass)
    {
        if (lastClass_ == roadClass)
            return;
        lastClass_ = roadClass;
        if (roadClass == 1)
            dc.SelectObject(classOne_);
        else if (roadClass == 2)
            dc.SelectObject(classTwo_);
        else if (roadClass >= 3 && roadClass <= 7)
            dc.SelectObject(other_);
    }

private:
    vd::Pen classOne_;
    vd::Pen classTwo_;
    vd::Pen other_;
    std::optional<int> lastClass_;
};

} // namespace

void CLayerRenderer::DrawMeshRoads(int, int cellCount, int, std::string optionText)
{
    ParseOptionList(std::move(optionText));
    const vd::Pen kept = DeviceContext.SelectObject(LinePen(kColourBlack));

    CellWalk walk = PrepareLineLayer(*this, cellCount, true);
    RoadPens pens(*this, walk.cellCount);
    ApplyAttributeCells(*this, walk);

    const bool byClass = ItemCode == 0;
    RoadClassTable classes;
    if (byClass)
        ReadRoadLedgerFile(DataSetPath + "台.TXT", classes);

    ForEachCellPrefecture(walk, [&](const std::string& prefecture) {
        LineRecordReader reader;
        if (!reader.open(DataSetPath + prefecture + ".txt"))
            return;
        LineRecordHeader header;
        while (reader.nextRecord(header)) {
            if (byClass)
                pens.Select(DeviceContext, classes.ClassOf(header.roadNumber));
            DrawLineRecordPoints(*this, reader, header, 0);
        }
    });
    DeviceContext.SelectObject(kept);
}
