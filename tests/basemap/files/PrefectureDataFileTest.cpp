#include "basemap/files/MapLabelFile.h"
#include "basemap/files/PrefectureDataFile.h"
#include "basemap/files/PrefectureTableFile.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using basemap_test::FixtureFolder;

TEST(PrefectureDataFile, HeaderRowsCommentsAndBadValues)
{
    FixtureFolder folder;
    struct Case {
        std::vector<std::string> lines;
        std::string name;
        std::vector<std::string> names;
        std::vector<double> values;
    };
    const std::string longValue = "7" + std::string(400, '0');
    const Case cases[] = {
        // Comments before and between rows; the name after the first "=" only.
        {{";--", "; memo", "データ名称=人口=2020", "", "北海道 5224614", "; between", "青森県 1237984.5"},
         "人口=2020", {"北海道", "青森県"}, {5224614, 1237984.5}},
        // A header without "=", a row without a blank, a value that is no number, an empty value.
        {{"名前だけ", "岩手県", "宮城県 abc", "秋田県 "}, "名前だけ", {"岩手県", "宮城県", "秋田県"}, {0, 0, 0}},
        // A line past 298 bytes is cut: the value keeps its first 290 digits.
        {{"X=a", "山形県 " + longValue}, "a", {"山形県"}, {std::stod("7" + std::string(290, '0'))}},
        // Nothing but comments: no header, no rows.
        {{";", ""}, "", {}, {}},
    };
    for (const Case& c : cases) {
        folder.WriteText("MAPELMNT/DATA.DAT", c.lines);
        const auto file = ReadPrefectureDataFile(folder.Windows() + "MAPELMNT\\data.dat");
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->dataName, c.name);
        ASSERT_EQ(file->rows.size(), c.names.size()) << c.name;
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(file->rows[i].name, c.names[i]);
            EXPECT_DOUBLE_EQ(file->rows[i].value, c.values[i]);
        }
    }
    EXPECT_FALSE(ReadPrefectureDataFile(folder.Windows() + "MAPELMNT\\NONE.DAT").has_value());
}

TEST(PrefectureDataFile, CatalogueKeepsPathsAsWritten)
{
    FixtureFolder folder;
    folder.WriteText("MAPELMNT/PfctrFl.dat", {"; sets", "C:\\VD\\MAPELMNT\\県別人口.DAT", "", std::string(250, 'p')});
    const auto paths = ReadPrefectureDataCatalogue(folder.Windows() + "MAPELMNT\\PFCTRFL.DAT");
    ASSERT_TRUE(paths.has_value());
    EXPECT_EQ(*paths, (std::vector<std::string>{"C:\\VD\\MAPELMNT\\県別人口.DAT", std::string(199, 'p')}));
}

TEST(PrefectureTableFile, ChartPointsAreDegreesAndMinutesOfTheFirstFiftyLines)
{
    FixtureFolder folder;
    std::vector<std::string> lines{"; table", "35.41 139.45 東京都", "", "26.13 127.41", "5.30 abc"};
    for (int i = 0; i < 60; ++i)
        lines.push_back("40.00 140.00");
    folder.WriteText("MAPELMNT/都道府県.DAT", lines);
    const auto points = ReadPrefectureChartPoints(folder.Windows() + "MAPELMNT\\都道府県.DAT");
    ASSERT_TRUE(points.has_value());
    ASSERT_EQ(points->size(), 50u);
    EXPECT_FLOAT_EQ((*points)[0].latitude, static_cast<float>((35 + (35.41 - 35) * 1.6666666) * 10000));
    EXPECT_FLOAT_EQ((*points)[0].longitude, static_cast<float>((139 + (139.45 - 139) * 1.6666666) * 10000));
    EXPECT_EQ((*points)[0].latitudeDegree, 35);
    EXPECT_EQ((*points)[1].latitudeDegree, 26);
    // Degrees are held to 10..69 for the ratio row; a longitude that is no number reads as 0.
    EXPECT_EQ((*points)[2].latitudeDegree, 10);
    EXPECT_EQ((*points)[2].longitude, 0.f);
    // The same file read as D.MMSS keeps all its lines.
    EXPECT_EQ(ReadPrefectureTable(folder.Windows() + "MAPELMNT\\都道府県.DAT")->size(), 63u);
}

TEST(MapLabelFile, FieldsEndAtBlanksAndLongLinesAreCut)
{
    FixtureFolder folder;
    folder.WriteText("FarEast.DAT", {"ソウル 37.34 126.58 capital", "タイペイ 25.02", std::string(300, 'x') + " 1 2 ",
                                      "ハノイ 21.02 105.51 "});
    const auto labels = ReadFarEastLabelFile(folder.Windows() + "FarEast.DAT");
    ASSERT_TRUE(labels.has_value());
    ASSERT_EQ(labels->size(), 4u);
    EXPECT_EQ((*labels)[0].name, "ソウル");
    EXPECT_EQ((*labels)[0].latitudeDegree, 37);
    // Without a blank after it a field is missing.
    EXPECT_EQ((*labels)[1].latitude, 0.f);
    EXPECT_EQ((*labels)[2].name, std::string(298, 'x'));
    EXPECT_EQ((*labels)[2].latitude, 0.f);
    EXPECT_EQ((*labels)[3].latitudeDegree, 21);

    folder.WriteText("支庁xy.txt", {"石狩 43.0330 141.2100 ", "短 4 1 "});
    const auto positions = ReadSubprefectureLabelFile(folder.Windows() + "支庁xy.txt");
    ASSERT_TRUE(positions.has_value());
    ASSERT_EQ(positions->size(), 2u);
    EXPECT_EQ((*positions)[0].latitude, static_cast<float>(43 * 3600 + 3 * 60 + 30) * 2.7777777f);
    EXPECT_EQ((*positions)[0].longitude, static_cast<float>(141 * 3600 + 21 * 60) * 2.7777777f);
    EXPECT_EQ((*positions)[1].latitude, static_cast<float>(4 * 3600) * 2.7777777f);
    EXPECT_FALSE(ReadFarEastLabelFile(folder.Windows() + "none.dat").has_value());
}

} // namespace
