#include "layers/render/points/PointLayer.h"

#include "layers/render/lines/LineLayerData.h"
#include "layers/render/points/PointColumns.h"
#include "meshcode/MeshRecordPosition.h"

#include <cstdint>

namespace points {

namespace {

constexpr int kColourBlue = 1;
constexpr int kLabelDy = -6;
constexpr int kMarkerHalf = 2;
constexpr int kNarrowLimit = 5000;
constexpr int kWideLimitPerStep = 20000;
constexpr int kWideStep = 3500; // arc-seconds of map width

} // namespace

int StopLimit(const CLayerRenderer& r)
{
    const long long steps = (static_cast<long long>(r.East) - r.West) / kWideStep;
    if (steps < 2)
        return kNarrowLimit;
    // An absurd extent is held at the largest limit an int holds.
    return steps > INT32_MAX / kWideLimitPerStep ? INT32_MAX : int(steps) * kWideLimitPerStep;
}

int PointCellCount(CLayerRenderer& r, int cellCount) { return cellCount == -1 ? r.BlockCellCount() : cellCount; }

LayerPen::LayerPen(CLayerRenderer& r) : r_(r), kept_(r.DeviceContext.SelectObject(r.LinePen(kColourBlue)))
{
    r.SelectLinePen(r.ItemCode);
}

LayerPen::~LayerPen() { r_.DeviceContext.SelectObject(kept_); }

LabelFont::LabelFont(CLayerRenderer& r, int cellCount) : r_(r)
{
    r.SetDrawingTools(3, cellCount, 0);
    r.DeviceContext.SetBkMode(vd::TRANSPARENT);
}

LabelFont::~LabelFont()
{
    r_.SetDrawingTools(4, 0, 0);
    r_.DeviceContext.SetBkMode(vd::OPAQUE);
}

bool PointMarks::Spaced(ScreenPoint p) const
{
    const double dx = double(p.x) - previous.x;
    const double dy = double(p.y) - previous.y;
    return dx * dx + dy * dy >= threshold_;
}

void PointMarks::Marker(ScreenPoint p) const
{
    r_.DeviceContext.Rectangle(p.x - kMarkerHalf, p.y - kMarkerHalf, p.x + kMarkerHalf, p.y + kMarkerHalf);
}

void PointMarks::Label(ScreenPoint p, std::string_view text) const
{
    if (ShowsLabels())
        r_.DeviceContext.TextOut(p.x + labelDx_, p.y + kLabelDy, text);
}

std::optional<ScreenPoint> SecondsOnScreen(const CLayerRenderer& r, int latitude, int longitude)
{
    if (!r.InDrawExtent(latitude, longitude))
        return std::nullopt;
    return r.ToScreen(latitude, longitude);
}

std::optional<ScreenPoint> PointOnScreen(const CLayerRenderer& r, std::string_view line)
{
    const meshcode::MeshCorner point = meshcode::PointRecordSeconds(line);
    return SecondsOnScreen(r, point.latitude, point.longitude);
}

bool PrefectureSelected(const CLayerRenderer& r, bool filter, std::string_view line, int column)
{
    if (!filter)
        return true;
    const int code = ColumnNumber(line, column, 2);
    return code >= 1 && code <= 47 && r.OptionList[std::size_t(code)] != 0;
}

PointFileWalk::PointFileWalk(CLayerRenderer& r, int cellCount) : r_(r), walk_(PrepareLineLayer(r, cellCount, false)) {}

void PointFileWalk::BeginCells() { ApplyAttributeCells(r_, walk_); }

} // namespace points
