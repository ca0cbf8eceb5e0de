// The national-land sample files' geometry: rivers cut where they enter another prefecture,
// river lengths split by third-order cell, and the cell codes.
#include "tools/sampledata/src/NationalLand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace sampledata;

namespace {

// Two unit squares side by side: prefecture 26 west of 135.5 degrees, 27 east of it.
std::vector<PrefecturePolygon> TwoSquares()
{
    return {{26, {{135.0, 34.5}, {135.5, 34.5}, {135.5, 35.0}, {135.0, 35.0}, {135.0, 34.5}}},
            {27, {{135.5, 34.5}, {136.0, 34.5}, {136.0, 35.0}, {135.5, 35.0}, {135.5, 34.5}}}};
}

} // namespace

TEST(SampleDataNationalLand, ThirdMeshCodes)
{
    EXPECT_EQ(thirdMeshCodeOf({135.0001, 34.6667}), "52350000");
    EXPECT_EQ(thirdMeshCodeOf({135.7681, 35.0117}), "52354611"); // Kyoto's office
    EXPECT_EQ(thirdMeshCodeOf({135.9999, 35.3332}), "52357799");
}

TEST(SampleDataNationalLand, ARiverIsCutWhereItEntersAnotherPrefectureWithTheCutPointInBoth)
{
    const RiverPieces pieces = cutRiversByPrefecture(
        {{{135.1, 34.7}, {135.4, 34.7}, {135.6, 34.7}, {135.9, 34.7}, {137.5, 34.7}, {137.6, 34.7}}}, {2},
        TwoSquares());
    ASSERT_EQ(pieces.size(), 2u);
    ASSERT_EQ(pieces.at(26).size(), 1u);
    EXPECT_EQ(pieces.at(26)[0].points, (Polyline{{135.1, 34.7}, {135.4, 34.7}, {135.6, 34.7}}));
    EXPECT_EQ(pieces.at(26)[0].level, 2);
    // Far out of every polygon the line ends.
    EXPECT_EQ(pieces.at(27)[0].points, (Polyline{{135.6, 34.7}, {135.9, 34.7}}));
}

TEST(SampleDataNationalLand, NearestPrefectureOnlyCloseToTheCoast)
{
    EXPECT_EQ(prefectureOfPoint({135.2, 34.7}, TwoSquares()), 26);
    EXPECT_EQ(prefectureOfPoint({136.04, 34.98}, TwoSquares()), 27); // some 4 km off a vertex
    EXPECT_EQ(prefectureOfPoint({137.0, 34.7}, TwoSquares()), 0);
}

TEST(SampleDataNationalLand, RiverLengthsAddUpByCellAndLevelColumn)
{
    MeshPrefectures meshes;
    // 0.0125 degrees of longitude east along one row of cells: one cell side, two cells half each.
    const RiverPieces pieces{{26, {{4, {{135.00625, 34.67}, {135.01875, 34.67}}}}}};
    const auto files = riverLengthFiles(pieces, &meshes);
    const std::string& text = files.at(26).bytes();
    ASSERT_EQ(text.size(), 2 * 83u);
    const std::string first = text.substr(0, 81);
    EXPECT_EQ(first.substr(5, 8), "52350000");
    const int half = std::stoi(first.substr(45, 6));
    EXPECT_NEAR(half, distanceKm({135.00625, 34.67}, {135.0125, 34.67}) * 1000, 1);
    EXPECT_EQ(first.substr(33, 6), "     0");
    EXPECT_EQ(first.substr(75, 6), "     0");
    EXPECT_TRUE(meshes.at(5235).contains(26));
}

TEST(SampleDataNationalLand, AirportsTakeTheirJapaneseNameAndKeepTheSourcesOtherwise)
{
    const std::filesystem::path dir = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "airports";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "airports.json")
        << R"([{"ident":"RJBB","type":"large_airport","name":"Kansai International Airport","iso_country":"JP",)"
           R"("iso_region":"JP-27","longitude_deg":"135.244","latitude_deg":"34.4273"},)"
           R"({"ident":"RJXX","type":"medium_airport","name":"Nowhere Field","iso_country":"JP",)"
           R"("iso_region":"JP-26","longitude_deg":"135.5","latitude_deg":"35.0"},)"
           R"({"ident":"KJFK","type":"large_airport","name":"Abroad","iso_country":"US",)"
           R"("iso_region":"US-NY","longitude_deg":"-73.8","latitude_deg":"40.6"}])";
    const std::vector<Airport> airports =
        readAirports((dir / "airports.json").string(), readNameTable(VD_SAMPLEDATA_INPUTS "/airport-names.tsv"));
    ASSERT_EQ(airports.size(), 2u);
    EXPECT_EQ(airports[0].name, "関西国際空港");
    EXPECT_EQ(airports[1].name, "Nowhere Field");

    MeshPrefectures meshes;
    const ByteBuffer file = airportFile(airports, &meshes);
    const std::string& text = file.bytes();
    EXPECT_EQ(text.substr(50, 12), toCp932("関西国際空港"));

    std::ofstream(dir / "bad.tsv") << "# comment\nRJBB\n";
    EXPECT_THROW(readNameTable((dir / "bad.tsv").string()), std::runtime_error);
}

TEST(SampleDataNationalLand, TheBundledAirportsOfTheStartAreaHaveTheirJapaneseNames)
{
    std::ifstream in(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "KSJ" / "AIRPORT_S.TXT", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* name : {"関西国際空港", "大阪国際空港", "神戸空港", "八尾空港"})
        EXPECT_NE(bytes.find(toCp932(name)), std::string::npos) << name << ": run tools/sampledata/make-sample-data.sh";
    EXPECT_EQ(bytes.find("International Airport"), std::string::npos);
}
