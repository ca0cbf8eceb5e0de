// What the scenario maps read: the names of data and fault files, the records in their forms,
// the fault file's outline and asperities, and the degree index of subduction files.
#include "seismic/scenario/DegreeSeekIndex.h"
#include "seismic/scenario/FaultPlaneFile.h"
#include "seismic/scenario/ScenarioFileNames.h"
#include "seismic/scenario/ScenarioRecord.h"
#include "tests/seismic/ScenarioFixtures.h"

#include <gtest/gtest.h>

using namespace seismic;
using namespace seismicfixtures;


TEST(ScenarioFileNames, FormsAndFaultFilesComeFromTheFileNameOnly)
{
    const struct {
        const char* data;
        bool subduction, list;
        std::optional<std::string> fault;
    } names[] = {
        {"Z:\\DATA\\X-MAP-A.CSV", false, false, "Z:\\DATA\\X-FAULT-A.CSV"},
        {"z:\\data\\x-map-a.csv", false, false, "Z:\\DATA\\X-FAULT-A.CSV"},
        {"Z:\\DATA\\NANKAI-MAP-S_K.CSV", true, false, "Z:\\DATA\\NANKAI-FAULT-S_K.CSV"},
        {"Z:\\DATA\\X_SLIST-MAP-A.CSV", false, true, "Z:\\DATA\\X_SLIST-FAULT-A.CSV"},
        // Folders named like a form or a fault file change nothing.
        {"Z:\\S_K\\_SLIST-\\X-MAP-A.CSV", false, false, "Z:\\S_K\\_SLIST-\\X-FAULT-A.CSV"},
        {"Z:\\A-MAP-B\\PLAIN.CSV", false, false, std::nullopt},
        {"Z:\\DATA\\PLAIN.CSV", false, false, std::nullopt},
    };
    for (const auto& n : names) {
        EXPECT_EQ(IsSubductionScenario(n.data), n.subduction) << n.data;
        EXPECT_EQ(IsListScenario(n.data), n.list) << n.data;
        EXPECT_EQ(FaultPlanePath(n.data), n.fault) << n.data;
    }
    EXPECT_TRUE(HasNumberedFaultFiles("Z:\\DATA\\X-FAULT-S_A.CSV"));
    EXPECT_FALSE(HasNumberedFaultFiles("Z:\\S_\\X-FAULT-A.CSV"));
}

TEST(ScenarioFileNames, NumberedFaultFilesCountUpWhole)
{
    EXPECT_EQ(FirstNumberedFaultPath("Z:\\D.1\\X-FAULT-S_A.CSV"), "Z:\\D.1\\X-FAULT-S_A_F1.CSV");
    const struct {
        const char* from;
        std::optional<std::string> next;
    } steps[] = {
        {"Z:\\X-FAULT-S_A_F1.CSV", "Z:\\X-FAULT-S_A_F2.CSV"},
        {"Z:\\X-FAULT-S_A_F9.CSV", "Z:\\X-FAULT-S_A_F10.CSV"},
        {"Z:\\X-FAULT-S_A_F19.CSV", "Z:\\X-FAULT-S_A_F20.CSV"},
        {"Z:\\X-FAULT-S_A_F99.TXT", "Z:\\X-FAULT-S_A_F100.TXT"},
        {"Z:\\X-FAULT-S_A.CSV", std::nullopt},
        {"Z:\\X-FAULT-S_A_F.CSV", std::nullopt},
    };
    for (const auto& s : steps)
        EXPECT_EQ(NextNumberedFaultPath(s.from), s.next) << s.from;
}

TEST(ScenarioRecords, QuantitiesClassesAndShortRecords)
{
    const auto record = ParseScenarioRecord(scenariofixtures::Record({139.5, 35.25, 75, 131, 6.05}), false);
    ASSERT_TRUE(record);
    EXPECT_EQ(ScenarioSeconds(record->Longitude()), 502200);
    EXPECT_EQ(ScenarioSeconds(record->Latitude()), 126900);
    EXPECT_EQ(ScenarioQuantityValue(*record, 0), 75.0f);
    EXPECT_EQ(ScenarioQuantityValue(*record, 1), 131.0f);
    EXPECT_EQ(ScenarioQuantityValue(*record, 2), 6.05f);
    EXPECT_EQ(ScenarioQuantityValue(*record, 3), std::nullopt);
    EXPECT_EQ(ScenarioValueClass(2, 6.05f), 6);
    EXPECT_EQ(ScenarioValueClass(0, 75), 7);
    EXPECT_EQ(ScenarioValueClass(1, 131), 11);
    EXPECT_EQ(ScenarioValueClass(3, 131), -1);
    EXPECT_EQ(ScenarioClassColour(2, 6), vd::RGB(255, 72, 112));
    EXPECT_EQ(ScenarioClassColour(1, 14), vd::RGB(168, 0, 0));
    EXPECT_EQ(ScenarioClassColour(5, 1), std::nullopt);

    // Ten numbers: the intensity (number 11) is missing; a list record needs ten.
    const auto ten = ParseScenarioRecord("1,2,139.5,35.25,0,0,75,0,0,131", false);
    ASSERT_TRUE(ten);
    EXPECT_EQ(ScenarioQuantityValue(*ten, 1), 131.0f);
    EXPECT_EQ(ScenarioQuantityValue(*ten, 2), std::nullopt);
    EXPECT_TRUE(ParseScenarioRecord("1,2,139.5,35.25,0,0,75,0,0,131,5.5,name", true));
    EXPECT_FALSE(ParseScenarioRecord("1,2,139.5,35.25,0,0,75,0,0", true));
    EXPECT_FALSE(ParseScenarioRecord("# XPO", false));
    EXPECT_FALSE(ParseScenarioRecord("1,2,139.5", false));
}

TEST(FaultPlaneFiles, OutlineAsperitiesAndSubductionRecords)
{
    using scenariofixtures::Point;
    const std::string text = scenariofixtures::FaultFile(
        {{139.25, 35.0, 3000}, {139.5, 35.0, 3000}, {139.5, 35.0, 3000}, {139.5, 34.9, 15000}},
        {{{139.3, 34.95, 5000}, {139.4, 34.95, 5000}}, {{139.35, 34.92, 8000}}});
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    // A repeated line is one point; the list form stops at "# ASP".
    const FaultOutline list = ReadFaultOutline(lines, true);
    ASSERT_EQ(list.points.size(), 3u);
    EXPECT_EQ(list.points[2], (FaultPoint{139.5, 34.9, 15.0}));
    EXPECT_TRUE(list.asperitiesFollow);
    // Without the list form the "# ASP" lines count as points, up to nine.
    EXPECT_EQ(ReadFaultOutline(lines, false).points.size(), 9u);

    const auto asperities = ReadAsperities(lines);
    ASSERT_EQ(asperities.size(), 2u);
    EXPECT_EQ(asperities[0].size(), 2u);
    EXPECT_EQ(asperities[1], (std::vector<FaultPoint>{{139.35, 34.92, 8.0}}));

    // Columns a short line does not reach read 0.
    EXPECT_EQ(ParseFaultPointLine(" 139.2500, 35.0000"), (FaultPoint{139.25, 35.0, 0}));

    const std::string sub = scenariofixtures::SubductionFaultFile({{135.0, 33.0, 10000}, {135.0, 33.5, 20000}});
    std::vector<std::string> subLines = {"# FLT", "# JLO", "135.0,33.0,0,0,10000", "135.0,33.5,0,0", "x"};
    const auto records = ReadSubductionRecords(subLines);
    ASSERT_EQ(records.size(), 1u); // the record of four numbers is not one
    EXPECT_EQ(records[0].depth, 10000.0f);
}

namespace {

// A subduction file over 139 to 141 degrees: 30 records at 138.5, 30 at 139.5, 30 at 140.5.
std::string SubductionData(const std::vector<std::string>& degreeLines)
{
    std::vector<scenariofixtures::Cell> cells;
    for (double lon : {138.5, 139.5, 140.5})
        for (int i = 0; i < 30; ++i)
            cells.push_back({lon, 34.0 + i * 0.01, 10, 10, 3});
    return scenariofixtures::DataFile(cells, false, degreeLines);
}

} // namespace

TEST(DegreeSeekIndex, BuiltFromTheHeaderDegreesAndWrittenOnce)
{
    const std::string folder = WinFolder(Home() / "sub");
    WriteFile(Home() / "sub" / "N-MAP-S_K.CSV", SubductionData({"138 first", "141 last", "139 middle"}));
    const std::string data = folder + "N-MAP-S_K.CSV";
    const auto index = BuildDegreeSeekIndex(nullptr, data);
    ASSERT_TRUE(index);
    // Degrees 138 to 140: the first record east of each.
    EXPECT_EQ(ReadFile(Home() / "sub" / "N-MAP-S_K.hdr"), data + "\r\n138 0\r\n139 30\r\n140 60\r\n");
    EXPECT_EQ(SeekDegreeOffset(*index, 139), 20u * 77);
    EXPECT_EQ(SeekDegreeOffset(*index, 138), 0u);
    EXPECT_EQ(SeekDegreeOffset(*index, 137), 0u) << "west of the first degree: from the top";
    EXPECT_EQ(SeekDegreeOffset(*index, 145), 50u * 77) << "east of the last: from the last";

    // An existing index is read as it stands.
    WriteFile(Home() / "sub" / "N-MAP-S_K.hdr", data + "\r\n139 12\r\n");
    const auto kept = BuildDegreeSeekIndex(nullptr, data);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->degrees, (std::vector<DegreeEntry>{{139, 12}}));
    EXPECT_EQ(SeekDegreeOffset(*kept, 139), 2u * 77);

    EXPECT_FALSE(BuildDegreeSeekIndex(nullptr, folder + "MISSING-MAP-S_K.CSV"));
}

TEST(DegreeSeekIndex, LongHeadersAndWideIndexesAreReadWhole)
{
    std::vector<std::string> degrees;
    for (int d = 100; d <= 250; d += 5)
        degrees.push_back(std::to_string(d)); // 31 degree lines, 150 degrees
    WriteFile(Home() / "wide" / "W-MAP-S_K.CSV", SubductionData(degrees));
    const auto index = BuildDegreeSeekIndex(nullptr, WinFolder(Home() / "wide") + "W-MAP-S_K.CSV");
    ASSERT_TRUE(index);
    ASSERT_EQ(index->degrees.size(), 150u);
    // One degree a record: the degrees west of the first records take the records one by one.
    EXPECT_EQ(index->degrees[0], (DegreeEntry{100, 0}));
    EXPECT_EQ(index->degrees[38], (DegreeEntry{138, 38}));
    EXPECT_EQ(index->degrees[40], (DegreeEntry{140, 60}));
    EXPECT_EQ(index->degrees[149], (DegreeEntry{249, 90})) << "east of every record: after the last";
}
