// DrawLedgerLines: the whole-country line data sets whose codes begin with "C". The lines come
// from the data file itself, joined as the data set's own mode says; each record of the data
// set's ledger is marked with a small square and, where labels do not crowd, a label chosen by
// the item code's hundreds. C32-59L is drawn from its longitude parts, west to east as far as the
// view reaches. Codes in the path are compared without regard to case: a path chosen on the
// settings page is lower case.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/CacheBuild.h"
#include "layers/render/lines/LedgerDataSets.h"
#include "layers/render/lines/LedgerLabels.h"
#include "layers/render/railways/RailwayData.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <array>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kSecondsPerDegree = 3600;
constexpr int kPartBWestDegree = 132;
constexpr int kPartAWestDegree = 138;
constexpr int kPartA = 0;
constexpr int kPartB = 1;
constexpr int kPartC = 2;

// When a point is joined to the one before it.
enum class Joining {
    Always,
    Within150, // C22-59L
    Within700, // C12-59L
    ShortAxisSteps, // no north-south or east-west step over 40 seconds
};

Joining JoiningOf(std::string_view dataPath)
{
    if (ledger::PathHasCode(dataPath, "C22-59L"))
        return Joining::Within150;
    if (ledger::PathHasCode(dataPath, "C12-59L"))
        return Joining::Within700;
    for (const char* code : {"34-60", "35-60", "43-60", "37-62", "38-60", "32-59"})
        if (ledger::PathHasCode(dataPath, code))
            return Joining::ShortAxisSteps;
    return Joining::Always;
}

struct SecondsPoint {
    int latitude = 0;
    int longitude = 0;
};

bool Joins(Joining mode, const SecondsPoint& from, const SecondsPoint& to)
{
    const double dx = double(to.longitude) - from.longitude;
    const double dy = double(to.latitude) - from.latitude;
    const int distance = int(std::sqrt(dx * dx + dy * dy));
    switch (mode) {
    case Joining::Within150: return distance <= 150;
    case Joining::Within700: return distance <= 700;
    case Joining::ShortAxisSteps: return !((dx == 0 || dy == 0) && distance > 40);
    default: return true;
    }
}

bool Begins(std::string_view raw, char kind) { return !raw.empty() && raw[0] == kind; }

// The link keys of the centre mesh's section records: the links that start a new line of C22-59L
// and C12-59L. Read in one pass up to the first data record (the same keys as a seek past the
// fixed-width node and point records would find, without relying on that width).
std::unordered_set<std::string> CentreSectionKeys(const std::string& dataPath, const std::string& centre)
{
    std::unordered_set<std::string> keys;
    vd::TextReader reader;
    if (!reader.open(dataPath))
        return keys;
    std::string raw;
    while (reader.readRawLine(raw) && !Begins(raw, 'D'))
        if (Begins(raw, 'S') && vd::rawField(raw, 3, 4) == centre)
            keys.insert(vd::paddedRawField(raw, 3, 12));
    return keys;
}

// The parts of C32-59L that the view reaches, west to east.
std::vector<int> PartsInView(int westDegree, int eastDegree)
{
    std::vector<int> parts;
    if (westDegree < kPartBWestDegree)
        parts.push_back(kPartC);
    if (westDegree < kPartAWestDegree && eastDegree >= kPartBWestDegree)
        parts.push_back(kPartB);
    if (eastDegree >= kPartAWestDegree)
        parts.push_back(kPartA);
    return parts;
}

// One data file with its ledger.
struct LedgerSource {
    std::string dataPath;
    std::string ledgerPath;
    int selector = ledger::kNoSelector;
};

class LedgerLineDrawer {
public:
    LedgerLineDrawer(CLayerRenderer& r, std::string centre, int cellCount, Joining joining)
        : r_(r), centre_(std::move(centre)), cellCount_(cellCount), joining_(joining)
    {
    }

    void DrawLines(const std::string& dataPath)
    {
        const bool keyed = joining_ == Joining::Within150 || joining_ == Joining::Within700;
        const std::unordered_set<std::string> startKeys = keyed ? CentreSectionKeys(dataPath, centre_)
                                                                : std::unordered_set<std::string>();
        vd::TextReader data;
        if (!data.open(dataPath))
            return;
        std::string raw;
        std::vector<int> values;
        bool penDown = false;
        std::optional<SecondsPoint> previous;
        while (data.readRawLine(raw) && !Begins(raw, 'S')) {
            if (!Begins(raw, 'L'))
                continue;
            const railways::LinkHeader link = railways::ParseLinkHeader(raw);
            const std::string linkKey = vd::paddedRawField(raw, 3, 12);
            const int lines = railways::FollowingLines(link.pointCount);
            const bool drawn = cellCount_ != 1 || link.meshText == centre_;
            values.clear();
            for (int i = 0; i < lines && data.readRawLine(raw); ++i)
                if (drawn)
                    railways::ParsePointValues(raw, values);
            if (!drawn)
                continue;
            // A keyed data set continues the line of the link before unless this link starts one.
            if (!keyed || startKeys.count(linkKey) != 0)
                penDown = false;
            for (int k = 0; k < link.pointCount && std::size_t(2 * k + 1) < values.size(); ++k) {
                const SecondsPoint point{values[std::size_t(2 * k + 1)] / 10, values[std::size_t(2 * k)] / 10};
                const bool joined = !previous || Joins(joining_, *previous, point);
                previous = point;
                if (!r_.InDrawExtent(point.latitude, point.longitude)) {
                    penDown = false;
                    continue;
                }
                if (!joined)
                    penDown = false;
                const ScreenPoint at = r_.ToScreen(point.latitude, point.longitude);
                if (penDown)
                    r_.DeviceContext.LineTo(at.x, at.y);
                else
                    r_.DeviceContext.MoveTo(at.x, at.y);
                penDown = true;
            }
        }
    }

    // The squares of the ledger's records in the view, and their labels where the one before
    // lies far enough away.
    void DrawLabels(const LedgerSource& source, int option, int spacing)
    {
        vd::TextReader ledgerFile;
        if (!ledgerFile.open(source.ledgerPath))
            return;
        vd::Dc& dc = r_.DeviceContext;
        r_.SetDrawingTools(3, 1, 0);
        dc.SetBkMode(vd::TRANSPARENT);
        std::string raw;
        std::optional<ScreenPoint> reference;
        while (ledgerFile.readRawLine(raw)) {
            const int longitude = vd::parseInt(vd::rawField(raw, 0, 7)) / 10;
            const int latitude = vd::parseInt(vd::rawField(raw, 8, 7)) / 10;
            if (!r_.InDrawExtent(latitude, longitude))
                continue;
            const ScreenPoint at = r_.ToScreen(latitude, longitude);
            dc.Rectangle(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
            if (!reference || SquaredDistance(*reference, at) >= spacing) {
                const std::string label = ledger::LedgerLabel(source.selector, option, raw);
                if (!label.empty())
                    dc.TextOut(at.x + 5, at.y - 5, label);
            }
            reference = at;
        }
        r_.SetDrawingTools(4, 0, 0);
        dc.SetBkMode(vd::OPAQUE);
    }

private:
    static long long SquaredDistance(const ScreenPoint& a, const ScreenPoint& b)
    {
        const long long dx = static_cast<long long>(b.x) - a.x;
        const long long dy = static_cast<long long>(b.y) - a.y;
        return dx * dx + dy * dy;
    }

    CLayerRenderer& r_;
    std::string centre_;
    int cellCount_;
    Joining joining_;
};

} // namespace

void CLayerRenderer::DrawLedgerLines(int, int cellCount)
{
    ShowLayerProgress(-1, DataName, 0, 1, 0);
    const vd::Pen kept = DeviceContext.SelectObject(LinePen(1));
    int option = ItemCode >= 100 ? ItemCode / 100 : 0;
    ItemCode %= 100;
    SelectLinePen(ItemCode);

    std::string centre = MeshCode;
    if (cellCount == -1) {
        centre = vd::cp932Left(MeshCode, 4);
        cellCount = BlockCellCount();
        // Its links are never limited to the centre mesh.
        if (cellCount == 1 && ledger::PathHasCode(DataSetPath, "C30-59L"))
            cellCount = -1;
    }
    if (AreaKind == 3) {
        if (ParseAttributeNames(WideAreaMode, BlockCentre3) == 1)
            cellCount = 4;
        WideAreaMode /= 10;
    }
    StatusFlag = 0;
    const int spacing = DetailLevel >= 3 ? 1600 : 2500;

    const ledger::LedgerChoice built = ledger::SplitLedgerAnswer(BuildLedgerFiles(DataSetPath));
    const bool parted = ledger::PathHasCode(DataSetPath, "C32");
    if (cellCount >= 1 && parted)
        DetailLevel = 1;

    std::vector<LedgerSource> sources;
    if (parted) {
        if (DetailLevel < 3)
            option = 0;
        const std::string folder = CacheFolder(DataSetPath);
        for (const int part : PartsInView(West / kSecondsPerDegree, East / kSecondsPerDegree)) {
            const ledger::LedgerPart& p = ledger::kLedgerParts[std::size_t(part)];
            sources.push_back({folder + p.dataFile, built.path.empty() ? std::string() : folder + p.ledgerFile,
                               ledger::kPartedSelector});
        }
    } else {
        sources.push_back({DataSetPath, built.path, built.selector});
    }

    LedgerLineDrawer drawer(*this, centre, cellCount, JoiningOf(DataSetPath));
    for (const LedgerSource& source : sources) {
        drawer.DrawLines(source.dataPath);
        if (source.ledgerPath.empty() || option == 0)
            continue;
        // The labels' pen: the thin pen of a wide line colour.
        if (ItemCode >= 11)
            SelectLinePen(ItemCode % 11);
        drawer.DrawLabels(source, option, spacing);
    }
    DeviceContext.SelectObject(kept);
}
