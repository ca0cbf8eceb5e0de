#include "layers/render/EntryPointFrame.h"

#include "layers/render/meshcode/MeshCode.h"
#include "platform/text/Format.h"

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

WhiteExtent WhiteMapExtent(std::string_view meshCode, int blockMode, std::string_view blockKey)
{
    using namespace meshcode;
    const MeshCorner corner = FirstMeshCorner(meshCode);
    // Cells around the given one on each side: none, 1 (3 x 3) or 2 (5 x 5).
    const int ring = blockMode == 1 ? 0 : blockKey == "25" ? 2 : 1;
    return {corner.latitude + (ring + 1) * kFirstMeshLatitudeSeconds,
            corner.longitude - ring * kFirstMeshLongitudeSeconds,
            corner.latitude - ring * kFirstMeshLatitudeSeconds,
            corner.longitude + (ring + 1) * kFirstMeshLongitudeSeconds};
}

float WhiteXScale(float zoom) { return zoom * kWhiteXPerZoom; }
float WhiteYScale(float zoom) { return zoom * kWhiteYPerZoom; }

LayerDrawParams WhiteLineParams(const WhiteLineScalars& a, const LayerStrings& s)
{
    LayerDrawParams p;
    p.ItemCode = a.itemCode;
    p.StatusFlag = a.statusFlag;
    p.ProgressFlag = a.statusFlag;
    p.StatusLineY = a.statusLineY;
    p.XOrigin = float(a.originX);
    p.YOrigin = float(a.originY);
    p.XScale = WhiteXScale(a.zoomX);
    p.YScale = WhiteYScale(a.zoomY);
    p.MeshCode = a.blockMode != 1 ? vd::format("%d", a.meshCode) : s.s2;
    const WhiteExtent extent = WhiteMapExtent(p.MeshCode, a.blockMode, s.s4);
    p.North = extent.north;
    p.West = extent.west;
    p.South = extent.south;
    p.East = extent.east;
    p.DataName = s.s3;
    p.DataSetPath = s.s5;
    p.DataFolder = s.s6;
    return p;
}
