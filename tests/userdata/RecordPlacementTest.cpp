// Where a record falls on the sheet layouts and on the regional overview, with the place-name
// filter and the thinning of long lists.
#include "UserDataTestSupport.h"

#include "userdata/PointThinning.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

// The sheet from 35 degrees 20 minutes north and 139 degrees east.
constexpr int kWest = 139 * 3600;
constexpr int kSouth = 35 * 3600 + 20 * 60;

class RecordPlacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        doc->m_nPointDrawKind = 6;
        doc->m_nPointDisplayFlag = 0;
    }
    void Place(const std::string& record, int offsetX, int offsetY, int west = kWest, int south = kSouth,
               int index = 0)
    {
        value = doc->ProjectRecordToSheet(record, offsetX, offsetY, west, south, index);
    }
    std::unique_ptr<CVeldoranDoc> doc;
    int value = 0;
};

TEST_F(RecordPlacement, OneSheet)
{
    doc->position.m_nMapFrame = 1;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 2.0f;
    const struct {
        const char* record;
        int offsetY;
        int x, y;
    } cases[] = {
        {"角 35.2000 139.0000 項目", 20, 10, 660},   // the south-west corner
        {"中 35.3000 139.3000 項目", 20, 330, 500},
        {"端 35.2001 139.5959 項目", 20, 649, 659},  // single-precision products, truncated
        {"北 36.0100 139.3000 項目", 20, 330, 20},   // north of the sheet: kept on the top edge
        {"北 36.0100 139.3000 項目", 0, -1, 0},      // ... unless that edge is y 0
    };
    for (const auto& c : cases) {
        Place(c.record, 10, c.offsetY);
        EXPECT_EQ(doc->m_nPointX, c.x) << c.record << " " << c.offsetY;
        if (c.x != -1) {
            EXPECT_EQ(doc->m_nPointY, c.y) << c.record;
        }
        EXPECT_EQ(value, c.x == -1 ? -1 : 1) << c.record;
    }
    EXPECT_EQ(doc->m_strEntryTitle, "北");
    EXPECT_EQ(doc->m_strRecordLat, "36.0100");
    EXPECT_EQ(doc->m_strRecordLon, "139.3000");
    EXPECT_EQ(doc->m_strEntryState, "項目");
}

TEST_F(RecordPlacement, BlockOfSheetsIsMeasuredFrom7200SecondsBelowItsNorthEdge)
{
    doc->position.m_nMapFrame = 2;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 0.7f;
    // A 3 x 3 block whose north edge is 37 degrees: the reference south is 35 degrees.
    const int north = 37 * 3600;
    const int west = 138 * 3600;
    const struct {
        const char* record;
        int x, y;
    } cases[] = {
        {"南西 35.0000 138.0000 x", 5, 5 + 672}, // the block's south edge: 960 units down
        {"中 36.0000 139.3000 x", 5 + 336, 5 + 335},
        {"北 37.0000 139.3000 x", 5 + 336, 5}, // a hair above 0, held at the edge
    };
    for (const auto& c : cases) {
        Place(c.record, 5, 5, west, north - 7200);
        EXPECT_EQ(doc->m_nPointX, c.x) << c.record;
        EXPECT_EQ(doc->m_nPointY, c.y) << c.record;
    }
}

// A block drawn 1056 x 864 pixels, as in a monitor-size window on a 1280 x 1024 screen: names
// near its east and south edges stay there (not at the left and top edges), and a point beyond
// its far edges is hidden.
TEST_F(RecordPlacement, AWideBlockPlacesNamesNearItsFarEdgesWhereTheyAre)
{
    doc->position.m_nMapFrame = 2;
    doc->m_fPointScaleX = 1.1f;
    doc->m_fPointScaleY = 0.9f;
    doc->m_nMapPixelWidth = 1056;
    doc->m_nMapPixelHeight = 864;
    const int north = 37 * 3600;
    const int west = 138 * 3600;
    const struct {
        const char* record;
        int x, y;
    } cases[] = {
        {"東 36.0000 140.5900 x", 5 + 1050, 5 + 431},
        {"南 35.0100 139.3000 x", 5 + 528, 5 + 856},
        {"東の外 36.0000 141.1000 x", -1, 0},
        {"南の外 34.5000 139.3000 x", -1, 0},
    };
    for (const auto& c : cases) {
        Place(c.record, 5, 5, west, north - 7200);
        EXPECT_EQ(doc->m_nPointX, c.x) << c.record;
        if (c.x != -1) {
            EXPECT_EQ(doc->m_nPointY, c.y) << c.record;
        }
        EXPECT_EQ(value, c.x == -1 ? -1 : 1) << c.record;
    }
}

TEST_F(RecordPlacement, ExplicitBoundsUsePixelsPerSecondFromTheFramesHeight)
{
    doc->position.m_nMapFrame = 3;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 0.1f;
    doc->m_nMapPixelHeight = 500;
    Place("点 35.5320 139.1640 x", 10, 30, kWest, kSouth); // 1000 s east, 2000 s north
    EXPECT_EQ(doc->m_nPointX, 110);
    EXPECT_EQ(doc->m_nPointY, 330);
    // An unknown frame places nothing.
    doc->position.m_nMapFrame = 7;
    Place("点 35.5320 139.1640 x", 10, 30);
    EXPECT_EQ(doc->m_nPointX, -1);
}

TEST_F(RecordPlacement, ValuesByDrawKindAndPlacesOffTheMap)
{
    doc->position.m_nMapFrame = 1;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 2.0f;
    doc->m_nPointDrawKind = 2;
    Place("標高点 35.3000 139.3000 12.7", 10, 20);
    EXPECT_EQ(value, 12);
    EXPECT_EQ(doc->m_strEntryState, "");
    EXPECT_EQ(doc->m_strEntryValue, "12.7");
    EXPECT_EQ(doc->m_nPointX, 330);

    // Off the map at y 0 with no offset: hidden, the value negated.
    Place("標高点 36.0100 139.3000 250 余り", 10, 0);
    EXPECT_EQ(value, -250);
    EXPECT_EQ(doc->m_nPointX, -1);

    // A record without its coordinates is not placed and not read past its end.
    Place("名前だけ", 10, 20);
    EXPECT_EQ(doc->m_nPointX, -1);
    EXPECT_EQ(doc->m_strEntryTitle, "名前だけ");
    Place("名前 35.3000", 10, 20);
    EXPECT_EQ(doc->m_nPointX, -1);
}

TEST_F(RecordPlacement, APlaceNameWithoutElevationHasNoneNotZeroMetres)
{
    doc->position.m_nMapFrame = 1;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 2.0f;
    doc->m_nPointDrawKind = 1;
    doc->spec.m_anPlaceNameKind[0] = 1;
    const struct {
        const char* record;
        int value;
    } cases[] = {
        {"京都市 35.0100 135.4500", -999},     // no fourth field: none, printed as nothing
        {"京都市 35.0100 135.4500 -999", -999}, // the none value the sample data writes
        {"浜 35.0100 135.4500 0", 0},           // a real 0 m stays
        {"山 35.0100 135.4500 848", 848},
    };
    for (const auto& c : cases) {
        Place(c.record, 10, 20, 135 * 3600, 34 * 3600 + 40 * 60);
        EXPECT_EQ(value, c.value) << c.record;
        EXPECT_GT(doc->m_nPointX, 0) << c.record;
    }
}

TEST_F(RecordPlacement, PlaceNameFilterHidesBeforeAnythingIsParsed)
{
    doc->position.m_nMapFrame = 1;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 2.0f;
    doc->m_nPointDrawKind = 1;
    doc->spec.m_anPlaceNameKind = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0}; // lakes only
    doc->m_strRecordLat = "前";
    Place("山中湖 35.3000 139.3000 982", 10, 20);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(doc->m_nPointX, -1);
    EXPECT_EQ(doc->m_strRecordLat, "前");
    Place("芦ノ湖 35.3000 139.3000 723", 10, 20);
    EXPECT_EQ(value, 723);
    EXPECT_EQ(doc->m_nPointX, 330);
    // "All kinds" lets every name through.
    doc->spec.m_anPlaceNameKind[0] = 1;
    Place("山中湖 35.3000 139.3000 982", 10, 20);
    EXPECT_EQ(value, 982);
}

TEST_F(RecordPlacement, ThinningByIndex)
{
    doc->position.m_nMapFrame = 1;
    doc->m_fPointScaleX = doc->m_fPointScaleY = 2.0f;
    const struct {
        int level;
        std::vector<int> drawn; // of indexes 0 to 11
    } cases[] = {
        {0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {2, {0, 1, 3, 5, 7, 9, 11}},
        {3, {0, 3, 6, 9}},
        {5, {0, 2, 5, 8, 11}},
        {7, {0, 1, 5, 9}},
        {9, {0, 1, 6, 11}},
        {11, {0, 8}},
        {13, {0}},
        {14, {0}},
        {-1, {0}},
    };
    for (const auto& c : cases) {
        doc->m_nPointDisplayFlag = c.level;
        std::vector<int> drawn;
        for (int index = 0; index < 12; ++index) {
            Place("点 35.3000 139.3000 x", 10, 20, kWest, kSouth, index);
            if (doc->m_nPointX != -1)
                drawn.push_back(index);
            EXPECT_EQ(value, 1);
        }
        EXPECT_EQ(drawn, c.drawn) << "level " << c.level;
    }
    EXPECT_TRUE(IsDrawnAtLevel(12, 22));
    EXPECT_FALSE(IsDrawnAtLevel(12, 21));
    EXPECT_FALSE(IsDrawnAtLevel(2, -3)); // the remainder keeps the sign
}

TEST_F(RecordPlacement, RegionalOverview)
{
    doc->m_fRefLatitude = 470000;
    doc->m_fRefLongitude = 1350000;
    doc->m_fMapScale = 1000 / 3.1f;
    doc->position.m_nMapPjctn = 1;
    doc->m_nPointDisplayFlag = 0;
    value = doc->ProjectRecordToRegion("点 35.0000 139.3000 x", 40, 0, 1.25f);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(doc->m_nPointX, 151);
    EXPECT_EQ(doc->m_nPointY, 372);

    // Projection 0: the ratio of the latitude's whole degree in the document's table.
    doc->position.m_nMapPjctn = 0;
    doc->latitudeRatios.m_afLatitudeRatio[35] = 1.25f;
    doc->ProjectRecordToRegion("点 35.0000 139.3000 x", 40, 0, 9.0f);
    EXPECT_EQ(doc->m_nPointX, 151);

    // North of the reference latitude: y below 1, hidden.
    value = doc->ProjectRecordToRegion("点 47.3000 139.3000 x", 40, 0, 1.25f);
    EXPECT_EQ(doc->m_nPointX, -1);
    EXPECT_EQ(value, -1);

    // A zero scale places nothing instead of dividing by it.
    doc->m_fMapScale = 0;
    doc->ProjectRecordToRegion("点 35.0000 139.3000 x", 40, 0, 1.25f);
    EXPECT_EQ(doc->m_nPointX, -1);
}

} // namespace
