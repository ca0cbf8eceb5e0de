#include "layers/render/points/PointLabels.h"
#include "layers/render/points/FacilityLabels.h"
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PriceLabels.h"
#include "tests/layers/render/PointFixtures.h"

#include <gtest/gtest.h>

namespace {

using layers_test::At;
using layers_test::PointRecord;
using namespace points;

std::string Raw(const std::string& utf8) { return vd::utf8ToCp932(utf8); }

TEST(PointColumns, CutOnWholeCharactersAndEmptyPastTheEnd)
{
    const std::string line = Raw("P12河川 ab");
    const struct {
        int start, length;
        std::string text;
    } cases[] = {
        {3, 4, "河川"}, {4, 4, "川 "}, // starts inside 河: left out
        {3, 3, "河"},   {0, 100, "P12河川 ab"}, {9, 5, "b"}, {10, 5, ""}, {-1, 3, ""}, {2, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnText(line, c.start, c.length), c.text) << c.start << "," << c.length;
    // Single-byte text before the column's end, whatever follows it.
    const std::string plain = Raw("L12345 cd河");
    const struct {
        int start, length;
        std::string text;
    } plainCases[] = {{1, 5, "12345"}, {6, 3, " cd"}, {0, 9, "L12345 cd"}, {8, 3, "d河"}, {7, 3, "cd"},
                      {9, 2, "河"},   {11, 4, ""},      {20, 2, ""},         {5, 0, ""}};
    for (const auto& c : plainCases)
        EXPECT_EQ(ColumnText(plain, c.start, c.length), c.text) << c.start << "," << c.length;
    EXPECT_EQ(ColumnNumber(line, 1, 2), 12);
    EXPECT_EQ(ColumnNumber(line, 40, 2), 0);
    EXPECT_EQ(ColumnNumber(line, 3, 2), 0);
}

TEST(PointColumns, Blanks)
{
    EXPECT_EQ(CutAtBlank("東京都庁 本庁舎"), "東京都庁");
    EXPECT_EQ(CutAtBlank("東京都庁　本庁舎"), "東京都庁　本庁舎");
    EXPECT_EQ(CutAtFullBlank("東京都庁 本庁舎　x"), "東京都庁 本庁舎");
    EXPECT_EQ(CutAtEitherBlank("那覇　港 x"), "那覇　港");
    EXPECT_EQ(CutAtEitherBlank("那覇　港"), "那覇");
    EXPECT_EQ(CutAtEitherBlank(" 前"), "");
}

TEST(PointLabels, PublicFacilitiesReadWholeLines)
{
    // A name beyond column 97 is read whole (no piece of the line is taken for a record).
    const std::string line =
        PointRecord(1, 1, {{35, "03"}, {42, "都道府県庁 本庁"}, {72, "東京都庁第一本庁舎東京都庁第一本庁舎 別館"}});
    EXPECT_EQ(PublicFacilityLabel(line, 0), "東京都庁第一本庁舎東京都庁第一本庁舎");
    EXPECT_EQ(PublicFacilityLabel(line, 1), "都道府県庁");
    EXPECT_EQ(PublicFacilityLabel(line, 7), "都道府県庁");
    EXPECT_EQ(PublicFacilityCategory(line), 3);
}

TEST(PointLabels, RiverLengthsBySelector)
{
    const std::string line = PointRecord(
        1, 1, {{25, "81012"}, {30, "007"}, {33, "0123"}, {39, "012345"}, {45, "000050"}, {51, "123456"}, {57, "0042"}});
    const char* expected[] = {"81012", "7", "123", "12.3km", "0.1km", "123.5km", "42m"};
    for (int selector = 0; selector < 7; ++selector)
        EXPECT_EQ(RiverLengthLabel(line, selector), expected[selector]) << selector;
    EXPECT_EQ(RiverLengthLabel(line, 7), line);
    EXPECT_EQ(RiverLengthLabel("P", 3), "0.0km"); // short line: zero values
}

TEST(PointLabels, CulturalPropertiesAndDams)
{
    for (const auto& [digit, text] : std::vector<std::pair<std::string, std::string>>{
             {"1", "史跡等"}, {"0", "埋蔵文化財"}, {"2", "埋蔵文化財"}, {" ", "埋蔵文化財"}})
        EXPECT_EQ(HeritageLabel(PointRecord(1, 1, {{25, "0123"}, {29, digit}}), 1), text) << digit;
    EXPECT_EQ(HeritageLabel(PointRecord(1, 1, {{25, "0123"}}), 0), "0123");
    const std::string dam = PointRecord(1, 1, {{47, "0156"}, {63, "012000"}, {127, "黒部ダム 第四"}, {145, "黒部湖"}});
    EXPECT_EQ(DamLabel(dam, 0), "黒部ダム");
    EXPECT_EQ(DamLabel(dam, 1), "黒部湖");
    EXPECT_EQ(DamLabel(dam, 2), "156m");
    EXPECT_EQ(DamLabel(dam, 3), "12000万t");
    EXPECT_EQ(DamLabel(dam, 4), vd::cp932ToUtf8(dam));
}

TEST(PointLabels, UserColumnRanges)
{
    const std::string line = Raw("P        東京タワー 港区");
    // from x 10000 + to: 点Ａ from - 1 to to inclusive, 点Ｂ one less and cut at a blank.
    EXPECT_EQ(NamedPointLabel(line, 10 * 10000 + 18), "東京タワー");
    EXPECT_EQ(PlainPointLabel(line, 10 * 10000 + 23), "東京タワー");
    EXPECT_EQ(NamedPointLabel(line, 0), "P");
    EXPECT_EQ(PlainPointLabel(line, 0), "");
    EXPECT_EQ(NamedPointLabel(line, 10 * 10000 + 9), ""); // half of 東: left out
    EXPECT_EQ(NamedPointLabel(line, -7), "");
}

TEST(FacilityLabels, KeyTable)
{
    const struct {
        int mode, key;
        std::vector<At> fields;
        std::optional<std::string> label;
    } cases[] = {
        {40, 40, {{25, "01"}, {27, "153"}}, "15.3m"},
        {40, 41, {{25, "01"}, {30, "042"}}, "4.2m"},
        {40, 40, {{25, "02"}, {27, "153"}}, std::nullopt}, // another kind
        {40, 42, {{25, "02"}, {36, "NE"}, {41, "SW"}}, "(NE/SW)"},
        {40, 43, {{25, "02"}, {38, "012"}, {43, "034"}}, "1.2k/3.4k"},
        {40, 44, {{25, "03"}, {46, "葉山マリーナ 東"}}, "葉山マリーナ"},
        {40, 45, {{25, "04"}, {46, "観測所　東"}}, "観測所"},
        {100, 100, {{25, "1"}, {31, "防波堤 A"}}, "防波堤"},
        {100, 102, {{25, "2"}, {31, "験潮場"}}, "験潮場"},
        {100, 103, {{25, "2"}, {99, "01234"}}, "1.234m"},
        {100, 103, {{25, "2"}, {99, "99999"}}, std::nullopt}, // missing
        {100, 104, {{25, "3"}, {151, "123"}}, "12.3km"},
        {100, 105, {{25, "2"}, {114, "02500"}}, "2.500m"},
        {100, 105, {{25, "2"}, {114, "99999"}}, std::nullopt},
        {400, 400, {{29, "81012"}}, "81012"},
        {400, 401, {{34, "007"}}, "007"},
        {400, 402, {{37, "2"}, {38, "045"}}, "潮止堰4.5km"},
        {400, 402, {{37, "7"}, {38, "045"}}, "4.5km"},
        {410, 410, {{29, "12345"}, {34, "横浜　港"}}, "横浜/12345"},
        {410, 411, {{34, "横浜　"}, {54, "2"}}, "横浜/市"},
        {410, 411, {{34, "横浜　"}, {54, "5"}}, "横浜/56条"},
        {410, 411, {{34, "横浜　"}, {54, "0"}}, "横浜/その他"},
        {410, 411, {{34, "横浜　"}, {54, "6"}}, "横浜/その他"},
        {410, 412, {{25, "1"}, {26, "1"}}, "甲種/特定重要港湾"},
        {410, 412, {{25, "0"}, {26, "4"}}, "その他/その他"},
        {410, 412, {{25, "2"}, {26, "0"}}, "乙種/"},
        {410, 412, {{25, "5"}, {26, "3"}}, "/地方港湾"},
        {420, 420, {{25, "1234567"}, {35, "銚子　漁港"}}, "銚子/1234567"},
        {420, 421, {{293, "001200"}, {281, "000345"}}, "1200人/345隻"},
        {420, 421, {{293, "000000"}, {183, "001500"}, {171, "000400"}}, "[1982]1500人/400隻"},
        {420, 422, {{287, "012345"}}, "123.45(億円)"},
        {420, 422, {{287, "000000"}, {177, "000250"}}, "([1982]2.50(億円)"},
        {430, 430, {{50, "東京国際空港　羽田"}}, "東京国際空港"},
        {430, 431, {{115, "123"}}, "123回/日"},
        {430, 431, {{115, "999"}, {103, "100"}}, "[1984]100回/日"},
        {430, 431, {{115, "999"}, {103, "999"}}, ""},
        {430, 432, {{153, "45678"}}, "45678人/日"},
        {430, 432, {{153, "99999"}, {133, "00012"}}, "[1984]12人/日"},
        {430, 432, {{153, "99999"}, {133, "99999"}}, ""},
    };
    for (const auto& c : cases) {
        const std::string line = PointRecord(1, 1, c.fields);
        EXPECT_EQ(FacilityLabel(c.mode, c.key, line), c.label) << c.key << " " << c.label.value_or("(none)");
    }
    const std::string other = PointRecord(1, 1, {{25, "9"}});
    EXPECT_EQ(FacilityLabel(430, 437, other), other); // outside the table: the whole line
}

TEST(FacilityLabels, CoastalFacilitySizes)
{
    const struct {
        std::string type, size, name;
        std::optional<std::string> label;
    } cases[] = {
        {"17", "0123456", "発電所", "発電所/12万kw"}, {"05", "0050000", "発電所", "発電所/5万kw"},
        {"22", "0230000", "油槽所", "油槽所/23万kl"}, {"52", "0001500", "岸壁", "岸壁/1500ﾄﾝ"},
        {"30", "0001500", "岸壁", std::nullopt},      {"52", "9999999", "岸壁", std::nullopt},
        {"52", "0001500", "", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::string line = PointRecord(1, 1, {{25, "1"}, {31, c.name}, {63, c.type}, {70, c.size}});
        EXPECT_EQ(FacilityLabel(100, 101, line), c.label) << c.type << c.size;
    }
    EXPECT_EQ(FacilityLabel(100, 101, PointRecord(1, 1, {{25, "1"}, {31, "x"}})), std::nullopt); // no size
}

TEST(PriceLabels, ColumnSets)
{
    EXPECT_EQ(DataSetYear("d:\\ksj\\l02-07.txt"), 7);
    EXPECT_EQ(DataSetYear("l02"), 0);
    const PriceColumns whole = WholeFilePriceColumns(7);
    EXPECT_EQ(whole.price, 347);
    EXPECT_EQ(whole.previous, 339);
    EXPECT_EQ(whole.address, 52);
    const PriceColumns mesh = MeshPriceColumns(2, 3); // F = min(3, 7) = 3
    EXPECT_EQ(mesh.price, 264);
    EXPECT_EQ(mesh.previous, 256);
    EXPECT_EQ(MeshPriceColumns(2, 15).price, 2 + 7 * 8 + 238); // F held at Y + 5
    EXPECT_EQ(MeshPriceColumns(2, 20).price, -1);
    EXPECT_EQ(MeshPriceColumns(2, -1).price, -1);
    EXPECT_EQ(DefaultPriceColumns().price, 228);
}

TEST(PriceLabels, FlagsAndPlantTypes)
{
    EXPECT_EQ(UseName("00100000000000000"), "事務所");
    EXPECT_EQ(UseName("00000000000000001"), "雑木");
    EXPECT_EQ(UseName("00000000000000000"), "");
    EXPECT_EQ(ZoneNumber("0000100000000000000000"), 5);
    EXPECT_EQ(ZoneNumber(""), 0);
    const struct {
        std::string digit, name;
    } types[] = {{"1", "水力"}, {"2", "水力"},     {"3", "石炭火力"}, {"4", "LNG火力"}, {"5", "ガス火力"},
                 {"6", "地熱"}, {"7", "石油火力"}, {"8", "原子力"},   {"9", "9"},       {"0", "0"}};
    for (const auto& t : types)
        EXPECT_EQ(PowerPlantType(PointRecord(1, 1, {{25, t.digit}})), t.name) << t.digit;
}

TEST(PriceLabels, DefaultColumnsByKey)
{
    const std::string line = PointRecord(1, 1,
                                         {{48, "東京都千代田区丸の内１丁目 ４番"},
                                          {139, "01000000000000000"},
                                          {189, "00022"},
                                          {194, "0000100000000000000000"},
                                          {222, "80"},
                                          {224, "0600"},
                                          {228, "12345678"},
                                          {236, "-3.25"}});
    const char* expected[] = {"1234.6",
                              "-3.3%",
                              "東京都千代田区丸の内１丁目/1234.6",
                              "1234.6(-3.3%)",
                              "1234.6/店舗",
                              "1234.6/5",
                              "1234.6(22m)",
                              "5/80%",
                              "5/600%",
                              "22m"};
    for (int key = 0; key < 10; ++key)
        EXPECT_EQ(PriceRecordLabel(line, DefaultPriceColumns(), key, false), expected[key]) << key;
    EXPECT_EQ(PriceRecordLabel(line, DefaultPriceColumns(), 14, false), vd::cp932ToUtf8(line));
    // No price, no zone: labels begin with "/" or "(", and the zone part is empty.
    const std::string bare = PointRecord(1, 1, {{222, "60"}});
    EXPECT_EQ(PriceRecordLabel(bare, DefaultPriceColumns(), 5, false), "");
    EXPECT_EQ(PriceRecordLabel(bare, DefaultPriceColumns(), 3, false), "(0.0%)");
    EXPECT_EQ(PriceRecordLabel(bare, DefaultPriceColumns(), 7, false), "60%");
}

TEST(PriceLabels, PricePairsAndPowerPlants)
{
    const PriceColumns columns = WholeFilePriceColumns(7);
    const std::string pair = PointRecord(1, 1, {{339, "00200000"}, {347, "00210000"}});
    EXPECT_EQ(PriceRecordLabel(pair, columns, 3, true), "21.0(5.0%)");
    const std::string noPrevious = PointRecord(1, 1, {{347, "00210000"}});
    EXPECT_EQ(PriceRecordLabel(noPrevious, columns, 1, true), "0.0%");
    const std::string plant =
        PointRecord(1, 1, {{25, "8"}, {56, "柏崎刈羽 原子力"}, {86, "新潟県柏崎市 青山町"}, {136, "02200000"}});
    EXPECT_EQ(PriceRecordLabel(plant, columns, 10, false), "柏崎刈羽/原子力");
    EXPECT_EQ(PriceRecordLabel(plant, columns, 11, false), "柏崎刈羽/新潟県柏崎市");
    EXPECT_EQ(PriceRecordLabel(plant, columns, 12, false), "柏崎刈羽(2200万KW)");
    EXPECT_EQ(PriceRecordLabel(plant, columns, 13, false), "原子力(2200万KW)");
}

TEST(PriceLabels, CommaSeparatedRecords)
{
    std::string line = "1,502000,128000,,,,,,大阪市北区,,,00000001000000000,,,,6,0100000000000000000000,60,200,,";
    for (int year = 0; year < 20; ++year)
        line += vd::format("%d,", 100000 + year * 10000);
    const std::string raw = Raw(line);
    const LandPriceCsvRecord record = ParseLandPriceCsv(raw);
    EXPECT_EQ(record.longitude, 502000);
    EXPECT_EQ(record.latitude, 128000);
    const char* expected[] = {"13.0",   "8.3%",    "大阪市北区/13.0", "13.0(8.3%)", "13.0/倉庫",
                              "13.0/2", "13.0/6m", "2/60%",           "2/200%",     "6m"};
    for (int selector = 0; selector < 10; ++selector)
        EXPECT_EQ(PriceCsvLabel(record, raw, selector, 3), expected[selector]) << selector;
    EXPECT_EQ(PriceCsvLabel(record, raw, 1, 0), "0.0%");    // year 0 is its own previous year
    EXPECT_EQ(PriceCsvLabel(record, raw, 3, 20), "(0.0%)"); // no such year
    EXPECT_EQ(PriceCsvLabel(record, raw, 12, 3), line);
    // Fewer fields: the missing ones are empty.
    const LandPriceCsvRecord shortRecord = ParseLandPriceCsv("1,5");
    EXPECT_EQ(shortRecord.longitude, 5);
    EXPECT_EQ(shortRecord.latitude, 0);
    EXPECT_EQ(PriceCsvLabel(shortRecord, "1,5", 9, 3), "m");
}

} // namespace
