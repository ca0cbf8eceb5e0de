// The record decoders on records made here: where a record lies, the colour classes of the
// nature, land-use, land-class and climate items, the census items and the relief grid origin.
#include "layers/render/LayerRenderer.h"
#include "meshcode/CensusRecords.h"
#include "meshcode/ColourClasses.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A record of blanks with texts at the given columns (counted from 0).
class Record {
public:
    Record& Put(std::size_t column, const std::string& text)
    {
        if (line_.size() < column + text.size())
            line_.resize(column + text.size(), ' ');
        line_.replace(column, text.size(), text);
        return *this;
    }
    // A number right-aligned in its column.
    Record& Number(std::size_t column, int width, long long value)
    {
        std::string text = std::to_string(value);
        return Put(column, std::string(std::size_t(width) - std::min(text.size(), std::size_t(width)), ' ') + text);
    }
    Record& Size(std::size_t size)
    {
        line_.resize(size, ' ');
        return *this;
    }
    operator std::string() const { return line_; }

private:
    std::string line_;
};

// A third-level record of mesh 5339 (columns 5-12), second-level row 4, column 3, cell 5, 6.
Record ThirdLevel(const std::string& code = "53394356") { return Record().Put(5, code); }

class Decoders : public ::testing::Test {
protected:
    Decoders() : r(dc, WindowOf5339())
    {
        r.GridWest = 500400;
        r.GridSouth = 127200;
    }
    static LayerDrawParams WindowOf5339()
    {
        LayerDrawParams p;
        p.North = 129600;
        p.West = 500400;
        p.South = 127200;
        p.East = 504000;
        p.XOrigin = 10;
        p.YOrigin = 20;
        p.XScale = 0.1f;
        p.YScale = 0.2f;
        return p;
    }
    int Decode(int theme, int item, const std::string& line, int width)
    {
        r.CurrentLine = line;
        r.OptionList[50] = width;
        return r.DecodeMeshValue(theme, item);
    }
    int Nature(int item, const std::string& line, int width = 1)
    {
        r.CurrentLine = line;
        r.OptionList[50] = width;
        return r.DecodeNatureValue(item);
    }
    vd::RecordingDc dc;
    CLayerRenderer r;
};

TEST_F(Decoders, WhereMeshRecordsLie)
{
    r.CurrentLine = ThirdLevel();
    EXPECT_EQ(r.ThirdMeshCell(), 1);
    EXPECT_EQ(r.OptionList[52], 53 * 2400 + 4 * 300 + 5 * 30);
    EXPECT_EQ(r.OptionList[53], 39 * 3600 + 360000 + 3 * 450 + 6 * 45);
    const struct {
        const char* code;
        int result;
    } third[] = {
        {"53390000", 1},  // the south-west corner
        {"54390000", -1}, // on the north edge
        {"53400000", -1}, // on the east edge
        {"53387799", -1}, // west of the window
        {"53397799", 1},  // the north-east cell
    };
    for (const auto& c : third) {
        r.CurrentLine = ThirdLevel(c.code);
        EXPECT_EQ(r.ThirdMeshCell(), c.result) << c.code;
    }
    const struct {
        const char* code;
        int result;
    } second[] = {{"533943", 1}, {"543900", 1}, {"534000", 1}, {"544000", 1}, {"544010", -1}, {"533877", -1}};
    for (const auto& c : second) {
        r.CurrentLine = c.code;
        EXPECT_EQ(r.SecondMeshCell(), c.result) << c.code;
    }
    r.CurrentLine = "544000";
    ASSERT_EQ(r.SecondMeshCell(), 1);
    EXPECT_EQ(r.OptionList[52], 129600);
    EXPECT_EQ(r.OptionList[53], 504000);
    // A short or empty line reads as code 0000: far outside.
    r.CurrentLine = "";
    EXPECT_EQ(r.ThirdMeshCell(), -1);
    EXPECT_EQ(r.SecondMeshCell(), -1);
}

TEST_F(Decoders, WherePointsLie)
{
    const auto point = [](int lonTenths, int latTenths) {
        return std::string(Record().Put(0, "P").Number(9, 8, lonTenths).Number(17, 8, latTenths));
    };
    r.CurrentLine = point(5010009, 1284009);
    ASSERT_EQ(r.PointPosition(), 1);
    EXPECT_EQ(r.OptionList[53], 70);  // (501000 - 500400) x 0.1 + 10
    EXPECT_EQ(r.OptionList[52], 260); // (129600 - 128400) x 0.2 + 20
    const struct {
        int lon, lat, result;
    } edges[] = {
        {5004000, 1272000, 1}, {5040009, 1296009, 1}, {5040010, 1290000, -1},
        {5003999, 1290000, -1}, {5010000, 1271999, -1}, {5010000, 1296010, -1},
    };
    for (const auto& e : edges) {
        r.CurrentLine = point(e.lon, e.lat);
        EXPECT_EQ(r.PointPosition(), e.result) << e.lon << " " << e.lat;
    }
}

TEST(ColourClasses, ClassWidths)
{
    const struct {
        int theme, item, width;
    } rows[] = {
        {0, 0, 400},   {0, 1, 250},   {0, 2, 200},   {0, 3, 3},     {0, 4, 3},    {0, 5, 2},    {0, 6, 50},
        {0, 7, 60},    {0, 8, 40},    {0, 9, 25},    {0, 102, 25},  {0, 103, 50}, {0, 109, 50}, {0, 110, 25},
        {0, 111, 25},  {0, 112, 400}, {0, 113, 250}, {0, 114, 200}, {0, 115, 3},  {0, 150, 3},  {0, 151, 2},
        {0, 153, 2},   {0, 154, 30},  {0, 157, 30},  {0, 158, 50},  {0, 159, 60}, {0, 160, 40}, {0, 161, 30},
        {0, 9999, 30}, {0, -1, 1},    {30, 0, 100},  {30, 2, 100},  {30, 3, 1},   {30, 6, 3},   {30, 8, 3},
        {30, 7, 1},    {10, 0, 1},    {20, 5, 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(meshcode::ClassWidth(row.theme, row.item), row.width) << row.theme << " " << row.item;
}

TEST_F(Decoders, NatureItems)
{
    const struct {
        int item;
        std::string line;
        int width;
        int result;
        const char* label;
    } rows[] = {
        {0, Record().Number(13, 4, 21), 400, 1, "-21"},
        {0, Record().Number(13, 4, 2500), 400, 9, "-2500"},
        {0, Record().Number(13, 4, 20), 400, 0, "-20"},
        {0, Record().Number(13, 4, 300), 400, 1, "-300"},
        {0, Record().Number(13, 4, 0), 400, -1, ""},
        {1, Record().Number(17, 4, 400), 250, 2, "-400"},
        {1, Record().Number(17, 4, 1000), 250, 7, "-1000"},
        {2, Record().Number(21, 4, 3001), 200, 10, "-3001"},
        {2, Record().Number(21, 4, 5), 200, 0, "- 5"},
        {3, Record().Put(38, "ABC DEF"), 1, 999, "ABC"},
        {3, Record().Size(38), 1, -1, ""},
        {4, Record().Number(29, 2, 7), 3, 3, " 7"},
        {4, Record().Number(29, 2, 15), 3, 10, "15"},
        {4, Record().Number(29, 2, 27), 3, -1, ""},
        {5, Record().Put(83, "3"), 2, 2, "3"},
        {6, Record().Number(84, 3, 125), 50, 2, "12.5"},
        {7, Record().Put(87, "1"), 1, 0, "1"},
        {8, Record().Number(88, 3, 90), 40, 2, "9.0"},
        {8, Record().Size(80), 40, -1, ""},
        {9, Record().Size(100), 1, -1, ""},
        {10, Record().Put(14, "30"), 1, 7, "3"},
        {10, Record().Put(14, "31"), 1, 6, "2"},
        {10, Record().Put(14, "00"), 1, -1, ""},
        {11, Record().Put(16, "200"), 1, 6, "2"},
        {11, Record().Put(16, "012"), 1, 7, "3"},
        {11, Record().Put(16, "002"), 1, 10, "6"},
        {11, Record().Put(16, "300"), 1, -1, ""},
        {12, Record().Put(13, "100"), 1, 5, "1"},
        {12, Record().Put(13, "101"), 1, 6, "2"},
        {12, Record().Put(13, "400"), 1, 8, "4"},
        {12, Record().Put(13, "000"), 1, -1, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Nature(row.item, row.line, row.width), row.result) << row.item << " [" << row.line << "]";
        EXPECT_EQ(r.CurrentLine, row.label) << row.item << " [" << row.line << "]";
    }
    // The sea-bed codes in their groups.
    const int seaBed[27] = {-1, 0, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5, 10, 6, 6, 7, 7, 7, 7, 7, 7, 8, 9, 10};
    for (int code = 0; code <= 26; ++code)
        EXPECT_EQ(Nature(4, Record().Number(29, 2, code)), seaBed[code]) << code;
}

TEST_F(Decoders, LandUseShares)
{
    const auto land = [](std::vector<std::pair<int, int>> columns, int total = 100) {
        Record record = ThirdLevel();
        record.Number(13, 5, total);
        for (auto [column, value] : columns)
            record.Number(std::size_t(column), 5, value);
        return std::string(record.Size(110));
    };
    const struct {
        int item;
        std::string line;
        int result;
        const char* label;
    } rows[] = {
        {0, land({{38, 40}, {43, 31}}), 1, "*"},
        {0, land({{38, 40}, {43, 30}}), -1, ""}, // 0.7 is not above 0.7
        {1, land({{18, 51}}), 6, "*"},
        {2, land({{23, 71}}), 5, "*"},
        {3, land({{48, 10}, {53, 25}, {58, 30}}), 8, "2"},
        {3, land({{63, 21}}), 0, "4"},
        {3, land({{48, 20}}), -1, ""},
        {4, land({{68, 5}, {83, 6}}), 0, "*"},
        {5, land({{78, 5}, {83, 6}, {98, 50}}), 0, "*"},
        {5, land({{98, 10}, {103, 11}, {48, 30}}), 8, "*"},
        {5, land({{48, 30}, {38, 80}}), 7, "*"},
        {5, land({{23, 71}}), 5, "*"},
        {5, land({}), -1, ""},
        {6, land({{103, 21}}), 8, "*"},
        {7, land({{103, 21}}), -1, ""},
        {0, land({{38, 40}, {43, 31}}, 0), -1, ""}, // no total: no data
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Decode(10, row.item, row.line, 1), row.result) << row.item << " [" << row.line << "]";
        EXPECT_EQ(r.CurrentLine, row.label) << row.item;
    }
    // A record outside the window is not decoded.
    EXPECT_EQ(Decode(10, 0, land({{38, 80}}).replace(5, 4, "5440"), 1), -1);
}

TEST_F(Decoders, LandClasses)
{
    const auto cls = [](std::vector<int> nonZero) {
        Record record = ThirdLevel();
        for (int column : {33, 39, 45, 51, 57, 63, 69, 75})
            record.Number(std::size_t(column), 6, 0);
        for (int column : nonZero)
            record.Number(std::size_t(column), 6, 7);
        return std::string(record);
    };
    const struct {
        int item;
        std::vector<int> columns;
        int result;
        const char* label;
    } rows[] = {
        {0, {63, 69}, 1, "1"}, {0, {69}, 0, "2"}, {0, {}, 5, "3"},   {1, {57}, 1, "1"}, {1, {45}, -1, ""},
        {2, {45}, 0, "2"},     {2, {33}, -1, ""}, {3, {75}, 5, "3"}, {3, {}, -1, ""},   {4, {33}, -1, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Decode(20, row.item, cls(row.columns), 1), row.result) << row.item;
        EXPECT_EQ(r.CurrentLine, row.label) << row.item;
    }
    EXPECT_EQ(Decode(20, 0, cls({}), 2), 2); // the class divided by the width
}

TEST_F(Decoders, ClimateColumns)
{
    const auto climate = [](std::size_t column, int width, int value) {
        return std::string(ThirdLevel().Number(column, width, value).Size(300));
    };
    const struct {
        int item;
        std::string line;
        int width;
        int result;
        const char* label;
    } rows[] = {
        // Precipitation: the class reversed, 10 - c, never below 0.
        {0, climate(67, 5, 1000), 400, 8, "1000"},
        {2, climate(77, 5, 5000), 200, 0, "5000"},
        {100, climate(19, 4, 100), 25, 6, "100"},
        {111, climate(63, 4, 100), 25, 6, "100"},
        {112, climate(67, 5, 800), 400, 8, "800"},
        {114, climate(77, 5, 400), 200, 8, "400"},
        // Temperatures in tenths: whole degrees rounded down, plus the item's offset.
        {3, climate(90, 4, 123), 3, 9, "12.3"},
        {3, climate(90, 4, -30), 3, 4, "-3.0"},
        {3, climate(90, 4, -35), 3, 3, "-3.5"},
        {4, climate(174, 4, 123), 3, 4, "12.3"},
        {5, climate(234, 4, 55), 2, 2, "5.5"},
        {116, climate(86, 4, 55), 3, 8, "5.5"},
        {121, climate(106, 4, 55), 3, 6, "5.5"},
        {133, climate(154, 4, 100), 3, 1, "10.0"},
        {149, climate(218, 4, 100), 3, 10, "10.0"},
        {151, climate(226, 4, 100), 2, 3, "10.0"},
        {153, climate(234, 4, 100), 2, 5, "10.0"},
        // Items 6-8 and those beyond 153: a blank column is no data.
        {6, climate(254, 4, 100), 50, 2, "100"},
        {8, climate(262, 4, 80), 40, 2, "80"},
        {6, std::string(ThirdLevel().Size(300)), 50, -1, ""},
        {160, std::string(ThirdLevel().Size(300)), 40, -1, ""},
        {160, climate(262, 4, 80), 40, 2, "80"},
        // A column past the end of the line, and items without a column.
        {0, std::string(ThirdLevel().Size(60)), 400, -1, ""},
        {9, climate(67, 5, 1), 25, -1, ""},
        {99, climate(67, 5, 1), 25, -1, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Decode(0, row.item, row.line, row.width), row.result) << row.item;
        EXPECT_EQ(r.CurrentLine, row.label) << row.item;
    }
    // A zero class width divides as 1; an unknown theme has no classes.
    EXPECT_EQ(Decode(0, 3, climate(90, 4, 0), 0), 15);
    EXPECT_EQ(Decode(30, 0, climate(67, 5, 1), 1), -1);
}

// Group k of the census class table: row k mod 10, column k div 10.
std::string CensusSpec()
{
    std::string spec;
    for (int k = 0; k < 28; ++k) {
        if (k == 0)
            spec += "小売A/1101/1108/20#";
        else if (k == 1)
            spec += "卸売B/1/4/0#";  // an interval of 0
        else if (k == 2)
            spec += "C/0/4/30#";     // a first column below 1
        else if (k == 11)
            spec += "工業D/3001/3010/abc#";
        else if (k == 21)
            spec += "農業E/11/18/7#";
        else if (k == 22)
            spec += "incomplete 5#";
        else
            spec += "x/1/8/5#";
    }
    return spec;
}

TEST_F(Decoders, CensusItemsFromTheCallersTable)
{
    const struct {
        int theme, item, drawSwitch, width;
        std::array<const char*, 3> names;
    } rows[] = {
        {200, 0, 1, 50, {"", "", ""}},      {200, 1, 1, 500, {"", "", ""}},     {200, 2, 1, 100000, {"", "", ""}},
        {200, 4, 1, 250, {"", "", ""}},     {200, 6, 1, 20, {"小売A", "", ""}}, {200, 8, 1, 1, {"", "卸売B", "", }},
        {200, 9, 1, 30, {"", "", ""}},       {200, 16, 1, 5, {"", "", ""}},      {210, 2, 1, 500000, {"", "", ""}},
        {210, 5, 1, 10000, {"", "", ""}},   {210, 7, 1, 1, {"工業D", "", ""}}, {210, 8, 1, 5, {"", "x", ""}},
        {220, 3, 1, 1, {"", "", ""}},       {220, 7, 1, 5, {"", "", ""}},       {220, 8, 1, 50, {"", "", ""}},
        {220, 10, 1, 7, {"農業E", "", ""}}, {220, 11, 1, 1, {"", "", ""}},      {220, 0, 0, 1, {"", "", ""}},
        {230, 0, 1, 1, {"", "", ""}},
    };
    const std::string spec = CensusSpec();
    for (const auto& row : rows) {
        r.ParseCensusItems(row.theme, row.item, row.drawSwitch, spec);
        EXPECT_EQ(r.OptionList[50], row.width) << row.theme << " " << row.item;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(r.CensusItemNames[std::size_t(i)], row.names[std::size_t(i)]) << row.theme << " " << row.item;
    }
}

TEST_F(Decoders, CensusValues)
{
    const meshcode::CensusColumns columns = meshcode::CensusColumnsOf(meshcode::ParseCensusClassSpec(CensusSpec()));
    for (std::size_t k = 0; k < columns.size(); ++k) {
        r.OptionList[60 + k] = columns[k].offset;
        r.OptionList[90 + k] = columns[k].length;
    }
    Record record = ThirdLevel();
    record.Put(1100, "12345678") // group 0: columns 1101-1108 (counted from 1)
        .Number(43, 10, 0)       // commerce item 0: no value
        .Number(53, 10, 123456)
        .Number(63, 10, 12340);
    const std::string commerce = record.Size(1300);
    const struct {
        int theme, item;
        int result;
        const char* label;
        double total;
    } rows[] = {
        {200, 6, 12345678, "12345678", 12345678},
        {200, 0, -1, "", 0},
        {200, 1, 12340, "123.4", 12340},
        {200, 2, 123456, "12.3", 12.3456},
        {200, 7, -1, "", 0},
        {200, 10, 533, "533", 533}, // group 3: columns 1-8
        {200, 9, -1, "", 0},    // group 2 starts below column 1
        {210, 7, -1, "", 0},    // columns past the record
        {220, 11, -1, "", 0},   // an incomplete group
        {230, 0, -1, "", 0},
    };
    for (const auto& row : rows) {
        r.CensusTotal = 0;
        r.CurrentLine = commerce;
        EXPECT_EQ(r.DecodeCensusValue(row.theme, row.item, 0), row.result) << row.theme << " " << row.item;
        if (row.result != -1) {
            EXPECT_EQ(r.CurrentLine, row.label) << row.theme << " " << row.item;
        }
        EXPECT_DOUBLE_EQ(r.CensusTotal, row.total) << row.theme << " " << row.item;
    }
    // The class form leaves the record as it is.
    r.CurrentLine = commerce;
    EXPECT_EQ(r.DecodeCensusValue(200, 6, 1), 12345678);
    EXPECT_EQ(r.CurrentLine, commerce);
}

TEST_F(Decoders, AgricultureLargestShare)
{
    const auto shares = [](std::array<int, 6> values) {
        Record record = ThirdLevel();
        for (std::size_t j = 0; j < 6; ++j)
            record.Number(897 + 8 * j, 8, values[j]);
        return std::string(record.Number(993, 8, 5).Number(1009, 8, 6));
    };
    r.CurrentLine = shares({5, 9, 9, 0, 0, 0});
    EXPECT_EQ(r.DecodeCensusValue(220, 3, 1), 1);
    r.CurrentLine = shares({5, 9, 9, 0, 0, 0});
    EXPECT_EQ(r.DecodeCensusValue(220, 3, 0), 2);
    EXPECT_EQ(r.CurrentLine, "2");
    r.CensusTotal = 0;
    r.CurrentLine = shares({0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.DecodeCensusValue(220, 3, 1), 0); // index 0 is a class
    r.CurrentLine = shares({0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.DecodeCensusValue(220, 3, 0), 1);
    EXPECT_EQ(r.CurrentLine, "1");
    EXPECT_EQ(r.CensusTotal, 0);
    r.CurrentLine = shares({0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.DecodeCensusValue(220, 4, 0), 11); // the sum of two columns
    r.CurrentLine = std::string(ThirdLevel().Size(900));
    EXPECT_EQ(r.DecodeCensusValue(220, 3, 1), -1); // the shares lie past the record
}

TEST(CensusTotals, TextsAndUnits)
{
    const struct {
        int theme, item;
        double total;
        const char* text;
    } rows[] = {
        {200, 0, 5.9, "計=5"},     {200, 1, 12.9, "計=12m2"},  {200, 2, 3.5, "計=3億円"}, {200, 5, 1, "計=1億円"},
        {210, 1, 7, "計=7人"},     {210, 3, 2, "計=2億円"},    {210, 6, 2, "計=2"},       {220, 0, 9, "計=9人"},
        {220, 2, 4, "計=4ha"},     {220, 6, 4, "計=4ha"},      {220, 1, 7, "計=7"},       {220, 3, 7, ""},
        {200, 0, -2.5, "計=-2"},   {200, 0, NAN, "計=0"},      {200, 0, 1e30, "計=2147483647"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CLayerRenderer::CensusTotalText(row.theme, row.item, row.total), row.text) << row.theme << " " << row.item;
}

TEST_F(Decoders, ReliefGridOriginOfEachBlock)
{
    const int lon = 500400;
    const int lat = 127200;
    const struct {
        int cells, n, areaKind;
        meshcode::GridOrigin origin;
    } rows[] = {
        {1, 0, 0, {320, lon, lat}},
        {1, 0, 1, {80, lon, lat}},
        {4, 3, 0, {640, lon - 3600, lat}},
        {9, 5, 2, {240, lon - 7200, lat + 2400 - 4800}},
        {9, 5, 0, {480, lon - 7200, lat + 2400 - 4800}},
        {25, 7, 1, {400, lon - 7200, lat + 2400 - 9600}},
        {49, 0, 1, {lon, lon, lon}},
    };
    for (const auto& row : rows) {
        r.AreaKind = row.areaKind;
        r.CellOrigin(row.cells, row.n, lon, lat);
        EXPECT_EQ(r.ReliefGrid, row.origin) << row.cells << " " << row.n;
    }
    // Area kind 3, one cell: the second-level cell of the mesh code.
    r.AreaKind = 3;
    r.MeshCode = "533945";
    r.OptionList[57] = 1;
    r.WideAreaMode = 1;
    r.CellOrigin(1, 0, lon, lat);
    EXPECT_EQ(r.ReliefGrid, (meshcode::GridOrigin{200, 500400 + 5 * 450, 127200 + 4 * 300}));
    r.OptionList[57] = 2;
    r.CellOrigin(1, 0, lon, lat);
    EXPECT_EQ(r.ReliefGrid, (meshcode::GridOrigin{400, 500400 + 5 * 450, 127200 + 4 * 300 - 600}));
}

TEST_F(Decoders, DecodingKeepsTheBlocksReliefOrigin)
{
    r.AreaKind = 0;
    r.CellOrigin(9, 4, 500400, 127200);
    const meshcode::GridOrigin origin = r.ReliefGrid;
    r.CurrentLine = ThirdLevel();
    ASSERT_EQ(r.ThirdMeshCell(), 1);
    EXPECT_EQ(r.ReliefGrid, origin);
    EXPECT_NE(r.OptionList[53], origin.longitude);
}

} // namespace
