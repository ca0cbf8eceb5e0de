// The renderer's record decoders: the pure decoders of the mesh-code library on CurrentLine, with
// the fields they read and fill.
#include "layers/render/LayerRenderer.h"

#include "meshcode/CensusRecords.h"
#include "meshcode/ColourClasses.h"

namespace {

constexpr std::size_t kClassWidthSlot = 50;
constexpr std::size_t kLatitudeOrYSlot = 52;
constexpr std::size_t kLongitudeOrXSlot = 53;
constexpr std::size_t kSecondMeshModeSlot = 57;
constexpr std::size_t kCensusOffsetSlot = 60;
constexpr std::size_t kCensusLengthSlot = 90;

} // namespace

int CLayerRenderer::ThirdMeshCell() { return ThirdMeshCell(CurrentLine); }

int CLayerRenderer::ThirdMeshCell(std::string_view line)
{
    const auto corner = meshcode::ThirdMeshRecordCorner(line, {GridWest, GridSouth, North, East});
    if (!corner)
        return -1;
    OptionList[kLatitudeOrYSlot] = corner->latitude;
    OptionList[kLongitudeOrXSlot] = corner->longitude;
    return 1;
}

int CLayerRenderer::SecondMeshCell()
{
    const auto corner = meshcode::SecondMeshRecordCorner(CurrentLine, {GridWest, GridSouth, North, East});
    if (!corner)
        return -1;
    OptionList[kLatitudeOrYSlot] = corner->latitude;
    OptionList[kLongitudeOrXSlot] = corner->longitude;
    return 1;
}

int CLayerRenderer::PointPosition()
{
    const meshcode::MeshCorner point = meshcode::PointRecordSeconds(CurrentLine);
    if (!InDrawExtent(point.latitude, point.longitude))
        return -1;
    const ScreenPoint screen = ToScreen(point.latitude, point.longitude);
    OptionList[kLatitudeOrYSlot] = screen.y;
    OptionList[kLongitudeOrXSlot] = screen.x;
    return 1;
}

void CLayerRenderer::ClassWidth(int theme, int item) { OptionList[kClassWidthSlot] = meshcode::ClassWidth(theme, item); }

int CLayerRenderer::DecodeNatureValue(int item) { return DecodeNatureValue(CurrentLine, item, true); }

int CLayerRenderer::DecodeNatureValue(std::string_view line, int item, bool labelled)
{
    meshcode::DecodedValue value = meshcode::DecodeNatureValue(line, item, OptionList[kClassWidthSlot], labelled);
    if (labelled)
        CurrentLine = std::move(value.label);
    return value.result;
}

int CLayerRenderer::DecodeMeshValue(int theme, int item) { return DecodeMeshValue(CurrentLine, theme, item, true); }

int CLayerRenderer::DecodeMeshValue(std::string_view line, int theme, int item, bool labelled)
{
    if (ThirdMeshCell(line) == -1)
        return -1;
    meshcode::DecodedValue value = meshcode::DecodeMeshValue(line, theme, item, OptionList[kClassWidthSlot], labelled);
    if (labelled)
        CurrentLine = std::move(value.label);
    return value.result;
}

void CLayerRenderer::ParseCensusItems(int theme, int item, int drawSwitch, std::string list)
{
    meshcode::CensusItems items =
        meshcode::CensusItemsFor(meshcode::ParseCensusClassSpec(list), theme, item, drawSwitch);
    OptionList[kClassWidthSlot] = items.classWidth;
    CensusItemNames = std::move(items.names);
}

int CLayerRenderer::DecodeCensusValue(int theme, int item, int classFlag)
{
    meshcode::CensusColumns columns;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        columns[k].offset = OptionList[kCensusOffsetSlot + k];
        columns[k].length = OptionList[kCensusLengthSlot + k];
    }
    meshcode::CensusValue value = meshcode::DecodeCensusValue(CurrentLine, theme, item, classFlag, columns);
    if (value.result == -1)
        return -1;
    CensusTotal += value.added;
    if (classFlag == 0)
        CurrentLine = std::move(value.label);
    return value.result;
}

std::string CLayerRenderer::CensusTotalText(int theme, int item, double total)
{
    return meshcode::CensusTotalText(theme, item, total);
}

void CLayerRenderer::CellOrigin(int cellCount, int n, int longitude, int latitude)
{
    // After BlockGeometry, area kind 3 holds its second-level mode in OptionList 57 and the
    // shift digit in WideAreaMode.
    ReliefGrid = meshcode::CellGridOrigin(cellCount, n, longitude, latitude, AreaKind, MeshCode,
                                          OptionList[kSecondMeshModeSlot], WideAreaMode);
}
