// The value-label and relief forms of the plain exports: labels with their thresholds (circles,
// red numbers, dots) and the compact legend on a RecordingDc; sub-cells shaded by the relief file
// on an ImageDc, and the cells in their class colours without it.
#include "contracts/halvette.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "seismic/lists/SeismicDataList.h"
#include "tests/seismic/ScenarioFixtures.h"

#include <gtest/gtest.h>

using namespace seismicfixtures;

namespace {

const vd::COLORREF kRed = vd::RGB(255, 0, 0);
const vd::COLORREF kBlack = vd::RGB(0, 0, 0);

// The display method (ten-thousands), the legend flag (tens) and area kind 0 of the option code.
constexpr int kLabels = 10000, kLegend = 10;

struct Folder {
    std::filesystem::path data = Home() / "data";
    std::string folder = WinFolder(Home() / "app");
    void Register(int kind, const std::string& name, const std::string& bytes) const
    {
        WriteFile(data / name, bytes);
        seismic::AppendSeismicDataEntry(folder, kind, name, WinFolder(data) + name);
    }
};

// The plain map of one first-level mesh (5339 for the probabilistic files, 5239 for the
// scenario files) at 0.089 x 0.133 pixels a second.
int Plain(vd::Dc& dc, const std::string& folder, int option, int layerModeCode, int detail, int legendX = 500,
          bool relief = false, const std::string& mesh = "5339")
{
    const int p = std::stoi(mesh.substr(0, 2)), q = std::stoi(mesh.substr(2, 2));
    auto* draw = relief ? &OnSeisPlainMeshRelief : &OnSeisPlainMesh;
    return draw(&dc, 0, p * 2400 + 2400, q * 3600 + 360000, p * 2400, q * 3600 + 363600, option, 1, 1, -1, detail,
                layerModeCode, legendX, 0, 700, 0, 0.f, 0.f, 0.08888889f, 0.13333334f, "", mesh, "", "", folder);
}

struct Drawn {
    std::vector<vd::Rect> ellipses;
    std::vector<vd::RecordedText> texts;
    std::vector<vd::COLORREF> pixels;
};

Drawn Labels(const vd::RecordingDc& dc)
{
    Drawn d;
    for (const vd::RecordedCall& c : dc.Calls())
        if (c.op.kind == vd::DrawOp::Ellipse)
            d.ellipses.push_back(c.op.rect);
        else if (c.op.kind == vd::DrawOp::SetPixel)
            d.pixels.push_back(c.op.colour);
    for (const vd::RecordedText& t : dc.Texts())
        if (t.text.find("km") == std::string::npos && t.text.find('/') == std::string::npos &&
            t.text.find("しばらく") == std::string::npos) // not the progress box nor the index's wait message
            d.texts.push_back(t);
    return d;
}

std::vector<std::pair<std::string, vd::COLORREF>> TextsAndColours(const Drawn& d, std::size_t skip = 0)
{
    std::vector<std::pair<std::string, vd::COLORREF>> out;
    for (std::size_t i = skip; i < d.texts.size(); ++i)
        out.push_back({d.texts[i].text, d.texts[i].colour});
    return out;
}

using Texts = std::vector<std::pair<std::string, vd::COLORREF>>;

} // namespace

TEST(SeismicLabels, ProbabilisticThresholdsAndTheCompactLegend)
{
    Folder f;
    // 26 % is not above 26 %; 27 % is (circled, black beside it); 75 % red; 0.05 % is "0.0".
    f.Register(0, "L_PS.CSV", Lines({{"53390000", 0.26f}, {"53390001", 0.27f}, {"53390002", 0.75f},
                                     {"53390003", 0.0005f}}));
    vd::RecordingDc detail2;
    EXPECT_EQ(Plain(detail2, f.folder, kLabels + kLegend, 0, 2), 40) << "the compact legend whatever the anchor";
    const Drawn d = Labels(detail2);
    ASSERT_EQ(d.ellipses.size(), 2u);
    EXPECT_EQ(d.ellipses[0].Width(), 4);
    EXPECT_EQ(d.pixels, (std::vector<vd::COLORREF>{kBlack, kBlack})) << "a dot for each other cell";
    // The red number beside its circle, then the legend's title and marker.
    ASSERT_GE(d.texts.size(), 3u);
    EXPECT_EQ(d.texts[0].text, "75");
    EXPECT_EQ(d.texts[0].colour, kRed);
    EXPECT_EQ(d.texts[0].at, (vd::Point{d.ellipses[1].left + 6, d.ellipses[1].top - 4}));
    EXPECT_EQ(d.texts[1].text, "超過率 [%]");
    EXPECT_EQ(d.texts[2].text, "○：超過率26%以上");

    // Full detail: every number, red when strong.
    vd::RecordingDc detail3;
    Plain(detail3, f.folder, kLabels, 0, 3);
    EXPECT_EQ(TextsAndColours(Labels(detail3)),
              (Texts{{"26", kBlack}, {"27", kRed}, {"75", kRed}, {"0.0", kBlack}}));
    EXPECT_TRUE(Labels(detail3).ellipses.empty());
}

TEST(SeismicLabels, ProbabilisticIntensityAndVelocity)
{
    Folder f;
    f.Register(0, "L_SI.CSV", Lines({{"53390000", 6.0f}, {"53390001", 6.1f}, {"53390002", 5.9f}}));
    f.Register(0, "L_SV.CSV", Lines({{"53390000", 130.5f}, {"53390001", 131.0f}, {"53390002", 12.0f}}));
    vd::RecordingDc si;
    Plain(si, f.folder, kLabels, 0, 3);
    EXPECT_EQ(TextsAndColours(Labels(si)), (Texts{{"6.0", kBlack}, {"6.1", kRed}, {"5.9", kBlack}}));
    vd::RecordingDc si2;
    Plain(si2, f.folder, kLabels, 0, 2);
    EXPECT_EQ(Labels(si2).ellipses.size(), 1u);
    EXPECT_EQ(TextsAndColours(Labels(si2)), (Texts{{"6.1", kRed}}));

    // SV: 130 is not above 130; 131 is circled and red.
    vd::RecordingDc sv;
    EXPECT_EQ(OnSeisPlainMesh(&sv, 0, 129600, 500400, 127200, 504000, kLabels, 1, 1, -1, 3, 0, 500, 1, 700, 0, 0.f,
                              0.f, 0.08888889f, 0.13333334f, "", "5339", "", "", f.folder),
              0)
        << "legend flag off: no compact box, 0";
    EXPECT_EQ(TextsAndColours(Labels(sv)), (Texts{{"130", kBlack}, {"131", kRed}, {"12", kBlack}}));
}

TEST(SeismicLabels, ScenarioThresholds)
{
    Folder f;
    using scenariofixtures::Cell;
    // West to east inside mesh 5239: intensity 6.05 (L 60), 6.15 (61), 5.95 (59); velocities 131,
    // 250, 130.
    f.Register(1, "L-MAP-A.CSV",
               scenariofixtures::DataFile({{139.25, 35.1, 0, 131, 6.05}, {139.5, 35.0, 0, 250, 6.15},
                                           {139.75, 35.2, 0, 130, 5.95}}));
    vd::RecordingDc intensity3;
    EXPECT_EQ(Plain(intensity3, f.folder, kLabels + kLegend, 102, 3, 500, false, "5239"), -1)
        << "the scenario's compact legend only from anchor 801";
    EXPECT_EQ(TextsAndColours(Labels(intensity3)), (Texts{{"6.0", kBlack}, {"6.1", kRed}, {"5.9", kBlack}}));

    vd::RecordingDc intensity2;
    EXPECT_EQ(Plain(intensity2, f.folder, kLabels + kLegend, 102, 2, 1024, false, "5239"), 40);
    const Drawn d = Labels(intensity2);
    EXPECT_EQ(d.ellipses.size(), 1u);
    EXPECT_EQ(d.pixels.size(), 2u);
    Texts texts = TextsAndColours(d);
    texts.resize(std::min<std::size_t>(texts.size(), 3)); // then the credit lines
    EXPECT_EQ(texts, (Texts{{"6.1", kRed}, {"地表の震度", kBlack}, {"○：震度６以上", kBlack}}));

    vd::RecordingDc velocity;
    Plain(velocity, f.folder, kLabels, 101, 2, 500, false, "5239");
    EXPECT_EQ(Labels(velocity).ellipses.size(), 2u) << "131 and 250";
    EXPECT_EQ(TextsAndColours(Labels(velocity)), (Texts{{"250", kRed}})) << "red only above 200";
}

namespace {

// Relief bytes of the single mesh at area kind 0 (320 a row; 30 seconds are 4 rows, 45 seconds 4
// columns): byte 0 level 1, byte 1 level 9, byte 320 (row 1) level 3, the rest 0.
void WriteRelief(const Folder& f)
{
    std::string bytes(102400, '\0');
    bytes[0] = 1;
    bytes[1] = 9;
    bytes[320] = 23;
    WriteFile(Home() / "app" / "TEMP" / "RELIEF.DAT", bytes);
    (void)f;
}

// One cell at a pixel a second: 45 x 30 pixels, six by six sub-cells of 8 x 6 pixels.
void ReliefCell(vd::Dc& dc, const std::string& folder, int layerModeCode, int west, int south)
{
    OnSeisPlainMeshRelief(&dc, 0, south + 30, west, south, west + 45, 0, 1, 1, -1, 2, layerModeCode, 500, 0, 700, 0,
                          0.f, 0.f, 1.f, 1.f, "", "5339", "", "", folder);
}

const vd::COLORREF kYellow = vd::RGB(255, 255, 0);
const vd::COLORREF kShade1 = vd::RGB(251, 251, 5), kShade3 = vd::RGB(237, 237, 5), kShade9 = vd::RGB(147, 147, 5);

} // namespace

TEST(SeismicRelief, SubCellsTakeTheShadeOfTheReliefUnderThem)
{
    Folder f;
    f.Register(0, "R_PS.CSV", Lines({{"53390000", 0.002f}})); // class 1, yellow
    WriteRelief(f);
    vd::ImageDc dc(64, 40);
    ReliefCell(dc, f.folder, 0, 500400, 127200);
    EXPECT_EQ(dc.GetPixel(1, 27), kShade1) << "sub-cell 0: byte 0";
    EXPECT_EQ(dc.GetPixel(16, 27), kShade9) << "sub-cell 2 (15 seconds east): byte 1";
    EXPECT_EQ(dc.GetPixel(1, 16), kShade3) << "sub-cell 12 (10 seconds north): byte 320";
    EXPECT_EQ(dc.GetPixel(40, 27), kYellow) << "level 0 is the class colour";
}

TEST(SeismicRelief, WithoutTheReliefFileTheCellsKeepTheirClassColours)
{
    Folder f;
    f.Register(0, "R_PS.CSV", Lines({{"53390000", 0.002f}}));
    vd::ImageDc dc(64, 40);
    ReliefCell(dc, f.folder, 0, 500400, 127200);
    for (const vd::Point p : {vd::Point{1, 27}, vd::Point{16, 27}, vd::Point{1, 16}})
        EXPECT_EQ(dc.GetPixel(p.x, p.y), kYellow);
    // The test process is still here.
    SUCCEED();
}

TEST(SeismicRelief, ScenarioCellsFromTheirCorner)
{
    Folder f;
    // The cell centre 139.00625 E 35.3375 N (500422, 127215): corner 500399, 127200; intensity 5.2.
    f.Register(1, "R-MAP-A.CSV", scenariofixtures::DataFile({{139.00625, 35.3375, 0, 0, 5.2}}));
    WriteRelief(f);
    vd::ImageDc dc(64, 40);
    ReliefCell(dc, f.folder, 102, 500400, 127200);
    EXPECT_EQ(dc.GetPixel(15, 27), kShade9) << "sub-cell 2: 500414 seconds, byte 1";
    EXPECT_EQ(dc.GetPixel(7, 16), kShade3) << "sub-cell 13: row 1, column 0";
}

TEST(SeismicLegendOnMaps, WhiteMapsShowTheirLegendAtTheClientEdge)
{
    Folder f;
    f.Register(0, "W_PS.CSV", Lines({{"53390000", 0.26f}}));
    f.Register(1, "W-MAP-A.CSV", scenariofixtures::DataFile({{139.5, 35.25, 75, 131, 6.05}}));
    // Client width 1024, status line 700; the legend flag in the thousands digit.
    const struct {
        int code;
        const char* mesh;
        vd::Point swatch;
        vd::COLORREF colour;
    } maps[] = {
        {1000, "5339", {880, 405}, vd::RGB(144, 255, 80)}, // six rows: g = 700 - 275
        {1011, "5239", {880, 590}, vd::RGB(0, 0, 200)},    // fifteen rows: g = 700 - 95
    };
    for (const auto& m : maps) {
        for (const int legend : {0, 1}) {
            vd::ImageDc dc(1024, 768);
            OnSeisWhiteMesh(&dc, 0, 999, 1, 1, 0, 2, m.code - 1000 * (1 - legend), 1024, 0, 700, 0.f, 0.f, 1.f, 1.f, "",
                            m.mesh, "1", f.folder);
            EXPECT_EQ(dc.GetPixel(m.swatch.x, m.swatch.y) == m.colour, legend == 1) << m.code << " " << legend;
        }
    }
    // The whole-country map too.
    vd::ImageDc country(1200, 800);
    OnSeisWhiteMeshTavrel(&country, 132000, 496800, 124800, 507600, 2, 2, 2, 1, 3, 1000, 1024, 0, 700, 10.f, 20.f, 0.1f,
                          0.1f, "広域3", "5339", "5339", "5339", f.folder);
    EXPECT_EQ(country.GetPixel(880, 405), vd::RGB(144, 255, 80));
}
