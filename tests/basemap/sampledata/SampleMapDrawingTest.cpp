// The base map drawn from the bundled sample data.
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/SansonProjection.h"
#include "contracts/dovanne.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace {

std::string CoastFolder()
{
    return vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\Coast_JB\\";
}

double Length(vd::Point a, vd::Point b) { return std::hypot(double(a.x - b.x), double(a.y - b.y)); }

// The longest segment between neighbouring points of one line of the file inside the overview's
// Japan area, as projected.
double LongestRealSegment(const std::string& name, const std::function<PixelPoint(int, int)>& project)
{
    const auto records = ReadOutlinePolylineFile(CoastFolder() + name);
    EXPECT_TRUE(records.has_value());
    double longest = 0;
    const OutlineRecord* previous = nullptr;
    for (const auto& r : records.value_or(std::vector<OutlineRecord>{})) {
        const bool kept = !r.isPenUp() && r.latitude <= 500000 && r.longitude >= 1150000;
        if (kept && previous) {
            const PixelPoint a = project(previous->latitude, previous->longitude);
            const PixelPoint b = project(r.latitude, r.longitude);
            longest = std::max(longest, Length({a.x, a.y}, {b.x, b.y}));
        }
        previous = kept ? &r : nullptr;
    }
    return longest;
}

void ExpectNoStraySegment(int mode, const std::function<PixelPoint(int, int)>& project)
{
    vd::RecordingDc dc({1400, 1400, true});
    OnJapanCoastLineDraw(&dc, mode, 1, 1, 700, 500, 1, 380000.f, 1370000.f, mode < 2 ? 200.f : 6000.f, CoastFolder());
    const struct { const char* file; vd::COLORREF colour; } files[] = {{"BN_JMAPA.DAT", vd::RGB(0, 0, 0)},
                                                                        {"FEBORDER.DAT", vd::RGB(255, 128, 0)}};
    for (const auto& f : files) {
        const double longest = LongestRealSegment(f.file, project);
        const auto segments = dc.Segments(vd::Pen(vd::PS_SOLID, 1, f.colour));
        EXPECT_GT(segments.size(), 500u);
        for (const auto& s : segments)
            ASSERT_LE(Length(s.from, s.to), longest + 1e-9) << f.file << " mode " << mode << ": (" << s.from.x << ","
                                                            << s.from.y << ")-(" << s.to.x << "," << s.to.y << ")";
    }
}

TEST(SampleMap, JapanMapHasNoStraySegmentInEitherProjection)
{
    const SansonProjection band(700, 500, 380000.f, 1370000.f, 200.f);
    ExpectNoStraySegment(0, [&](int lat, int lon) { return band.project(lat, lon); });
    const AlbersProjection conic(700, 380000.f, 1370000.f, 6000.f);
    ExpectNoStraySegment(2, [&](int lat, int lon) { return conic.project(lat, lon); });
}

TEST(SampleMap, EveryLakeIsDrawnClosed)
{
    vd::RecordingDc dc({1200, 1200, true});
    OnLakeDraw(&dc, CoastFolder(), 0, 0.f, 0.f, 0.01f, 0.01f, 150 * 3600, 46 * 3600, 122 * 3600, 24 * 3600, 0,
               static_cast<int>(vd::RGB(0, 0, 255)));
    int polygons = 0;
    for (const auto& call : dc.Calls()) {
        if (call.op.kind != vd::DrawOp::Polygon)
            continue;
        ++polygons;
        ASSERT_GE(call.op.points.size(), 4u);
        EXPECT_EQ(call.op.points.front(), call.op.points.back());
    }
    EXPECT_EQ(polygons, 26);
}

TEST(SampleMap, PrefectureBordersMeetTheCoastWithinTwoPixels)
{
    // All sheets: 24 .. 46 degrees north, 122 .. 150 degrees east, 50 arc-seconds a pixel.
    constexpr int west = 122 * 3600, south = 24 * 3600, east = 150 * 3600, north = 46 * 3600;
    constexpr float scale = 0.02f;
    const int width = static_cast<int>((east - west) * scale) + 1;
    const int height = static_cast<int>((north - south) * scale) + 1;
    vd::RecordingDc coast({width, height, true});
    OnWholeCoastLine(&coast, 3, 1, west, south, 0, 0, east, north, scale, scale, 10, CoastFolder());
    vd::RecordingDc borders;
    OnWholePrfctrLine(&borders, 3, 1, west, south, 0, 0, east, north, 0, scale, scale, "RED", CoastFolder());
    const auto lines = borders.Segments();
    ASSERT_GT(lines.size(), 1000u);
    // Ends that no other border line shares: where a border reaches the sea.
    std::map<std::pair<int, int>, int> ends;
    for (const auto& s : lines) {
        ++ends[{s.from.x, s.from.y}];
        ++ends[{s.to.x, s.to.y}];
    }
    int atCoast = 0;
    const vd::ImageDc* image = coast.Image();
    for (const auto& [point, count] : ends) {
        if (count != 1)
            continue;
        bool near = false;
        for (int dy = -2; dy <= 2 && !near; ++dy)
            for (int dx = -2; dx <= 2 && !near; ++dx)
                near = image->GetPixel(point.first + dx, point.second + dy) == vd::RGB(0, 0, 0);
        EXPECT_TRUE(near) << "border end at pixel " << point.first << "," << point.second;
        ++atCoast;
    }
    EXPECT_GT(atCoast, 20);
}

} // namespace
