// The converter's grid geometry and the surface-area, whole-country river and lake writers on
// small shapes: cuts landing exactly on grid lines, rings clipped per mesh, chains that join up
// into closed areas, links in mesh order with their groups, and sub-cells inside a lake.
#include "tools/sampledata/src/CountryRivers.h"
#include "tools/sampledata/src/GridCut.h"
#include "tools/sampledata/src/LakeMesh.h"
#include "tools/sampledata/src/SurfaceAreas.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace sampledata;

namespace {

std::vector<std::string> Lines(const ByteBuffer& buffer)
{
    std::vector<std::string> lines;
    std::istringstream in(buffer.bytes());
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(SampleDataCountryFiles, CutsLandExactlyOnGridLinesAndEachPieceKeepsToOneCell)
{
    const TenthLine line{{100, 100}, {10100, 100}, {10100, 7100}};
    const auto pieces = cutAtGrid(line, 4500, 3000);
    // East across x = 4500 and 9000, then north across y = 3000 and 6000.
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0], (TenthLine{{100, 100}, {4500, 100}}));
    EXPECT_EQ(pieces[1], (TenthLine{{4500, 100}, {9000, 100}}));
    EXPECT_EQ(pieces[2], (TenthLine{{9000, 100}, {10100, 100}, {10100, 3000}}));
    EXPECT_EQ(pieces[4], (TenthLine{{10100, 6000}, {10100, 7100}}));
    EXPECT_EQ(densify({{0, 0}, {2000, 1000}}, 800), (TenthLine{{0, 0}, {666, 333}, {1333, 666}, {2000, 1000}}));
}

TEST(SampleDataCountryFiles, RingsClipToTheMeshClosedOrNotAtAll)
{
    const TenthBox box = meshBox(5235);
    EXPECT_EQ(box.west, 135 * 36000);
    EXPECT_EQ(box.south, 52 * 24000);
    // A square across the mesh's west edge keeps its eastern half, closed.
    const int64_t x = box.west, y = box.south + 1000;
    const TenthLine ring{{x - 500, y}, {x + 500, y}, {x + 500, y + 500}, {x - 500, y + 500}, {x - 500, y}};
    const TenthLine clipped = clipRing(ring, box);
    ASSERT_EQ(clipped.size(), 5u);
    EXPECT_EQ(clipped.front(), clipped.back());
    for (const TenthPoint& p : clipped)
        EXPECT_GE(p.lon, box.west);
    EXPECT_TRUE(clipRing(ring, meshBox(5233)).empty());
}

TEST(SampleDataCountryFiles, AnAreaAcrossTwoMeshesBecomesTwoClosedNamedAreas)
{
    // A square of Kyoto across 135 degrees east (meshes 5234 and 5235).
    const PrefecturePolygon square{26, {{134.9, 34.8}, {135.1, 34.8}, {135.1, 34.9}, {134.9, 34.9}, {134.9, 34.8}}};
    Prefecture kyoto;
    kyoto.code = 26;
    kyoto.name = "京都府";
    MeshPrefectures meshes;
    const auto files = surfaceAreaFiles({square}, {kyoto}, &meshes);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(meshes, (MeshPrefectures{{5234, {26}}, {5235, {26}}}));
    const auto lines = Lines(files.at(26));
    std::map<std::string, std::vector<std::string>> chains; // mesh, cell, number -> points
    int areas = 0, names = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.starts_with("L")) {
            const int n = std::stoi(line.substr(46));
            auto& points = chains[line.substr(3, 6) + std::to_string(std::stoi(line.substr(27, 6)))];
            for (int k = 0; k < n; ++k)
                points.push_back(lines[i + 1 + k / 5].substr(16 * (k % 5), 16));
            i += (n - 1) / 5 + 1;
        } else if (line.starts_with("A")) {
            ++areas;
            const int m = std::stoi(line.substr(45, 6));
            std::vector<std::string> ring;
            for (int k = 0; k < m; ++k) {
                const std::string ref = lines[i + 1 + k / 5].substr(14 * (k % 5), 14);
                ASSERT_EQ(ref.substr(0, 4), line.substr(3, 4)) << "every chain in the area's own mesh";
                const auto& chain = chains.at(ref.substr(0, 6) + std::to_string(std::stoi(ref.substr(6, 6))));
                if (!ring.empty()) {
                    EXPECT_EQ(ring.back(), chain.front());
                }
                ring.insert(ring.end(), chain.begin(), chain.end());
            }
            EXPECT_EQ(ring.front(), ring.back());
            i += (m - 1) / 5 + 1;
        } else if (line.starts_with("D")) {
            ++names;
            EXPECT_EQ(line.substr(64), "\x8b\x9e\x93\x73\x95\x7b" + std::string(10, ' ')); // 京都府 in CP932
        }
    }
    EXPECT_EQ(areas, 2);
    EXPECT_EQ(names, 2);
    EXPECT_GE(chains.size(), 2u);
}

TEST(SampleDataCountryFiles, RiverLinksGoInMeshOrderEachWithItsGroupOfClasses)
{
    RiverPieces pieces;
    pieces[26].push_back({4, {{135.5, 35.5}, {135.5, 35.6}}});                 // mesh 5335
    pieces[27].push_back({2, {{135.5, 34.7}, {135.501, 34.7}}});               // mesh 5235
    const auto lines = Lines(countryRiverFile(pieces));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(3, 4), "5235");
    EXPECT_EQ(lines[0].substr(27, 6), "000001");
    EXPECT_EQ(lines[0].substr(46, 5), "    2");
    EXPECT_EQ(lines[2].substr(3, 4), "5335");
    // 0.1 degrees: points added so that none is more than 80 seconds from the next.
    const int points = std::stoi(lines[2].substr(46, 5));
    EXPECT_EQ(points, 6);
    const size_t groups = 2 + 1 + (points + 4) / 5; // two headers, their point lines
    ASSERT_EQ(lines.size(), groups + 2 + points);
    EXPECT_EQ(lines[groups], "DS W152000001" + std::string(9, ' ') + "           1" + "1" + "0000");
    EXPECT_EQ(lines.back().substr(3, 10), "W152000002");
    EXPECT_EQ(lines.back()[34], '3'); // level 4 is class 3
    EXPECT_EQ(riverClassOfLevel(1), 1);
    EXPECT_EQ(riverClassOfLevel(5), 4);
}

TEST(SampleDataCountryFiles, LakeSubCellsAreMarkedWhereTheirCornerIsInside)
{
    LakeFacts lake{"2500010", "琵琶湖", 84, 25, {}};
    const double cellWest = 135.0 + (6 * 450 + 1 * 45) / 3600.0, cellSouth = 34 + 2 / 3.0 + (4 * 300 + 1 * 30) / 3600.0;
    // Third-order cell 52354611; a ring over its western half: sub-cell corners at 0, 4, 9, 13, 18 seconds east.
    const Polyline ring{{cellWest - 0.5 / 3600, cellSouth - 0.5 / 3600}, {cellWest + 20 / 3600.0, cellSouth - 0.5 / 3600},
                        {cellWest + 20 / 3600.0, cellSouth + 29.5 / 3600}, {cellWest - 0.5 / 3600, cellSouth + 29.5 / 3600},
                        {cellWest - 0.5 / 3600, cellSouth - 0.5 / 3600}};
    MeshPrefectures meshes;
    const auto lines = Lines(lakeMeshFile({{lake, ring}}, &meshes));
    std::vector<std::string> records;
    for (const auto& line : lines)
        if (line.substr(5, 8) == "52354611")
            records.push_back(line);
    ASSERT_EQ(records.size(), 1u);
    const std::string& r = records[0];
    EXPECT_EQ(r.substr(20, 2), "25");
    EXPECT_EQ(r.substr(33, 6), "250001");
    EXPECT_EQ(r.substr(87, 10), "1111100000");
    EXPECT_EQ(r.substr(177, 10), "1111100000");
    EXPECT_EQ(lines.back().substr(0, 12), "D    2500010");
    EXPECT_EQ(lines.back().substr(14, 8), "\x94\xfa\x94\x69\x8c\xce\x81\x40"); // 琵琶湖 and "　"
    EXPECT_EQ(lines.back().substr(46, 4), "  84");
    EXPECT_EQ(meshes.at(5235), std::set<int>{25});
}
