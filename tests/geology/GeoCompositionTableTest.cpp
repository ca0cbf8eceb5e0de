// The geology composition table through OnG4LegendTable: the page on a RecordingDc, the cells
// with their rock numbers and fills, the outlines from white-map and plain-map work files, a
// render at named cells, and the same outlines printed to PDF.
#include "geology/GeoCompositionTable.h"
#include "contracts/dovanne.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/PrinterDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/geology/GeoFixtures.h"
#include "tests/view/PdfPages.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using geology_test::GeoFolder;

constexpr vd::COLORREF kWhite = vd::RGB(255, 255, 255);

class CompositionTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"GEOLOGY.PLT", "GEOLOGY.DAT"})
            fs::copy_file(fs::path(VD_SOURCE_DIR) / "data" / name, Linux(name), fs::copy_options::overwrite_existing);
        fs::create_directories(Linux("TEMP"));
    }
    fs::path Linux(const std::string& name) const { return fs::path(std::getenv("VELDORAN_HOME")) / "GEO" / name; }
    // A work file: `grids` grids of side x side bytes, then table A (rock by slot) and table B (era).
    void WriteWorkFile(const char* name, int grids, int side, const std::map<int, std::pair<int, int>>& slots) const
    {
        std::string bytes(std::size_t(grids) * side * side, '\0');
        std::string a(200, '\0'), b(200, '\0');
        for (const auto& [slot, rockEra] : slots) {
            a[std::size_t(slot)] = char(rockEra.first);
            b[std::size_t(slot)] = char(rockEra.second);
        }
        std::ofstream(Linux(std::string("TEMP/") + name), std::ios::binary) << bytes + a + b;
    }
    void Draw(vd::Dc& dc, int item, int areaKind, int workFile, int side = 240)
    {
        OnG4LegendTable(&dc, item, areaKind, 2, side, workFile, 0, 0, 900, 0, 700, 10, 10, 10, 10, "", "", "", "", "",
                        folder.Windows(), "");
    }
    // The tops of the outlined cells of a column.
    static std::set<int> OutlinedTops(const vd::RecordingDc& dc, int column)
    {
        std::set<int> tops;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::Polyline && call.op.points.size() == 5 &&
                call.op.points[0].x == GeoTableCellLeft(column))
                tops.insert(call.op.points[0].y);
        return tops;
    }
    static int Outlines(const vd::RecordingDc& dc)
    {
        int n = 0;
        for (const vd::RecordedCall& call : dc.Calls())
            n += call.op.kind == vd::DrawOp::Polyline ? 1 : 0;
        return n;
    }
    GeoFolder folder;
};

} // namespace

TEST_F(CompositionTable, PageGeometryTextsAndFonts)
{
    vd::RecordingDc dc;
    const vd::Pen callerPen(vd::PS_DASH, 3, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    Draw(dc, 1, 0, 1);
    std::map<std::string, vd::RecordedText> texts;
    for (const vd::RecordedText& t : dc.Texts())
        texts.emplace(t.text, t);
    const struct {
        const char* text;
        int x, y, height;
    } expected[] = {
        {"地  質  構  成  一  覧  表", 300, 10, 16},
        {"沖", 8, 110, 16},
        {"世", 8, 110 + 34, 16},
        {"紀", 8, 110 + 90 * 2 + 51, 16},
        {"-------------------------------堆積岩類-------------------------------", 30, 33, 10},
        {"---------------火山岩類--------------", 30 + 13 * 29, 33, 10},
        {"---深成岩類---", 30 + 13 * 45, 33, 10},
        {"---------変成岩類---------", 30 + 13 * 52, 33, 10},
        {"石灰岩", 30 + 13 * 26, 80, 10},
        {"斑レイ岩質", 30 + 13 * 47, 65, 10},
        {"数字は岩石区分の番号［本アプリケーション添付のファイル｢GEOLOGY.DAT｣参照］", 20, 645, 10},
        {"火山拠出物(火山灰,軽石,火山泥流など) ", 470, 645, 10},
        {"火山砕屑物(火山角礫岩、凝灰角礫岩、集塊岩など)", 470, 660, 10},
        {"表示中の地図にあらわれる岩石（地層）は枠線付で表示", 20, 660, 10},
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(texts.count(e.text)) << e.text;
        EXPECT_EQ(texts[e.text].at, (vd::Point{e.x, e.y})) << e.text;
        EXPECT_EQ(texts[e.text].font.GetLogFont().lfHeight, e.height) << e.text;
        EXPECT_EQ(texts[e.text].font.GetLogFont().lfFaceName, "ＭＳ 明朝") << e.text;
    }
    const std::vector<vd::Segment> lines = dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0)));
    std::set<std::array<int, 4>> drawn;
    for (const vd::Segment& seg : lines)
        drawn.insert({seg.from.x, seg.from.y, seg.to.x, seg.to.y});
    for (const std::array<int, 4>& line : std::vector<std::array<int, 4>>{{845, 5, 845, 688},
                                                                          {5, 688, 845, 688},
                                                                          {10, 28, 840, 28},
                                                                          {30, 48, 840, 48},
                                                                          {10, 95, 840, 95},
                                                                          {10, 275, 840, 275},
                                                                          {10, 455, 840, 455},
                                                                          {10, 545, 840, 545},
                                                                          {10, 635, 840, 635}})
        EXPECT_TRUE(drawn.count(line)) << line[0] << "," << line[1] << " " << line[2] << "," << line[3];
    bool frame = false;
    for (const vd::RecordedCall& call : dc.Calls())
        frame = frame || (call.op.kind == vd::DrawOp::Rectangle && call.op.rect == vd::Rect{5, 5, 845, 688});
    EXPECT_TRUE(frame);
    EXPECT_EQ(dc.State().pen, callerPen) << "the caller's pen is back";
}

TEST_F(CompositionTable, ColumnsCarryTheirNumbersAndFillsByEra)
{
    vd::RecordingDc dc;
    Draw(dc, -1, 0, 1);
    // Numbers written in each cell: (left, top + 40) -> text.
    std::map<std::pair<int, int>, std::string> numbers;
    for (const vd::RecordedText& t : dc.Texts())
        if (t.font.GetLogFont().lfHeight == 10)
            numbers[{t.at.x, t.at.y}] = t.text;
    std::set<std::pair<int, int>> fills;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::FillSolidRect) {
            EXPECT_EQ(call.op.rect.right - call.op.rect.left, 11);
            EXPECT_EQ(call.op.rect.bottom - call.op.rect.top, 80);
            fills.insert({call.op.rect.left, call.op.rect.top});
        }
    const struct {
        int column, era;
        const char* number; // nullptr: an empty cell
    } cells[] = {
        {9, 4, "93"},     {9, 3, "93"},     {9, 2, nullptr}, {9, 1, nullptr}, {9, 6, "17"},
        {9, 5, "17"},     {61, 4, "81"},    {61, 3, "81"},   {61, 2, "81"},   {61, 1, "81"},
        {61, 5, nullptr}, {61, 6, nullptr}, {7, 4, nullptr}, // a gap
    };
    for (const auto& c : cells) {
        const int left = GeoTableCellLeft(c.column), top = GeoTableCellTop(c.era);
        EXPECT_EQ(fills.count({left, top}), c.number ? 1u : 0u) << c.column << " era " << c.era;
        const auto it = numbers.find({left, top + 40});
        if (c.number) {
            ASSERT_NE(it, numbers.end()) << c.column << " era " << c.era;
            EXPECT_EQ(it->second, c.number);
        } else {
            EXPECT_EQ(it, numbers.end()) << c.column << " era " << c.era;
        }
    }
    EXPECT_EQ(numbers.count({GeoTableCellLeft(0), GeoTableCellTop(6) + 40}) +
                  numbers.count({GeoTableCellLeft(0), GeoTableCellTop(1) + 40}),
              std::size_t(fills.count({GeoTableCellLeft(0), GeoTableCellTop(6)}) +
                          fills.count({GeoTableCellLeft(0), GeoTableCellTop(1)})))
        << "a number only where a fill is";
    EXPECT_EQ(Outlines(dc), 0) << "item -1: no outline";
    for (const vd::RecordedText& t : dc.Texts())
        EXPECT_NE(t.text, "表示中の地図にあらわれる岩石（地層）は枠線付で表示");
}

TEST_F(CompositionTable, OutlinesFromTheWhiteMapWorkFile)
{
    // Slot 3: rock 44 of no era (every filled row of column 32); slot 7: 93 of era 3; slot 9: 82
    // in era 2 (the column of 81); slot 11: 17 of era 1 (no class there: no outline); slot 12: a
    // rock without column.
    WriteWorkFile("GeoWmap.dat", 0, 0, {{3, {44, 0}}, {7, {93, 3}}, {9, {82, 2}}, {11, {17, 1}}, {12, {99, 4}}});
    vd::RecordingDc dc;
    Draw(dc, 1, 0, 1);
    EXPECT_EQ(OutlinedTops(dc, 32), (std::set<int>{280, 190, 100}));
    EXPECT_EQ(OutlinedTops(dc, 9), (std::set<int>{GeoTableCellTop(3)}));
    EXPECT_EQ(OutlinedTops(dc, 61), (std::set<int>{GeoTableCellTop(2)}));
    EXPECT_EQ(Outlines(dc), 5);
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Polyline) {
            const vd::Point p = call.op.points[0];
            EXPECT_EQ(call.op.points,
                      (std::vector<vd::Point>{p, {p.x + 10, p.y}, {p.x + 10, p.y + 79}, {p.x, p.y + 79}, p}));
        }

    // Another theme last drawn, or item -1: none.
    vd::RecordingDc other;
    Draw(other, 1, 2, 1);
    EXPECT_EQ(Outlines(other), 0);
}

TEST_F(CompositionTable, OutlinesFromPlainMapFilesOfAnyBlockSize)
{
    // An 80-cell block read with the caller's 240, a 240 block, and a file of no block size
    // (read with the caller's side; its tables then lie elsewhere).
    for (const int side : {80, 240}) {
        WriteWorkFile("Geofile.DAT", 2, side, {{0, {93, 4}}});
        vd::RecordingDc dc;
        Draw(dc, 1, 0, 0);
        EXPECT_EQ(OutlinedTops(dc, 9), (std::set<int>{GeoTableCellTop(4)})) << side;
    }
    {
        std::ofstream(Linux("TEMP/Geofile.DAT"), std::ios::binary) << std::string(2 * 100 * 100 + 400, '\x5d');
        vd::RecordingDc dc;
        Draw(dc, 1, 0, 0);
        EXPECT_EQ(Outlines(dc), 0) << "past the end of the file: no rocks";
    }
    // No work file at all: the table stands, the pen goes back.
    fs::remove(Linux("TEMP/Geofile.DAT"));
    vd::RecordingDc dc;
    Draw(dc, 1, 0, 0);
    EXPECT_EQ(Outlines(dc), 0);
    EXPECT_GT(dc.Texts().size(), 50u);
    EXPECT_EQ(dc.State().pen, vd::StockPen(vd::BLACK_PEN));
}

TEST_F(CompositionTable, RenderedCellsAreColouredWhereTheTableGivesAClass)
{
    vd::ImageDc image(900, 700);
    image.FillSolidRect(0, 0, 900, 700, kWhite);
    Draw(image, -1, 0, 1);
    const int x = GeoTableCellLeft(9) + 2; // clear of the number
    EXPECT_NE(image.GetPixel(x, GeoTableCellTop(4) + 5), kWhite) << "column 9, era 4: 93";
    EXPECT_EQ(image.GetPixel(x, GeoTableCellTop(2) + 5), kWhite) << "column 9, era 2: no class";
}

TEST_F(CompositionTable, PrintedToPdfWithTheSameOutlines)
{
    WriteWorkFile("GeoWmap.dat", 0, 0, {{3, {44, 0}}});
    const fs::path pdfFolder = fs::temp_directory_path() / ("veldoran-geotable-" + std::to_string(::getpid()));
    // Prints the table (item 1 outlines the rock of the work file, -1 none) and gives the ink
    // (darkness summed) inside the cells of a column, eras 4 to 6.
    const auto printedInk = [&](int item, int column) {
        fs::create_directories(pdfFolder);
        const fs::path pdf = pdfFolder / "table.pdf";
        int offsetX = 0, offsetY = 0;
        {
            auto printer = vd::PrinterDc::ForPdf(pdf.string());
            EXPECT_TRUE(printer);
            if (!printer)
                return -1;
            offsetX = printer->GetDeviceCaps(vd::PHYSICALOFFSETX);
            offsetY = printer->GetDeviceCaps(vd::PHYSICALOFFSETY);
            printer->StartDoc("table");
            printer->StartPage();
            Draw(*printer, item, 0, 1);
            printer->EndPage();
            printer->EndDoc();
        }
        const std::vector<viewtest::Picture> pages = viewtest::Rasterise(pdf);
        fs::remove_all(pdfFolder);
        EXPECT_EQ(pages.size(), 1u);
        if (pages.empty())
            return -1;
        const double scale = viewtest::kRenderDpi / 600.0;
        int ink = 0;
        for (int y = GeoTableCellTop(6); y < GeoTableCellTop(4) + 80; ++y)
            for (int x = GeoTableCellLeft(column); x <= GeoTableCellLeft(column) + 10; ++x)
                ink += 255 - pages[0].grey(int((x + offsetX) * scale), int((y + offsetY) * scale));
        return ink;
    };
    EXPECT_GT(printedInk(1, 32), printedInk(-1, 32) + 100) << "column 32 outlined on paper";
    EXPECT_EQ(printedInk(1, 31), printedInk(-1, 31)) << "column 31 is not";
}
