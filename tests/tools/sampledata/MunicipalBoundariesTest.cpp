// The sample-data writer of the municipal borders: neighbours share the link between them (one
// walks it backwards), and the n03 text it writes converts, through the program's conversion,
// into closed municipality areas.
#include "tools/sampledata/src/MunicipalBoundaries.h"

#include "municipal/conversion/SourceFileConversion.h"
#include "municipal/files/BoundaryFile.h"
#include "platform/sys/ApplicationFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace sampledata;

TEST(MunicipalBoundaries, NeighboursShareTheirLinkAndConvertIntoClosedAreas)
{
    // Two squares (micro-degrees) with a common side from (135.02, 35.00) to (135.02, 35.02).
    auto square = [](int64_t west) {
        return std::vector<MicroPoint>{{west, 35000000}, {west + 20000, 35000000}, {west + 20000, 35020000}, {west, 35020000}};
    };
    std::vector<Municipality> municipalities{
        {"25201", "滋賀県", "", "", "大津市", {square(135000000)}},
        {"25202", "滋賀県", "", "", "彦根市", {square(135020000)}},
    };
    const BoundaryTopology topology = buildTopology(municipalities, 10.0);
    ASSERT_EQ(topology.links.size(), 3u);
    ASSERT_EQ(topology.areas.size(), 2u);
    EXPECT_EQ(topology.areas[0].references, (std::vector<int>{1, 2}));
    EXPECT_EQ(topology.areas[1].references, (std::vector<int>{3, -1}));
    EXPECT_EQ(topology.links[0], (std::vector<std::pair<int32_t, int32_t>>{{4860720, 1260000}, {4860720, 1260720}}));

    const auto texts = n03Texts(municipalities, topology);
    ASSERT_EQ(texts.size(), 1u);
    const std::string folder = vd::applicationFolder();
    std::ofstream((vd::applicationFolderPath() / "n03-001-25.txt").string(), std::ios::binary) << texts.at(25);
    ASSERT_TRUE(municipal::ConvertSourceFile(folder + "n03-001-25.txt", folder + "Pg001_25.dat",
                                             municipal::SourceTheme::AdministrativeArea)
                    .written);
    const auto pg = municipal::ReadBoundaryFile(folder + "Pg001_25.dat", municipal::BoundaryFileKind::Municipality);
    ASSERT_TRUE(pg);
    ASSERT_EQ(pg->ledger.size(), 2u);
    EXPECT_TRUE(pg->ledger[0].text().starts_with("25201"));
    ASSERT_EQ(pg->areas.size(), 2u);
    for (const auto& area : pg->areas) {
        ASSERT_GE(area.points.size(), 4u);
        EXPECT_EQ(area.points.front(), area.points.back()) << area.code;
    }
    // The second municipality walks the shared side from north to south.
    const auto& second = pg->areas[1].points;
    EXPECT_EQ(second[second.size() - 2], (municipal::BoundaryPoint{4860720, 1260720}));
}
