// The probabilistic hazard maps drawn through the three entry points on an ImageDc: cells at known
// places in their class colours, the block of meshes each call walks, the seek index at work.
#include "contracts/halvette.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "seismic/SeismicCallSetup.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/lists/SeismicDataList.h"
#include "tests/seismic/SeismicFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace seismicfixtures;

namespace {

const vd::COLORREF kWhite = vd::RGB(255, 255, 255);
const vd::COLORREF kPsClass4 = vd::RGB(232, 0, 56);
const vd::COLORREF kPsClass1 = vd::RGB(255, 255, 0);
const vd::COLORREF kSvClass14 = vd::RGB(168, 0, 0);

// An application folder with one registered probabilistic file.
struct Registered {
    std::string folder = WinFolder(Home() / "app");
    std::filesystem::path data;
    Registered(const std::filesystem::path& dataFile, const std::string& bytes)
        : data(dataFile)
    {
        WriteFile(dataFile, bytes);
        seismic::AppendSeismicDataEntry(folder, 0, "テスト", WinFolder(dataFile.parent_path()) +
                                                               dataFile.filename().string());
    }
    std::filesystem::path Index() const { return std::filesystem::path(data).replace_extension(".hdr"); }
};

// Where a cell's top-left pixel lands, computed in double (within a pixel of the drawing's floats).
struct Screen {
    int north, west;
    double xScale, yScale, xOffset, yOffset;
    vd::COLORREF At(const vd::Dc& dc, const std::string& code, int dx = 1, int dy = 1) const
    {
        const int p = std::stoi(code.substr(0, 2)), q = std::stoi(code.substr(2, 2));
        const int lat = p * 2400 + (code[4] - '0') * 300 + (code[6] - '0') * 30;
        const int lon = q * 3600 + (code[5] - '0') * 450 + (code[7] - '0') * 45 + 360000;
        return dc.GetPixel(int(std::floor((lon - west) * xScale + xOffset)) + dx,
                           int(std::floor((north - lat) * yScale + yOffset)) + dy);
    }
};

int NonWhitePixels(const vd::ImageDc& dc)
{
    int count = 0;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            count += dc.GetPixel(x, y) != kWhite;
    return count;
}

void WhiteMap(vd::Dc& dc, const std::string& folder, int frameMode, const std::string& blockText, int code = 0,
              int entry = 0)
{
    OnSeisWhiteMesh(&dc, 0, 999, 1, frameMode, 0, 2, code, 1024, entry, 700, 0.f, 0.f, 1.f, 1.f, "", "5339",
                    blockText, folder);
}

// The single mesh 5339 at zoom 1: 127200-129600 by 500400-504000 seconds.
const Screen kOneMesh{129600, 500400, 0.08888889, 0.13333334, 2, -4};

} // namespace

TEST(SeismicDrawing, WhiteMapOfOneMeshColoursItsCells)
{
    Registered r(Home() / "data" / "HAZARD_PS.CSV",
                 Lines({{"53394567", 0.26f}, {"53390000", 0.002f}, {"53397799", 0.5f}, {"53400000", 0.9f}}));
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 1, "1");
    EXPECT_EQ(kOneMesh.At(dc, "53394567"), kPsClass4);
    // Cells 4 pixels apart are 5 x 5 pixels, so neighbours overlap and leave no gap.
    EXPECT_EQ(kOneMesh.At(dc, "53394567", 4, 4), kPsClass4);
    EXPECT_EQ(kOneMesh.At(dc, "53394567", 5, 1), kWhite);
    EXPECT_EQ(kOneMesh.At(dc, "53394567", 1, 5), kWhite);
    EXPECT_EQ(dc.GetPixel(230, 132), kPsClass4); // record 53394567: south 128580, west 502965
    EXPECT_EQ(kOneMesh.At(dc, "53390000"), kPsClass1);
    EXPECT_EQ(kOneMesh.At(dc, "53397799"), vd::RGB(255, 0, 0));
    EXPECT_EQ(kOneMesh.At(dc, "53394568"), kWhite);
    EXPECT_TRUE(std::filesystem::exists(r.Index()));
}

TEST(SeismicDrawing, WhiteMapBlocksOfNineAndTwentyFive)
{
    // North-west, centre and south-east meshes of the 3 x 3 block around 5339.
    Registered r(Home() / "data" / "B_SV.CSV",
                 Lines({{"54380000", 200}, {"53390000", 75}, {"52407709", 165}, {"52410000", 165}}));
    const float shrink = 0.9974748f;
    const Screen block9{132000, 496800, 0.08888889f * shrink, 0.13333334f * shrink, 1, -30 * 0.13333334f * shrink + 2};
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 2, "9=京都");
    EXPECT_EQ(block9.At(dc, "54380000"), kSvClass14);
    EXPECT_EQ(block9.At(dc, "53390000"), vd::RGB(255, 255, 0));
    EXPECT_EQ(block9.At(dc, "52407709"), kSvClass14);
    // 5241 lies outside the block: nothing drawn east of it.
    int drawnEast = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 961; x < 1024; ++x)
            drawnEast += dc.GetPixel(x, y) != kWhite;
    EXPECT_EQ(drawnEast, 0);

    // "25" and any further text: 5 x 5 meshes, so 5241 (east of centre by two) is drawn.
    const Screen block25{134400, 493200, 0.08888889f * shrink, 0.13333334f * shrink, 1, -30 * 0.13333334f * shrink + 2};
    vd::ImageDc wide(1700, 1700);
    WhiteMap(wide, r.folder, 2, "25=大阪");
    EXPECT_EQ(block25.At(wide, "52410000"), kSvClass14);
    EXPECT_EQ(block25.At(wide, "53390000"), vd::RGB(255, 255, 0));
}

TEST(SeismicDrawing, WholeCountryWalksTheWideAreaBlockUnshrunk)
{
    Registered r(Home() / "data" / "W_PS.CSV", Lines({{"54380000", 0.26f}, {"53390000", 0.26f}, {"52400000", 0.26f}}));
    // Scales and offsets as given: 0.1 pixel a second, origin (10, 20).
    const Screen screen{132000, 496800, 0.1, 0.1, 10, 20};
    vd::ImageDc dc(1200, 800);
    OnSeisWhiteMeshTavrel(&dc, 132000, 496800, 124800, 507600, 2, 2, 2, 1, 3, 0, 1024, 0, 780, 10.f, 20.f, 0.1f, 0.1f,
                          "広域3", "5339", "5339", "5339", r.folder);
    for (const char* code : {"54380000", "53390000", "52400000"})
        EXPECT_EQ(screen.At(dc, code), kPsClass4) << code;
    EXPECT_EQ(screen.At(dc, "53390001"), kWhite);

    // Area kind 3: the four codes of a wide-area list (those repeating the first left empty).
    vd::ImageDc quad(1200, 800);
    OnSeisWhiteMeshTavrel(&quad, 132000, 496800, 124800, 507600, 3, 10, 2, 1, 3, 0, 1024, 0, 780, 10.f, 20.f, 0.1f,
                          0.1f, "", "5339", "5339|5338|5339|5338|5340|5341|5342|5343|5339", "", r.folder);
    EXPECT_EQ(screen.At(quad, "53390000"), kPsClass4);
}

TEST(SeismicDrawing, PlainMapDrawsTheMeshAndItsLegend)
{
    Registered r(Home() / "data" / "P_PS.CSV", Lines({{"53394567", 0.26f}}));
    vd::ImageDc dc(1024, 768);
    // The legend flag off: the legend answers 0 and draws nothing.
    const int result = OnSeisPlainMesh(&dc, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, 2, 0, 1024, 0, 700, 0,
                                       0.f, 0.f, 0.08888889f, 0.13333334f, "", "5339", "", "", r.folder);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(kOneMesh.At(dc, "53394567"), kPsClass4);
    EXPECT_EQ(dc.GetPixel(1024 + 30 - 140, 700 - 275 - 20), kWhite);

    // With the flag (tens digit of the option code): the six-row box at the right edge, moved 30
    // pixels right by the caller flag -1; class 0's swatch at (x - 150, b - 300).
    vd::ImageDc legend(1100, 768);
    EXPECT_EQ(OnSeisPlainMesh(&legend, 0, 129600, 500400, 127200, 504000, 10, 1, 1, -1, 2, 0, 1024, 0, 700, 0, 0.f,
                              0.f, 0.08888889f, 0.13333334f, "", "5339", "", "", r.folder),
              165);
    EXPECT_EQ(legend.GetPixel(1024 + 30 - 140, 700 - 275 - 20), vd::RGB(144, 255, 80));
    // Anchor 800: no legend, -1.
    vd::ImageDc narrow(1024, 768);
    EXPECT_EQ(OnSeisPlainMesh(&narrow, 0, 129600, 500400, 127200, 504000, 10, 1, 1, -1, 2, 0, 800, 0, 700, 0, 0.f, 0.f,
                              0.08888889f, 0.13333334f, "", "5339", "", "", r.folder),
              -1);

    // A scenario map without a registered file draws nothing; nor does a map kind other than 0
    // and 1, which answers -1.
    for (const auto& [mode, answer] : {std::pair{100, 0}, std::pair{200, -1}}) {
        vd::ImageDc other(1024, 768);
        EXPECT_EQ(OnSeisPlainMesh(&other, 0, 129600, 500400, 127200, 504000, 0, 1, 1, -1, 2, mode, 1024, 0, 700, 0,
                                  0.f, 0.f, 0.08888889f, 0.13333334f, "", "5339", "", "", r.folder),
                  answer);
        EXPECT_EQ(NonWhitePixels(other), 0) << mode;
    }
}

TEST(SeismicDrawing, NothingDrawnWithoutADataFileOrForAnotherMapKind)
{
    Registered r(Home() / "data" / "N_PS.CSV", Lines({{"53394567", 0.26f}}));
    // (The scenario map, kind 1, has its own tests: it shows its progress box whatever it finds.)
    for (const auto& [code, entry] : {std::pair{0, -1}, std::pair{0, 1}, std::pair{20, 0}}) {
        vd::ImageDc dc(1024, 768);
        WhiteMap(dc, r.folder, 1, "1", code, entry);
        EXPECT_EQ(NonWhitePixels(dc), 0) << code << " " << entry;
    }
    // A missing registered file: no index written, nothing drawn.
    std::filesystem::remove(r.data);
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 1, "1");
    EXPECT_EQ(NonWhitePixels(dc), 0);
    EXPECT_FALSE(std::filesystem::exists(r.Index()));
}

TEST(SeismicDrawing, TheSecondDrawingUsesTheIndex)
{
    Registered r(Home() / "data" / "I_PS.CSV", Lines({{"53380000", 0.1f}, {"53394567", 0.26f}}));
    vd::ImageDc first(1024, 768);
    WhiteMap(first, r.folder, 1, "1");
    ASSERT_EQ(kOneMesh.At(first, "53394567"), kPsClass4);
    // An index that knows no 5339: the data file is no longer searched for it.
    WriteFile(r.Index(), "Z:\\I_PS.CSV\r\n5338 0\r\n");
    vd::ImageDc second(1024, 768);
    WhiteMap(second, r.folder, 1, "1");
    EXPECT_EQ(kOneMesh.At(second, "53394567"), kWhite);
}

TEST(SeismicDrawing, LinesOfAnotherLengthStillDrawEveryRecord)
{
    // 700 records of 5338 then the run of 5339, LF only (65 bytes): the seek lands inside the run.
    auto cells = MeshCells("5338", 700, 0.1f);
    for (const Cell& c : MeshCells("5339", 120, 0.26f))
        cells.push_back(c);
    Registered r(Home() / "data" / "L_PS.CSV", Lines(cells, "\n"));
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 1, "1");
    EXPECT_EQ(kOneMesh.At(dc, "53390000"), kPsClass4); // the run's first record
    EXPECT_EQ(kOneMesh.At(dc, "53390119"), kPsClass4); // and its last
    EXPECT_EQ(kOneMesh.At(dc, "53390120"), kWhite);
}

TEST(SeismicDrawing, AnIndexOlderThanItsDataFileStillFindsTheMesh)
{
    // The index of a longer file: its 5339 run lay 40 records further on, past this file's end.
    Registered r(Home() / "data" / "S_PS.CSV", Lines({{"53380000", 0.1f}, {"53394567", 0.26f}}));
    WriteFile(r.Index(), "Z:\\S_PS.CSV\r\n5338 0\r\n5339 41\r\n");
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 1, "1");
    EXPECT_EQ(kOneMesh.At(dc, "53394567"), kPsClass4);
}

TEST(SeismicDrawing, AFileInADottedFolderDrawsInItsColours)
{
    Registered r(Home() / ".local" / "share.d" / "hazard_ps.csv", Lines({{"53394567", 0.26f}}));
    vd::ImageDc dc(1024, 768);
    WhiteMap(dc, r.folder, 1, "1");
    EXPECT_EQ(kOneMesh.At(dc, "53394567"), kPsClass4);
    EXPECT_TRUE(std::filesystem::exists(Home() / ".local" / "share.d" / "HAZARD_PS.hdr")); // named at the file's "."
}

TEST(SeismicDrawing, PensFontsAndTheCallersObjects)
{
    vd::RecordingDc dc;
    const vd::Pen callerPen(vd::PS_SOLID, 3, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    {
        CSeismicLayerRenderer r(dc);
        const struct {
            int code, style, width;
            vd::COLORREF colour;
        } pens[] = {{1, vd::PS_SOLID, 1, vd::RGB(0, 0, 255)}, {2, vd::PS_DOT, 1, vd::RGB(0, 0, 255)},
                    {9, vd::PS_SOLID, 1, 0},                  {11, vd::PS_SOLID, 2, 0},
                    {12, vd::PS_DOT, 1, 0}};
        for (const auto& p : pens) {
            r.SelectSeismicPen(p.code);
            EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(p.style, p.width, p.colour)) << p.code;
        }
        r.SelectSeismicPen(3); // no pen for 3: the last one stays
        EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_DOT, 1, 0));
        const struct {
            int n, detail, height;
        } fonts[] = {{-888, 2, 12}, {-999, 2, 11}, {1, 2, 10}, {9, 3, 10}, {9, 2, 9}, {25, 1, 9}};
        for (const auto& f : fonts)
            EXPECT_EQ(CSeismicLayerRenderer::LabelFontHeight(f.n, f.detail), f.height) << f.n << " " << f.detail;
        r.SelectLabelFont(3, -888);
        EXPECT_EQ(dc.GetCurrentFont().GetLogFont().lfFaceName, "ＭＳ 明朝");
        EXPECT_EQ(dc.GetCurrentFont().GetLogFont().lfHeight, 12);
        r.SelectLabelFont(4);
    }
    Registered reg(Home() / "data" / "R_PS.CSV", Lines({{"53394567", 0.26f}}));
    dc.SelectObject(callerPen);
    OnSeisWhiteMesh(&dc, 0, 999, 1, 1, 0, 2, 0, 1024, 0, 700, 0.f, 0.f, 1.f, 1.f, "", "5339", "1", reg.folder);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    OnSeisWhiteMesh(nullptr, 0, 999, 1, 1, 0, 2, 0, 1024, 0, 700, 0.f, 0.f, 1.f, 1.f, "", "5339", "1", reg.folder);
}

TEST(SeismicCallSetup, DigitsBlocksAndTitles)
{
    using namespace seismic;
    const struct {
        const char* mesh;
        int frameMode;
        const char* blockText;
        WhiteBlock block;
    } blocks[] = {
        {"5339", 1, "25=x", {1, 129600, 500400, 127200, 504000}},
        {"5339", 2, "25", {25, 134400, 493200, 122400, 511200}},
        {"5339", 2, "25=京都", {25, 134400, 493200, 122400, 511200}},
        {"5339", 2, "9=", {9, 132000, 496800, 124800, 507600}},
        {"5339", 2, "49=x", {9, 132000, 496800, 124800, 507600}},
        {"5339", 2, "250", {9, 132000, 496800, 124800, 507600}},
    };
    for (const auto& b : blocks)
        EXPECT_EQ(ChooseWhiteBlock(b.mesh, b.frameMode, b.blockText), b.block) << b.frameMode << b.blockText;
    EXPECT_EQ(WhiteScaleX(1.5f), 1.5f * 0.08888889f);
    EXPECT_EQ(WhiteScaleY(1.5f), 1.5f * 0.13333334f);

    const WhiteModeCode white = DecodeWhiteModeCode(12312);
    EXPECT_EQ((std::array{white.asperityFlag, white.legendFlag, white.faultFlag, white.mapKind, white.scenarioQuantity}),
              (std::array{1, 2, 3, 1, 2}));
    const PlainOption plain = DecodePlainOption(14321);
    EXPECT_EQ((std::array{plain.displayMethod, plain.asperityFlag, plain.faultFlag, plain.legendFlag, plain.areaKind}),
              (std::array{1, 4, 3, 2, 1}));
    EXPECT_EQ(PlainMapKind(1102), 1);
    EXPECT_EQ(SeismicMapKindTitle(0), "地震動予測(確率論的)");
    EXPECT_EQ(SeismicMapKindTitle(1), "主要９８断層");
    EXPECT_EQ(SeismicMapKindTitle(2), "");
}
