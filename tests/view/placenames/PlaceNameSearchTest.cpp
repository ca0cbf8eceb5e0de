// The renderer's place-name and public-facility search on the sheet map: the search modes of both
// tables, where hits are drawn and labelled, the progress box, the result list and its bound,
// the result files in their three forms, and the kept results drawn again.
#include "ViewTestSupport.h"

#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/text/Cp932.h"
#include "platform/ui/UiScript.h"
#include "view/placenames/PlaceNameTables.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

std::string WindowsPath(const std::string& relative)
{
    return vd::toWindowsPath((doctest::Home() / relative).string()).value_or("");
}

std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<vd::RecordedCall> out;
    for (const auto& call : dc.Calls())
        if (call.op.kind == kind)
            out.push_back(call);
    return out;
}

// The annotation fixture: mesh 5235 (34°40'-35°20' N, 135°-136° E) holds the block's sheet.
const std::vector<std::string> kAnnotations = {
    "523501,注記,1,26101,0,3,2,7,嵐山の滝,あらしやまのたき,x,y,1354530,345030",
    "523502,注記,1,26101,0,3,2,9,保津川,ほづがわ,x,y,1353500,350100",
    "523503,注記,1,27100,0,4,2,7,大阪駅,おおさかえき,x,y,1352945,344210",
    "523610,注記,1,25201,0,3,2,7,比良の滝,ひらのたき,x,y,1360500,351500",
    "523504,注記,1,26101,0,3,1,2,比叡山,ひえいざん,x,y",         // no coordinates
    "damaged line without fields",
    "523505,,1,26101,0,3,2,7,名無し,ななし,x,y,1354000,345000", // empty text field: does not scan
};

const std::vector<std::string> kFacilities = {
    "1,26101,16,1,嵐山小学校,右京区,523501,1354100.00,345200.00,extra",
    "2,26101,16,2,嵐山中学校,右京区,523501,1354200.00,345300.00",
    "3,27100,12,1,大阪府庁,中央区,523502,1353110.50,344110.00",
    "4,25201,16,1,大津小学校,大津市,523610,1355100.00,350100.00",
};

class PlaceNameSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = viewtest::MakeDocument();
        script = vd::ui::Script::install();
        viewtest::ShowKyotoOsakaSheet(*doc);
        doc->position.m_nMapFrame = 1;
        doc->m_nBlockWestSec = 135 * 3600;
        doc->m_nBlockSouthSec = 124800; // 34°40'
        doc->m_fWhiteZoomX = 2;
        doc->m_fWhiteZoomY = 2;
        doc->placeNameClasses.m_bClassColours = 0;
        doc->m_nGnpfValue7 = 1; // labels on
        doc->m_nGnpfValue8 = 1;
        WriteTable("tyuuki.csv", kAnnotations);
        WriteTable("koukyou.csv", kFacilities);
        doc->environment.m_strAnnotationTable = WindowsPath("tyuuki.csv");
        doc->environment.m_strPublicFacilityTable = WindowsPath("koukyou.csv");
    }
    static void WriteTable(const std::string& name, const std::vector<std::string>& lines)
    {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += vd::utf8ToCp932(line) + "\r\n";
        viewtest::WriteHomeFile(name, bytes);
    }
    // Searches as the driver does with the given kind values and texts.
    void Search(int layer, std::array<int, 4> kinds, const std::string& area, const std::string& prefecture,
                const std::string& keyword = "")
    {
        doc->search.m_nPlaceNameLayer = layer;
        doc->m_nGnpfValue3 = kinds[0];
        doc->m_nGnpfValue4 = kinds[1];
        doc->m_nGnpfValue5 = kinds[2];
        doc->m_nGnpfValue6 = kinds[3];
        doc->m_strGnpfText4 = area;
        doc->m_strGnpfText5 = prefecture;
        doc->m_strGnpfRest = keyword;
        dc.Clear();
        CMapRenderer renderer(&dc, doc.get(), width, 700);
        renderer.DrawPlaceNames();
    }
    std::set<std::string> Found() const
    {
        std::set<std::string> names;
        for (int i = 0; i < doc->m_nResultCount; ++i)
            names.insert(doc->m_astrPlaceRecord[std::size_t(i)].substr(0, doc->m_astrPlaceRecord[std::size_t(i)].find(' ')));
        return names;
    }
    std::vector<vd::RecordedText> Labels() const
    {
        std::vector<vd::RecordedText> labels;
        for (const vd::RecordedText& t : dc.Texts())
            if (t.font.GetLogFont().lfHeight == doc->m_nGnpfValue8 + 11)
                labels.push_back(t);
        return labels;
    }

    std::unique_ptr<CVeldoranDoc> doc;
    std::shared_ptr<vd::ui::Script> script;
    vd::RecordingDc dc;
    int width = 800;
};

TEST_F(PlaceNameSearch, AnAreaAndClassSearchListsDrawsAndLabelsItsHits)
{
    Search(0, {3, 2, 7, -1}, "5235", "");
    ASSERT_EQ(doc->m_nResultCount, 1);
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "嵐山の滝 34.5030 135.4530 ");
    EXPECT_EQ(doc->m_astrPlaceRecord[1], "999");
    EXPECT_EQ(doc->m_anResultKind[0], (std::array<std::int16_t, 3>{3, 2, 7}));
    EXPECT_EQ(doc->m_nResultTotal, 1);
    EXPECT_EQ(doc->m_nResultDrawn, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 9);

    // 135°45'30" E, 34°50'30" N: x = 10 + int(2730 x 2 x 0.08888889), y = 30 + int(640 - 630 x 2 x 0.13333334).
    // The symbol table is unset (17: no kind listed), so the plain triangle, uncoloured.
    const auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].op.points, (std::vector<vd::Point>{{493, 503}, {497, 503}, {495, 499}}));
    const auto labels = Labels();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].at, (vd::Point{501, 495}));
    EXPECT_EQ(labels[0].text, "嵐山の滝");
    EXPECT_EQ(labels[0].font.GetLogFont().lfFaceName, "ＭＳ ゴシック");
}

TEST_F(PlaceNameSearch, EveryAnnotationModeTestsItsLocationAndClasses)
{
    using Names = std::set<std::string>;
    const struct {
        std::array<int, 4> kinds;
        const char* area;
        const char* prefecture;
        const char* keyword;
        Names found;
    } cases[] = {
        {{-1, -1, -1, 0}, "5235", "", "", {"嵐山の滝", "保津川", "大阪駅"}},                         // 1
        {{-1, -1, -1, 0}, "5235", "26", "", {"嵐山の滝", "保津川", "大阪駅", "比良の滝"}},           // 2
        {{3, -1, -1, 0}, "5235", "", "", {"嵐山の滝", "保津川"}},                                  // 3
        {{4, 2, -1, 0}, "523599", "", "", {"大阪駅"}},                                             // 4 (four characters)
        {{3, 2, 9, 0}, "5235", "", "", {"保津川"}},                                                // 5
        {{-1, -1, -1, 0}, "", "26", "", {"嵐山の滝", "保津川"}},                                    // 6
        {{3, -1, -1, 0}, "", "25", "", {"比良の滝"}},                                               // 7
        {{3, 2, -1, -1}, "", "26101", "", {"嵐山の滝", "保津川"}},                                  // 8, whole code
        {{3, 2, 7, 0}, "", "26", "", {"嵐山の滝"}},                                                 // 9
        {{3, -1, -1, 0}, "", "", "", {"嵐山の滝", "保津川", "比良の滝"}},                           // 10
        {{4, 2, -1, 0}, "", "", "", {"大阪駅"}},                                                    // 11
        {{3, 2, 7, 0}, "", "", "の滝", {"嵐山の滝", "比良の滝"}},                                    // 12 + keyword
        {{-1, 2, -1, 0}, "5236", "", "", {"嵐山の滝", "保津川", "大阪駅", "比良の滝"}},              // other: no test
        {{-1, -1, -1, 0}, "", "", "", {"嵐山の滝", "保津川", "大阪駅", "比良の滝"}},                 // other
    };
    for (const auto& c : cases) {
        Search(0, c.kinds, c.area, c.prefecture, c.keyword);
        EXPECT_EQ(Found(), c.found) << c.kinds[0] << c.kinds[1] << c.kinds[2] << " " << c.area << "/" << c.prefecture;
    }
}

TEST_F(PlaceNameSearch, EveryFacilityModeTestsItsLocationAndClasses)
{
    using Names = std::set<std::string>;
    const struct {
        int k, k2, codeSwitch;
        const char* area;
        const char* prefecture;
        Names found;
    } cases[] = {
        {-1, -1, 0, "5235", "", {"嵐山小学校", "嵐山中学校", "大阪府庁"}},  // 1
        {-1, -1, 0, "5235", "26", {"嵐山小学校", "嵐山中学校", "大阪府庁", "大津小学校"}}, // 2
        {16, -1, 0, "5235", "", {"嵐山小学校", "嵐山中学校"}},              // 3
        {16, 1, 0, "5235", "", {"嵐山小学校"}},                             // 4
        {-1, -1, 0, "", "27", {"大阪府庁"}},                                 // 5
        {16, -1, -1, "", "26101", {"嵐山小学校", "嵐山中学校"}},             // 6, whole code
        {16, 1, 0, "", "25", {"大津小学校"}},                                // 7
        {16, -1, 0, "", "", {"嵐山小学校", "嵐山中学校", "大津小学校"}},     // 10
        {16, 1, 0, "", "", {"嵐山小学校", "大津小学校"}},                    // 11
        {-1, -1, 0, "", "", {}},                                             // other: nothing passes
        {16, 1, 0, "5235", "26", {}},                                        // other
    };
    for (const auto& c : cases) {
        Search(1, {0, c.k, c.k2, c.codeSwitch}, c.area, c.prefecture);
        EXPECT_EQ(Found(), c.found) << c.k << " " << c.k2 << " " << c.area << "/" << c.prefecture;
        EXPECT_EQ(doc->m_nGnpfValue3, 7);
    }
    Search(1, {0, 16, 1, 0}, "5235", "");
    EXPECT_EQ(doc->m_anResultKind[0], (std::array<std::int16_t, 3>{7, 16, 1}));
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "嵐山小学校 34.5200 135.4100 ");
}

TEST_F(PlaceNameSearch, LabelsFollowTheDisplayModeAndTheFrame)
{
    const struct {
        int displayMode, frame, mapMode;
        bool labelled;
    } cases[] = {{1, 1, 9, true}, {1, 2, 9, false}, {2, 2, 49, true}, {3, 2, 9, false}, {3, 1, 9, false},
                 {0, 1, 9, false}};
    for (const auto& c : cases) {
        doc->m_nGnpfValue7 = c.displayMode;
        doc->position.m_nMapFrame = c.frame;
        doc->position.m_nMapMode = c.mapMode;
        Search(0, {3, 2, 7, 0}, "5235", "");
        EXPECT_EQ(Labels().size(), c.labelled ? 1u : 0u) << c.displayMode << " " << c.frame;
        EXPECT_EQ(doc->m_nGnpfValue7, c.displayMode);
    }
}

TEST_F(PlaceNameSearch, BlocksAndTheFreeExtentPlaceHitsOnTheirOwnScales)
{
    // A 3 x 3 block from 34°00' N, 134° E: 嵐山の滝 lies in its middle column.
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nBlockWestSec = 134 * 3600;
    doc->m_nBlockSouthSec = 122400;
    Search(0, {3, 2, 7, 0}, "5235", "");
    auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    // x = 10 + int(6330 x 2 x 0.08888889) = 10 + 1125, y = 30 + int(3 x 2 x 320 - 3030 x 2 x 0.13333334) = 30 + 1111.
    EXPECT_EQ(polygons[0].op.points[2], (vd::Point{1135, 1139}));

    // A free extent: the range with scales in pixels per arc-second, tested inside the range.
    doc->position.m_nMapFrame = 3;
    doc->position.m_nRangeWestSec = 488000;
    doc->position.m_nRangeEastSec = 489000;
    doc->position.m_nRangeSouthSec = 125000;
    doc->position.m_nRangeNorthSec = 126000;
    doc->m_nBlockWestSec = 488000;
    doc->m_nBlockSouthSec = 125000;
    doc->m_fWhiteZoomX = 0.5f;
    doc->m_fWhiteZoomY = 0.25f;
    Search(0, {3, 2, -1, 0}, "", "");
    polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u); // 比良の滝 and 保津川 are found but lie outside the range
    // 嵐山の滝 at 488730, 125430: x = 10 + int(730 x 0.5), y = 30 + int(570 x 0.25).
    EXPECT_EQ(polygons[0].op.points[2], (vd::Point{375, 170}));
    EXPECT_EQ(doc->m_nResultDrawn, 1);
    EXPECT_EQ(doc->m_nResultCount, 3);
}

TEST_F(PlaceNameSearch, SymbolsTakeTheirKindAndColourFromTheClassTables)
{
    doc->placeNameClasses.m_anSymbolSetting[3][2] = 4; // filled diamond for major 3, middle 2
    doc->placeNameClasses.m_anClassColour[2 * 55 + 7] = 3;
    doc->placeNameClasses.m_bClassColours = 1;
    Search(0, {3, 2, 7, 0}, "5235", "");
    auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].op.points, (std::vector<vd::Point>{{493, 501}, {495, 499}, {497, 501}, {495, 503}}));
    EXPECT_EQ(polygons[0].state.pen.Colour(), vd::RGB(255, 0, 0)); // type 3: pen 2
    EXPECT_EQ(polygons[0].state.brush.Colour(), vd::RGB(255, 0, 0)); // type 3: brush 2

    // Class codes outside the tables: the plain triangle and colour type 0 (black pen).
    WriteTable("tyuuki.csv", {"523501,注記,1,26101,0,40,30,99,遠い滝,とおいたき,x,y,1354530,345030"});
    Search(0, {40, -1, -1, 0}, "5235", "");
    polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].op.points.size(), 3u);
    EXPECT_EQ(polygons[0].state.pen.Colour(), vd::RGB(0, 0, 0));
}

TEST_F(PlaceNameSearch, TheProgressBoxGrowsEveryStepAndIsClearedAtTheEnd)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 2 * 5200 + 3; ++i)
        lines.push_back("1,26101,16,1,校" + std::to_string(i) + ",区,523501,1354100.00,345200.00");
    WriteTable("koukyou.csv", lines);
    for (const auto& [w, box] : {std::pair{800, vd::Rect{15, 605, 167, 620}}, std::pair{1024, vd::Rect{854, 199, 1006, 214}}}) {
        width = w;
        Search(1, {0, 16, -1, 0}, "", "");
        const auto rectangles = CallsOf(dc, vd::DrawOp::Rectangle);
        ASSERT_FALSE(rectangles.empty());
        EXPECT_EQ(rectangles[0].op.rect, box);
        const auto fills = CallsOf(dc, vd::DrawOp::FillRect);
        ASSERT_EQ(fills.size(), 3u);
        EXPECT_EQ(fills[0].op.rect, (vd::Rect{box.left + 1, box.top + 1, box.left + 9, box.bottom - 1}));
        EXPECT_EQ(fills[0].op.brush.Colour(), vd::RGB(0, 255, 255));
        EXPECT_EQ(fills[1].op.rect.right, box.left + 17);
        EXPECT_EQ(fills[2].op.rect, (vd::Rect{box.left, box.top, box.right + 1, box.bottom + 1})); // cleared
        std::vector<std::string> percents;
        for (const vd::RecordedText& t : dc.Texts())
            if (t.font.GetLogFont().lfHeight == 13) {
                percents.push_back(t.text);
                EXPECT_EQ(t.bkMode, vd::OPAQUE);
                EXPECT_EQ(t.background, vd::RGB(0, 255, 255));
            }
        EXPECT_EQ(percents, (std::vector<std::string>{" 5%", "10%"}));
        EXPECT_EQ(dc.GetBkMode(), vd::TRANSPARENT);
    }

    // A missing table: the box is drawn and cleared, nothing is found.
    doc->environment.m_strPublicFacilityTable = WindowsPath("none.csv");
    Search(1, {0, 16, -1, 0}, "", "");
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Rectangle).size(), 1u);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::FillRect).size(), 1u);
    EXPECT_EQ(doc->m_nResultCount, 0);
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "999");
}

TEST_F(PlaceNameSearch, TheListKeeps29999HitsAndTheEndMarkAndTheFileOnlyThose)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 30001; ++i)
        lines.push_back("1,26101,16,1,校" + std::to_string(i) + ",区,523501,1354100.00,345200.00");
    WriteTable("koukyou.csv", lines);
    doc->m_strGnpfText0 = WindowsPath("hits.dat");
    doc->m_nGnpfValue1 = 1;
    doc->m_nGnpfValue2 = 0;
    Search(1, {0, 16, -1, 0}, "", "");
    EXPECT_EQ(doc->m_nResultTotal, 30001);
    EXPECT_EQ(doc->m_nResultCount, 29999);
    EXPECT_EQ(doc->m_nResultDrawn, 30001);
    EXPECT_EQ(doc->m_astrPlaceRecord[29998], "校29998 34.5200 135.4100 ");
    EXPECT_EQ(doc->m_astrPlaceRecord[29999], "999");
    EXPECT_TRUE(doc->m_strGnpfText0.empty());
    const std::string file = doctest::ReadBytes(doctest::Home() / "hits.dat");
    std::size_t lineCount = 0;
    for (std::size_t at = 0; (at = file.find("\r\n", at)) != std::string::npos; at += 2)
        ++lineCount;
    EXPECT_EQ(lineCount, 29999u);
    const std::string last = vd::utf8ToCp932("校29998 34.5200 135.4100 -999 地 16 1\r\n");
    EXPECT_EQ(file.substr(file.size() - last.size()), last);
}

TEST_F(PlaceNameSearch, ResultFilesInTheirThreeFormsByteForByte)
{
    WriteTable("tyuuki.csv", {"523501,注記,1,26101,0,3,2,7,嵐山/の滝,あらしやまのたきがわらの,x,y,1354530,345030",
                              "523502,注記,1,26101,0,3,2,7,保津の滝,ほづのたき,x,y,1353500,350100"});
    const auto run = [&](int layer, int form, int kinds1) {
        doc->m_strGnpfText0 = WindowsPath("out.txt");
        doc->m_nGnpfValue1 = 1;
        doc->m_nGnpfValue2 = form;
        Search(layer, {3, kinds1, layer == 0 ? 7 : -1, 0}, "5235", "");
        return doctest::ReadBytes(doctest::Home() / "out.txt");
    };
    const auto cp = [](const std::string& text) { return vd::utf8ToCp932(text); };
    const auto blanks = [](int n) { return std::string(std::size_t(n), ' '); };
    EXPECT_EQ(run(0, 2, 2), cp("523501,注記,1,26101,0,3,2,7,嵐山/の滝,あらしやまのたきがわらの,x,y,1354530,345030\r\n"
                               "523502,注記,1,26101,0,3,2,7,保津の滝,ほづのたき,x,y,1353500,350100\r\n"));
    // Name to 30 bytes, the D.MMSS values, 0 to 10 bytes, the reading's first 12 bytes to 13.
    EXPECT_EQ(run(0, 1, 2), cp("嵐山/の滝" + blanks(21) + "34.5030   135.4530  0" + blanks(9) + "ｱﾗｼﾔﾏﾉﾀｷｶﾞﾜﾗ" + blanks(1) +
                               "d\r\n" + "保津の滝" + blanks(22) + "35.0100   135.3500  0" + blanks(9) + "ﾎﾂﾞﾉﾀｷ" +
                               blanks(7) + "d\r\n"));
    EXPECT_EQ(run(0, 0, 2), cp("嵐山/の滝 34.5030 135.4530 -999 ｱﾗｼﾔﾏﾉﾀｷｶﾞﾜﾗﾉ 地 3 2 7\r\n"
                               "保津の滝 35.0100 135.3500 -999 ﾎﾂﾞﾉﾀｷ 地 3 2 7\r\n"));
    // The entry keeps its whole name, "/" and all.
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "嵐山/の滝 34.5030 135.4530 ");

    EXPECT_EQ(run(1, 2, 16), cp("1,26101,16,1,嵐山小学校,右京区,523501,1354100.00,345200.00,extra\r\n"
                                "2,26101,16,2,嵐山中学校,右京区,523501,1354200.00,345300.00\r\n"));
    EXPECT_EQ(run(1, 1, 16), cp("嵐山小学校" + blanks(20) + "34.5200   135.4100  -999" + blanks(19) + "d\r\n" +
                                "嵐山中学校" + blanks(20) + "34.5300   135.4200  -999" + blanks(19) + "d\r\n"));
    EXPECT_EQ(run(1, 0, 16), cp("嵐山小学校 34.5200 135.4100 -999 地 16 1\r\n"
                                "嵐山中学校 34.5300 135.4200 -999 地 16 2\r\n"));

    // Appending (file mode 0) adds to the end.
    doc->m_strGnpfText0 = WindowsPath("out.txt");
    doc->m_nGnpfValue1 = 0;
    doc->m_nGnpfValue2 = 0;
    Search(1, {0, 16, 1, 0}, "5235", "");
    EXPECT_EQ(doctest::ReadBytes(doctest::Home() / "out.txt"),
              cp("嵐山小学校 34.5200 135.4100 -999 地 16 1\r\n嵐山中学校 34.5300 135.4200 -999 地 16 2\r\n"
                 "嵐山小学校 34.5200 135.4100 -999 地 16 1\r\n"));
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(PlaceNameSearch, StrayBytesReadAsReplacementsAndKeepEveryFieldInItsPlace)
{
    // A lead byte without its trail byte just before a comma and a byte CP932 does not use: each
    // reads as U+FFFD, no comma is lost, and the result file writes them as "?".
    const auto cp = [](const std::string& text) { return vd::utf8ToCp932(text); };
    const std::string replacement = "\xEF\xBF\xBD";
    viewtest::WriteHomeFile("tyuuki.csv", "523501,\x82,1,26101,0,3,2,7," + cp("嵐山") + "\xFF\x82," + cp("あらし") +
                                              ",x,y,1354530,345030\r\n" +
                                              cp("523502,注記,1,26101,0,3,2,7,保津川,ほづ,x,y,1353500,350100\r\n"));
    viewtest::WriteHomeFile("koukyou.csv", "1,26101,16,1," + cp("嵐山") + "\x82," + cp("右京区") +
                                               ",523501,1354100.00,345200.00,\x82\r\n");
    doc->m_strGnpfText0 = WindowsPath("out.txt");
    doc->m_nGnpfValue1 = 1;
    doc->m_nGnpfValue2 = 2;
    Search(0, {3, 2, 7, -1}, "5235", "", "嵐山" + replacement);
    ASSERT_EQ(doc->m_nResultCount, 1);
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "嵐山" + replacement + replacement + " 34.5030 135.4530 ");
    EXPECT_EQ(doctest::ReadBytes(doctest::Home() / "out.txt"),
              cp("523501,?,1,26101,0,3,2,7,嵐山??,あらし,x,y,1354530,345030\r\n"));

    doc->m_strGnpfText0 = WindowsPath("out.txt");
    Search(1, {0, 16, 1, 0}, "5235", "", "山" + replacement);
    ASSERT_EQ(doc->m_nResultCount, 1);
    EXPECT_EQ(doc->m_astrPlaceRecord[0], "嵐山" + replacement + " 34.5200 135.4100 ");
    EXPECT_EQ(doctest::ReadBytes(doctest::Home() / "out.txt"),
              cp("1,26101,16,1,嵐山?,右京区,523501,1354100.00,345200.00,?\r\n"));
}

TEST_F(PlaceNameSearch, AnUnwritableResultFileIsReportedAndTheMapDrawnAnyway)
{
    doc->m_strGnpfText0 = WindowsPath("no-such-folder/out.csv");
    doc->m_nGnpfValue1 = 1;
    doc->m_nGnpfValue2 = 2;
    Search(0, {3, 2, 7, 0}, "5235", "");
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Polygon).size(), 1u);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("out.csv"), std::string::npos);
    EXPECT_TRUE(doc->m_astrResultFileLine.empty());
}

TEST_F(PlaceNameSearch, KeptResultsAreDrawnAgainWithoutTheTable)
{
    Search(0, {3, -1, -1, 0}, "", "");
    ASSERT_EQ(doc->m_nResultCount, 3);
    const auto first = CallsOf(dc, vd::DrawOp::Polygon);
    viewtest::WriteHomeFile("tyuuki.csv", "");
    const struct {
        int displayMode, frame;
        bool labelled;
    } cases[] = {{2, 1, true}, {1, 1, true}, {1, 2, false}, {3, 2, false}, {0, 1, false}};
    for (const auto& c : cases) {
        doc->m_nGnpfValue7 = c.displayMode;
        doc->position.m_nMapFrame = c.frame;
        doc->position.m_nMapMode = 9;
        if (c.frame == 2)
            doc->m_nBlockWestSec = 134 * 3600, doc->m_nBlockSouthSec = 122400;
        else
            doc->m_nBlockWestSec = 135 * 3600, doc->m_nBlockSouthSec = 124800;
        dc.Clear();
        CMapRenderer renderer(&dc, doc.get(), 800, 700);
        renderer.DrawSearchResults();
        EXPECT_EQ(Labels().size(), c.labelled ? std::size_t(doc->m_nResultDrawn) : 0u) << c.displayMode;
        if (c.frame == 1) {
            EXPECT_EQ(doc->m_nResultDrawn, 2); // 比良の滝 lies east of the sheet
            EXPECT_EQ(CallsOf(dc, vd::DrawOp::Polygon)[0].op.points, first[0].op.points);
        }
    }
    // A name with blanks of its own keeps them.
    doc->m_astrPlaceRecord[0] = "嵐山 の滝 34.5030 135.4530 ";
    doc->m_nGnpfValue7 = 2;
    doc->position.m_nMapFrame = 1;
    doc->m_nBlockWestSec = 135 * 3600, doc->m_nBlockSouthSec = 124800;
    dc.Clear();
    CMapRenderer renderer(&dc, doc.get(), 800, 700);
    renderer.DrawSearchResults();
    EXPECT_EQ(Labels().at(0).text, "嵐山 の滝");
}

TEST_F(PlaceNameSearch, ManyKeptResultsShowTheProgressBox)
{
    for (int i = 0; i < 19000; ++i)
        doc->m_astrPlaceRecord[std::size_t(i)] = "点 34.5030 135.4530 ";
    doc->m_nResultCount = 19000;
    CMapRenderer renderer(&dc, doc.get(), 800, 700);
    renderer.DrawSearchResults();
    EXPECT_EQ(doc->m_nResultDrawn, 19000);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Rectangle)[0].op.rect, (vd::Rect{15, 605, 167, 620}));
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::FillRect).size(), 20u); // 19 steps and the clearing
}

} // namespace

namespace {

// Every symbol kind around (100, 50) with e = 2: the calls it makes, by kind and points or box.
TEST(NameLabel, EachKindDrawsItsShape)
{
    auto doc = viewtest::MakeDocument();
    using P = std::vector<vd::Point>;
    using K = vd::DrawOp::Kind;
    const struct {
        int kind;
        std::vector<std::pair<K, P>> calls; // Ellipse and Rectangle: {left, top}, {right, bottom}
    } cases[] = {
        {0, {{K::Ellipse, {{98, 48}, {102, 52}}}}},
        {1, {{K::Ellipse, {{97, 47}, {102, 52}}}}},
        {2, {{K::Ellipse, {{96, 46}, {103, 53}}}}},
        {3, {{K::Polygon, {{98, 50}, {100, 48}, {102, 50}, {100, 52}}}}},
        {4, {{K::Polygon, {{98, 50}, {100, 48}, {102, 50}, {100, 52}}}}},
        {5, {{K::Rectangle, {{97, 47}, {103, 53}}}, {K::Rectangle, {{99, 49}, {101, 51}}}}},
        {6, {{K::Rectangle, {{98, 48}, {102, 52}}}}},
        {7, {{K::Rectangle, {{97, 47}, {102, 52}}}}},
        {8, {{K::Rectangle, {{98, 48}, {102, 52}}}}},
        {9, {{K::Polygon, {{98, 52}, {102, 52}, {100, 48}}}}},
        {10, {{K::Polygon, {{98, 52}, {102, 52}, {100, 48}}}}},
        {11, {{K::Polygon, {{98, 48}, {102, 48}, {100, 52}}}}},
        {12, {{K::Polygon, {{98, 48}, {102, 48}, {100, 52}}}}},
        {13, {{K::LineTo, {{100, 47}, {100, 54}}}, {K::LineTo, {{98, 48}, {103, 53}}}, {K::LineTo, {{98, 52}, {103, 47}}}}},
        {14, {{K::LineTo, {{100, 48}, {100, 53}}}, {K::LineTo, {{98, 50}, {103, 50}}}}},
        {15, {{K::Ellipse, {{99, 49}, {101, 51}}}}},
        {16, {{K::LineTo, {{98, 48}, {103, 48}}}, {K::LineTo, {{98, 50}, {103, 50}}}, {K::LineTo, {{100, 50}, {100, 54}}}}},
        {17, {{K::Polygon, {{98, 52}, {102, 52}, {100, 48}}}}},
    };
    for (const auto& c : cases) {
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, doc.get(), 800, 700);
        renderer.m_nSymbolHalf = 2;
        renderer.DrawNameLabel(100, 50, 3, 1, c.kind);
        std::vector<std::pair<K, P>> calls;
        for (const vd::RecordedCall& call : dc.Calls()) {
            if (call.op.kind == K::Ellipse || call.op.kind == K::Rectangle)
                calls.push_back({call.op.kind, {{call.op.rect.left, call.op.rect.top}, {call.op.rect.right, call.op.rect.bottom}}});
            else
                calls.push_back({call.op.kind, call.op.points});
        }
        EXPECT_EQ(calls, c.calls) << "kind " << c.kind;
    }
}

// Pens and brushes by colour type: the pen is kept from one symbol of a type to the next, every
// filled symbol takes its type's brush and leaves the white brush selected; uncoloured filled
// symbols are black.
TEST(NameLabel, ColourTypesChoosePensAndBrushes)
{
    auto doc = viewtest::MakeDocument();
    vd::RecordingDc dc;
    CMapRenderer r(&dc, doc.get(), 800, 700);
    const struct {
        int type;
        int pen;
        int brush;
    } cases[] = {{0, 0, 5},  {1, 12, 5}, {2, 7, 3},   {3, 2, 2},  {4, 19, 7}, {5, 21, 10},
                 {6, 23, 12}, {7, 24, 13}, {8, 22, 11}, {9, 0, 8}, {-1, 0, 8}};
    for (const auto& c : cases) {
        dc.Clear();
        r.m_nLastSymbolType = -5;
        r.DrawNameLabel(10, 10, 3, c.type, 8);
        r.DrawNameLabel(20, 10, 3, c.type, 8); // the same type again: the brush is chosen anew
        const auto rectangles = CallsOf(dc, vd::DrawOp::Rectangle);
        ASSERT_EQ(rectangles.size(), 2u);
        for (const auto& call : rectangles) {
            EXPECT_EQ(call.state.pen, r.m_aPen[std::size_t(c.pen)]) << c.type;
            EXPECT_EQ(call.state.brush, r.m_aBrush[std::size_t(c.brush)]) << c.type;
        }
        EXPECT_EQ(dc.GetCurrentBrush(), r.m_aBrush[0]);
        EXPECT_EQ(r.m_nLastSymbolType, c.type);
    }
    // Not coloured by class (size -1): a filled symbol is black, the pen stays as it is.
    dc.SelectObject(r.m_aPen[12]);
    dc.Clear();
    r.DrawNameLabel(10, 10, -1, 4, 1);
    const auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].state.brush, r.m_aBrush[8]);
    EXPECT_EQ(ellipses[0].state.pen, r.m_aPen[12]);
}

} // namespace

namespace {

TEST(PlaceNameTables, RecordsScanAsTheFormattedReadDid)
{
    // Blanks before numbers, signs, a number too large for int (held at its limit), a long rest.
    const std::string line = " 523501,注記, +1,99999999999,-4,3,2,7,嵐山の滝,あらし,x,y,1354530.5,345030," +
                             std::string(5000, 'z');
    const auto a = ParseAnnotationRecord(line);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->number3, 1);
    EXPECT_EQ(a->municipality, 2147483647);
    EXPECT_EQ(a->number5, -4);
    EXPECT_EQ(a->rest.size(), 5000u + 21u);
    EXPECT_EQ(a->longitudeDms, 1354530.5);
    EXPECT_EQ(a->latitudeDms, 345030);
    EXPECT_EQ(DmsNumberToSeconds(1354530.5), 135 * 3600 + 45 * 60 + 30.5);

    // Numbers at and past the limits of int, and coordinates of every form the formatted read took.
    const struct {
        const char* municipality;
        int value;
        const char* longitude;
        double degrees;
    } numbers[] = {
        {"-2147483648", -2147483647 - 1, "0001354530", 1354530},
        {"-99999999999", -2147483647 - 1, "1234567890123456", 1234567890123456.0},
        {"2147483647", 2147483647, "123e5", 123},
        {"+2147483648", 2147483647, "1354530.", 1354530},
        {"-0", 0, "-1354530.25", -1354530.25},
    };
    for (const auto& n : numbers) {
        const std::string record = std::string("523501,注記,1,") + n.municipality + ",0,3,2,7,名,よみ,x,y," + n.longitude + ",1";
        const auto scanned = ParseAnnotationRecord(record);
        ASSERT_TRUE(scanned.has_value()) << record;
        EXPECT_EQ(scanned->municipality, n.value) << record;
        EXPECT_EQ(scanned->longitudeDms, n.degrees) << record;
    }

    const auto f = ParseFacilityRecord("1,26101,16,1,校,区,523501, 1354100.25,345200");
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->longitudeDms, 1354100.25);
    EXPECT_EQ(f->rest, "");

    // Records that do not scan or lack their coordinates.
    for (const char* line : {"", "523501", "523501,,1,2,3,4,5,6,名,よみ,x,y,1,2", "x,注記,1,2,3,4,5,6,名,よみ,x,y,1,2",
                             "523501,注記,1,2,3,4,5,6,名,よみ,x,y,1", "523501,注記,1,2,3,4,5,6,名,よみ,x,y,1,nan",
                             "523501,注記,1,2,3,4,5,6,名,よみ"})
        EXPECT_FALSE(ParseAnnotationRecord(line).has_value()) << line;
    for (const char* line : {"1,2,3,4,名,区,5,1354100", "1,2,3,4,名,区,5,,345200", "1,2,3,4,名,,5,1,2", "1,2,3"})
        EXPECT_FALSE(ParseFacilityRecord(line).has_value()) << line;
}

} // namespace
