// The bundled national-land sample layers read the way the program reads them: the rivers, the
// prefectural offices and the airports drawn by the layer library's entry points over the start
// sheet's meshes, every record inside Japan and in a mesh that Msh_prft.dat lists for it.
#include "contracts/pelmora.h"
#include "layers/render/lines/LineRecordFile.h"
#include "meshcode/MeshPrefectureFile.h"
#include "meshcode/MeshRecordPosition.h"
#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

// Kyoto, Osaka, Shiga, Hyogo and Nara: the prefectures of the start sheet 京都及大阪.
constexpr int kStartAreaPrefectures[] = {25, 26, 27, 28, 29};
constexpr int kStartMesh = 5235;

std::string DataFolder() { return vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\"; }
std::string KsjFolder() { return DataFolder() + "KSJ\\"; }

std::string OnlyPrefecture(int code)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == code ? "1|" : "0|";
    return flags;
}

bool InsideJapan(int longitudeSeconds, int latitudeSeconds)
{
    return longitudeSeconds >= 122 * 3600 && longitudeSeconds <= 154 * 3600 && latitudeSeconds >= 20 * 3600
        && latitudeSeconds <= 46 * 3600;
}

// First-level mesh code of a point in arc-seconds.
int MeshOf(int longitudeSeconds, int latitudeSeconds)
{
    return latitudeSeconds / 2400 * 100 + longitudeSeconds / 3600 - 100;
}

bool MeshListsPrefecture(int mesh, int code)
{
    const auto codes = meshcode::ReadMeshPrefectureLine(DataFolder() + "Msh_prft.dat", std::to_string(mesh));
    return std::find(codes.begin(), codes.end(), vd::format("%02d", code)) != codes.end();
}

// The point records of a point file, as raw lines.
std::vector<std::string> PointRecords(const std::string& winPath)
{
    vd::TextReader reader;
    EXPECT_TRUE(reader.open(winPath)) << winPath;
    std::vector<std::string> records;
    for (std::string line; reader.readRawLine(line);)
        if (line.starts_with('P'))
            records.push_back(line);
    return records;
}

int Markers(const vd::RecordingDc& dc)
{
    return static_cast<int>(std::count_if(dc.Calls().begin(), dc.Calls().end(), [](const vd::RecordedCall& call) {
        return call.op.kind == vd::DrawOp::Rectangle;
    }));
}

// A point theme over one first-level mesh at one pixel per arc-second.
void DrawPointTheme(vd::RecordingDc& dc, int theme, int mesh, const std::string& flags, const std::string& dataSet)
{
    const int south = mesh / 100 * 2400, west = (mesh % 100 + 100) * 3600;
    OnDdPlainPoint(&dc, 10305, south + 2400, west, south, west + 3600, 0, 1, 1, -1, 3, theme, 0, 9, 700, 0.0f, 0.0f,
                   1.0f, 1.0f, "/点/" + flags, std::to_string(mesh), "", "", dataSet, DataFolder());
}

TEST(NationalLandSample, RiversOfEveryPrefectureFileLieInJapanAndInTheirListedMeshes)
{
    int files = 0, records = 0;
    for (int code = 1; code <= 47; ++code) {
        LineRecordReader reader;
        if (!reader.open(KsjFolder() + vd::format("RIVER_S_%02d.txt", code)))
            continue;
        ++files;
        LineRecordHeader header;
        while (reader.nextRecord(header)) {
            ++records;
            ASSERT_GE(header.pointCount, 2) << code;
            for (int i = 0; i < header.pointCount; ++i) {
                LinePoint p;
                ASSERT_TRUE(reader.nextPoint(p)) << code;
                const int lon = p.longitudeTenths / 10, lat = p.latitudeTenths / 10;
                ASSERT_TRUE(InsideJapan(lon, lat)) << code << ": " << lon << " " << lat;
                ASSERT_TRUE(MeshListsPrefecture(MeshOf(lon, lat), code)) << code << ": " << MeshOf(lon, lat);
            }
        }
    }
    EXPECT_GE(files, 20);
    EXPECT_GE(records, 80);
}

TEST(NationalLandSample, KyotoOsakaAndShigaRiversAreDrawnOnTheStartMesh)
{
    for (int code : {25, 26, 27}) {
        vd::RecordingDc dc;
        OnDdRiverWhite(&dc, 1, 20, 10, 1, kStartMesh, 0, 0, 0, -1, 0, 0, 700, 0, 0, 1.0f, 1.0f, OnlyPrefecture(code),
                       std::to_string(kStartMesh), "河川", "9", KsjFolder() + "(RIVER_S_)", DataFolder());
        EXPECT_GT(dc.Segments().size(), 5u) << code;
    }
}

TEST(NationalLandSample, EveryPrefectureHasItsOfficeInItsMesh)
{
    for (int code = 1; code <= 47; ++code) {
        const auto records = PointRecords(KsjFolder() + vd::format("FACIL_S_%02d.txt", code));
        ASSERT_EQ(records.size(), 1u) << code;
        const meshcode::MeshCorner at = meshcode::PointRecordSeconds(records.front());
        EXPECT_TRUE(InsideJapan(at.longitude, at.latitude)) << code;
        EXPECT_TRUE(MeshListsPrefecture(MeshOf(at.longitude, at.latitude), code)) << code;
    }
    // The five offices of the start area lie in its mesh and are drawn there, one per prefecture.
    for (int code : kStartAreaPrefectures) {
        vd::RecordingDc dc;
        DrawPointTheme(dc, 0, kStartMesh, OnlyPrefecture(code), KsjFolder() + "(FACIL_S_)");
        EXPECT_EQ(Markers(dc), 1) << code;
    }
}

TEST(NationalLandSample, AirportsLieInJapanAndAreDrawnOnTheirMesh)
{
    const auto records = PointRecords(KsjFolder() + "AIRPORT_S.TXT");
    EXPECT_EQ(records.size(), 107u);
    int inStartMesh = 0, inKansaiMesh = 0;
    for (const std::string& record : records) {
        const meshcode::MeshCorner at = meshcode::PointRecordSeconds(record);
        ASSERT_TRUE(InsideJapan(at.longitude, at.latitude)) << record;
        const int mesh = MeshOf(at.longitude, at.latitude);
        ASSERT_TRUE(MeshListsPrefecture(mesh, std::stoi(record.substr(26, 2)))) << record;
        inStartMesh += mesh == kStartMesh;
        inKansaiMesh += mesh == 5135;
    }
    ASSERT_GT(inStartMesh, 0); // Itami
    ASSERT_GT(inKansaiMesh, 0); // Kansai, Kobe
    for (const auto& [mesh, count] : {std::pair{kStartMesh, inStartMesh}, std::pair{5135, inKansaiMesh}}) {
        vd::RecordingDc dc;
        DrawPointTheme(dc, 430, mesh, OnlyPrefecture(0), KsjFolder() + "AIRPORT_S.TXT");
        EXPECT_EQ(Markers(dc), count) << mesh;
    }
}

TEST(NationalLandSample, TownsLieInJapanAndAreDrawnOnTheStartMesh)
{
    const auto records = PointRecords(KsjFolder() + "CITIES_S.TXT");
    EXPECT_EQ(records.size(), 1089u);
    int inStartMesh = 0;
    for (const std::string& record : records) {
        const meshcode::MeshCorner at = meshcode::PointRecordSeconds(record);
        ASSERT_TRUE(InsideJapan(at.longitude, at.latitude)) << record;
        inStartMesh += MeshOf(at.longitude, at.latitude) == kStartMesh;
    }
    EXPECT_GT(inStartMesh, 20);
    vd::RecordingDc dc;
    DrawPointTheme(dc, 200, kStartMesh, OnlyPrefecture(0), KsjFolder() + "CITIES_S.TXT");
    EXPECT_GT(Markers(dc), 10);
}

TEST(NationalLandSample, RiverLengthCellsLieInTheirListedMeshes)
{
    int cells = 0;
    for (int code = 1; code <= 47; ++code) {
        vd::TextReader reader;
        if (!reader.open(KsjFolder() + vd::format("RVLEN_S_%02d.txt", code)))
            continue;
        int startMeshCells = 0;
        for (std::string line; reader.readRawLine(line);) {
            ++cells;
            ASSERT_GE(line.size(), 81u) << code;
            const int mesh = std::stoi(line.substr(5, 4));
            EXPECT_TRUE(MeshListsPrefecture(mesh, code)) << line;
            startMeshCells += mesh == kStartMesh;
        }
        if (code == 25 || code == 26 || code == 27) {
            EXPECT_GT(startMeshCells, 5) << code;
        }
    }
    EXPECT_GT(cells, 1000);
}

TEST(NationalLandSample, CoastalSeaCellsAroundTheStartSheetAreShallowSea)
{
    vd::TextReader reader;
    ASSERT_TRUE(reader.open(KsjFolder() + "COASTSEA_S.TXT"));
    int cells = 0;
    for (std::string line; reader.readRawLine(line);) {
        ++cells;
        ASSERT_EQ(line.size(), 25u) << line;
        const int mesh = std::stoi(line.substr(5, 4));
        EXPECT_LE(std::abs(mesh / 100 - kStartMesh / 100), 3) << line;
        EXPECT_LE(std::abs(mesh % 100 - kStartMesh % 100), 3) << line;
        const int mean = std::stoi(line.substr(13, 4)), least = std::stoi(line.substr(17, 4)),
                  greatest = std::stoi(line.substr(21, 4));
        EXPECT_TRUE(1 <= least && least <= mean && mean <= greatest && mean <= 200) << line;
    }
    EXPECT_GT(cells, 10000);
}

} // namespace
