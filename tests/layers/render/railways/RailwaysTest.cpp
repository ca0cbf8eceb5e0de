#include "contracts/pelmora.h"
#include "layers/render/LayerRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/render/CountryLineFixtures.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/RailwayFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace railway_test;
using namespace country_line_test;
using layers_test::LayerFolder;

class Railways : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Sheet 5339 names node 1; sheet 5340 has a station at node 1 without a name record.
        folder.WriteLines(kData, {NameRecord("5339", 1, "東京駅 "), NameRecord("5339", 2, "長い名前でブランクなし"),
                                  NodeRecord("5339", 1, 502000, 128000, 1), NodeRecord("5339", 2, 502500, 128500, 1),
                                  NodeRecord("5339", 3, 503000, 128000, 0), NodeRecord("5340", 1, 505000, 128000, 1),
                                  LinkRecord("5339", 7, 2), Points({{501000, 128000}, {501500, 128200}}),
                                  LinkRecord("5339", 8, 2), Points({{501000, 128600}, {501500, 128800}}),
                                  LinkRecord("5340", 9, 2), Points({{505000, 128000}, {505500, 128200}}),
                                  LedgerRecord("000001", 1), "D other data", SectionRecord("000001", 1),
                                  Entry("5339", 7), SectionRecord("000099", 1), Entry("5339", 8), "D end"});
        folder.WriteLines("BLCMAP20.IDX", {"; index", SheetLine(35, 20, 139), SheetLine(35, 20, 140),
                                           SheetLine(35, 0, 139), SheetLine(35, 20, 141)});
    }
    std::string DataPath() const { return folder.Windows() + kData; }
    void Draw(int itemCode, int detail = 3)
    {
        LayerDrawParams p = MeshParams(DataPath(), folder.Windows(), itemCode);
        p.DetailLevel = detail;
        CLayerRenderer r(dc, p);
        r.BuildStationFile();
        r.DrawRailways(0, 1);
    }
    static constexpr const char* kData = "RAILWAYS_N2.txt"; // 15 characters
    LayerFolder folder;
    vd::RecordingDc dc;
};

TEST_F(Railways, StationFileOfEverySheetInIndexOrderWithItsOwnNames)
{
    const auto script = vd::ui::Script::install();
    Draw(0);
    const std::string message = "駅名ファイルを作成します。 <%s>  しばらくお待ちください（所要時間 ８～15分）！";
    EXPECT_EQ(script->progressTexts(),
              (std::vector<std::string>{vd::format(message, "5339"), vd::format(message, "5340"),
                                        vd::format(message, "5239"), vd::format(message, "5341"), ""}));
    // 4630 is not listed, so every sheet is processed: 5339, 5340, 5239, 5341.
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "RL_駅.dat"),
              Crlf({"502000 0128000  東京駅", "502500 0128500  ", "505000 0128000  "}));
    const auto texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "駅名ファイルを作成します。 <5339>  しばらくお待ちください（所要時間 ８～15分）！");
    EXPECT_EQ(texts.front().at, (vd::Point{20, 682}));
    EXPECT_EQ(texts.front().colour, vd::RGB(255, 0, 0));
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));

    dc.Clear();
    Draw(0);
    EXPECT_TRUE(dc.Texts().empty()); // made once
}

TEST_F(Railways, SheetListEndsAt4630)
{
    folder.WriteLines("BLCMAP20.IDX", {SheetLine(30, 40, 130), SheetLine(35, 20, 139)});
    Draw(0);
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "RL_駅.dat"), "");
}

TEST_F(Railways, ClassPensAndStationsWithNames)
{
    CLayerRenderer pens(dc, {});
    for (int pass = 0; pass < 2; ++pass) { // the second draw reads the caches
        dc.Clear();
        Draw(1);
        EXPECT_EQ(dc.Segments(pens.LinePen(11)), (std::vector<vd::Segment>{{At(501000, 128000), At(501500, 128200)}}))
            << pass;
        // A railway the ledger lacks is class 2 every time.
        EXPECT_EQ(dc.Segments(pens.LinePen(19)), (std::vector<vd::Segment>{{At(501000, 128600), At(501500, 128800)}}))
            << pass;
        std::vector<vd::Rect> squares;
        for (const auto& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::Rectangle)
                squares.push_back(call.op.rect);
        const vd::Point station = At(502000, 128000);
        ASSERT_EQ(squares.size(), 2u) << pass; // 5340's station lies outside
        EXPECT_EQ(squares[0], (vd::Rect{station.x - 2, station.y - 2, station.x + 2, station.y + 2}));
        const auto texts = dc.Texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().text, "");
        EXPECT_EQ(texts[texts.size() - 2].text, "東京駅");
        EXPECT_EQ(texts[texts.size() - 2].at, (vd::Point{station.x + 4, station.y - 6}));
        EXPECT_EQ(texts.back().bkMode, vd::TRANSPARENT);
    }
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "RL_台帳.dat"), Crlf({LedgerRecord("000001", 1)}));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "RL_属性.dat"),
              Crlf({SectionRecord("000001", 1), Entry("5339", 7), SectionRecord("000099", 1), Entry("5339", 8)}));
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
}

TEST_F(Railways, ItemCodesChooseOnePenAndStationsWithoutNames)
{
    struct Case {
        int item;
        int detail;
        std::size_t squares;
        bool names;
        bool onePen;
    };
    for (const Case c : {Case{10101, 3, 2, false, true}, Case{1, 2, 2, false, false}, Case{0, 3, 0, false, false},
                         Case{100, 3, 0, false, true}}) {
        dc.Clear();
        Draw(c.item, c.detail);
        std::size_t squares = 0;
        for (const auto& call : dc.Calls())
            squares += call.op.kind == vd::DrawOp::Rectangle;
        EXPECT_EQ(squares, c.squares) << c.item;
        std::size_t names = 0;
        for (const auto& t : dc.Texts())
            names += t.text == "東京駅";
        EXPECT_EQ(names > 0, c.names) << c.item;
        CLayerRenderer pens(dc, {});
        EXPECT_EQ(dc.Segments(pens.LinePen(8)).size(), c.onePen ? 2u : 0u) << c.item;
    }
}

TEST_F(Railways, AFolderThatCannotTakeTheCachesStillDraws)
{
    // Folders in the caches' places: nothing can be written, the data file is read every time.
    for (const char* name : {"RL_台帳.dat", "RL_属性.dat", "RL_駅.dat"})
        std::filesystem::create_directory(folder.LinuxPath() / name);
    CLayerRenderer pens(dc, {});
    for (int pass = 0; pass < 2; ++pass) {
        dc.Clear();
        Draw(0);
        EXPECT_EQ(dc.Segments(pens.LinePen(11)).size(), 1u);
        EXPECT_EQ(dc.Segments(pens.LinePen(19)).size(), 1u);
        EXPECT_TRUE(dc.Texts().empty()) << "no build message";
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.LinuxPath() / "RL_台帳.dat"));
}

TEST_F(Railways, AStoppedBuildsTemporaryIsNoCacheAndGoesWithTheNextBuild)
{
    folder.WriteBytes(".RL_駅.dat.a1b2c3.tmp", "502000 0128000  half");
    Draw(1);
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / ".RL_駅.dat.a1b2c3.tmp"));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "RL_駅.dat"),
              Crlf({"502000 0128000  東京駅", "502500 0128500  ", "505000 0128000  "}));
    for (const auto& entry : std::filesystem::directory_iterator(folder.LinuxPath()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST_F(Railways, AnUnreadableDataFileMakesNoCache)
{
    std::filesystem::remove(folder.LinuxPath() / kData);
    Draw(1);
    EXPECT_TRUE(dc.Segments().empty());
    for (const char* name : {"RL_台帳.dat", "RL_属性.dat", "RL_駅.dat"})
        EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / name)) << name;
}

// ---- Whole-country rivers

class CountryRivers : public ::testing::Test {
protected:
    std::string DataPath() const { return folder.Windows() + "W15-52L.txt"; }
    void Draw(int itemCode)
    {
        CLayerRenderer r(dc, MeshParams(DataPath(), folder.Windows(), itemCode));
        r.DrawCountryRivers(0, 1);
    }
    LayerFolder folder{"W15"};
    vd::RecordingDc dc;
};

TEST_F(CountryRivers, RiverFileJoinsEveryLinkWithItsGroupAndKeepsTheLastGroup)
{
    std::vector<std::string> lines{"H header",
                                   RiverLink("5339", "000001", 6),
                                   Points({{501000, 128000}, {501090, 128000}, {501181, 128000}}),
                                   Points({{501200, 128000}, {501250, 128000}, {501300, 128000}}),
                                   RiverLink("5339", "000002", 1),
                                   Points({{502000, 128000}}),
                                   "S section"};
    for (int i = 0; i < 6; ++i)
        lines.push_back(RiverAttribute("5339000001", i == 2 ? 0 : 3, i + 1));
    lines.push_back(RiverAttribute("5339000002", 4, 0));
    folder.WriteLines("W15-52L.txt", lines);
    const auto script = vd::ui::Script::install();
    CLayerRenderer r(dc, MeshParams(DataPath(), folder.Windows(), 0));
    EXPECT_EQ(r.BuildLedgerFiles(DataPath()), "");
    const std::string field = "ABCDEFGHIJKL";
    std::string groupLine;
    for (int i = 0; i < 5; ++i)
        groupLine += field + vd::format("%d%4d", i == 2 ? 0 : 3, i + 1) + " ";
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "Riverddd.dat"),
              Crlf({Pad(RiverLink("5339", "000001", 6), 51) + "  6", groupLine, field + "3   6 ",
                    Points({{501000, 128000}, {501090, 128000}, {501181, 128000}}),
                    Points({{501200, 128000}, {501250, 128000}, {501300, 128000}}),
                    Pad(RiverLink("5339", "000002", 1), 51) + "  1", field + "4   0 ", Points({{502000, 128000}})}));
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / "台帳wwww.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / "台帳Link.dat"));
    const auto texts = dc.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "台帳データファイルを作成(1)");
    EXPECT_EQ(texts[0].at, (vd::Point{20, 683}));
    EXPECT_EQ(texts[1].text, "しばらくお待ちください（数～30分）！");
    EXPECT_EQ(texts[1].at, (vd::Point{20, 702}));
    EXPECT_EQ(texts.back().text, "  i=2");
    EXPECT_EQ(texts.back().at, (vd::Point{300, 702}));
    EXPECT_EQ(script->progressTexts(),
              (std::vector<std::string>{"台帳データファイルを作成(1)", "しばらくお待ちください（数～30分）！",
                                        "台帳データファイルを作成(2)", "台帳データファイルを作成(3)", ""}));

    // Another data set builds nothing here.
    EXPECT_EQ(r.BuildLedgerFiles(folder.Windows() + "C26-59L.txt"), "");
}

TEST_F(CountryRivers, AFolderThatCannotTakeTheRiverFileBuildsNothingAndSaysNothing)
{
    folder.WriteLines("W15-52L.txt", {RiverLink("5339", "000001", 1), Points({{501005, 128000}}), "S",
                                      RiverAttribute("5339000001", 1, 0)});
    std::filesystem::create_directory(folder.LinuxPath() / "Riverddd.dat");
    Draw(1);
    EXPECT_TRUE(dc.Texts().empty());
    EXPECT_TRUE(dc.Segments().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / "台帳wwww.dat"));
}

TEST_F(CountryRivers, JoinsPointsUpTo90SecondsFiltersClassesAndLabels)
{
    // Shift 5 s on area kind 0: the file's longitudes are 5 s east of the drawing.
    folder.WriteLines(
        "W15-52L.txt",
        {RiverLink("5339", "000001", 5),
         Points({{501005, 128000}, {501095, 128000}, {501186, 128000}, {501200, 128000}, {509000, 130000}}),
         RiverLink("5339", "000002", 2), Points({{502005, 128000}, {502055, 128000}}), "S",
         RiverAttribute("5339000001", 3, 12), RiverAttribute("5339000001", 0, 0), RiverAttribute("5339000001", 1, 0),
         RiverAttribute("5339000001", 7, 5), RiverAttribute("5339000001", 7, 0), RiverAttribute("5339000002", 3, 0),
         RiverAttribute("5339000002", 3, 0)});
    CLayerRenderer pens(dc, {});
    Draw(120); // labels, filter 2, colour 0
    // 90 s joined; the 91 s gap and the class-1 point are moves; the north-east point lifts the
    // pen but the next link is still drawn.
    EXPECT_EQ(dc.Segments(pens.LinePen(0)), (std::vector<vd::Segment>{{At(501000, 128000), At(501090, 128000)},
                                                                      {At(501181, 128000), At(501195, 128000)},
                                                                      {At(502000, 128000), At(502050, 128000)}}));
    std::vector<std::string> labels;
    for (const auto& t : dc.Texts())
        if (t.bkMode == vd::TRANSPARENT)
            labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"12", "5"})); // the class-1 point's is filtered out

    dc.Clear();
    Draw(40);                                           // filter 4: pens by class
    EXPECT_EQ(dc.Segments(pens.LinePen(2)).size(), 3u); // classes 3 and 7; the class-1 point only moved
    EXPECT_EQ(dc.Segments(pens.LinePen(1)).size(), 0u);
}
} // namespace

namespace {

// A picture of the railway and river layers through the entry point, as the map draws them.
TEST(RailwayRiverPicture, RailwayInItsClassColourStationWithNameAndRiver)
{
    LayerFolder rail("rail");
    rail.WriteLines("N02.txt", {NameRecord("5339", 1, "東京駅 "), NodeRecord("5339", 1, 502000, 128000, 1),
                                LinkRecord("5339", 7, 2), Points({{501000, 128000}, {501500, 128000}}),
                                LedgerRecord("000001", 1), SectionRecord("000001", 1), Entry("5339", 7)});
    rail.WriteLines("BLCMAP20.IDX", {SheetLine(35, 20, 139)});
    LayerFolder river("river");
    river.WriteLines("W15-52L.txt", {RiverLink("5339", "000001", 2), Points({{501005, 128500}, {501055, 128500}}), "S",
                                     RiverAttribute("5339000001", 1, 0), RiverAttribute("5339000001", 1, 0)});
    vd::RecordingDc dc({400, 300, true});
    dc.FillSolidRect(0, 0, 400, 300, vd::RGB(255, 255, 255));
    const auto draw = [&](int item, int subTheme, const std::string& data, const std::string& folder) {
        OnDdPlainWholeCountry(&dc, item, kNorth, kWest, 127200, 504000, 0, 0, 1, -1, 3, 4, subTheme, 700, 0.0f, 0.0f,
                              0.1f, 0.1f, "/鉄道/", "5339", "", "", data, folder);
    };
    draw(1, 2, rail.Windows() + "N02.txt", rail.Windows());
    draw(1, 0, river.Windows() + "W15-52L.txt", river.Windows());
    const vd::Point line = At(501250, 128000);
    EXPECT_EQ(dc.GetPixel(line.x, line.y), vd::RGB(128, 0, 255)) << "class 1: violet";
    const vd::Point station = At(502000, 128000);
    EXPECT_EQ(dc.GetPixel(station.x - 2, station.y), vd::RGB(0, 0, 0));
    bool named = false;
    for (const auto& t : dc.Texts())
        named = named || t.text == "東京駅";
    EXPECT_TRUE(named);
    const vd::Point water = At(501025, 128500);
    EXPECT_EQ(dc.GetPixel(water.x, water.y), vd::RGB(0, 0, 255)) << "colour 1: blue";
}

} // namespace

namespace {

// A cache build writes its wait messages into the picture (the progress window shows them while
// it runs); once built, the status line below the map holds none of them, whose red text would
// stand over the view's own status line.
TEST(CacheBuildPrompts, AFinishedBuildLeavesNoMessageOverTheStatusLine)
{
    LayerFolder rail("rail");
    rail.WriteLines("N02.txt", {NameRecord("5339", 1, "東京駅 "), NodeRecord("5339", 1, 502000, 128000, 1),
                                LinkRecord("5339", 7, 2), Points({{501000, 128000}, {501500, 128000}})});
    rail.WriteLines("BLCMAP20.IDX", {SheetLine(35, 20, 139)});
    LayerFolder river("river");
    river.WriteLines("W15-52L.txt", {RiverLink("5339", "000001", 2), Points({{501005, 128500}, {501055, 128500}}), "S",
                                     RiverAttribute("5339000001", 1, 0)});
    struct Case {
        const char* layer;
        int subTheme;
        std::string data, folder, message;
    };
    const Case cases[] = {
        {"railway stations", 2, rail.Windows() + "N02.txt", rail.Windows(), "駅名ファイルを作成します。 <5339>"},
        {"whole-country rivers", 0, river.Windows() + "W15-52L.txt", river.Windows(), "しばらくお待ちください（数～30分）！"},
    };
    for (const Case& c : cases) {
        const vd::COLORREF grey = vd::RGB(240, 240, 240);
        vd::RecordingDc dc({1000, 720, true});
        dc.FillSolidRect(0, 0, 1000, 720, grey);
        OnDdPlainWholeCountry(&dc, 1, kNorth, kWest, 127200, 504000, 0, 0, 1, -1, 3, 4, c.subTheme, 700, 0.0f, 0.0f,
                              0.1f, 0.1f, "/鉄道/", "5339", "", "", c.data, c.folder);
        bool written = false;
        for (const auto& t : dc.Texts())
            written = written || t.text.find(c.message) != std::string::npos;
        EXPECT_TRUE(written) << c.layer << ": the build's message";
        int marked = 0; // the map lies far above: the band is the window's own grey again
        for (int y = 660; y < 720; ++y)
            for (int x = 0; x < 1000; ++x)
                marked += dc.GetPixel(x, y) != grey;
        EXPECT_EQ(marked, 0) << c.layer;
    }
}

// The messages of a build over a map: once built, the map under them is there again, pixel for
// pixel (not boxes of the background colour).
TEST(CacheBuildPrompts, AFinishedBuildGivesBackTheMapUnderItsMessages)
{
    LayerFolder river("river");
    river.WriteLines("W15-52L.txt", {RiverLink("5339", "000001", 2), Points({{501005, 128500}, {501055, 128500}}), "S",
                                     RiverAttribute("5339000001", 1, 0)});
    vd::RecordingDc dc({1000, 720, true}); // drawn into a picture, its texts recorded
    for (int x = 0; x < 1000; x += 7)
        dc.FillSolidRect(x, 600, 7, 120, x % 2 ? vd::RGB(200, 230, 180) : vd::RGB(90, 140, 220));
    std::vector<vd::COLORREF> before;
    for (int y = 600; y < 720; ++y)
        for (int x = 0; x < 1000; ++x)
            before.push_back(dc.GetPixel(x, y));
    OnDdPlainWholeCountry(&dc, 1, kNorth, kWest, 127200, 504000, 0, 0, 1, -1, 3, 4, 0, 700, 0.0f, 0.0f, 0.1f, 0.1f,
                          "/鉄道/", "5339", "", "", river.Windows() + "W15-52L.txt", river.Windows());
    int messages = 0;
    for (const auto& t : dc.Texts())
        messages += t.at.y >= 600;
    EXPECT_GT(messages, 0) << "the build wrote its messages over the map";
    std::size_t changed = 0;
    std::size_t i = 0;
    for (int y = 600; y < 720; ++y)
        for (int x = 0; x < 1000; ++x)
            changed += dc.GetPixel(x, y) != before[i++];
    EXPECT_EQ(changed, 0u);
}

} // namespace
