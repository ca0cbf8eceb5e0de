// The bundled sample data read with the program's own readers.
#include "basemap/files/LakePolygonFile.h"
#include "basemap/files/MeshPolylineFile.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/files/PrefectureTableFile.h"
#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/fs/PathResolver.h"
#include "platform/fs/RawFields.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string DataFolder()
{
    return vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\";
}

struct LineCounts {
    int lines = 0;
    int points = 0;
};

LineCounts CountOutline(const std::string& name)
{
    const auto records = ReadOutlinePolylineFile(DataFolder() + "Coast_JB\\" + name);
    EXPECT_TRUE(records.has_value()) << name;
    LineCounts counts;
    bool down = false;
    for (const auto& r : records.value_or(std::vector<OutlineRecord>{})) {
        if (r.isPenUp()) {
            down = false;
            continue;
        }
        counts.lines += !down;
        down = true;
        ++counts.points;
    }
    return counts;
}

TEST(SampleData, OutlineFilesHoldTheirLinesAndPoints)
{
    const struct { const char* name; int lines, points; } files[] = {
        {"BN_JMAPA.DAT", 4851, 45934}, {"FEBORDER.DAT", 38, 3205}, {"BN_FECST.DAT", 5022, 49940}};
    for (const auto& f : files) {
        const LineCounts counts = CountOutline(f.name);
        EXPECT_EQ(counts.lines, f.lines) << f.name;
        EXPECT_EQ(counts.points, f.points) << f.name;
    }
}

// The region file of a mesh, as the drawings choose it.
int CoastRegion(int meshCode)
{
    const int lat = meshCode / 100, lon = meshCode % 100;
    if (lat >= 63)
        return 6;
    return lon < 30 ? 1 : lon <= 32 ? 2 : lon <= 35 ? 3 : lon <= 38 ? 4 : 5;
}
int BorderRegion(int meshCode)
{
    const int lat = meshCode / 100, lon = meshCode % 100;
    if (lat >= 63)
        return 0;
    return lon >= 38 ? 1 : lon >= 32 ? 2 : 3;
}

LineCounts CountMeshFiles(const char* stem, int files, int units, int (*regionOf)(int))
{
    LineCounts counts; // lines: meshes
    for (int region = 1; region <= files; ++region) {
        const std::string name = std::string(stem) + "0" + std::to_string(region) + ".dat";
        const auto records = ReadMeshPolylineFile(DataFolder() + "Coast_JB\\" + name);
        EXPECT_TRUE(records.has_value()) << name;
        if (!records)
            continue;
        EXPECT_TRUE(records->empty() || records->front().isHeader()) << name;
        for (const MeshSection& mesh : SplitMeshSections(*records)) {
            ++counts.lines;
            EXPECT_EQ(regionOf(mesh.meshCode), region) << name << " mesh " << mesh.meshCode;
            for (const MeshRecord& r : mesh.records) {
                if (r.isPenUp())
                    continue;
                ++counts.points;
                EXPECT_TRUE(0 <= r.a && r.a <= units && 0 <= r.b && r.b <= units)
                    << name << " mesh " << mesh.meshCode << ": " << r.a << "," << r.b;
            }
        }
    }
    return counts;
}

TEST(SampleData, MeshFilesHoldEachMeshInItsRegionFile)
{
    const LineCounts coast = CountMeshFiles("coast", 6, kCoastUnitsPerMesh, CoastRegion);
    EXPECT_EQ(coast.lines, 164);
    EXPECT_EQ(coast.points, 32544);
    const LineCounts borders = CountMeshFiles("pfctr", 3, kBorderUnitsPerMesh, BorderRegion);
    EXPECT_EQ(borders.lines, 59);
    EXPECT_EQ(borders.points, 3055);
}

TEST(SampleData, EveryLakeIsClosedInsideItsBox)
{
    const auto lakes = ReadLakePolygonFile(DataFolder() + "Coast_JB\\TLR0001.DAT");
    ASSERT_TRUE(lakes.has_value());
    EXPECT_EQ(lakes->size(), 26u);
    size_t points = 0, largest = 0;
    for (const Lake& lake : *lakes) {
        EXPECT_TRUE(lake.closed);
        ASSERT_GE(lake.points.size(), 4u);
        EXPECT_EQ(lake.points.front(), lake.points.back());
        LakePoint low = lake.points.front(), high = low;
        for (const LakePoint& p : lake.points) {
            low = {std::min(low.latitude, p.latitude), std::min(low.longitude, p.longitude)};
            high = {std::max(high.latitude, p.latitude), std::max(high.longitude, p.longitude)};
        }
        EXPECT_EQ(lake.southWest, low);
        EXPECT_EQ(lake.northEast, high);
        points += lake.points.size();
        largest = std::max(largest, lake.points.size());
    }
    EXPECT_EQ(points, 528u);
    EXPECT_EQ(largest, 76u);
    const auto reservoirs = ReadLakePolygonFile(DataFolder() + "Coast_JB\\TLR0002.DAT");
    ASSERT_TRUE(reservoirs.has_value());
    EXPECT_TRUE(reservoirs->empty());
}

TEST(SampleData, EveryPrefectureLabelLiesInJapansBox)
{
    const auto points = ReadPrefectureTable(DataFolder() + "MAPELMNT\\都道府県.DAT");
    ASSERT_TRUE(points.has_value());
    ASSERT_EQ(points->size(), 47u);
    for (size_t i = 0; i < points->size(); ++i) {
        const auto& p = (*points)[i];
        EXPECT_TRUE(200000 <= p.latitude && p.latitude <= 460000) << i;
        EXPECT_TRUE(1220000 <= p.longitude && p.longitude <= 1540000) << i;
    }
    // The first data line is Hokkaido's (Sapporo, 43 degrees 4 minutes north).
    EXPECT_NEAR(points->front().latitude, 430667, 1);
}

TEST(SampleData, EverySheetOfTheIndexIsFoundByItsName)
{
    const auto lines = ReadSheetIndex(DataFolder() + "BlcMap20.idx");
    ASSERT_TRUE(lines.has_value());
    std::vector<const SheetIndexLine*> sheets;
    for (const auto& line : *lines)
        if (!line.IsEmpty() && !line.IsComment())
            sheets.push_back(&line);
    EXPECT_EQ(sheets.size(), 130u);
    for (const SheetIndexLine* sheet : sheets) {
        EXPECT_FALSE(sheet->IsMarked());
        // The look-up: the first unmarked line whose name columns hold the name; a name of two
        // double-byte characters or fewer is searched with a blank behind it.
        std::string name(vd::rawField(sheet->Raw(), 9, 12));
        name = name.substr(0, name.find_last_not_of(' ') + 1);
        if (name.size() <= 4)
            name += ' ';
        const SheetIndexLine* found = nullptr;
        for (const auto& line : *lines)
            if (!line.IsMarked() && vd::rawField(line.Raw(), 9, 12).find(name) != std::string_view::npos) {
                found = &line;
                break;
            }
        EXPECT_EQ(found, sheet) << sheet->NameColumns();
        // Its corner is its own first-level mesh, inside the index map's grid.
        EXPECT_EQ(sheet->MeshCode(), std::atoi(std::string(vd::rawField(sheet->Raw(), 0, 4)).c_str()));
        const int column = std::atoi(sheet->LongitudeText().substr(0, 3).c_str()) - 123;
        const int row = 32 - ((std::atoi(sheet->LatitudeText().substr(0, 2).c_str()) - 24) * 60 +
                              std::atoi(sheet->LatitudeText().substr(3, 2).c_str())) / 40;
        EXPECT_TRUE(0 <= column && column < 26 && 0 <= row && row < 33) << sheet->NameColumns();
    }
}

} // namespace
