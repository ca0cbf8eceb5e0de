// The scenario hazard maps drawn through the white-map entry point (map kind 1 in the tens digit):
// cells of the three data forms at known records, the fault outlines of plain and numbered fault
// files, the asperities and the subduction depth lines. Mesh 5239 alone at zoom 1: 124800-127200
// by 500400-504000 seconds.
#include "contracts/halvette.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/StringOps.h"
#include "seismic/lists/SeismicDataList.h"
#include "tests/seismic/ScenarioFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace seismicfixtures;

using scenariofixtures::Point;

namespace {

const vd::COLORREF kWhite = vd::RGB(255, 255, 255);
const vd::COLORREF kBedrock75 = vd::RGB(255, 255, 0);    // velocity class 7
const vd::COLORREF kSurface131 = vd::RGB(255, 76, 0);    // velocity class 11
const vd::COLORREF kIntensity605 = vd::RGB(255, 72, 112); // intensity class 6
const vd::Pen kBlack(vd::PS_SOLID, 1, 0);
const vd::Pen kBlackDotted(vd::PS_DOT, 1, 0);
const vd::Pen kBlue(vd::PS_SOLID, 1, vd::RGB(0, 0, 255));

constexpr int kScenario = 10, kFault = 100, kAsperity = 10000;

// An application folder with one registered scenario file.
struct Registered {
    std::filesystem::path dataFolder = Home() / "scenario data";
    std::string folder = WinFolder(Home() / "app");
    Registered(const std::string& name, const std::string& bytes)
    {
        WriteFile(dataFolder / name, bytes);
        seismic::AppendSeismicDataEntry(folder, 1, "想定", WinFolder(dataFolder) + name);
    }
    void Add(const std::string& name, const std::string& bytes) const { WriteFile(dataFolder / name, bytes); }
};

void WhiteMap(vd::Dc& dc, const std::string& folder, int code)
{
    OnSeisWhiteMesh(&dc, 0, 999, 1, 1, 0, 2, code, 1024, 0, 700, 0.f, 0.f, 1.f, 1.f, "", "5239", "1", folder);
}

// The top-left pixel of the cell of a record (its centre in degrees), one pixel in.
vd::COLORREF CellPixel(const vd::Dc& dc, double longitude, double latitude)
{
    const int lon = int(longitude * 3600), lat = int(latitude * 3600);
    return dc.GetPixel(int((lon - (500400 + 23)) * 0.08888889 + 2) + 1, int((127200 - lat + 15) * 0.13333334 - 4) + 1);
}

// West to east: a record without the intensity, the record at 139.5 E 35.25 N, one east of the
// mesh, then one inside again.
std::vector<std::string> Records()
{
    std::string ten = scenariofixtures::Record({139.25, 35.1, 75, 131, 6.05});
    ten.resize(ten.rfind(','));
    return {ten, scenariofixtures::Record({139.5, 35.25, 75, 131, 6.05}),
            scenariofixtures::Record({140.25, 35.0, 75, 131, 6.05}),
            scenariofixtures::Record({139.75, 35.25, 75, 131, 6.05})};
}

std::string DataFile(const std::string& lineEnd)
{
    std::string text = scenariofixtures::Header();
    for (const std::string& r : Records())
        text += r + lineEnd;
    return text;
}

bool HasText(const vd::RecordingDc& dc, const std::string& text)
{
    const auto texts = dc.Texts();
    return std::any_of(texts.begin(), texts.end(), [&](const vd::RecordedText& t) { return t.text == text; });
}

int DrawnPixels(const vd::ImageDc& dc)
{
    int count = 0;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            count += dc.GetPixel(x, y) != kWhite;
    return count;
}

} // namespace

TEST(ScenarioDrawing, EachQuantityColoursTheCellOfItsRecord)
{
    Registered r("TEST-MAP-A.CSV", DataFile("\r\n"));
    const struct {
        int quantity;
        vd::COLORREF colour;
    } quantities[] = {{0, kBedrock75}, {1, kSurface131}, {2, kIntensity605}};
    for (const auto& q : quantities) {
        vd::ImageDc dc(1024, 768);
        WhiteMap(dc, r.folder, kScenario + q.quantity);
        EXPECT_EQ(CellPixel(dc, 139.5, 35.25), q.colour) << q.quantity;
        EXPECT_EQ(dc.GetPixel(160, 39), q.colour) << "x = (502200 - 500423) x scale + 2, y = (315) x scale - 4";
        // Reading stops at the record east of the mesh.
        EXPECT_EQ(CellPixel(dc, 139.75, 35.25), kWhite) << q.quantity;
        // The record of ten numbers has no intensity.
        EXPECT_EQ(CellPixel(dc, 139.25, 35.1), q.quantity == 2 ? kWhite : q.colour) << q.quantity;
    }
}

TEST(ScenarioDrawing, TheListFormIsReadWhole)
{
    std::string text = scenariofixtures::Header();
    for (const std::string& record : Records())
        text += record + ",name\r\n";
    Registered r("TEST_SLIST-MAP-A.CSV", text);
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, kScenario + 1);
    EXPECT_EQ(CellPixel(dc, 139.5, 35.25), kSurface131);
    EXPECT_EQ(CellPixel(dc, 139.75, 35.25), kSurface131) << "after the record east of the mesh";
    EXPECT_EQ(CellPixel(dc, 139.25, 35.1), kSurface131) << "ten numbers are a list record";

    // The same records in a file of the plain form placed in a folder named like the list form.
    WriteFile(r.dataFolder / "A_SLIST-B" / "PLAIN-MAP-A.CSV", DataFile("\r\n"));
    seismic::AppendSeismicDataEntry(r.folder, 1, "folder", WinFolder(r.dataFolder / "A_SLIST-B") + "PLAIN-MAP-A.CSV");
    vd::ImageDc other(1024, 768);
    OnSeisWhiteMesh(&other, 0, 999, 1, 1, 0, 2, kScenario + 1, 1024, 1, 700, 0.f, 0.f, 1.f, 1.f, "", "5239", "1",
                    r.folder);
    EXPECT_EQ(CellPixel(other, 139.5, 35.25), kSurface131);
    EXPECT_EQ(CellPixel(other, 139.75, 35.25), kWhite) << "read as the plain form";
}

namespace {

// 30 records a degree at 138.5, 139.5 (the first at 35.25 N) and 140.5, 77 bytes each.
std::string SubductionData(const std::vector<std::string>& degreeLines)
{
    std::vector<scenariofixtures::Cell> cells;
    for (double lon : {138.5, 139.5, 140.5})
        for (int i = 0; i < 30; ++i)
            cells.push_back({lon, 35.25 - i * 0.01, 10, 10, 6.05});
    return scenariofixtures::DataFile(cells, false, degreeLines);
}

} // namespace

TEST(ScenarioDrawing, SubductionFilesSeekByDegree)
{
    Registered r("NANKAI-MAP-S_K.CSV", SubductionData({"138", "139", "140", "141"}));
    vd::RecordingDc dc({1024, 768});
    WhiteMap(dc, r.folder, kScenario + 2);
    EXPECT_EQ(CellPixel(*dc.Image(), 139.5, 35.25), kIntensity605);
    EXPECT_TRUE(HasText(dc, "海溝型地震 1/1"));
    EXPECT_EQ(ReadFile(r.dataFolder / "NANKAI-MAP-S_K.hdr"),
              vd::toUpperAscii(WinFolder(r.dataFolder)) + "NANKAI-MAP-S_K.CSV\r\n138 0\r\n139 30\r\n140 60\r\n")
        << "the data path as the list gives it, upper-cased";
}

TEST(ScenarioDrawing, AnExtentWestOfTheFirstIndexedDegreeReadsFromTheTop)
{
    // The header starts at 140 degrees, the records at 138.5: the mesh at 139 degrees still shows.
    Registered r("WEST-MAP-S_K.CSV", SubductionData({"140", "141", "142"}));
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, kScenario + 2);
    EXPECT_EQ(CellPixel(dc, 139.5, 35.25), kIntensity605);
}

TEST(ScenarioDrawing, NothingRegisteredOrNoFileDrawsNoCell)
{
    const std::string folder = WinFolder(Home() / "empty");
    vd::RecordingDc dc({1024, 768});
    WhiteMap(dc, folder, kScenario + kFault);
    for (const vd::RecordedCall& call : dc.Calls())
        EXPECT_NE(call.op.kind, vd::DrawOp::Kind::FillSolidRect) << "only the progress box";
    EXPECT_TRUE(dc.Segments(kBlack).empty());

    Registered r("GONE-MAP-A.CSV", "");
    r.Add("GONE-FAULT-A.CSV", scenariofixtures::FaultFile({{139.25, 35.0, 0}, {139.5, 35.25, 0}}));
    std::filesystem::remove(r.dataFolder / "GONE-MAP-A.CSV");
    vd::ImageDc gone(1024, 768);
    OnSeisPlainMesh(&gone, 0, 127200, 500400, 124800, 504000, 0, 1, 1, -1, 2, 100, 1024, 0, 700, 0, 0.f, 0.f,
                    0.08888889f, 0.13333334f, "", "5239", "", "", r.folder);
    EXPECT_EQ(DrawnPixels(gone), 0) << "no data file, and the fault flag of the option code off";
}

namespace {

// A triangle inside mesh 5239 whose first point is `depth` km deep.
std::vector<Point> Triangle(double depthKm, double shift = 0)
{
    return {{139.25 + shift, 35.0, depthKm * 1000}, {139.5 + shift, 35.25, depthKm * 1000},
            {139.5 + shift, 34.9, depthKm * 1000 + 5000}};
}

} // namespace

TEST(ScenarioDrawing, TheFaultOutlineOverTheCells)
{
    Registered r("TEST-MAP-A.CSV", DataFile("\r\n"));
    r.Add("TEST-FAULT-A.CSV", scenariofixtures::FaultFile(Triangle(3)));
    vd::RecordingDc dc({1024, 768});
    WhiteMap(dc, r.folder, kScenario + kFault);
    EXPECT_EQ(dc.Segments(kBlack).size(), 1u) << "the shallow edge";
    EXPECT_EQ(dc.Segments(kBlackDotted).size(), 2u) << "the deeper point and the closing edge";
    EXPECT_TRUE(HasText(dc, "DP=3.0km"));
    EXPECT_TRUE(HasText(dc, "DP=8.0km"));
    EXPECT_EQ(CellPixel(*dc.Image(), 139.25, 35.1), kBedrock75) << "cells first";

    vd::RecordingDc off;
    WhiteMap(off, r.folder, kScenario);
    EXPECT_TRUE(off.Segments(kBlack).empty()) << "fault flag off";
}

TEST(ScenarioDrawing, NumberedFaultFilesPastTheNineteenth)
{
    Registered r("TEST-MAP-S_A.CSV", DataFile("\r\n"));
    for (int n = 1; n <= 21; ++n)
        r.Add("TEST-FAULT-S_A_F" + std::to_string(n) + ".CSV", scenariofixtures::FaultFile(Triangle(n, n * 0.01)));
    r.Add("TEST-FAULT-S_A_F23.CSV", scenariofixtures::FaultFile(Triangle(40)));
    vd::RecordingDc dc;
    WhiteMap(dc, r.folder, kScenario + kFault);
    for (int n = 1; n <= 21; ++n)
        EXPECT_TRUE(HasText(dc, "DP=" + std::to_string(n) + ".0km")) << n;
    EXPECT_FALSE(HasText(dc, "DP=40.0km")) << "numbering stops at the first missing file";
}

TEST(ScenarioDrawing, AsperitiesOfListFormScenariosInBlue)
{
    std::string text = scenariofixtures::Header();
    for (const std::string& record : Records())
        text += record + ",name\r\n";
    Registered r("TEST_SLIST-MAP-A.CSV", text);
    r.Add("TEST_SLIST-FAULT-A.CSV",
          scenariofixtures::FaultFile(Triangle(3), {Triangle(4, 0.05), {{139.3, 35.05, 5000}, {139.4, 35.1, 5000}}}));
    vd::RecordingDc dc;
    WhiteMap(dc, r.folder, kScenario + kFault + kAsperity);
    EXPECT_EQ(dc.Segments(kBlack).size(), 1u) << "the outline ends at the first # ASP";
    EXPECT_EQ(dc.Segments(kBlue).size(), 1u + 1u) << "one shallow edge of each asperity";
    EXPECT_TRUE(HasText(dc, "DP=4.0km"));

    vd::RecordingDc without;
    WhiteMap(without, r.folder, kScenario + kFault);
    EXPECT_TRUE(without.Segments(kBlue).empty());
    EXPECT_EQ(without.Segments(kBlack).size(), 1u);
}

TEST(ScenarioDrawing, SubductionDepthLines)
{
    Registered r("NANKAI-MAP-S_K.CSV", SubductionData({"138", "139", "140", "141"}));
    std::vector<Point> records;
    for (double lon : {139.25, 139.5, 139.75, 140.5})
        for (int i = 0; i < 3; ++i)
            records.push_back({lon, 34.9 + 0.1 * i, (lon - 139) * 40000 + i * 2000});
    r.Add("NANKAI-FAULT-S_K.CSV", scenariofixtures::SubductionFaultFile(records));
    vd::RecordingDc dc;
    WhiteMap(dc, r.folder, kScenario + kFault);
    // Each line inside is labelled at both ends, the last one only at its start: the record after
    // it lies east of the mesh and just closes it.
    for (const char* label : {"10.0km", "14.0km", "20.0km", "24.0km", "30.0km"})
        EXPECT_TRUE(HasText(dc, label)) << label;
    EXPECT_FALSE(HasText(dc, "34.0km"));
    EXPECT_FALSE(HasText(dc, "60.0km"));
    // Along each line: two segments; then the first points dotted, the last points solid, both
    // broken at the line outside.
    EXPECT_EQ(dc.Segments(kBlack).size(), 3u * 2u + 2u);
    EXPECT_EQ(dc.Segments(kBlackDotted).size(), 2u);

    // 200 lines of one point: each list keeps 148 points.
    std::vector<Point> many;
    for (int k = 0; k < 200; ++k)
        many.push_back({139.0 + 0.004 * (k + 1), 35.0, 1000});
    r.Add("NANKAI-FAULT-S_K.CSV", scenariofixtures::SubductionFaultFile(many));
    vd::RecordingDc capped;
    WhiteMap(capped, r.folder, kScenario + kFault);
    EXPECT_EQ(capped.Segments(kBlackDotted).size(), 147u);
    EXPECT_EQ(capped.Segments(kBlack).size(), 147u);
}
