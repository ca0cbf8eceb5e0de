// The bundled surface areas, whole-country rivers and 1/10 lakes drawn by the layer library's
// entry points: Kyoto's areas closed and named in the start mesh, the Yodo near Hirakata, and
// Lake Biwa marked over the three meshes it reaches and labelled. The river and lake layers build their
// Riverddd.dat and lake-code file beside the data file, so those two read copies.
#include "contracts/pelmora.h"
#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr int kStartMesh = 5235;

std::string DataFolder() { return vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\"; }

std::string OnlyPrefecture(int code)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == code ? "1|" : "0|";
    return flags;
}

// Mesh corners in arc-seconds; one pixel a second over the mesh.
int South(int mesh) { return mesh / 100 * 2400; }
int West(int mesh) { return (mesh % 100 + 100) * 3600; }

// The sample's file copied into a folder of the test's application folder, in Windows form.
std::string CopyOfSampleFile(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "KSJCOPY";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "KSJ" / name, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
    return vd::toWindowsPath(folder.string()).value_or("") + "\\" + name;
}

// A whole-country line theme over the start mesh at one pixel a second.
void DrawWholeCountry(vd::RecordingDc& dc, int itemCode, int lineTheme, int subTheme, const std::string& dataSet)
{
    const int south = South(kStartMesh), west = West(kStartMesh);
    OnDdPlainWholeCountry(&dc, itemCode, south + 2400, west, south, west + 3600, 0, 1, 1, -1, 3, lineTheme, subTheme,
                          700, 0.0f, 0.0f, 1.0f, 1.0f, "/線/", std::to_string(kStartMesh), "", "", dataSet,
                          DataFolder());
}

TEST(CountrySampleLayers, KyotoAreasCloseInTheStartMeshAndAreNamed)
{
    vd::RecordingDc dc;
    const int south = South(kStartMesh), west = West(kStartMesh);
    OnDdPlainLASurface(&dc, 0, 5, south + 2400, west, south, west + 3600, 0, 1, 1, -1, 3, 0, 1, 700, 0.0f, 0.0f, 1.0f,
                       1.0f, "/面/" + OnlyPrefecture(26), std::to_string(kStartMesh), "", "",
                       DataFolder() + "KSJ\\(AREA_S__)", DataFolder());
    int closed = 0;
    for (const vd::RecordedCall& call : dc.Calls()) {
        if (call.op.kind != vd::DrawOp::Polyline)
            continue;
        const auto& points = call.op.points;
        ASSERT_GE(points.size(), 4u);
        EXPECT_EQ(points.front(), points.back());
        for (const vd::Point& p : points) {
            ASSERT_TRUE(p.x >= 0 && p.x <= 3600 && p.y >= 0 && p.y <= 2400) << p.x << " " << p.y;
        }
        ++closed;
    }
    EXPECT_GE(closed, 1);
    ASSERT_FALSE(dc.Texts().empty());
    for (const auto& text : dc.Texts())
        EXPECT_EQ(text.text, "京都府");
}

TEST(CountrySampleLayers, TheWholeCountryRiversDrawTheYodoNearHirakata)
{
    const std::string data = CopyOfSampleFile("W15-52L_S.TXT");
    vd::RecordingDc dc;
    DrawWholeCountry(dc, 1, 0, 0, data);
    const int south = South(kStartMesh), west = West(kStartMesh);
    // Hirakata, on the Yodo's left bank: 135.65 E, 34.81 N; the river passes within 3 km.
    const int x = static_cast<int>(135.65 * 3600) - west, y = south + 2400 - static_cast<int>(34.81 * 3600);
    const auto& segments = dc.Segments();
    ASSERT_GT(segments.size(), 20u);
    const bool nearHirakata = std::any_of(segments.begin(), segments.end(), [&](const auto& s) {
        return std::abs(s.from.x - x) < 120 && std::abs(s.from.y - y) < 100;
    });
    EXPECT_TRUE(nearHirakata);

    // The river file is built once beside the data file and read back by the next drawing.
    const std::filesystem::path built = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "KSJCOPY" / "Riverddd.dat";
    ASSERT_TRUE(std::filesystem::exists(built));
    const auto firstBuilt = std::filesystem::last_write_time(built);
    const auto firstSize = std::filesystem::file_size(built);
    EXPECT_GT(firstSize, std::filesystem::file_size(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "KSJ" / "W15-52L_S.TXT") / 2);
    vd::RecordingDc again;
    DrawWholeCountry(again, 1, 0, 0, data);
    EXPECT_EQ(std::filesystem::last_write_time(built), firstBuilt);
    EXPECT_EQ(again.Segments().size(), segments.size());
}

TEST(CountrySampleLayers, LakeBiwaMarksSubCellsInTheMeshesItReachesWithItsName)
{
    const std::string data = CopyOfSampleFile("LAKE_S.TXT");
    std::set<int> meshesWithLake;
    for (int mesh : {5235, 5236, 5335, 5336}) {
        vd::RecordingDc dc;
        const int south = South(mesh), west = West(mesh);
        const int result = OnDdPlnF10Mesh(&dc, 0, south + 2400, west, south, west + 3600, 0, 1, 1, -1, 3, 30, 1, 1, 700,
                                          0, 0.0f, 0.0f, 1.0f, 1.0f, "/湖沼/" + OnlyPrefecture(25),
                                          std::to_string(mesh), "", "", data, DataFolder(), "");
        EXPECT_NE(result, -1) << mesh;
        const auto fills = std::count_if(dc.Calls().begin(), dc.Calls().end(), [](const vd::RecordedCall& call) {
            return call.op.kind == vd::DrawOp::FillSolidRect && call.op.colour == vd::RGB(0, 0, 255)
                && call.op.rect.left >= 0 && call.op.rect.right <= 3600;
        });
        if (fills > 0)
            meshesWithLake.insert(mesh);
        if (fills > 0) {
            // Labelled at its first painted sub-cell, read from the lake-code file.
            const auto& texts = dc.Texts();
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return t.text == "琵琶湖"; }))
                << mesh;
        }
    }
    // The lake's south basin lies west of 136 degrees, its north basin east of it.
    EXPECT_EQ(meshesWithLake, (std::set<int>{5235, 5236, 5336}));
}

TEST(CountrySampleLayers, TheRailwayLayerShowsTheStationsOfTheStartMeshWithTheirOperators)
{
    const std::string data = CopyOfSampleFile("N02-23L.TXT");
    vd::RecordingDc dc;
    // Line theme 4, sub-theme 2: railways; item code 1: class colours, stations with names.
    DrawWholeCountry(dc, 1, 4, 2, data);
    const auto markers = std::count_if(dc.Calls().begin(), dc.Calls().end(), [](const vd::RecordedCall& call) {
        return call.op.kind == vd::DrawOp::Rectangle;
    });
    EXPECT_GT(markers, 300);
    const auto& texts = dc.Texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return t.text == "京都(西日本旅客鉄道)"; }));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return t.text == "枚方市(京阪電気鉄道)"; }));
    // No line sections: no track is drawn.
    EXPECT_TRUE(dc.Segments().empty());
}

} // namespace
