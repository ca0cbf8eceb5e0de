#include "SheetIndexFixture.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;

class SheetLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = MakeDocument();
        WriteHomeFile("BlcMap20.idx", SmallIndex());
        doc->repaint.m_fnUpdateAllViews = [this] { ++updates; };
    }
    std::vector<std::string> Block() const
    {
        return {doc->m_astrMapEntry.begin() + 11, doc->m_astrMapEntry.begin() + 20};
    }
    std::unique_ptr<CVeldoranDoc> doc;
    int updates = 0;
};

TEST_F(SheetLookup, ASheetByNameWithItsCornersEdgesAndNeighbours)
{
    doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[0], "東京        ") << "not 東京湾, which comes first";
    EXPECT_EQ(doc->m_astrMapEntry[2], "35.2000 ");
    EXPECT_EQ(doc->m_astrMapEntry[3], "139.0000 ");
    EXPECT_EQ(doc->m_astrMapEntry[4], "36.0000");
    EXPECT_EQ(doc->m_astrMapEntry[5], "140.0000");
    // North-west to south-east; the north-east sheet is marked, none lies to the south-west.
    EXPECT_EQ(Block(), (std::vector<std::string>{"長野", "宇都宮", "", "甲府", "東京", "千葉", "", "東京湾", "館山"}));
}

TEST_F(SheetLookup, NorthAndEastEdges)
{
    doc->FindSheetByName("八丈島", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[4], "36.2000");
    EXPECT_EQ(doc->m_astrMapEntry[5], "142.0000");
    doc->FindSheetByName("銚子", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[3], "140.3000") << "the line ends with the longitude";
    EXPECT_EQ(doc->m_astrMapEntry[4], "36.0000");
    EXPECT_EQ(doc->m_astrMapEntry[5], "141.3000");
}

TEST_F(SheetLookup, ANameWithABlankAndAnOverLongLine)
{
    doc->FindSheetByName("長野 西部", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[0], "長野 西部   ");
    EXPECT_EQ(doc->m_astrMapEntry[15], "長野") << "the short name ends at the blank";
    EXPECT_EQ(doc->m_astrMapEntry[18], "甲府");
    doc->FindSheetByName("館山", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[2], "34.4000 ");
    EXPECT_EQ(doc->m_astrMapEntry[12], "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[11], "東京");
}

TEST_F(SheetLookup, TheWesternEdgeHasNoWesternNeighbours)
{
    doc->FindSheetByName("輪島", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[15], "輪島");
    for (int entry : {11, 14, 17})
        EXPECT_EQ(doc->m_astrMapEntry[std::size_t(entry)], "") << entry;
}

TEST_F(SheetLookup, MarkedSheetsOnlyInTheWideSubmarineLayout)
{
    doc->FindSheetByName("水戸沖", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[0], "") << "a marked sheet is not found";
    doc->depth.m_nSubmarineLayer = 1;
    doc->position.m_nMapFrame = 2;
    for (int mode : {25, 49}) {
        doc->position.m_nMapMode = mode;
        doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
        EXPECT_EQ(doc->m_astrMapEntry[13], "水戸沖") << mode;
    }
    doc->position.m_nMapMode = 9;
    doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[13], "");
}

TEST_F(SheetLookup, NoMatchOrNoIndexKeepsTheCurrentSheet)
{
    doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    doc->FindSheetByName("大阪", doc->folders.m_strSheetIndexFile);
    EXPECT_EQ(doc->m_astrMapEntry[0], "東京        ");
    EXPECT_EQ(doc->m_astrMapEntry[4], "36.0000");
    EXPECT_EQ(doc->m_astrMapEntry[12], "宇都宮");
    doc->FindSheetByName("東京", doc->folders.m_strAppDir + "none.idx");
    EXPECT_EQ(doc->m_astrMapEntry[2], "35.2000 ");
    EXPECT_EQ(Block(), (std::vector<std::string>{"", "", "", "", "東京", "", "", "", ""}));
}

TEST_F(SheetLookup, NeighboursCarryAcrossDegrees)
{
    struct Case {
        const char* latitude;
        const char* longitude;
        int dLat, dLon;
        const char* name;
    } cases[] = {
        {"35.2000", "139.0000", 40, 0, "宇都宮"},   // 20 + 40 minutes: the next degree
        {"36.0000", "139.0000", -40, 0, "東京"},    // 0 - 40 minutes: the degree before
        {"35.2000", "139.0000", -40, 60, "館山"},
        {"36.0000", "140.0000", -40, 0, "千葉"},
        {"35.2000", "139.3000", 0, 60, "銚子"},     // 30 + 60 minutes of longitude
        {"35.2000", "141.3000", 0, -60, "銚子"},
        {"35.2000", "139.0000", 0, -120, "甲府"},   // whole degrees move one degree whatever the shift
        {"35.2000", "139.0000", 0, 0, "東京"},
        {"34.0000", "139.0000", 0, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(doc->FindNeighbourSheet(c.latitude, c.longitude, c.dLat, c.dLon, doc->folders.m_strSheetIndexFile),
                  c.name)
            << c.latitude << " " << c.longitude << " " << c.dLat << " " << c.dLon;
}

TEST_F(SheetLookup, ShowSheetByIndexShowsANeighbour)
{
    doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    doc->position.m_nDisplayStage = 3;
    doc->ShowSheetByIndex(13);
    EXPECT_EQ(updates, 0) << "an empty entry does nothing";
    doc->ShowSheetByIndex(12);
    EXPECT_EQ(doc->m_strMapName, "宇都宮");
    EXPECT_EQ(doc->m_astrMapEntry[0], "宇都宮      ");
    EXPECT_EQ(doc->m_astrMapEntry[18], "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->position.m_nDisplayStage, 0);
    EXPECT_EQ(updates, 1);
}

TEST_F(SheetLookup, ShowSheetAtAPosition)
{
    doc->ShowSheetAt("139.0000", "35.2000");
    EXPECT_EQ(doc->m_strMapName, "東京        ");
    EXPECT_EQ(doc->m_astrMapEntry[12], "宇都宮");
    EXPECT_EQ(doc->m_nMapDisplayMode, 500);
    EXPECT_EQ(updates, 1);
    // Parts of the texts match too (the first line holding both).
    doc->ShowSheetAt("140.3", "35.2");
    EXPECT_EQ(doc->m_strMapName, "銚子        ");
    doc->m_nMapDisplayMode = 5;
    doc->ShowSheetAt("150.0000", "35.2000");
    EXPECT_EQ(doc->m_strMapName, "");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(updates, 2);
}

} // namespace

TEST_F(SheetLookup, ShowingASheetByNameRedrawsTheMainMap)
{
    doc->repaint.m_bMapOnScreen = 1;
    doc->m_nMapDisplayMode = 10;
    doc->ShowSheetByName("千葉");
    EXPECT_EQ(doc->m_strMapName, "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[15], "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(updates, 1);
}
