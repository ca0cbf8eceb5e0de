#include "basemap/files/TrackFile.h"
#include "contracts/dovanne.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using basemap_test::FixtureFolder;
using vd::Segment;

constexpr int kWest = 139 * 3600, kEast = 140 * 3600, kSouth = 35 * 3600 + 20 * 60, kNorth = 36 * 3600;
constexpr float kPixels = 0.1f, kWestX = 10.f, kNorthY = 20.f;

vd::Point At(int latitude, int longitude)
{
    return {int((long double)(longitude - kWest) * kPixels + kWestX),
            int((long double)(kNorth - latitude) * kPixels + kNorthY)};
}
int Dms(int d, int m, int s) { return d * 3600 + m * 60 + s; }

vd::Pen PenOf(vd::COLORREF colour) { return vd::Pen(vd::PS_SOLID, 2, colour); }
const vd::COLORREF kBlue = vd::RGB(0, 0, 255), kRed = vd::RGB(255, 0, 0);

struct DrawArgs {
    int format = 0, trackNumber = 0, lonColumn = 14, decColumn = 18, white = 0, marks = 0;
    std::string kind = "trk", label = "Walk";
    float metresX = 25.f, metresY = 30.f, markKm = 1.f;
};

class TrackDraw : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::vector<std::string>& lines, const char* end = "\r\n")
    {
        std::string bytes;
        for (const auto& line : lines)
            bytes += vd::utf8ToCp932(line) + end;
        folder.WriteBytes(name, bytes);
    }
    void Draw(const std::string& name, const DrawArgs& a = {})
    {
        OnTrackDrawModule(&dc, folder.Windows() + name, 1, a.format, a.trackNumber, a.lonColumn, a.decColumn, kWest,
                          kNorth, kEast, kSouth, a.white, 10, a.marks, 7, a.kind, a.label, kPixels, kPixels, a.metresX,
                          a.metresY, a.markKm, kWestX, kNorthY);
    }
    std::vector<vd::Rect> Rectangles() const
    {
        std::vector<vd::Rect> out;
        for (const auto& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::Rectangle)
                out.push_back(call.op.rect);
        return out;
    }
    FixtureFolder folder;
    vd::RecordingDc dc;
};

TEST(TrackLines, EachKindReadsItsPointsHeadersAndDatumLines)
{
    std::string pot(50, ' ');
    pot.replace(0, 4, "ORD=");
    pot.replace(18, 8, "35:41:22");
    pot.replace(33, 9, "139:46:11");
    const TrackLayout dms{0, 14, 18}, deg{1, 13, 17}, dmm{2, 0, 0}, other{3, 14, 18};
    const std::string stamp = "2026/01/01 12:00:0"; // the 18 bytes a logger line begins with
    struct Case {
        std::string kind;
        TrackLayout layout;
        std::string line;
        TrackLine::Kind expected;
        int latitude, longitude;
    };
    using K = TrackLine::Kind;
    const Case cases[] = {
        {"log", dms, stamp + "N35:41:22.0 E139:46:11.0", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"log", dms, stamp + "N35a41b22.9 E139c46d11.9", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"log", dms, stamp + "N35:41:22.5 E139:46:11.05", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"log", dms, stamp + "N35:1:2.0 E139:6:1.0", K::Point, Dms(35, 1, 2), Dms(139, 6, 1)},
        {"log", dms, "short", K::Point, 0, 0},
        {"rot", dms, "E139.46.11.0 N35.41.22.0", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"rot", dms, "E139.46.11.05 N35.41.22.0", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"rot", dms, "ABCDEF32891492,128812031", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"rot", dms, "ABCDEF99999999999999,-99999999999999", K::Point, 2147483647 / 256, (-2147483647 - 1) / 256},
        {"rot", dms, "144,1,2", K::Nothing, 0, 0},
        {"pot", dms, pot, K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"pot", dms, "LATITUDE LONGITUDE", K::Header, 0, 0},
        {"pot", dms, "DAT=WGS84", K::Datum, 0, 0},
        {"pot", dms, "DAT=TOKYO", K::Nothing, 0, 0},
        {"trk", dms, "T  N354122.0 E1394611.0", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
        {"trk", deg, "T  N35.6894 E139.6917", K::Point, 35 * 3600 + 2481, 139 * 3600 + 2490},
        {"trk", dmm, "T  N3541.37 E13946.18 10-JAN-26", K::Point, Dms(35, 41, 22), Dms(139, 46, 10)},
        {"trk", other, "T  N354122.0 E1394611.0", K::Nothing, 0, 0},
        {"trk", dms, "H  LATITUDE    LONGITUDE", K::Header, 0, 0},
        {"trk", dms, "M  G WGS 84", K::Datum, 0, 0},
        {"gps", dms, "M  G WGS 84", K::Nothing, 0, 0},
        {"gps", dms, "T  N354122.0 E1394611.0", K::Point, Dms(35, 41, 22), Dms(139, 46, 11)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind + " " + c.line);
        const TrackLine read = ParseTrackLine(c.kind, c.layout, c.line);
        EXPECT_EQ(read.kind, c.expected);
        if (c.expected == K::Point) {
            EXPECT_EQ(read.latitude, c.latitude);
            EXPECT_EQ(read.longitude, c.longitude);
        }
    }
}

TEST(TrackLines, StartSheetOfEachFormat)
{
    struct Case {
        int format;
        std::string line, expected;
    };
    const Case table[] = {
        {1, "N354122.0 E1394611.0", "35.2000/139.0000"},
        {1, "N351900.0 E1394611.0", "34.4000/139.0000"},
        {1, "N360512.0 E1400000.0", "36.0000/140.0000"},
        {2, "N3541.37 E13946.18", "35.2000/139.0000"},
        {3, "N35.6894 E139.6917", "35.2000/139.0000"},
        {4, "N35.41.22.0 E139.46.11.0", "35.2000/139.0000"},
        {4, "32891492,128812031", "35.2000/139.0000"},
        {4, "32891492", "/"},
        {5, "N35:41:22.0 E139:46:11.0", "35.2000/139.0000"},
        {6, "N354122.0 E1394611.0", "/"},
        {1, "N354122.0", "/"},
        {1, "N354122 E13", "/"},
        {1, "", "/"},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(OnTrackStartMapModule(c.line, "DMS", c.format), c.expected);
    }
}

// A minutes field too long for an int once made the sheet's latitude overflow.
TEST(TrackLines, StartSheetOfAnUnreadableLatitudeIsNone)
{
    std::ifstream in(std::string(VD_TEST_DATA_DIR) + "/fuzz/TrackStartMapFuzz/minutes-beyond-int.txt", std::ios::binary);
    const std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(OnTrackStartMapModule(line, "DMS", 5), "/");
    EXPECT_EQ(OnTrackStartMapModule("N35:99:22.0 E139:46:11.0", "DMS", 5), "/");
}

TEST(TrackLines, LongLinesAreReadInPiecesOf199Bytes)
{
    FixtureFolder folder;
    folder.WriteBytes("long.trk", std::string(250, 'x') + "\nT\r\n\n");
    const auto lines = ReadTrackFileLines(folder.Windows() + "long.trk");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 199u);
    EXPECT_EQ(lines[1].size(), 51u);
    EXPECT_EQ(lines[2], "T");
    EXPECT_TRUE(ReadTrackFileLines(folder.Windows() + "none.trk").empty());
}

TEST_F(TrackDraw, DatumShiftSegmentBreaksAndOneStartBox)
{
    Write("day1.trk",
          {"H  ソフト名 日本測地系", "; 散歩の記録", "", "M  G WGS 84",
           "H  LATITUDE    LONGITUDE    DATE      TIME     ALT", "T  N354122.0 E1394611.0", "T  N354022.0 E1394711.0",
           "T  N374022.0 E1394711.0", "T  N353922.0 E1394811.0", "T  N353822.0 E1394911.0", "H  LATITUDE    LONGITUDE",
           "T  N353722.0 E1395011.0", "T  N353622.0 E1395111.0"},
          "\n");
    const vd::Pen callerPen(vd::PS_DASH, 1, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    Draw("day1.trk");
    auto p = [](int latMin, int latSec, int lonMin, int lonSec) {
        return At(Dms(35, latMin, latSec) - 12, Dms(139, lonMin, lonSec) + 13);
    };
    EXPECT_EQ(dc.Segments(PenOf(kBlue)), (std::vector<Segment>{{p(41, 22, 46, 11), p(40, 22, 47, 11)},
                                                               {p(39, 22, 48, 11), p(38, 22, 49, 11)},
                                                               {p(37, 22, 50, 11), p(36, 22, 51, 11)}}));
    EXPECT_EQ(Rectangles(), (std::vector<vd::Rect>{{p(41, 22, 46, 11).x - 4, p(41, 22, 46, 11).y,
                                                    p(41, 22, 46, 11).x + 4, p(41, 22, 46, 11).y + 8}}));
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
}

TEST_F(TrackDraw, LabelSitsAwayFromWhereTheTrackEnds)
{
    const vd::Point a = At(Dms(35, 40, 0), Dms(139, 30, 0));
    struct Case {
        int latMinutes, lonMinutes;
        vd::Point offset;
    };
    const Case cases[] = {{39, 31, {-25, -13}}, {41, 31, {-25, 9}}, {39, 29, {4, -13}}, {41, 29, {4, 9}}};
    for (const Case& c : cases) {
        Write("walk.log", {"2026/01/01 12:00:0N35:40:00.0 E139:30:00.0",
                           "2026/01/01 12:00:0N35:" + std::to_string(c.latMinutes) +
                               ":00.0 E139:" + std::to_string(c.lonMinutes) + ":00.0"});
        dc.Clear();
        Draw("walk.log", {.kind = "log"});
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].at, (vd::Point{a.x + c.offset.x, a.y + c.offset.y}));
        EXPECT_EQ(texts[0].text, "Walk");
        EXPECT_EQ(texts[0].colour, kBlue);
        EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
        EXPECT_EQ(texts[0].font.GetLogFont().lfFaceName, "ＭＳ 明朝");
        EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 10);
    }
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    EXPECT_EQ(dc.State().textColour, vd::RGB(0, 0, 0));
}

TEST_F(TrackDraw, ColoursByTrackNumber)
{
    Write("t.rot", {"144 skipped", "E139.46.11.0 N35.41.22.0", "E139.47.11.0 N35.40.22.0"});
    struct Case {
        int number, white;
        vd::COLORREF track, mark;
    };
    const Case cases[] = {{-1, 0, kBlue, kRed},
                          {3, 0, kBlue, kRed},
                          {1, 0, vd::RGB(0, 200, 0), kRed},
                          {4, 1, vd::RGB(255, 255, 255), kRed},
                          {2, 1, kRed, kBlue}};
    for (const Case& c : cases) {
        dc.Clear();
        Draw("t.rot", {.trackNumber = c.number, .white = c.white, .marks = 1, .kind = "rot"});
        EXPECT_EQ(dc.Segments(PenOf(c.track)).front(),
                  (Segment{At(Dms(35, 41, 22), Dms(139, 46, 11)), At(Dms(35, 40, 22), Dms(139, 47, 11))}));
        // Passed by more than half a kilometre, then again at the end.
        EXPECT_EQ(dc.Segments(PenOf(c.mark)).size(), 2u);
    }
}

std::string TrkPoint(int latitude, int longitude)
{
    char line[64];
    std::snprintf(line, sizeof line, "T  N%02d%02d%02d.0 E%03d%02d%02d.0", latitude / 3600, latitude / 60 % 60,
                  latitude % 60, longitude / 3600, longitude / 60 % 60, longitude % 60);
    return line;
}

TEST_F(TrackDraw, MarksEveryKilometreAndTheLastOneAgainAtTheEnd)
{
    // Points 10 arc-seconds apart eastwards at 25 m a second: a quarter of a kilometre each.
    const int latitude = Dms(35, 40, 0);
    std::vector<std::string> lines;
    std::vector<vd::Point> at;
    for (int i = 0; i <= 8; ++i) {
        lines.push_back(TrkPoint(latitude, Dms(139, 40, 0) + 10 * i));
        at.push_back(At(latitude, Dms(139, 40, 0) + 10 * i));
    }
    Write("east.trk", lines);
    Draw("east.trk", {.marks = 1});
    auto across = [](vd::Point p) { return Segment{{p.x, p.y - 4}, {p.x, p.y + 4}}; };
    // The first mark at the first point away from the start, drawn once the track has run half a
    // kilometre past it; the second past 1 km, drawn at 1.75 km and again at the end.
    EXPECT_EQ(dc.Segments(PenOf(kRed)), (std::vector<Segment>{across(at[1]), across(at[5]), across(at[5])}));
    EXPECT_EQ(dc.Segments(PenOf(kBlue)).size(), 8u);
}

TEST_F(TrackDraw, MarksStandAcrossTheDirectionOfTravel)
{
    const vd::Point start = At(Dms(35, 40, 0), Dms(139, 40, 0));
    struct Case {
        int dLat, dLon; // arc-seconds
        Segment expected;
    };
    // South-east at 45 degrees on screen (s = 1), then north-east with s = -2.
    const Case cases[] = {{-100, 100, {{-2, 2}, {2, -2}}}, {50, 100, {{-1, -3}, {1, 3}}}};
    for (const Case& c : cases) {
        Write("d.trk",
              {TrkPoint(Dms(35, 40, 0), Dms(139, 40, 0)), TrkPoint(Dms(35, 40, 0) + c.dLat, Dms(139, 40, 0) + c.dLon)});
        dc.Clear();
        Draw("d.trk", {.marks = 1});
        const vd::Point end = At(Dms(35, 40, 0) + c.dLat, Dms(139, 40, 0) + c.dLon);
        ASSERT_NE(end, start);
        const Segment mark{{end.x + c.expected.from.x, end.y + c.expected.from.y},
                           {end.x + c.expected.to.x, end.y + c.expected.to.y}};
        // 2.5 km on: drawn at once, and again at the end.
        EXPECT_EQ(dc.Segments(PenOf(kRed)), (std::vector<Segment>{mark, mark}));
    }
}

TEST_F(TrackDraw, DroppedPointsSplitTheTrackAndLeaveTheDistanceOut)
{
    const int latitude = Dms(35, 40, 0);
    Write("gap.trk", {TrkPoint(latitude, Dms(139, 40, 0)), TrkPoint(latitude, Dms(139, 40, 10)),
                      TrkPoint(Dms(37, 0, 0), Dms(139, 40, 20)), TrkPoint(latitude, Dms(139, 50, 0)),
                      TrkPoint(latitude, Dms(139, 50, 10))});
    Draw("gap.trk", {.marks = 1});
    EXPECT_EQ(dc.Segments(PenOf(kBlue)),
              (std::vector<Segment>{{At(latitude, Dms(139, 40, 0)), At(latitude, Dms(139, 40, 10))},
                                    {At(latitude, Dms(139, 50, 0)), At(latitude, Dms(139, 50, 10))}}));
    // 0.5 km run: only the first mark, never passed by half a kilometre, drawn at the end.
    const vd::Point last = At(latitude, Dms(139, 40, 10));
    EXPECT_EQ(dc.Segments(PenOf(kRed)), (std::vector<Segment>{{{last.x, last.y - 4}, {last.x, last.y + 4}}}));
}

TEST_F(TrackDraw, MissingFileDrawsNothingAndAnEmptyLabelNoBox)
{
    Draw("missing.trk");
    EXPECT_TRUE(dc.Calls().empty());
    const auto ord = [](const char* latitude, const char* longitude) {
        std::string line(45, ' ');
        line.replace(0, 4, "ORD=");
        line.replace(18, 8, latitude);
        line.replace(33, 9, longitude);
        return line;
    };
    Write("p.pot", {"LATITUDE LONGITUDE", "DAT=WGS84", ord("35:41:22", "139:46:11"), ord("35:40:22", "139:47:11")});
    Draw("p.pot", {.kind = "pot", .label = ""});
    EXPECT_EQ(dc.Segments(PenOf(kBlue)),
              (std::vector<Segment>{{At(Dms(35, 41, 10), Dms(139, 46, 24)), At(Dms(35, 40, 10), Dms(139, 47, 24))}}));
    EXPECT_TRUE(Rectangles().empty());
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(TrackDraw, PictureShowsTheTrackAndItsMarks)
{
    // Eastwards along 35°40' from 139°10' to 139°50': 2400 arc-seconds of 25 m, marks every 10 km.
    const int latitude = Dms(35, 40, 0);
    std::vector<std::string> lines;
    for (int s = Dms(139, 10, 0); s <= Dms(139, 50, 0); s += 60)
        lines.push_back(TrkPoint(latitude, s));
    Write("east.trk", lines);
    vd::ImageDc picture(400, 300);
    picture.FillSolidRect(0, 0, 400, 300, vd::RGB(246, 246, 246));
    OnTrackDrawModule(&picture, folder.Windows() + "east.trk", 1, 0, 0, 14, 18, kWest, kNorth, kEast, kSouth, 0, 10, 1,
                      0, "trk", "", kPixels, kPixels, 25.f, 30.f, 10.f, kWestX, kNorthY);
    const vd::Point middle = At(latitude, Dms(139, 30, 30)); // between two points, off any mark
    EXPECT_EQ(picture.GetPixel(middle.x, middle.y), kBlue);
    // The first mark stands across the first point after the start, 4 pixels to the north.
    const vd::Point firstMark = At(latitude, Dms(139, 11, 0));
    EXPECT_EQ(picture.GetPixel(firstMark.x, firstMark.y - 3), kRed);
    // Off the track: untouched, also beyond its ends.
    EXPECT_EQ(picture.GetPixel(middle.x, middle.y - 10), vd::RGB(246, 246, 246));
    const vd::Point west = At(latitude, Dms(139, 5, 0));
    EXPECT_EQ(picture.GetPixel(west.x, west.y), vd::RGB(246, 246, 246));
}

} // namespace
