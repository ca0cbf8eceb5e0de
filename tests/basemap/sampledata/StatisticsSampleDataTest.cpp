// The bundled statistics sets and Far East labels read with the program's own readers.
#include "basemap/files/MapLabelFile.h"
#include "basemap/files/PrefectureDataFile.h"
#include "platform/fs/PathResolver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string BundledFile(const std::string& name)
{
    return vd::toWindowsPath(VD_SAMPLE_DATA_DIR).value_or("") + "\\" + name;
}

TEST(SampleStatistics, PopulationAndAreaSetsHoldTheFortySevenPrefectures)
{
    struct Case {
        const char* file;
        double lowTotal, highTotal;
        const char* smallest;
        const char* largest;
    };
    const Case cases[] = {
        {"MAPELMNT\\県別人口.DAT", 126146099, 126146099, "鳥取県", "東京都"},
        {"MAPELMNT\\県別面積.DAT", 370000, 385000, "香川県", "北海道"},
    };
    for (const Case& c : cases) {
        const auto set = ReadPrefectureDataFile(BundledFile(c.file));
        ASSERT_TRUE(set.has_value()) << c.file;
        ASSERT_EQ(set->rows.size(), 47u);
        EXPECT_EQ(set->rows.front().name, "北海道");
        EXPECT_EQ(set->rows.back().name, "沖縄県");
        double total = 0;
        for (const auto& row : set->rows)
            total += row.value;
        EXPECT_GE(total, c.lowTotal) << c.file;
        EXPECT_LE(total, c.highTotal) << c.file;
        const auto [least, most] = std::minmax_element(set->rows.begin(), set->rows.end(),
                                                       [](const auto& a, const auto& b) { return a.value < b.value; });
        EXPECT_EQ(least->name, c.smallest);
        EXPECT_EQ(most->name, c.largest);
    }
}

TEST(SampleStatistics, FarEastLabelsLieAroundJapan)
{
    const auto labels = ReadFarEastLabelFile(BundledFile("FarEast.DAT"));
    ASSERT_TRUE(labels.has_value());
    EXPECT_GE(labels->size(), 10u);
    for (const auto& label : *labels) {
        EXPECT_GT(label.latitude, 100000.f) << label.name;
        EXPECT_LT(label.latitude, 500000.f) << label.name;
        EXPECT_GT(label.longitude, 1000000.f) << label.name;
        EXPECT_LT(label.longitude, 1500000.f) << label.name;
    }
}

} // namespace
