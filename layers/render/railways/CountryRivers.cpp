// DrawCountryRivers: the whole-country rivers (W15-52L) from RIVERDDD.DAT, filtered and coloured
// by the river class of each point's attribute field, with the field's number beside the point
// at full detail. The file is read once for the whole extent; links whose mesh corner lies
// outside the selection box are passed over unparsed.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "layers/render/railways/RailwayData.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <cmath>

namespace {

constexpr int kFieldStride = 18;
constexpr int kFieldBytes = 17;
constexpr int kMaxFields = 200;
constexpr int kJoinDistance = 90;

struct Box {
    int south = 0;
    int north = 0;
    int west = 0;
    int east = 0;
};

int FloorTo(int value, int step) { return value >= 0 ? value / step * step : -((-value + step - 1) / step) * step; }

bool FilterDraws(int filter, int riverClass)
{
    switch (filter) {
    case 1:
        return riverClass == 1 || riverClass == 2 || riverClass == 5 || riverClass == 6;
    case 2:
        return riverClass == 3 || riverClass == 7;
    case 3:
        return riverClass != 4 && riverClass != 8;
    default:
        return true;
    }
}

int FilterPen(int riverClass)
{
    if (riverClass == 3 || riverClass == 7)
        return 2;
    if (riverClass == 4 || riverClass == 8)
        return 3;
    return 1;
}

} // namespace

void CLayerRenderer::DrawCountryRivers(int, int cellCount)
{
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    const vd::Pen kept = DeviceContext.SelectObject(LinePen(1));
    bool labels = (ItemCode / 100) % 10 == 1;
    const int filter = (ItemCode / 10) % 10;
    ItemCode %= 10;
    SelectLinePen(ItemCode);

    if (cellCount == -1)
        BlockCellCount();
    if (AreaKind == 3) {
        ParseAttributeNames(WideAreaMode, BlockCentre3);
        WideAreaMode /= 10;
    }
    const int shift = AreaKind <= 2 ? 5 : 0;
    if (DetailLevel < 3)
        labels = false;
    StatusFlag = 0;

    BuildLedgerFiles(DataSetPath);
    const std::string riverPath = CacheFolder(DataSetPath) + "RIVERDDD.DAT";

    Box box{South, North, West, East};
    if (DetailLevel >= 3) {
        box.south = FloorTo(South, 2400);
        box.north = FloorTo(North, 2400) + 2400;
        box.west = FloorTo(West, 3600);
        box.east = box.west + 3600;
    }
    GridSouth = box.south;
    GridWest = box.west;

    SetDrawingTools(3, 1, 0);
    vd::Dc& dc = DeviceContext;
    dc.SetBkMode(vd::TRANSPARENT);

    vd::TextReader river;
    if (river.open(riverPath)) {
        std::string raw;
        std::string line;
        std::vector<std::string> fields;
        std::vector<int> values;
        while (river.readRawLine(raw)) {
            if (raw.empty() || raw[0] != 'L')
                continue;
            const int fieldCount = vd::parseInt(vd::rawField(raw, 51, 3));
            fields.clear();
            for (int i = 0; i < (fieldCount + 4) / 5 && river.readRawLine(line); ++i)
                for (int k = 0; k < 5 && int(fields.size()) < std::min(fieldCount, kMaxFields); ++k)
                    fields.emplace_back(vd::rawField(line, k * kFieldStride, kFieldBytes));
            const int pointCount = vd::parseInt(vd::rawField(raw, 46, 5));
            const int cornerLatitude = vd::parseInt(vd::rawField(raw, 3, 2)) * 2400;
            const int cornerLongitude = vd::parseInt(vd::rawField(raw, 5, 2)) * 3600 + 360000;
            const int pointLines = railways::FollowingLines(pointCount);
            if (cornerLatitude < box.south || cornerLatitude > box.north || cornerLongitude < box.west ||
                cornerLongitude > box.east) {
                if (cornerLatitude > box.north && cornerLongitude > box.east)
                    break;
                for (int i = 0; i < pointLines && river.readRawLine(line); ++i) {
                }
                continue;
            }
            values.clear();
            for (int i = 0; i < pointLines && river.readRawLine(line); ++i)
                railways::ParsePointValues(line, values);

            bool penDown = false;
            int lastLatitude = 0;
            int lastLongitude = 0;
            int riverClass = 0;
            for (int k = 0; k < pointCount && std::size_t(2 * k + 1) < values.size(); ++k) {
                const int longitude = values[std::size_t(2 * k)] / 10 - shift;
                const int latitude = values[std::size_t(2 * k + 1)] / 10;
                const std::string_view field = k < int(fields.size()) ? std::string_view(fields[std::size_t(k)]) : "";
                const int digit = vd::parseInt(vd::rawField(field, 12, 1));
                const int pointClass = digit < 1 ? riverClass : digit;
                if (filter == 4 && pointClass != riverClass)
                    SelectLinePen(FilterPen(pointClass));
                riverClass = pointClass;
                if (!InDrawExtent(latitude, longitude)) {
                    penDown = false;
                    continue;
                }
                if (penDown) {
                    const double dx = longitude - lastLongitude;
                    const double dy = latitude - lastLatitude;
                    if (int(std::sqrt(dx * dx + dy * dy)) > kJoinDistance)
                        penDown = false;
                }
                const ScreenPoint at = ToScreen(latitude, longitude);
                if (penDown && FilterDraws(filter, pointClass))
                    dc.LineTo(at.x, at.y);
                else
                    dc.MoveTo(at.x, at.y);
                penDown = true;
                lastLatitude = latitude;
                lastLongitude = longitude;
                const int number = vd::parseInt(vd::rawField(field, 13, 4));
                if (labels && FilterDraws(filter, pointClass) && number > 0)
                    dc.TextOut(at.x, at.y, vd::format("%d", number));
            }
        }
    }
    SetDrawingTools(4, 0, 0);
    dc.SetBkMode(vd::OPAQUE);
    dc.SelectObject(kept);
}
