// DrawRailways: the railway links of the railway data file, coloured by the class of their
// railway (or all with one pen), and the stations of RL_駅.dat as small squares with their names.
// The classes come from RL_台帳.dat and RL_属性.dat, cut out of the data file the first time;
// without them (a folder that cannot be written) the data file itself is read.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "layers/render/railways/RailwayData.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"
#include "platform/ui/WaitCursor.h"

#include <functional>

namespace {

constexpr int kBlockCentre = 4;
constexpr int kOnePenColour = 8;
constexpr int kStationColour = 9;

int ClassPenColour(int railwayClass)
{
    switch (railwayClass) {
    case 1:
        return 11;
    case 2:
        return 19;
    case 3:
        return 6;
    case 4:
        return 3;
    default:
        return -1;
    }
}

// The lines of a cache, or when it is missing those of the data file that belong in it, written
// to the cache on the way.
void ReadThroughCache(const std::string& cachePath, const std::string& dataPath,
                      const std::function<bool(std::string_view)>& belongs,
                      const std::function<void(std::string_view)>& take)
{
    vd::TextReader reader;
    std::string raw;
    if (reader.open(cachePath)) {
        while (reader.readRawLine(raw))
            take(raw);
        return;
    }
    if (!reader.open(dataPath))
        return;
    vd::WaitCursor wait;
    CacheWriter cache;
    (void)cache.Open(cachePath);
    while (reader.readRawLine(raw)) {
        if (!belongs(raw))
            continue;
        cache.Line(raw);
        take(raw);
    }
    cache.FinishUnless(reader.failed());
}

struct CentreMesh {
    std::string text;
    int number = 0;
    int cellCount = 1;
};

CentreMesh FindCentreMesh(CLayerRenderer& r, int cellCount)
{
    CentreMesh centre;
    if (cellCount == -1) {
        centre.cellCount = r.BlockCellCount();
        if (centre.cellCount == 9)
            centre.text = r.BlockCentre3;
        else if (centre.cellCount == 25)
            centre.text = r.BlockCentre5;
        else
            centre.text = vd::cp932Left(r.MeshCode, 4);
    } else {
        centre.cellCount = cellCount;
        centre.text = r.MeshCode;
    }
    centre.number = vd::parseInt(centre.text);
    if (r.AreaKind == 3) {
        if (r.ParseAttributeNames(r.WideAreaMode, r.BlockCentre3) == 1)
            centre.cellCount = 4;
        r.WideAreaMode /= 10;
        centre.number = vd::parseInt(vd::cp932Left(r.MeshCode, 4));
    }
    r.StatusFlag = 0;
    return centre;
}

void DrawStations(CLayerRenderer& r, const std::string& stationPath, bool withNames)
{
    vd::Dc& dc = r.DeviceContext;
    r.SetDrawingTools(3, 1, 0);
    dc.SetBkMode(vd::TRANSPARENT);
    r.SelectLinePen(kStationColour);
    vd::TextReader reader;
    std::string raw;
    if (reader.open(stationPath)) {
        while (reader.readRawLine(raw)) {
            if (raw.empty())
                continue;
            const int longitude = vd::parseInt(vd::rawField(raw, 0, 6));
            const int latitude = vd::parseInt(vd::rawField(raw, 7, 7));
            if (!r.InDrawExtent(latitude, longitude))
                continue;
            const ScreenPoint at = r.ToScreen(latitude, longitude);
            dc.Rectangle(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
            if (withNames)
                dc.TextOut(at.x + 4, at.y - 6, vd::textField(raw, 16));
        }
    }
    r.SetDrawingTools(4, 0, 0);
    dc.SetBkMode(vd::OPAQUE);
}

} // namespace

void CLayerRenderer::DrawRailways(int, int cellCount)
{
    using namespace railways;
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    const bool namesAllowed = ItemCode < 10000;
    const int code = ItemCode % 10000;
    const bool byClass = code / 100 == 0;
    const bool stations = code % 100 == 1;
    const vd::Pen kept = DeviceContext.SelectObject(LinePen(1));
    SelectLinePen(kOnePenColour);

    const CentreMesh centre = FindCentreMesh(*this, cellCount);
    const std::string folder = CacheFolder(DataSetPath);

    RailwayClassGrid grid;
    if (byClass) {
        RailwayLedger ledger;
        const auto isLedger = [](std::string_view raw) { return raw.substr(0, 2) == "DS"; };
        ReadThroughCache(folder + "RL_台帳.dat", DataSetPath, isLedger, [&](std::string_view raw) {
            if (isLedger(raw))
                ledger.AddLine(raw);
        });
        SectionReader sections(ledger, grid, centre.number);
        SectionRunFilter runs;
        ReadThroughCache(
            folder + "RL_属性.dat", DataSetPath, [&](std::string_view raw) { return runs.Keep(raw); },
            [&](std::string_view raw) { sections.Line(raw); });
    }

    vd::TextReader data;
    if (data.open(DataSetPath)) {
        std::string raw;
        std::vector<int> values;
        int previousClass = 0;
        while (data.readRawLine(raw) && !(!raw.empty() && raw[0] == 'S')) {
            if (raw.empty() || raw[0] != 'L')
                continue;
            const LinkHeader link = ParseLinkHeader(raw);
            const int lines = FollowingLines(link.pointCount);
            int block = -1;
            bool drawn = true;
            if (centre.cellCount == 1) {
                drawn = link.meshText == centre.text;
                block = kBlockCentre;
            } else if (byClass) {
                block = BlockOf(link.mesh, centre.number);
                drawn = block >= 0;
            }
            values.clear();
            for (int i = 0; i < lines && data.readRawLine(raw); ++i)
                if (drawn)
                    ParsePointValues(raw, values);
            if (!drawn)
                continue;
            if (byClass) {
                const int railwayClass = grid.ClassAt(block, link.row, link.link);
                if (railwayClass != previousClass && ClassPenColour(railwayClass) >= 0)
                    SelectLinePen(ClassPenColour(railwayClass));
                previousClass = railwayClass;
            }
            bool penDown = false;
            for (int i = 0; i < link.pointCount && std::size_t(2 * i + 1) < values.size(); ++i) {
                const int longitude = values[std::size_t(2 * i)] / 10;
                const int latitude = values[std::size_t(2 * i + 1)] / 10;
                if (!InDrawExtent(latitude, longitude)) {
                    penDown = false;
                    continue;
                }
                const ScreenPoint at = ToScreen(latitude, longitude);
                if (penDown)
                    DeviceContext.LineTo(at.x, at.y);
                else
                    DeviceContext.MoveTo(at.x, at.y);
                penDown = true;
            }
        }
    }

    if (stations)
        DrawStations(*this, folder + "RL_駅.dat", namesAllowed && DetailLevel == 3);
    DeviceContext.SelectObject(kept);
}
