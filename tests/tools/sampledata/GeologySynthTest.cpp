// The relief-derived natural-terrain set: what relief gives each cell, which prefecture file a
// cell goes to, and that the program's record classifier reads every record as terrain and
// valley data with no rock or soil.
#include "geology/GeoMeshRenderer.h"
#include "tools/sampledata/src/GeologySynth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

using namespace sampledata;

namespace {

constexpr int kMesh = 5235; // 135-136 E, 34.667-35.333 N

// Prefecture 26 west of 135.5 degrees, 27 east of it.
const std::vector<PrefecturePolygon> kHalves{
    {26, {{135.0, 34.6}, {135.5, 34.6}, {135.5, 35.4}, {135.0, 35.4}, {135.0, 34.6}}},
    {27, {{135.5, 34.6}, {136.0, 34.6}, {136.0, 35.4}, {135.5, 35.4}, {135.5, 34.6}}}};

std::vector<std::string> Lines(const ByteBuffer& file)
{
    std::vector<std::string> lines;
    const std::string& bytes = file.bytes();
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

// Planes through `base` metres at the centre of the mesh's first cell, rising g metres a metre
// northwards or eastwards.
constexpr LonLat kFirstCell{135.0 + 1.0 / 160, 52 / 1.5 + 1.0 / 240};
double NorthGrade(LonLat p, double base, double g) { return base + g * (p.lat - kFirstCell.lat) * 111320.0; }
double EastGrade(LonLat p, double base, double g)
{
    return base + g * (p.lon - kFirstCell.lon) * 111320.0 * std::cos(p.lat * 3.14159265358979 / 180);
}

} // namespace

TEST(SampleDataGeologySynth, ReliefGivesTerrainSlopeDirectionAndValleyDensity)
{
    struct Case {
        const char* what;
        Relief relief;
        const char *slope, *direction, *terrain, *valley;
    } const cases[] = {
        {"sea level counts as lowland", [](LonLat) { return -5.0; }, "00", "00", "12", "00"},
        {"level lowland", [](LonLat) { return 10.0; }, "00", "00", "12", "00"},
        {"gentle rise at 100 m", [](LonLat p) { return NorthGrade(p, 100, 0.01); }, "01", "05", "12", "04"},
        {"steeper rise at 100 m: terrace", [](LonLat p) { return NorthGrade(p, 100, 0.05); }, "03", "05", "13", "12"},
        {"level ground at 200 m: terrace", [](LonLat) { return 200.0; }, "00", "00", "13", "00"},
        {"slope at 200 m facing west: hills", [](LonLat p) { return EastGrade(p, 200, 0.05); }, "03", "07", "09", "12"},
        {"400 m", [](LonLat) { return 400.0; }, "00", "00", "03", "00"},
        {"600 m", [](LonLat) { return 600.0; }, "00", "00", "02", "00"},
        {"1000 m, steep, facing north", [](LonLat p) { return NorthGrade(p, 1000, -0.5); }, "27", "01", "01", "49"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto files = terrainSynthFiles(c.relief, kHalves, kMesh, {26});
        ASSERT_EQ(files.size(), 1u);
        const std::string line = Lines(files.at(26)).at(0);
        EXPECT_EQ(line.substr(5, 8), "52350000");
        EXPECT_EQ(line.substr(13, 4), "0001");
        EXPECT_EQ(line.substr(28, 2), c.slope);
        EXPECT_EQ(line.substr(31, 2), c.direction);
        EXPECT_EQ(line.substr(38, 2), c.terrain);
        EXPECT_EQ(line.substr(57, 2), c.valley);
        // Relief knows no rock, era or soil.
        EXPECT_EQ(line.substr(40, 9), "000000000");
    }
}

TEST(SampleDataGeologySynth, CellsGoToTheListedPrefectureThatHoldsThem)
{
    const auto files = terrainSynthFiles([](LonLat) { return 50.0; }, kHalves, kMesh, {26, 28});
    ASSERT_EQ(files.size(), 1u); // 27 is not listed; 28 holds no cell
    const auto lines = Lines(files.at(26));
    ASSERT_EQ(lines.size(), 3200u); // the 40 western columns of 80 rows
    EXPECT_EQ(lines.front().substr(5, 8), "52350000");
    EXPECT_EQ(lines.back().substr(5, 8), "52357399"); // row 79, column 39
    EXPECT_EQ(files.at(26).size(), 3200u * (59 + 2));
}

TEST(SampleDataGeologySynth, EveryRecordIsTerrainAndValleyDataWithoutRockOrSoil)
{
    // A 1200 m cone in the middle of the mesh.
    const Relief cone = [](LonLat p) {
        return 1200.0 - 2400.0 * std::hypot(p.lon - 135.5, (p.lat - 35.0) * 1.5);
    };
    const auto files = terrainSynthFiles(cone, kHalves, kMesh, {26, 27});
    ASSERT_EQ(files.size(), 2u);
    // And the bundled set, as the converter wrote it from ETOPO5.
    std::vector<std::string> bundled;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "KSJ"))
        if (entry.path().filename().string().starts_with("GEOSYNTH")) {
            ByteBuffer file;
            file.text(readFile(entry.path().string()));
            for (const std::string& line : Lines(file))
                bundled.push_back(line);
        }
    ASSERT_FALSE(bundled.empty());
    struct Theme {
        int theme;
        const char* selection;
        bool accepted;
        int colour; // of an accepted record; -1: any
    } const themes[] = {
        {2, "10000000000001", true, -1}, // every terrain class
        {3, "1", true, -1},              // valley density
        {0, "0111111000000#1", false, 0}, // every rock group but 未区分
        {0, "1000000000000#1", true, 0},  // with 未区分: drawn as the unclassified rock
        {1, "011111111111110000", false, 0}, // every soil group but 項目のないもの
    };
    std::vector<std::string> coneLines;
    for (const auto& [code, file] : files)
        for (const std::string& line : Lines(file))
            coneLines.push_back(line);
    std::set<int> coneTerrainClasses;
    for (const Theme& t : themes)
        for (const auto* lines : {&coneLines, &bundled})
            for (const std::string& line : *lines) {
                SCOPED_TRACE(std::to_string(t.theme) + " " + t.selection + ": " + line);
                CGeoMeshRenderer r;
                r.m_nNorth = 53 * 2400;
                r.m_nSouth = r.m_nRecordSouthBound = 52 * 2400;
                r.m_nWest = r.m_nRecordWestBound = 135 * 3600;
                r.m_nEast = 136 * 3600;
                r.m_nDetailLevel = 2;
                r.m_nWorkFileDetail = 3;
                r.ParseGeoSelection(t.theme, t.selection);
                r.m_strLine = line;
                r.ClassifyNaturalTerrainRecord(t.theme, 0);
                ASSERT_EQ(r.m_nRecordLon != -1, t.accepted);
                if (!t.accepted) {
                    ASSERT_EQ(r.m_nSecondaryCode, -1);
                    continue;
                }
                if (t.colour >= 0) {
                    ASSERT_EQ(r.m_nColourIndex, t.colour);
                    ASSERT_EQ(r.m_nPrimaryCode, 0);
                }
                if (t.theme == 2 && lines == &coneLines)
                    coneTerrainClasses.insert(r.m_nColourIndex);
            }
    EXPECT_EQ(coneTerrainClasses, (std::set<int>{1, 2, 3, 9, 12, 13}));
}
