// The surface themes drawn into a RecordingDc (and an ImageDc): parts of one point a record with
// their starts, pens, labels and early end; boundaries with their class pens and fillers; the
// areas built from forward and reversed chains with their names.
#include "contracts/pelmora.h"
#include "layers/render/LayerRenderer.h"
#include "layers/render/surfaces/SurfaceAreas.h"
#include "layers/render/surfaces/SurfaceLayer.h"
#include "layers/render/surfaces/SurfaceParts.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using layers_test::LayerFolder;
using vd::Point;

// Mesh 5339: x = (longitude - 500400) * scale, y = (129600 - latitude) * scale.
constexpr int kNorth = 129600;
constexpr int kWest = 500400;
constexpr int kSouth = 127200;
constexpr int kEast = 504000;

// A record with each text at its column (blanks between).
std::string Put(const std::vector<std::pair<int, std::string>>& fields)
{
    std::string line;
    for (const auto& [column, text] : fields) {
        if (line.size() < column + text.size())
            line.resize(column + text.size(), ' ');
        line.replace(std::size_t(column), text.size(), text);
    }
    return line;
}

std::string Flags(int onlyPrefecture)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == onlyPrefecture ? "1|" : "0|";
    return flags;
}

class SurfaceLayers : public ::testing::Test {
protected:
    void SetUp() override { folder.WriteLines("Msh_prft.dat", {"5339=13"}); }

    CLayerRenderer Renderer(vd::Dc& target, const std::string& dataSet, int itemCode = 1, float scale = 1.0f,
                            int detailLevel = 3)
    {
        LayerDrawParams p;
        p.ItemCode = itemCode;
        p.North = kNorth;
        p.West = kWest;
        p.South = kSouth;
        p.East = kEast;
        p.DetailLevel = detailLevel;
        p.ProgressFlag = -1;
        p.XScale = scale;
        p.YScale = scale;
        p.MeshCode = "5339";
        p.DataSetPath = dataSet;
        p.DataFolder = folder.Windows();
        return CLayerRenderer(target, p);
    }

    std::vector<vd::DrawOp> Shapes() const
    {
        std::vector<vd::DrawOp> shapes;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::Polyline || call.op.kind == vd::DrawOp::Polygon)
                shapes.push_back(call.op);
        return shapes;
    }
    std::vector<vd::RecordedCall> ShapeCalls() const
    {
        std::vector<vd::RecordedCall> shapes;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::Polyline || call.op.kind == vd::DrawOp::Polygon)
                shapes.push_back(call);
        return shapes;
    }

    LayerFolder folder;
    vd::RecordingDc dc;
};

// ---- Format 3

std::string Region(int partCode, int x, int y, const std::string& mesh = "533900")
{
    return Put({{0, mesh}, {6, vd::format("%2d", partCode)}, {8, vd::format("%5d", x)}, {13, vd::format("%5d", y)}});
}

TEST_F(SurfaceLayers, RegionPartsStartAtOddCodesAndTheLastPartOfTheFileIsDrawn)
{
    folder.WriteLines("REGIONS0113.txt", {Region(1, 0, 0), Region(2, 10000, 0), Region(0, 10000, 10000),
                                          Region(3, 0, 0), Region(0, 5000, 5000)});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "(REGIONS01xx.txt)");
    r.DrawSurfaceRegions(1, 1, 0, Flags(13));
    const auto shapes = Shapes();
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].kind, vd::DrawOp::Polyline);
    EXPECT_EQ(shapes[0].points, (std::vector<Point>{{0, 2400}, {450, 2400}, {450, 2100}}));
    // The file's last part: an area (start code 3), filled.
    EXPECT_EQ(shapes[1].kind, vd::DrawOp::Polygon);
    EXPECT_EQ(shapes[1].points, (std::vector<Point>{{0, 2400}, {225, 2250}}));
    EXPECT_EQ(dc.GetCurrentPen(), vd::StockPen(vd::BLACK_PEN)) << "the caller's pen is back";
    EXPECT_EQ(dc.GetCurrentBrush(), vd::StockBrush(vd::WHITE_BRUSH));
}

TEST_F(SurfaceLayers, ALineOfThreeHundredCharactersIsOneRecordAndColourFlagOneShiftsThePen)
{
    const std::string tail(261, 'Z');
    folder.WriteLines("LINES0113.txt",
                      {Put({{0, "533900"}, {7, "1"}, {26, "1"}, {27, "100000"}, {33, "100000"}}) + tail,
                       Put({{0, "533900"}, {7, "1"}, {26, "0"}, {27, "000000"}, {33, "000000"}}) + tail});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "(LINES01xx.txt)", 1);
    r.DrawSurfaceLines(1, 0, 0, Flags(13));
    const auto shapes = ShapeCalls();
    ASSERT_EQ(shapes.size(), 1u);
    // 100000 x 0.0045 is a little below 450 in binary floating point: truncated to 449.
    EXPECT_EQ(shapes[0].op.points, (std::vector<Point>{{449, 2100}, {0, 2400}}));
    EXPECT_EQ(shapes[0].state.pen, r.LinePen(5)) << "colour 1 + 4";
}

std::string CountryD(int partCode, const std::string& mesh, const std::string& number = "0123")
{
    return Put(
        {{7, mesh}, {39, number}, {43, "13"}, {49, vd::format("%d", partCode)}, {50, "0.5000 "}, {57, "0.5000 "}});
}

TEST_F(SurfaceLayers, CountryDEndsEarlyAfterFiveThousandRecordsOutsideAndDrawsWhatIsPending)
{
    for (const auto& [outside, drawn] : std::vector<std::pair<int, std::size_t>>{{4999, 4}, {5000, 2}}) {
        // Parts of two points each (a single point draws no line).
        std::vector<std::string> lines{CountryD(1, "533900"), CountryD(0, "533901"), CountryD(1, "533911"),
                                       CountryD(0, "533912")};
        lines.insert(lines.end(), std::size_t(outside), CountryD(0, "000000"));
        for (const auto& [code, mesh] :
             std::vector<std::pair<int, std::string>>{{1, "533922"}, {0, "533923"}, {1, "533933"}, {0, "533934"}})
            lines.push_back(CountryD(code, mesh));
        folder.WriteLines("D.txt", lines);
        dc.Clear();
        CLayerRenderer r = Renderer(dc, folder.Windows() + "D.txt");
        r.DrawCountrySurfaceD(1, 0, 1, "");
        EXPECT_EQ(Shapes().size(), drawn) << outside;
    }
    // A part's label at its first point; "1..." numbers take the prefecture first.
    EXPECT_EQ(dc.Texts().front().text, "0123");
    EXPECT_EQ(dc.Texts().front().at, (Point{225, 2250}));
}

TEST(SurfaceLabels, CountryELabelTakesTheCodeColumnsOrTheAlternativeOnes)
{
    struct Case {
        std::string columns8to19;
        std::string label;
    };
    for (const Case& c : std::vector<Case>{{"132101456789", "0101"},
                                           {"131101456789", "131101"},
                                           {"132000452789", "0789"},
                                           {"132000141789", "141789"}}) {
        EXPECT_EQ(surfaces::CountryLabelE(Put({{8, c.columns8to19}})), c.label) << c.columns8to19;
    }
}

std::string CountryE(int partCode, const std::string& code, int prefecture = 13)
{
    return Put({{0, "533900"},
                {7, vd::format("%d", partCode)},
                {8, vd::format("%02d", prefecture)},
                {10, code},
                {20, "  5000"},
                {26, "  5000"}});
}

TEST_F(SurfaceLayers, CountryEWritesALabelOnlyWhenItDiffersAndFiltersByPrefecture)
{
    folder.WriteLines("E.txt",
                      {CountryE(1, "2101"), CountryE(0, "2101"), CountryE(1, "2101"), CountryE(0, "2101"),
                       CountryE(1, "2202"), CountryE(0, "2202"), CountryE(1, "2303", 14), CountryE(0, "2303", 14)});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "E.txt");
    r.DrawCountrySurfaceE(1, 0, 1, Flags(13));
    EXPECT_EQ(Shapes().size(), 3u) << "prefecture 14 left out";
    std::vector<std::string> texts;
    for (const auto& t : dc.Texts())
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0101", "0202"}));
    // x * 45 / 10000 = 22, y * 3 / 1000 = 15; the label 5 pixels lower.
    EXPECT_EQ(dc.Texts().front().at, (Point{22, 2385 + 5}));
}

// ---- Format 2

std::string Boundary(char left, char right, const std::vector<std::pair<int, int>>& points)
{
    std::vector<std::pair<int, std::string>> fields{
        {0, "533900"}, {30, std::string(1, left)}, {40, std::string(1, right)}};
    for (std::size_t k = 0; k < points.size(); ++k)
        fields.push_back({41 + 10 * int(k), vd::format("%5d%5d", points[k].first, points[k].second)});
    return Put(fields);
}

TEST_F(SurfaceLayers, ZoningBoundariesAreDottedWithinOneClassSolidBetweenClassesAndLabelled)
{
    folder.WriteLines("BOUNDS00113.txt",
                      {Boundary('1', '1', {{0, 0}, {10000, 10000}, {99999, 0}}),
                       Boundary('1', '2', {{0, 0}, {10000, 0}}), Boundary('0', '0', {{0, 0}, {0, 10000}})});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "(BOUNDS001xx.txt)", 7);
    r.DrawSurfaceBoundaries(1, 0, 1, 0, Flags(13));
    const auto shapes = ShapeCalls();
    ASSERT_EQ(shapes.size(), 2u) << "class digits both 0: not drawn";
    EXPECT_EQ(shapes[0].op.points, (std::vector<Point>{{0, 2400}, {450, 2100}}));
    EXPECT_EQ(shapes[0].state.pen.Style(), vd::PS_DOT);
    EXPECT_EQ(shapes[1].state.pen.Style(), vd::PS_SOLID);
    EXPECT_EQ(shapes[1].state.pen.Colour(), CLayerRenderer::PaletteColour(7));
    ASSERT_EQ(dc.Texts().size(), 2u) << "the two class digits of the solid boundary";
    EXPECT_EQ(dc.Texts()[0].text + dc.Texts()[1].text, "12");
}

TEST_F(SurfaceLayers, ParkBoundaryFillerTakesThePointOfTheLastColumnsAsItsEnd)
{
    std::vector<std::pair<int, int>> points{{0, 0}, {99999, 0}};
    points.resize(11, {1, 1});
    points[10] = {5000, 10000};
    folder.WriteLines("BOUNDS00113.txt", {Boundary('1', '2', points)});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "(BOUNDS001xx.txt)");
    r.DrawSurfaceBoundaries(1, 0, 0, 1, Flags(13));
    ASSERT_EQ(Shapes().size(), 1u);
    EXPECT_EQ(Shapes()[0].points, (std::vector<Point>{{0, 2400}, {225, 2100}}));
}

std::string CountryA(int leftPrefecture, const std::string& left, int rightPrefecture, const std::string& right)
{
    return Put({{0, "533900"},
                {20, vd::format("%02d", leftPrefecture)},
                {25, left},
                {31, vd::format("%02d", rightPrefecture)},
                {36, right},
                {42, "    0    0"},
                {52, "10000    0"}});
}

TEST_F(SurfaceLayers, CountryABoundariesNeedTwoDifferentCodesAndASelectedSide)
{
    folder.WriteLines("A.txt", {CountryA(13, "000000", 13, "131010"), CountryA(13, "131010", 13, "131010"),
                                CountryA(14, "141010", 14, "142020"), CountryA(14, "141010", 13, "131020")});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "A.txt");
    r.DrawCountrySurfaceA(1, 0, 1, Flags(13));
    ASSERT_EQ(Shapes().size(), 1u);
    EXPECT_EQ(Shapes()[0].points, (std::vector<Point>{{0, 2400}, {450, 2400}}));
    ASSERT_EQ(dc.Texts().size(), 2u);
    EXPECT_EQ(dc.Texts()[0].text + dc.Texts()[1].text, "141010131020");
}

// ---- Format 1

std::string ChainHeader(int chain, int points)
{
    return Put({{0, "L"}, {3, "5339"}, {7, "00"}, {27, vd::format("%6d", chain)}, {46, vd::format("%d", points)}});
}

std::string Coordinates(const std::vector<std::pair<int, int>>& lonLat)
{
    std::string line;
    for (const auto& [lon, lat] : lonLat)
        line += vd::format("%08d%08d", lon * 10, lat * 10);
    return line;
}

std::vector<std::string> Area(const std::string& code, const std::vector<int>& chains)
{
    std::string references;
    for (int chain : chains)
        references += "5339"
                      "00" +
                      vd::format("%6d", chain) + "  ";
    return {Put({{0, "A"}, {35, code}, {45, vd::format("%6d", int(chains.size()))}}), references};
}

// A square 720 x 720 seconds: A and B along the south, C and D along the north.
const std::pair<int, int> kA{500760, 127560}, kB{501480, 127560}, kC{501480, 128280}, kD{500760, 128280};

void WriteSquareAreas(const LayerFolder& folder)
{
    std::vector<std::string> lines{
        ChainHeader(1, 3), Coordinates({kA, kB, kC}),
        ChainHeader(2, 3), Coordinates({kC, kD, kA}),
        ChainHeader(3, 3), Coordinates({kA, kD, kC}),
        ChainHeader(4, 5), Coordinates({kA, kB}) + std::string(16, ' ') + Coordinates({kC, kD})};
    for (const auto& area : {Area("0000013101", {1, 2}), Area("0000013102", {1, -3}), Area("0000013103", {1}),
                             Area("0000013104", {1, -4}), Area("0000013105", {4})})
        lines.insert(lines.end(), area.begin(), area.end());
    lines.push_back(Put({{0, "D"}, {3, "0000013101"}, {64, "千代田区 x"}}));
    lines.push_back(Put({{0, "D"}, {3, "0000013103"}, {64, "中央区"}}));
    folder.WriteLines("AREAS00113.txt", lines);
}

TEST_F(SurfaceLayers, AreasFromForwardAndReversedChainsWithTheirNames)
{
    WriteSquareAreas(folder);
    CLayerRenderer r = Renderer(dc, folder.Windows() + "(AREAS001xx.txt)", 7);
    r.DrawSurfaceAreas(1, 0, 1, Flags(13));
    const auto shapes = Shapes();
    ASSERT_EQ(shapes.size(), 5u);
    const auto at = [](std::pair<int, int> p) { return Point{p.first - kWest, kNorth - p.second}; };
    const std::vector<Point> square{at(kA), at(kB), at(kC), at(kC), at(kD), at(kA)};
    EXPECT_EQ(shapes[0].points, square);
    EXPECT_EQ(shapes[1].points, square) << "chain 3 walked from its last point";
    EXPECT_EQ(shapes[2].points, (std::vector<Point>{at(kA), at(kB), at(kC)}));
    EXPECT_EQ(shapes[3].points, (std::vector<Point>{at(kA), at(kB), at(kC), at(kD), at(kC)}))
        << "the reversed walk stops at the blank point";
    EXPECT_EQ(shapes[4].points, (std::vector<Point>{at(kA), at(kB)})) << "forwards the blank point ends its line";
    // Only two-chain areas with a "D" record are named, at the centre of its line starts
    // (A and C), cut at the blank; the single-chain area 13103 is not.
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, "千代田区");
    EXPECT_EQ(dc.Texts()[0].at, (Point{720, 1680}));
}

TEST_F(SurfaceLayers, AFilledAreaFromAForwardAndAReversedChainShowsItsColourInsideAndAnOutside)
{
    WriteSquareAreas(folder);
    vd::ImageDc image(360, 240);
    {
        CLayerRenderer r = Renderer(image, folder.Windows() + "(AREAS001xx.txt)", 7, 0.1f);
        r.DrawSurfaceAreas(1, 1, 0, Flags(13));
    }
    // The square spans x 36-108 and y 132-204; the red fill inside, the black outline on its edge.
    EXPECT_EQ(image.GetPixel(50, 150), CLayerRenderer::PaletteColour(7));
    EXPECT_EQ(image.GetPixel(36, 168), vd::RGB(0, 0, 0));
    EXPECT_EQ(image.GetPixel(20, 168), vd::RGB(255, 255, 255));
}

TEST_F(SurfaceLayers, OnlyTheDrawingCellsOfTheBlockDrawAreas)
{
    WriteSquareAreas(folder);
    struct Case {
        bool country;
        int cells;
        int areaKind;
        std::size_t drawings; // of the first area, whose chains lie in 5339
    };
    // 9: the centre; 4 at area kind 0: cell 0, else all four (each 5339 on the white map); 25:
    // cells 6, 9, 21 and 24 for the prefecture files, of which only cell 6 is next to 5339;
    // the whole-country file: 5, 7, 9, 21 and 23, of which only 7.
    for (const Case& c : std::vector<Case>{{false, 9, 0, 1},
                                           {false, 4, 0, 1},
                                           {false, 4, 1, 4},
                                           {false, 25, 0, 1},
                                           {true, 9, 0, 1},
                                           {true, 4, 0, 1},
                                           {true, 25, 0, 1}}) {
        vd::RecordingDc target;
        const std::string dataSet = folder.Windows() + (c.country ? "AREAS00113.txt" : "(AREAS001xx.txt)");
        CLayerRenderer r = Renderer(target, dataSet, 7);
        r.AreaKind = c.areaKind;
        if (c.country)
            r.DrawCountrySurfaceC(c.cells, 0, 0, "");
        else
            r.DrawSurfaceAreas(c.cells, 0, 0, Flags(13));
        std::size_t drawings = 0;
        for (const vd::RecordedCall& call : target.Calls())
            drawings += call.op.kind == vd::DrawOp::Polyline && call.op.points.size() == 6 ? 1 : 0;
        // Each drawing cell draws both square areas (13101 and 13102).
        EXPECT_EQ(drawings, 2 * c.drawings) << c.country << " " << c.cells << " " << c.areaKind;
    }
}

TEST_F(SurfaceLayers, AreaNameMovesTowardsTheSideTheAreaLeavesBy)
{
    // One cell below full detail (area kind 1, single block); the name's centre is (501120,
    // 127920), moved halfway to the limit of the direction of the last reference in another mesh.
    struct Case {
        std::string otherMesh;
        Point at;
    };
    for (const Case& c : std::vector<Case>{{"5339", {720, 1680}},
                                           {"5439", {720, (1680 + 0) / 2}},
                                           {"5338", {720 / 2, 1680}},
                                           {"5340", {(720 + 3600) / 2, 1680}},
                                           {"5239", {720, (1680 + 2400) / 2}}}) {
        std::vector<std::string> lines{ChainHeader(1, 3),
                                       Coordinates({kA, kB, kC}),
                                       Put({{0, "L"}, {3, c.otherMesh}, {7, "00"}, {27, "     2"}, {46, "3"}}),
                                       Coordinates({kC, kD, kA}),
                                       Put({{0, "A"}, {35, "0000013101"}, {45, "     2"}}),
                                       c.otherMesh + "00     2  533900     1  ",
                                       Put({{0, "D"}, {3, "0000013101"}, {64, "千代田区"}})};
        folder.WriteLines("AREAS00113.txt", lines);
        vd::RecordingDc target;
        CLayerRenderer r = Renderer(target, folder.Windows() + "(AREAS001xx.txt)", 7, 1.0f, 0);
        r.AreaKind = 1;
        r.BlockMode = 1;
        r.DrawSurfaceAreas(-1, 1, 1, Flags(13));
        ASSERT_EQ(target.Texts().size(), 1u) << c.otherMesh;
        EXPECT_EQ(target.Texts()[0].at, c.at) << c.otherMesh;
    }
}

TEST_F(SurfaceLayers, ASingleCellNamesOnlyAreasWhoseLastReferenceIsInItsOwnMesh)
{
    const auto write = [&](const std::string& references) {
        folder.WriteLines("AREAS00113.txt",
                          {ChainHeader(1, 3), Coordinates({kA, kB, kC}),
                           Put({{0, "L"}, {3, "5439"}, {7, "00"}, {27, "     2"}, {46, "3"}}),
                           Coordinates({kC, kD, kA}), Put({{0, "A"}, {35, "0000013101"}, {45, "     2"}}), references,
                           Put({{0, "D"}, {3, "0000013101"}, {64, "千代田区"}})});
    };
    for (const auto& [references, named] : std::vector<std::pair<std::string, bool>>{
             {"533900     1  543900     2  ", false}, {"543900     2  533900     1  ", true}}) {
        write(references);
        vd::RecordingDc target;
        CLayerRenderer r = Renderer(target, folder.Windows() + "(AREAS001xx.txt)", 7);
        r.DrawSurfaceAreas(1, 0, 1, Flags(13));
        EXPECT_EQ(target.Texts().size(), named ? 1u : 0u) << references;
    }
}

TEST_F(SurfaceLayers, CountryAreasFollowThePrefectureOfTheirNameRecord)
{
    folder.WriteLines("C.txt", {ChainHeader(1, 3), Coordinates({kA, kB, kC}), ChainHeader(2, 3),
                                Coordinates({kC, kD, kA}), Area("0000001301", {1, 2})[0], Area("0000001301", {1, 2})[1],
                                Area("0000001401", {1, 2})[0], Area("0000001401", {1, 2})[1],
                                // The prefecture is the code's columns 9-10.
                                Put({{0, "D"}, {3, "0000001301"}, {13, "  2"}, {26, "東京都 x"}}),
                                "D  0000001401 the second line of the record above",
                                Put({{0, "D"}, {3, "0000001401"}, {26, "神奈川県"}})});
    CLayerRenderer r = Renderer(dc, folder.Windows() + "C.txt", 7);
    r.DrawCountrySurfaceC(1, 1, 1, Flags(13));
    EXPECT_EQ(Shapes().size(), 1u) << "prefecture 14 left out";
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, "東京都");
    dc.Clear();
    CLayerRenderer all = Renderer(dc, folder.Windows() + "C.txt", 7);
    all.DrawCountrySurfaceC(1, 1, 1, "1|");
    EXPECT_EQ(Shapes().size(), 2u);
    ASSERT_EQ(dc.Texts().size(), 2u) << "the continuation line is no record of its own";
    EXPECT_EQ(dc.Texts()[1].text, "神奈川県");
}

TEST_F(SurfaceLayers, BelowFullDetailPointsOutsideAreLeftOutOrDropTheirRecordOrPart)
{
    folder.WriteLines("RCLIPS00013.txt", {Region(1, 0, 0), Region(0, 10000, 0), Region(0, 0, 5000)});
    folder.WriteLines("BCLIPS00013.txt",
                      {Boundary('1', '2', {{0, 0}, {10000, 0}}), Boundary('1', '2', {{0, 0}, {5000, 0}})});
    const auto line = [](int code, int x) {
        return Put({{0, "533900"}, {7, "0"}, {26, vd::format("%d", code)}, {27, vd::format("%6d", x)}, {33, "     0"}});
    };
    folder.WriteLines("LCLIPS013.txt", {line(1, 0), line(0, 10000), line(0, 100000), line(0, 20000), line(0, 30000)});
    // The extent ends 300 seconds east of the mesh's west edge.
    std::string stem;
    const auto draw = [&](int detail, const std::function<void(CLayerRenderer&)>& member) {
        dc.Clear();
        // Stems of 9 (regions, boundaries) and 7 (lines) characters.
        CLayerRenderer r = Renderer(dc, folder.Windows() + "(" + stem + "xx.txt)", 1, 1.0f, detail);
        r.East = kWest + 300;
        member(r);
        return Shapes();
    };
    stem = "RCLIPS000";
    const auto regions = draw(0, [](CLayerRenderer& r) { r.DrawSurfaceRegions(9, 0, 0, Flags(13)); });
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].points, (std::vector<Point>{{0, 2400}, {0, 2250}}));
    const auto clamped = draw(3, [](CLayerRenderer& r) { r.DrawSurfaceRegions(9, 0, 0, Flags(13)); });
    ASSERT_EQ(clamped.size(), 1u);
    EXPECT_EQ(clamped[0].points, (std::vector<Point>{{0, 2400}, {300, 2400}, {0, 2250}}));
    stem = "BCLIPS000";
    const auto boundaries = draw(0, [](CLayerRenderer& r) { r.DrawSurfaceBoundaries(9, 0, 0, 1, Flags(13)); });
    ASSERT_EQ(boundaries.size(), 1u);
    EXPECT_EQ(boundaries[0].points, (std::vector<Point>{{0, 2400}, {225, 2400}}));
    stem = "LCLIPS0";
    const auto lines = draw(0, [](CLayerRenderer& r) { r.DrawSurfaceLines(9, 0, 0, Flags(13)); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{90, 2400}, {135, 2400}})) << "the part before the point outside";
}

TEST_F(SurfaceLayers, EveryMemberGivesBackThePenBrushFontAndOpaqueBackground)
{
    WriteSquareAreas(folder);
    const vd::Pen pen(vd::PS_SOLID, 3, vd::RGB(1, 2, 3));
    const vd::Brush brush(vd::RGB(4, 5, 6));
    const std::vector<std::function<void(CLayerRenderer&)>> members{
        [](CLayerRenderer& r) { r.DrawSurfaceAreas(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawSurfaceLines(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawSurfaceBoundaries(9, 1, 1, 0, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawSurfaceRegions(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawCountrySurfaceA(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawCountrySurfaceB(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawCountrySurfaceC(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawCountrySurfaceD(9, 1, 1, Flags(13)); },
        [](CLayerRenderer& r) { r.DrawCountrySurfaceE(9, 1, 1, Flags(13)); }};
    for (std::size_t m = 0; m < members.size(); ++m) {
        vd::RecordingDc target;
        target.SelectObject(pen);
        target.SelectObject(brush);
        const vd::Font font = target.GetCurrentFont();
        // Item code 12: the dotted pens of colour 1.
        CLayerRenderer r = Renderer(target, folder.Windows() + "(AREAS001xx.txt)", 12);
        r.ProgressFlag = 0;
        members[m](r);
        EXPECT_EQ(target.GetCurrentPen(), pen) << m;
        EXPECT_EQ(target.GetCurrentBrush(), brush) << m;
        EXPECT_EQ(target.GetCurrentFont(), font) << m;
        EXPECT_EQ(target.GetBkMode(), vd::OPAQUE) << m;
        // The status box keeps the caller's brush while the layer fills with its own.
        for (const vd::RecordedCall& call : target.Calls()) {
            if (call.op.kind == vd::DrawOp::Rectangle) {
                EXPECT_EQ(call.state.brush, brush) << m;
            }
        }
    }
}

TEST_F(SurfaceLayers, TwoNeighbouringPrefecturesOnTheDetailedMapFilledWithTheirBorderAndNames)
{
    const std::pair<int, int> kE{502200, 127560}, kF{502200, 128280};
    std::vector<std::string> lines{
        ChainHeader(1, 2), Coordinates({kA, kB}),     ChainHeader(2, 2), Coordinates({kB, kC}),
        ChainHeader(3, 3), Coordinates({kC, kD, kA}), ChainHeader(4, 4), Coordinates({kB, kE, kF, kC})};
    for (const auto& area : {Area("0000013000", {1, 2, 3}), Area("0000014000", {4, -2})})
        lines.insert(lines.end(), area.begin(), area.end());
    lines.push_back(Put({{0, "D"}, {3, "0000013000"}, {64, "東京都"}}));
    lines.push_back(Put({{0, "D"}, {3, "0000014000"}, {64, "神奈川県"}}));
    folder.WriteLines("AREAS00113.txt", lines);
    std::string wholeCountry = "1|";
    for (int i = 1; i < 48; ++i)
        wholeCountry += "0|";
    // The 3 x 3 block around 5339 below full detail: its centre cell draws, 1024 x 768 pixels.
    vd::RecordingDc map(vd::RecordingDc::Options{1024, 768});
    OnDdPlainLASurface(&map, 0, 7, kNorth, kWest, kSouth, kEast, 0, 2, 1, -1, 0, 1, 1, 700, 0.0f, 0.0f, 1024.0f / 3600,
                       768.0f / 2400, "/行政界/" + wholeCountry, "5339", "", "", folder.Windows() + "(AREAS001xx.txt)",
                       folder.Windows());
    const vd::ImageDc& picture = *map.Image();
    EXPECT_EQ(picture.GetPixel(150, 600), CLayerRenderer::PaletteColour(7)) << "inside the western area";
    EXPECT_EQ(picture.GetPixel(460, 600), CLayerRenderer::PaletteColour(7)) << "inside the eastern area";
    EXPECT_EQ(picture.GetPixel(307, 600), vd::RGB(0, 0, 0)) << "the border between them";
    EXPECT_EQ(picture.GetPixel(600, 600), vd::RGB(255, 255, 255)) << "outside both";
    std::vector<std::string> names;
    for (const auto& text : map.Texts())
        names.push_back(text.text);
    EXPECT_EQ(names, (std::vector<std::string>{"東京都", "神奈川県"}));
}

TEST(SurfaceEarlyEnd, LimitsByWidthAndBlock)
{
    vd::RecordingDc dc;
    struct Case {
        int width;
        int cells;
        int detail;
        int a, b, d;
    };
    for (const Case& c : std::vector<Case>{{3600, 1, 3, 2000, 10000, 5000},
                                           {6999, 1, 3, 2000, 10000, 5000},
                                           {7000, 1, 3, 20000, 40000, 40000},
                                           {7001 + 3499, 1, 0, 30000, 60000, 60000},
                                           {3600, 9, 3, 20000, 30000, 5000},
                                           {3600, 9, 0, 2000, 10000, 5000}}) {
        LayerDrawParams p;
        p.West = 0;
        p.East = c.width;
        p.DetailLevel = c.detail;
        CLayerRenderer r(dc, p);
        EXPECT_EQ(surfaces::EarlyEndLimit(r, c.cells, 2000, 10000, 20000), c.a) << c.width << " " << c.cells;
        EXPECT_EQ(surfaces::EarlyEndLimit(r, c.cells, 10000, 20000, 30000), c.b) << c.width << " " << c.cells;
        EXPECT_EQ(surfaces::EarlyEndLimit(r, c.cells, 5000, 20000, 0), c.d) << c.width << " " << c.cells;
    }
}

TEST(SurfaceDirections, NeighbourDirectionsOfTheCellsMesh)
{
    const std::vector<std::pair<int, int>> cases{{5438, 0}, {5439, 1}, {5440, 2}, {5338, 3}, {5339, 4},
                                                 {5340, 5}, {5238, 6}, {5239, 7}, {5240, 8}, {5341, -1}};
    for (const auto& [mesh, direction] : cases)
        EXPECT_EQ(surfaces::NeighbourDirection(mesh, 5339), direction) << mesh;
}

} // namespace
