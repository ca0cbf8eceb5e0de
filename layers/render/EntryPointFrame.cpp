#include "layers/render/EntryPointFrame.h"

#include "meshcode/MeshCode.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

// The old string cuts at a search result: a missing "/" (-1) gives an empty left part and the
// whole text as the right part.
std::pair<std::string, std::string> CutAtSlash(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return {std::string(), std::string(text)};
    return {std::string(text.substr(0, slash)), std::string(text.substr(slash + 1))};
}

constexpr float kWhiteXPerZoom = 0.08888889f; // 320 / 3600
constexpr float kWhiteYPerZoom = 0.13333334f; // 320 / 2400

} // namespace

AreaSpecParts SplitAreaSpec(std::string_view spec, AreaSpecSplit split)
{
    AreaSpecParts parts;
    const bool checked = split == AreaSpecSplit::BothStepsChecked || split == AreaSpecSplit::FirstStepChecked;
    if (checked && spec.find('/') == std::string_view::npos) {
        parts.wideAreaName = std::string(spec);
        return parts;
    }
    auto [name, rest] = CutAtSlash(spec);
    parts.wideAreaName = std::move(name);
    if (split == AreaSpecSplit::FirstStep || split == AreaSpecSplit::FirstStepChecked) {
        parts.remainder = std::move(rest);
        return parts;
    }
    auto [dataName, flags] = CutAtSlash(rest);
    parts.dataName = std::move(dataName);
    parts.remainder = std::move(flags);
    return parts;
}

LayerDrawParams PlainParams(const PlainScalars& a, const AreaSpecParts& area, LayerStrings s)
{
    LayerDrawParams p;
    p.ItemCode = a.itemCode;
    p.North = a.north;
    p.West = a.west;
    p.South = a.south;
    p.East = a.east;
    p.AreaKind = a.areaKind;
    p.WideAreaMode = a.wideAreaMode;
    p.BlockMode = a.blockMode;
    p.StatusFlag = a.statusFlag;
    p.ProgressFlag = a.statusFlag;
    p.DetailLevel = a.detailLevel;
    p.StatusLineY = a.statusLineY;
    p.XOrigin = a.xOrigin;
    p.YOrigin = a.yOrigin;
    p.XScale = a.xScale;
    p.YScale = a.yScale;
    p.WideAreaName = area.wideAreaName;
    p.DataName = area.dataName;
    p.MeshCode = std::move(s.s2);
    p.BlockCentre3 = std::move(s.s3);
    p.BlockCentre5 = std::move(s.s4);
    p.DataSetPath = std::move(s.s5);
    p.DataFolder = std::move(s.s6);
    return p;
}

// Cells around the given one on each side: none, 1 (3 x 3) or 2 (5 x 5).
int WhiteRing(int blockMode, std::string_view blockKey) { return blockMode == 1 ? 0 : blockKey == "25" ? 2 : 1; }

WhiteExtent WhiteMapExtent(std::string_view meshCode, int blockMode, std::string_view blockKey)
{
    using namespace meshcode;
    const MeshCorner corner = FirstMeshCorner(meshCode);
    const int ring = WhiteRing(blockMode, blockKey);
    return {corner.latitude + (ring + 1) * kFirstMeshLatitudeSeconds,
            corner.longitude - ring * kFirstMeshLongitudeSeconds,
            corner.latitude - ring * kFirstMeshLatitudeSeconds,
            corner.longitude + (ring + 1) * kFirstMeshLongitudeSeconds};
}

int WhiteCellCount(int blockMode, std::string_view blockKey)
{
    const int side = 2 * WhiteRing(blockMode, blockKey) + 1;
    return side * side;
}

float WhiteXScale(float zoom) { return zoom * kWhiteXPerZoom; }
float WhiteYScale(float zoom) { return zoom * kWhiteYPerZoom; }

namespace {

void SetExtent(LayerDrawParams& p, const WhiteExtent& extent)
{
    p.North = extent.north;
    p.West = extent.west;
    p.South = extent.south;
    p.East = extent.east;
}

} // namespace

LayerDrawParams WhiteLineParams(const WhiteLineScalars& a, const LayerStrings& s)
{
    LayerDrawParams p;
    p.ItemCode = a.itemCode;
    p.StatusFlag = a.statusFlag;
    p.ProgressFlag = a.statusFlag;
    p.StatusLineY = a.statusLineY;
    p.XOrigin = a.originX;
    p.YOrigin = a.originY;
    p.XScale = WhiteXScale(a.zoomX);
    p.YScale = WhiteYScale(a.zoomY);
    p.MeshCode = a.meshCodeArgument && a.blockMode != 1 ? vd::format("%d", a.meshCode) : s.s2;
    SetExtent(p, WhiteMapExtent(p.MeshCode, a.blockMode, s.s4));
    p.DataName = s.s3;
    p.DataSetPath = s.s5;
    p.DataFolder = s.s6;
    return p;
}

KeyAndText SplitKeyAndText(std::string_view text, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return {std::string(text), std::string(text)};
    return {std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

LayerDrawParams WhiteParams(const WhiteScalars& a, std::string wideAreaName, std::string meshCode,
                            std::string_view blockKey)
{
    LayerDrawParams p;
    p.ItemCode = a.itemCode;
    p.AreaKind = a.areaKind;
    p.BlockMode = a.blockMode;
    p.StatusFlag = a.statusFlag;
    p.ProgressFlag = a.statusFlag;
    p.DetailLevel = a.detailLevel;
    p.StatusLineY = a.statusLineY;
    p.XOrigin = a.originX;
    p.YOrigin = a.originY;
    p.XScale = WhiteXScale(a.zoomX);
    p.YScale = WhiteYScale(a.zoomY);
    p.WideAreaName = std::move(wideAreaName);
    p.MeshCode = std::move(meshCode);
    SetExtent(p, WhiteMapExtent(p.MeshCode, a.blockMode, blockKey));
    return p;
}

StatusValue SplitStatusValue(int value) { return {value, value % 10000, value >= 10000 ? 1 : 0}; }

std::vector<std::string> FourMeshPasses(std::string_view centreText)
{
    const int centre = vd::parseInt(vd::cp932Left(centreText, 4));
    std::vector<std::string> codes;
    for (int step : {99, 102, -201, -198})
        codes.push_back(vd::format("%d", centre + step));
    return codes;
}
