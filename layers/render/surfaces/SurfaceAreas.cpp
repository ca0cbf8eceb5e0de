#include "layers/render/surfaces/SurfaceAreas.h"

#include "layers/render/points/PointColumns.h"
#include "layers/render/surfaces/SurfaceLayer.h"
#include "platform/fs/TextReader.h"

#include <algorithm>
#include <tuple>
#include <vector>

using points::Column;
using points::ColumnNumber;

namespace surfaces {

namespace {

constexpr int kSameMesh = 4;
constexpr int kLineWidth = 80;  // characters of a coordinate line kept
constexpr int kPointWidth = 16; // longitude 8, latitude 8, tenths of a second
constexpr int kReferenceWidth = 14;
constexpr int kReferencesPerLine = 5;

// Lines that follow a header holding count items, five a line (C's division, as the files were
// written).
long long FollowingLines(long long count) { return std::max(0LL, (count - 1) / 5 + 1); }

struct ChainKey {
    int direction;
    int secondLevel;
    int chain;
    friend bool operator<(const ChainKey& a, const ChainKey& b)
    {
        return std::tie(a.direction, a.secondLevel, a.chain) < std::tie(b.direction, b.secondLevel, b.chain);
    }
};

// A point of a kept chain, read once when its coordinate line is stored.
struct ChainPoint {
    int longitudeTenths;
    int latitudeTenths;
    bool lineStart; // the first point of its coordinate line
    bool blank;     // its columns hold only blanks
    bool Zero() const { return longitudeTenths == 0 && latitudeTenths == 0; }
};
using ChainStore = std::map<ChainKey, std::vector<ChainPoint>>;

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// The points of a coordinate line as far as it is kept, a partial last point included.
void StorePoints(std::string_view line, std::vector<ChainPoint>& points)
{
    const std::string_view kept = Column(line, 0, kLineWidth);
    const int count = int((kept.size() + kPointWidth - 1) / kPointWidth);
    for (int k = 0; k < count; ++k) {
        const std::string_view text = Column(kept, k * kPointWidth, kPointWidth);
        points.push_back({ColumnNumber(text, 0, 8), ColumnNumber(text, 8, 8), k == 0, Blank(text)});
    }
}

// Hands the chain's points to take in walking order. Forwards a point of two zeros ends its line;
// backwards the points are taken from the last, and a blank point (or one of two zeros) ends the
// walk.
template <class Take>
void WalkChain(const std::vector<ChainPoint>& points, bool reversed, Take take)
{
    if (!reversed) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (points[i].Zero()) {
                while (i + 1 < points.size() && !points[i + 1].lineStart)
                    ++i;
                continue;
            }
            take(points[i]);
        }
        return;
    }
    for (std::size_t i = points.size(); i-- > 0;) {
        if (points[i].blank || points[i].Zero())
            return;
        take(points[i]);
    }
}

struct Box {
    int minLongitude = 576000;
    int minLatitude = 180000;
    int maxLongitude = -999;
    int maxLatitude = -999;
    bool touched = false;
    void Widen(int latitude, int longitude)
    {
        minLongitude = std::min(minLongitude, longitude);
        maxLongitude = std::max(maxLongitude, longitude);
        minLatitude = std::min(minLatitude, latitude);
        maxLatitude = std::max(maxLatitude, latitude);
        touched = true;
    }
};

class AreaReader {
public:
    AreaReader(CLayerRenderer& r, vd::TextReader& reader, const AreaDrawing& drawing)
        : r_(r), reader_(reader), d_(drawing)
    {
    }

    void Run()
    {
        std::string_view line;
        while (reader_.readRawLine(line)) {
            if (line.starts_with('D'))
                return;
            if (line.starts_with('L'))
                StoreChain(line);
            else if (line.starts_with('A'))
                DrawArea(line);
        }
    }

private:
    // The header's view holds only until the next line is read.
    void StoreChain(std::string_view header)
    {
        const int direction = NeighbourDirection(ColumnNumber(header, 3, 4), d_.cellMesh);
        const ChainKey key{direction, ColumnNumber(header, 7, 2), ColumnNumber(header, 27, 6)};
        const long long lines = FollowingLines(ColumnNumber(header, 46, 12));
        std::vector<ChainPoint>* points = direction >= 0 ? &chains_[key] : nullptr;
        std::string_view line;
        for (long long i = 0; i < lines && reader_.readRawLine(line); ++i)
            if (points)
                StorePoints(line, *points);
    }

    void DrawArea(std::string_view header)
    {
        const std::string code(Column(header, 35, 10));
        const long long lines = FollowingLines(ColumnNumber(header, 45, 6));
        std::vector<vd::Point>& points = points_;
        points.clear();
        Box box;
        int references = 0;
        int lastDirection = kSameMesh;
        int lastOtherDirection = kSameMesh;
        std::string_view line;
        for (long long i = 0; i < lines && reader_.readRawLine(line); ++i)
            for (int j = 0; j < kReferencesPerLine; ++j) {
                const int column = j * kReferenceWidth;
                const int mesh = ColumnNumber(line, column, 4);
                if (mesh == 0)
                    break;
                ++references;
                const int direction = NeighbourDirection(mesh, d_.cellMesh);
                lastDirection = direction;
                if (direction >= 0 && direction != kSameMesh)
                    lastOtherDirection = direction;
                const int chain = ColumnNumber(line, column + 6, 6);
                const auto found =
                    chains_.find({direction, ColumnNumber(line, column + 4, 2), chain < 0 ? -chain : chain});
                if (direction >= 0 && found != chains_.end())
                    AddChain(found->second, chain < 0, points, box);
            }
        if (d_.prefectureFilter && !Selected(code))
            return;
        if (box.touched && !points.empty()) {
            if (d_.fillFlag == 1)
                r_.DeviceContext.Polygon(points);
            else
                r_.DeviceContext.Polyline(points);
        }
        const bool ownMesh = lastDirection == kSameMesh;
        if (d_.names && references > 1 && box.touched && (d_.cellCount != 1 || ownMesh))
            WriteName(code, box, lastOtherDirection);
    }

    bool Selected(const std::string& code) const
    {
        const int prefecture = Attribute(code) ? Attribute(code)->prefecture : 0;
        return r_.OptionList[0] == 1 ||
               (prefecture >= 1 && prefecture <= 47 && r_.OptionList[std::size_t(prefecture)] != 0);
    }

    const AreaAttribute* Attribute(const std::string& code) const
    {
        if (!d_.attributes)
            return nullptr;
        const auto found = d_.attributes->find(code);
        return found == d_.attributes->end() ? nullptr : &found->second;
    }

    void AddChain(const std::vector<ChainPoint>& chain, bool reversed, std::vector<vd::Point>& points, Box& box)
    {
        WalkChain(chain, reversed, [&](const ChainPoint& p) {
            int latitude = p.latitudeTenths / 10;
            int longitude = p.longitudeTenths / 10;
            if (r_.DetailLevel == kFullDetail) {
                latitude = std::clamp(latitude, std::min(r_.South, r_.North), std::max(r_.South, r_.North));
                longitude = std::clamp(longitude, std::min(r_.West, r_.East), std::max(r_.West, r_.East));
            } else if (!r_.InDrawExtent(latitude, longitude)) {
                return;
            }
            if (p.lineStart)
                box.Widen(latitude, longitude);
            const ScreenPoint at = r_.ToScreen(latitude, longitude);
            points.push_back({at.x, at.y});
        });
    }

    void WriteName(const std::string& code, const Box& box, int lastOtherDirection)
    {
        const AreaAttribute* attribute = Attribute(code);
        if (!attribute)
            return;
        long long latitude = (static_cast<long long>(box.minLatitude) + box.maxLatitude) / 2;
        long long longitude = (static_cast<long long>(box.minLongitude) + box.maxLongitude) / 2;
        if (d_.cellCount == 1 && r_.DetailLevel < kFullDetail) {
            // Towards the side where the area leaves the cell.
            if (lastOtherDirection == 1)
                latitude = (latitude + r_.North) / 2;
            else if (lastOtherDirection == 3)
                longitude = (longitude + r_.West) / 2;
            else if (lastOtherDirection == 5)
                longitude = (longitude + r_.East) / 2;
            else if (lastOtherDirection == 7)
                latitude = (latitude + r_.South) / 2;
        }
        if (latitude <= r_.South || latitude >= r_.North || longitude <= r_.West || longitude >= r_.East)
            return;
        const ScreenPoint at = r_.ToScreen(int(latitude), int(longitude));
        r_.DeviceContext.TextOut(at.x, at.y, attribute->name);
    }

    CLayerRenderer& r_;
    vd::TextReader& reader_;
    const AreaDrawing& d_;
    ChainStore chains_;
    std::vector<vd::Point> points_; // an area's outline, kept for the next area
};

} // namespace

int NeighbourDirection(int mesh, int cellMesh)
{
    static constexpr int kSteps[] = {99, 100, 101, -1, 0, 1, -101, -100, -99};
    const long long step = static_cast<long long>(mesh) - cellMesh;
    for (int d = 0; d < 9; ++d)
        if (step == kSteps[d])
            return d;
    return -1;
}

AreaAttributes ReadAreaAttributes(const std::string& winPath, AreaFileKind kind)
{
    AreaAttributes attributes;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return attributes;
    const bool country = kind == AreaFileKind::Country;
    std::string_view line;
    while (reader.readRawLine(line)) {
        if (!line.starts_with('D'))
            continue;
        AreaAttribute& a = attributes[std::string(Column(line, 3, 10))];
        a.name = points::CutAtBlank(country ? points::ColumnText(line, 26, 50) : points::ColumnText(line, 64, 16));
        if (country) {
            a.prefecture = ColumnNumber(line, 9, 2);
            // The record goes on over the next line.
            if (ColumnNumber(line, 13, 3) == 2 && !reader.readRawLine(line))
                break;
        }
    }
    return attributes;
}

bool DrawAreaFile(CLayerRenderer& r, const std::string& winPath, const AreaDrawing& drawing)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    AreaReader(r, reader, drawing).Run();
    return true;
}

} // namespace surfaces
