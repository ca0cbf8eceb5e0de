#include "contracts/pelmora.h"
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LedgerDataSets.h"
#include "layers/render/lines/LedgerLabels.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/CountryLineFixtures.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/LedgerFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace ledger_test;
using namespace country_line_test;
using layers_test::LayerFolder;

const std::string kWait = "しばらくお待ちください（数～30分）！";

std::string CrlfRaw(const std::vector<std::string>& rawLines)
{
    std::string bytes;
    for (const std::string& line : rawLines)
        bytes += line + "\r\n";
    return bytes;
}

std::vector<vd::Rect> Squares(const vd::RecordingDc& dc)
{
    std::vector<vd::Rect> squares;
    for (const auto& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Rectangle)
            squares.push_back(call.op.rect);
    return squares;
}

vd::Rect SquareAt(vd::Point p) { return {p.x - 2, p.y - 2, p.x + 2, p.y + 2}; }

// The labels: texts drawn on a transparent background.
std::vector<vd::RecordedText> Labels(const vd::RecordingDc& dc)
{
    std::vector<vd::RecordedText> labels;
    for (const auto& t : dc.Texts())
        if (t.bkMode == vd::TRANSPARENT)
            labels.push_back(t);
    return labels;
}

// ---- Selectors and ledger names

TEST(LedgerDataSets, SelectorByCodeInThePathTheLastMatchingRowWinning)
{
    struct Case {
        const char* path;
        int selector;
    };
    for (const Case c : {Case{"d:\\ksj\\c26-59l.txt", 0}, Case{"D:\\KSJ\\C34-60L.TXT", 1}, Case{"d:\\c43-60l.txt", 2},
                         Case{"d:\\c14-59l.txt", 3}, Case{"d:\\c18-59l.txt", 13}, Case{"d:\\c22-59l.txt", 14},
                         Case{"d:\\c26-59l\\c22-59l.txt", 14}, Case{"d:\\c22-59l\\c26-59l.txt", 14},
                         Case{"d:\\c32-59l.txt", 19}, Case{"d:\\w15-52l.txt", -1}, Case{"d:\\c30-59l.txt", -1},
                         Case{"d:\\n02.txt", -1}})
        EXPECT_EQ(ledger::LedgerSelector(c.path), c.selector) << c.path;
    EXPECT_EQ(ledger::LedgerName("d:\\ksj\\c26-59l.txt"), "台帳c26.dat");
    EXPECT_EQ(ledger::LedgerName("D:\\KSJ\\C26-59L.TXT"), "台帳C26.dat");
    EXPECT_EQ(ledger::SplitLedgerAnswer("d:\\ksj\\台帳C26.dat/14").selector, 14);
    EXPECT_EQ(ledger::SplitLedgerAnswer("").path, "");
}

// ---- The ledger build

class LedgerBuild : public ::testing::Test {
protected:
    std::string Build(const std::string& name)
    {
        CLayerRenderer r(dc, MeshParams(folder.Windows() + name, folder.Windows(), 0));
        return r.BuildLedgerFiles(folder.Windows() + name);
    }
    std::vector<std::string> TextsAt(vd::Point at) const
    {
        std::vector<std::string> texts;
        for (const auto& t : dc.Texts())
            if (t.at == at)
                texts.push_back(t.text);
        return texts;
    }
    LayerFolder folder;
    vd::RecordingDc dc;
};

TEST_F(LedgerBuild, EachDataRecordTakesTheFirstUnusedSectionAndNodeOfItsKeys)
{
    const std::string k1 = "0000000001";
    const std::string k2 = "0000000002";
    folder.WriteLines("C26-59L.txt",
                      {"H header", Node("5339", 1, 501000, 128000), Node("5339", 2, 502000, 128100),
                       Node("5339", 1, 503000, 128200), Link("5339", 1, 1), Points({{501000, 128000}}),
                       Section(Key("5339", 1), k1), "533900000001", Section(Key("5339", 2), k2), "533900000002",
                       Section(Key("5339", 1), k1), "533900000001", Section(Key("5339", 9), "0000000004"),
                       "533900000009", Data(k1, {{41, "A1"}}), Data("0000000003"), Data(k2, {{41, "B2"}}),
                       Data(k1, {{41, "C3"}}), Data(k1, {{41, "D4"}}), Data("0000000004")});
    EXPECT_EQ(Build("C26-59L.txt"), folder.Windows() + "台帳C26.dat/0");
    // A record without a section, or whose section has no node, is left out.
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳C26.dat"),
              CrlfRaw({LedgerRaw(501000, 128000, k1, {{41, "A1"}}), LedgerRaw(502000, 128100, k2, {{41, "B2"}}),
                       LedgerRaw(503000, 128200, k1, {{41, "C3"}})}));
    EXPECT_FALSE(std::filesystem::exists(folder.LinuxPath() / "台帳.dat"));
    EXPECT_EQ(TextsAt({20, 683}), (std::vector<std::string>{"台帳データファイルを作成(台帳C26.dat)"}));
    EXPECT_EQ(TextsAt({20, 702}), (std::vector<std::string>{kWait, kWait, kWait + "   Table=4 (Node=3)",
                                                            "作業用の中間ファイルを削除します！"}));
    // The key of the first joined record, then (every few hundred records and) the last one's.
    EXPECT_EQ(TextsAt({330, 683}), (std::vector<std::string>{k1, k1}));

    // Built once: the ledger is answered at once, without a word.
    dc.Clear();
    EXPECT_EQ(Build("C26-59L.txt"), folder.Windows() + "台帳C26.dat/0");
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(LedgerBuild, NoLedgerWithoutDataFileOrWritableFolderAndNoneForOtherDataSets)
{
    EXPECT_EQ(Build("C26-59L.txt"), "");
    folder.WriteLines("C14-59L.txt", {Node("5339", 1, 501000, 128000), Section(Key("5339", 1), "0000000001"), "x",
                                      Data("0000000001")});
    std::filesystem::create_directory(folder.LinuxPath() / "台帳C14.dat");
    EXPECT_EQ(Build("C14-59L.txt"), "");
    folder.WriteLines("N03.txt", {Data("0000000001")});
    EXPECT_EQ(Build("N03.txt"), "");
    EXPECT_TRUE(dc.Texts().empty());
}

// C32-59L: nodes 2 and 4 of mesh 5339 (part a), node 2 of 5235 (b) and of 5230 (c); a link and
// a section per part; data records by their longitude code; mesh 5260 belongs to no part.
std::vector<std::string> PartedDataSet()
{
    const auto data = [](const std::string& key, const std::string& code) { return Data(key, {{34, code}}); };
    return {"H header",
            Node("5339", 2, 501000, 128000),
            Node("5339", 4, 501500, 128500),
            Node("5235", 2, 486000, 125000),
            Node("5230", 2, 468500, 125000),
            Node("5260", 2, 576000, 125000),
            Link("5339", 1, 2),
            Points({{501000, 128000}, {502000, 128500}}),
            Link("5235", 1, 2),
            Points({{486000, 125000}, {487000, 125500}}),
            Link("5230", 1, 2),
            Points({{468500, 125000}, {469000, 125500}}),
            Link("5260", 1, 1),
            Points({{576000, 125000}}),
            Section(Key("5339", 2), "0000000001"),
            "533900000002",
            Section(Key("5339", 1), "0000000002"),
            "533900000001",
            Section(Key("5235", 1), "0000000003"),
            "523500000001",
            Section(Key("5230", 1), "0000000004"),
            "523000000001",
            data("0000000001", "39"),
            data("0000000002", "39"),
            data("0000000003", "35"),
            data("0000000004", "30"),
            data("0000000005", "60")};
}

TEST_F(LedgerBuild, PartedDataSetIsCutByLongitudeCodeAndEachPartGetsItsLedger)
{
    folder.WriteLines("c32-59l.txt", PartedDataSet());
    EXPECT_EQ(Build("c32-59l.txt"), folder.Windows() + "台帳c32c.dat/19");
    const std::vector<std::string> lines = PartedDataSet();
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "c32-59la.txt"),
              Crlf({lines[1], lines[2], lines[6], lines[7], lines[14], lines[15], lines[16], lines[17], lines[22],
                    lines[23]}));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "c32-59lb.txt"), Crlf({lines[3], lines[8], lines[9], lines[18], lines[19], lines[24]}));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "c32-59lc.txt"),
              Crlf({lines[4], lines[10], lines[11], lines[20], lines[21], lines[25]}));
    // Link 2 takes node 4 and uses node 2 with it, so link 1 finds no node.
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳c32a.dat"),
              CrlfRaw({LedgerRaw(501500, 128500, "0000000001", {{34, "39"}})}));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳c32b.dat"),
              CrlfRaw({LedgerRaw(486000, 125000, "0000000003", {{34, "35"}})}));
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳c32c.dat"),
              CrlfRaw({LedgerRaw(468500, 125000, "0000000004", {{34, "30"}})}));
    EXPECT_EQ(TextsAt({20, 683}),
              (std::vector<std::string>{"台帳データファイルを作成(台帳c32a.dat)", "台帳データファイルを作成(台帳c32a.dat)",
                                        "台帳データファイルを作成(台帳c32b.dat)", "台帳データファイルを作成(台帳c32c.dat)"}));

    dc.Clear();
    EXPECT_EQ(Build("c32-59l.txt"), folder.Windows() + "台帳c32a.dat/19");
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(LedgerBuild, AnInterruptedPartedBuildIsBuiltAgainOnTheNextDraw)
{
    folder.WriteLines("c32-59l.txt", PartedDataSet());
    ASSERT_FALSE(Build("c32-59l.txt").empty());
    // What a build stopped while writing part b's ledger leaves: its temporary, no ledger.
    std::filesystem::remove(folder.LinuxPath() / "台帳c32b.dat");
    std::filesystem::remove(folder.LinuxPath() / "台帳c32c.dat");
    folder.WriteBytes(".台帳c32b.dat.x1y2z3.tmp", "half a line");
    folder.WriteBytes("c32-59la.txt", "stale");
    dc.Clear();
    CLayerRenderer r(dc, MeshParams(folder.Windows() + "c32-59l.txt", folder.Windows(), 1));
    r.DrawLedgerLines(0, 1);
    EXPECT_EQ(TextsAt({20, 683}).size(), 4u) << "built again";
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳c32b.dat"),
              CrlfRaw({LedgerRaw(486000, 125000, "0000000003", {{34, "35"}})}));
    EXPECT_TRUE(std::filesystem::exists(folder.LinuxPath() / "台帳c32c.dat"));
    EXPECT_NE(ReadBytes(folder.LinuxPath() / "c32-59la.txt"), "stale");
    for (const auto& entry : std::filesystem::directory_iterator(folder.LinuxPath()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    // Part a's line is drawn from the rebuilt part file.
    CLayerRenderer pens(dc, {});
    EXPECT_EQ(dc.Segments(pens.LinePen(1)), (std::vector<vd::Segment>{{At(501000, 128000), At(502000, 128500)}}));
}

TEST_F(LedgerBuild, DamagedCountsAndShortRecordsReadAsFarAsTheFileGoes)
{
    // Counts beyond int in a link and a section, a short node, a data record of its key only.
    folder.WriteLines("c32-59l.txt", {Node("5339", 2, 501000, 128000).substr(0, 20), Link("5339", 1, 2),
                                      Points({{501000, 128000}, {501010, 128010}}),
                                      Pad("L  " + Key("5339", 3), 46) + "-99999999999", "1 2",
                                      Pad("S  " + Key("5339", 1), 37) + "0000000001" + "99999999999", "x", "D  00"});
    EXPECT_EQ(Build("c32-59l.txt"), folder.Windows() + "台帳c32c.dat/19");
    EXPECT_EQ(ReadBytes(folder.LinuxPath() / "台帳c32a.dat"), "");
    dc.Clear();
    CLayerRenderer r(dc, MeshParams(folder.Windows() + "c32-59l.txt", folder.Windows(), 1));
    r.DrawLedgerLines(0, 1);
    CLayerRenderer pens(dc, {});
    EXPECT_EQ(dc.Segments(pens.LinePen(1)), (std::vector<vd::Segment>{{At(501000, 128000), At(501010, 128010)}}));
}

// ---- Lines

class LedgerLines : public ::testing::Test {
protected:
    void Draw(const std::string& name, int itemCode = 1, int detail = 3)
    {
        LayerDrawParams p = MeshParams(folder.Windows() + name, folder.Windows(), itemCode);
        p.DetailLevel = detail;
        CLayerRenderer r(dc, p);
        r.DrawLedgerLines(0, 1);
    }
    std::vector<vd::Segment> Lines(int colour = 1) const
    {
        CLayerRenderer pens(const_cast<vd::RecordingDc&>(dc), {});
        return dc.Segments(pens.LinePen(colour));
    }
    LayerFolder folder;
    vd::RecordingDc dc;
};

TEST_F(LedgerLines, KeyedDataSetsContinueTheLinkBeforeWithinTheirGapEvenInALowerCasePath)
{
    // Links 1 and 4 are section keys of the centre mesh and start lines; links 2 and 3 continue.
    const std::vector<std::string> lines{
        Link("5339", 1, 2), Points({{501000, 128000}, {501100, 128000}}),
        Link("5339", 2, 2), Points({{501200, 128000}, {501300, 128000}}),
        Link("5339", 3, 2), Points({{501460, 128000}, {501500, 128000}}),
        Link("5339", 4, 2), Points({{501600, 128000}, {501650, 128000}}),
        Link("5340", 5, 1), Points({{501700, 128000}}),
        Section(Key("5339", 1), "0000000001"), "x",
        Section(Key("5339", 4), "0000000002"), "x",
        Data("0000000001")};
    const std::vector<vd::Segment> common{{At(501000, 128000), At(501100, 128000)},
                                          {At(501100, 128000), At(501200, 128000)},
                                          {At(501200, 128000), At(501300, 128000)}};
    // 160 seconds: beyond C22-59L's 150, within C12-59L's 700.
    std::vector<vd::Segment> c22 = common;
    c22.push_back({At(501460, 128000), At(501500, 128000)});
    c22.push_back({At(501600, 128000), At(501650, 128000)});
    std::vector<vd::Segment> c12 = common;
    c12.push_back({At(501300, 128000), At(501460, 128000)});
    c12.push_back({At(501460, 128000), At(501500, 128000)});
    c12.push_back({At(501600, 128000), At(501650, 128000)});
    for (const auto& [name, expected] : {std::pair{"c22-59l.txt", c22}, std::pair{"c12-59l.txt", c12}}) {
        folder.WriteLines(name, lines);
        dc.Clear();
        Draw(name);
        EXPECT_EQ(Lines(), expected) << name;
    }
}

TEST_F(LedgerLines, AxisStepsOver40SecondsSplitTheirDataSetsAndOthersJoinEveryPoint)
{
    const std::vector<std::string> lines{
        Link("5339", 1, 5),
        Points({{501000, 128000}, {501041, 128000}, {501041, 128030}, {501071, 128060}, {510000, 128000}}),
        Link("5339", 2, 3), Points({{501100, 128060}, {501100, 128100}, {501100, 128141}}),
        Section(Key("5339", 1), "0000000001"), "x"};
    const vd::Segment p2p3{At(501041, 128000), At(501041, 128030)};
    const vd::Segment p3p4{At(501041, 128030), At(501071, 128060)};
    const vd::Segment q1q2{At(501100, 128060), At(501100, 128100)};
    struct Case {
        const char* name;
        std::vector<vd::Segment> expected;
    };
    for (const Case& c :
         {Case{"c34-60l.txt", {p2p3, p3p4, q1q2}}, Case{"c38-60l.txt", {p2p3, p3p4, q1q2}},
          Case{"c26-59l.txt",
               {{At(501000, 128000), At(501041, 128000)}, p2p3, p3p4, q1q2, {At(501100, 128100), At(501100, 128141)}}}}) {
        folder.WriteLines(c.name, lines);
        dc.Clear();
        Draw(c.name);
        EXPECT_EQ(Lines(), c.expected) << c.name;
    }
}

TEST_F(LedgerLines, AViewFromWestOf132ToEastOf138DrawsPartsCThenBThenA)
{
    folder.WriteLines("c32-59l.txt", PartedDataSet());
    struct Case {
        int westDegree;
        int eastDegree;
        std::vector<vd::Segment> expected;
    };
    LayerDrawParams p = MeshParams(folder.Windows() + "c32-59l.txt", folder.Windows(), 1);
    p.North = 130000;
    p.South = 120000;
    const auto at = [&](int lon, int lat) {
        return vd::Point{int(float(lon - p.West) * 0.1f), int(float(p.North - lat) * 0.1f)};
    };
    const auto partA = [&] { return vd::Segment{at(501000, 128000), at(502000, 128500)}; };
    const auto partB = [&] { return vd::Segment{at(486000, 125000), at(487000, 125500)}; };
    const auto partC = [&] { return vd::Segment{at(468500, 125000), at(469000, 125500)}; };
    for (const int west : {130, 135, 138}) {
        p.West = west * 3600;
        p.East = west == 135 ? 139 * 3600 + 3599 : 140 * 3600; // whole degrees 139 and 140
        std::vector<vd::Segment> expected;
        if (west == 130)
            expected = {partC(), partB(), partA()};
        else if (west == 135)
            expected = {partB(), partA()};
        else
            expected = {partA()};
        dc.Clear();
        CLayerRenderer r(dc, p);
        r.DrawLedgerLines(0, 9);
        EXPECT_EQ(Lines(), expected) << west;
    }
}

TEST_F(LedgerLines, ItemCode205DrawsColour5AndLabelsOfOption2SpacedByDetailLevel)
{
    folder.WriteLines("c34-60l.txt", {Link("5339", 1, 2), Points({{501000, 128000}, {501100, 128050}})});
    // Records 30 pixels apart, then 45 pixels further, then one outside the view.
    folder.WriteBytes("台帳c34.dat", CrlfRaw({LedgerRaw(501000, 128000, "0000000001", {{32, "1"}}),
                                              LedgerRaw(501300, 128000, "0000000002", {{32, "2"}}),
                                              LedgerRaw(501750, 128000, "0000000003", {{32, "3"}}),
                                              LedgerRaw(510000, 128000, "0000000004", {{32, "2"}})}));
    CLayerRenderer pens(dc, {});
    const vd::Pen before = dc.GetCurrentPen();
    Draw("c34-60l.txt", 205);
    EXPECT_EQ(Lines(5), (std::vector<vd::Segment>{{At(501000, 128000), At(501100, 128050)}}));
    EXPECT_EQ(Squares(dc), (std::vector<vd::Rect>{SquareAt(At(501000, 128000)), SquareAt(At(501300, 128000)),
                                                  SquareAt(At(501750, 128000))}));
    const auto labels = Labels(dc);
    ASSERT_EQ(labels.size(), 2u);
    const vd::Point first = At(501000, 128000);
    EXPECT_EQ(labels[0].text, "微高地");
    EXPECT_EQ(labels[0].at, (vd::Point{first.x + 5, first.y - 5}));
    EXPECT_EQ(labels[1].text, "低地");
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
    EXPECT_EQ(dc.GetCurrentPen(), before);

    // Below full detail the spacing is 50 pixels: the third record loses its label too.
    dc.Clear();
    Draw("c34-60l.txt", 205, 2);
    EXPECT_EQ(Labels(dc).size(), 1u);
    EXPECT_EQ(Squares(dc).size(), 3u);

    // No label option, no squares; a wide colour labels with the thin pen of its colour.
    dc.Clear();
    Draw("c34-60l.txt", 16);
    EXPECT_TRUE(Squares(dc).empty());
    dc.Clear();
    Draw("c34-60l.txt", 116);
    EXPECT_EQ(Lines(16).size(), 1u);
    for (const auto& call : dc.Calls()) {
        if (call.op.kind == vd::DrawOp::Rectangle) {
            EXPECT_EQ(call.state.pen, pens.LinePen(5));
        }
    }
}

TEST_F(LedgerLines, WithoutDataFileTheLedgerStillLabelsAndWithoutLedgerNoLabel)
{
    folder.WriteBytes("台帳c34.dat", CrlfRaw({LedgerRaw(501000, 128000, "0000000001", {{32, "3"}})}));
    Draw("c34-60l.txt", 101);
    EXPECT_TRUE(dc.Segments().empty());
    ASSERT_EQ(Labels(dc).size(), 1u);
    EXPECT_EQ(Labels(dc)[0].text, "低地");

    std::filesystem::remove(folder.LinuxPath() / "台帳c34.dat");
    std::filesystem::create_directory(folder.LinuxPath() / "台帳c34.dat");
    dc.Clear();
    Draw("c34-60l.txt", 101);
    EXPECT_TRUE(Squares(dc).empty());
    EXPECT_TRUE(dc.Texts().empty());
}

// The map as the program draws it: the whole-country entry point with a data file chosen on the
// settings page (lower case), its ledger built on the way.
TEST(LedgerLinePicture, FisheryWatersInTheirColourWithSquareAndLabel)
{
    LayerFolder folder;
    folder.WriteLines("c14-59l.txt", {Node("5339", 1, 501500, 128500), Link("5339", 1, 2),
                                      Points({{501000, 128000}, {502000, 128500}}),
                                      Section(Key("5339", 1), "0000000001"), "533900000001",
                                      Data("0000000001", {{37, "大漁湾 "}, {57, "2"}})});
    vd::RecordingDc dc({400, 300, true});
    dc.FillSolidRect(0, 0, 400, 300, vd::RGB(255, 255, 255));
    OnDdPlainWholeCountry(&dc, 107, kNorth, kWest, 127200, 504000, 0, 0, 1, -1, 3, 0, 0, 700, 0.0f, 0.0f, 0.1f, 0.1f,
                          "/漁業/", "5339", "", "", folder.Windows() + "c14-59l.txt", folder.Windows());
    const vd::Point line = At(501500, 128250);
    EXPECT_EQ(dc.GetPixel(line.x, line.y), vd::RGB(255, 0, 0)) << "colour 7: red";
    const vd::Point square = At(501500, 128500);
    EXPECT_EQ(dc.GetPixel(square.x - 2, square.y), vd::RGB(255, 0, 0));
    const auto labels = Labels(dc);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "大漁湾/水産２級");
    EXPECT_EQ(labels[0].at, (vd::Point{square.x + 5, square.y - 5}));
}

// ---- Labels

TEST(LedgerLabels, TheDataSetsVocabulariesByOption)
{
    struct Case {
        int selector;
        int option;
        Fields fields;
        std::string label;
    };
    const std::string minerals(42, '0');
    std::string goldCopper = minerals;
    goldCopper[0] = '1';
    goldCopper[2] = '1';
    const std::vector<Case> cases{
        {0, 1, {{41, "AB"}, {45, "4"}, {46, "5"}}, "AB"},
        {0, 2, {{41, "AB"}, {45, "4"}, {46, "5"}}, "住宅･都市用地造成"},
        {0, 3, {{41, "AB"}, {45, "9"}}, "AB/不明"},
        {0, 4, {{46, "5"}}, "民間"},
        {1, 3, {{32, "2"}}, "低湿地"},
        {1, 1, {}, "低地(調査範囲外)"},
        {2, 2, {{38, "2"}, {46, "01"}, {48, "999999"}}, "(水質)一のイ"},
        {2, 2, {{38, "2"}, {46, "05"}, {48, "000020"}}, "(水質)二のイ/20kg/日"},
        {2, 2, {{38, "1"}, {46, "12"}, {48, "000150"}}, "(大気)12/150立法m/h"},
        {2, 1, {{38, "2"}}, "水質汚濁総量規制"},
        {2, 1, {{38, "1"}}, "煤煙総量規制"},
        {3, 1, {{37, "大漁湾　西"}, {57, "2"}}, "大漁湾/水産２級"},
        {3, 2, {{58, "B"}, {59, "1985"}}, "1985/B"},
        {3, 3, {{32, "12345"}, {37, "湾 西"}}, "湾/12345"},
        {3, 1, {}, "/"},
        {4, 1, {{54, "第二 名"}, {114, "名前"}}, "第二/名前"},
        {4, 2, {{114, "名前"}, {154, "0120"}}, "名前/120ha"},
        {4, 2, {{114, "名前"}, {154, "0000"}}, "名前/"},
        {5, 1, {{39, "1"}, {40, "大橋 x"}, {80, "01234"}}, "(ﾄ)大橋/123m"},
        {5, 3, {{39, "0"}, {40, "大橋"}, {103, "6"}}, "大橋/道路公団"},
        {5, 2, {{40, "大橋"}, {104, "1990"}}, "大橋/1990"},
        {6, 4, {{34, "AB"}}, "AB"},
        {7, 1, {{43, "000"}}, ""},
        {7, 2, {{43, "101"}}, "都道府県条例"},
        {7, 3, {{43, "110"}}, "建築物用地下水規制"},
        {8, 3, {{35, "航路名"}, {75, "2"}}, "航路名/開発保全航路"},
        {8, 4, {{76, "4"}}, "一方方向(180度～359度)"},
        {9, 1, {{32, "12"}, {156, "345678"}}, "12/345678"},
        {9, 2, {{56, "二 名"}, {116, "一"}}, "二"},
        {10, 1, {{36, "1234"}, {170, "5678"}}, "1234/5678"},
        {10, 3, {{114, "名前"}}, "名前"},
        {11, 1, {{32, "1234567"}}, "1234567"},
        {13, 4, {{32, "12345"}}, "12345"},
        {14, 1, {{38, "00012"}, {43, "2"}}, "12/採掘"},
        {14, 2, {{38, "00000"}, {87, "0000"}}, ""},
        {14, 2, {{38, "00012"}, {87, "1970"}}, "12/1970"},
        {14, 3, {{45, goldCopper}}, "金,銅"},
        {14, 3, {{45, minerals}}, ""},
        {14, 4, {{45, goldCopper}, {91, "00000100"}}, "金,銅/100ha"},
        {14, 4, {{45, goldCopper}, {91, "00020000"}}, "金,銅"},
        {19, 1, {{38, "2"}}, "国有林"},
        {19, 1, {{38, "7"}}, "7"},
        {19, 2, {{38, "2"}}, "2/123"},
        {15, 1, {{32, "1"}}, ""},
        {1, 0, {{32, "1"}}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ledger::LedgerLabel(c.selector, c.option, LedgerRaw(501000, 128000, "0000000123", c.fields)), c.label)
            << c.selector << "/" << c.option;
    // The ledger text: the record from column 29 as it stands.
    EXPECT_EQ(ledger::LedgerLabel(2, 3, LedgerRaw(501000, 128000, "0000000123", {{29, "規制 地域"}})), "規制 地域");
    EXPECT_EQ(ledger::LedgerLabel(5, 4, LedgerRaw(501000, 128000, "0000000123", {{29, "x"}, {39, "1"}})),
              "(ﾄ)x         1");
}

} // namespace
