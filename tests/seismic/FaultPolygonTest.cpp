// Fault outlines on a RecordingDc: every kind of edge clipped to the extent with its pen, and the
// depth labels. Extent 139-140 E, 34.6667-35.3333 N at 0.1 pixel a second, origin (0, 0), so
// 139.25 E is x 90 and 35 N is y 120.
#include "platform/dc/RecordingDc.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/scenario/FaultPlaneFile.h"

#include <gtest/gtest.h>

using seismic::FaultPoint;

namespace {

const vd::Pen kSolid(vd::PS_SOLID, 1, 0);
const vd::Pen kWide(vd::PS_SOLID, 2, 0);
const vd::Pen kDotted(vd::PS_DOT, 1, 0);
const vd::Pen kBlue(vd::PS_SOLID, 1, vd::RGB(0, 0, 255));
const vd::Pen kBlueDotted(vd::PS_DOT, 1, vd::RGB(0, 0, 255));

struct Drawn {
    vd::RecordingDc dc;
    void Polygon(const std::vector<FaultPoint>& points, bool blue = false, int detail = 2)
    {
        CSeismicLayerRenderer r(dc);
        r.North = 127200;
        r.South = r.SnappedSouth = 124800;
        r.West = r.SnappedWest = 500400;
        r.East = 504000;
        r.XScale = r.YScale = 0.1f;
        r.DetailLevel = detail;
        r.DrawFaultPolygon(points, blue);
    }
    std::vector<vd::Segment> Lines(const vd::Pen& pen) const
    {
        std::vector<vd::Segment> drawn;
        for (const vd::Segment& s : dc.Segments(pen))
            if (s.from != s.to)
                drawn.push_back(s);
        return drawn;
    }
    std::vector<std::pair<vd::Point, std::string>> Labels() const
    {
        std::vector<std::pair<vd::Point, std::string>> labels;
        for (const vd::RecordedText& t : dc.Texts())
            labels.push_back({t.at, t.text});
        return labels;
    }
};

using Segments = std::vector<vd::Segment>;

} // namespace

TEST(FaultPolygon, InsideEdgesTakeThePenOfTheirEndPoint)
{
    // A shallow, B as shallow, C deeper; the closing edge back to A is dotted.
    Drawn d;
    d.Polygon({{139.25, 35.0, 3}, {139.75, 35.25, 3}, {139.5, 34.75, 9}, {139.25, 35.0, 3}});
    EXPECT_EQ(d.Lines(kSolid), (Segments{{{90, 120}, {270, 30}}}));
    EXPECT_EQ(d.Lines(kDotted), (Segments{{{270, 30}, {180, 210}}, {{180, 210}, {90, 120}}}));
    using Label = std::pair<vd::Point, std::string>;
    EXPECT_EQ(d.Labels(), (std::vector<Label>{{{90, 120}, "DP=3.0km"}, {{270, 30}, "DP=3.0km"}, {{180, 210}, "DP=9.0km"}}));

    // Full detail draws the solid edges 2 pixels wide; asperities are blue.
    Drawn wide;
    wide.Polygon({{139.25, 35.0, 3}, {139.75, 35.25, 3}, {139.25, 35.0, 3}}, false, 3);
    EXPECT_EQ(wide.Lines(kWide), (Segments{{{90, 120}, {270, 30}}}));
    Drawn blue;
    blue.Polygon({{139.25, 35.0, 3}, {139.75, 35.25, 3}, {139.25, 35.0, 3}}, true);
    EXPECT_EQ(blue.Lines(kBlue), (Segments{{{90, 120}, {270, 30}}}));
    EXPECT_EQ(blue.Lines(kBlueDotted), (Segments{{{270, 30}, {90, 120}}}));
}

TEST(FaultPolygon, EdgesLeavingTheExtentAreCutAtTheirCrossing)
{
    // From A inside (180, 120) out through each side: drawn from the crossing to A in A's pen.
    const struct {
        const char* side;
        FaultPoint outside;
        vd::Point crossing;
    } edges[] = {
        {"south", {139.75, 34.5, 0}, {240, 240}},
        {"east", {140.5, 35.5, 0}, {360, 30}},
        {"north", {139.75, 35.75, 0}, {220, 0}},
        {"west", {138.5, 34.75, 0}, {0, 165}},
    };
    for (const auto& e : edges) {
        Drawn d;
        d.Polygon({{139.5, 35.0, 0}, e.outside});
        EXPECT_EQ(d.Lines(kSolid), (Segments{{e.crossing, {180, 120}}})) << e.side;
        EXPECT_TRUE(d.Lines(kDotted).empty()) << e.side;
        // The other way round it takes the pen of its start outside (point 0, solid).
        Drawn back;
        back.Polygon({e.outside, {139.5, 35.0, 0}});
        EXPECT_EQ(back.Lines(kSolid), (Segments{{e.crossing, {180, 120}}})) << e.side;
    }
}

TEST(FaultPolygon, EdgesOutsideDrawOnlyWhereTheyCross)
{
    const struct {
        const char* what;
        FaultPoint a, b;
        Segments drawn;
    } edges[] = {
        {"across the north-west corner", {138.5, 35.0, 0}, {140.5, 35.5, 0}, {{{300, 0}, {0, 75}}}},
        {"wholly south", {139.25, 34.25, 0}, {139.75, 34.5, 0}, {}},
        {"wholly east", {140.25, 35.0, 0}, {140.5, 35.25, 0}, {}},
        {"wholly north", {139.25, 35.5, 0}, {139.75, 35.75, 0}, {}},
        {"wholly west", {138.5, 35.0, 0}, {138.75, 35.25, 0}, {}},
        {"past the south-west corner", {138.5, 34.75, 0}, {139.0, 34.25, 0}, {}},
    };
    for (const auto& e : edges) {
        Drawn d;
        d.Polygon({e.a, e.b});
        EXPECT_EQ(d.Lines(kSolid), e.drawn) << e.what;
        EXPECT_TRUE(d.Labels().empty()) << e.what << ": no point inside, no label";
    }
}

TEST(FaultPolygon, AnEdgeWithoutItsCrossingDrawsNothing)
{
    // A to B runs due south out of the extent; its crossing is lost to rounding. The next edge is
    // wholly south, the closing edge comes back in (in the pen of its start, solid): only that one
    // is drawn.
    Drawn d;
    d.Polygon({{139.5, 35.0, 0}, {139.5, 34.5, 0}, {139.75, 34.5, 0}, {139.5, 35.0, 0}});
    EXPECT_EQ(d.Lines(kSolid), (Segments{{{240, 240}, {180, 120}}}));
    EXPECT_TRUE(d.Lines(kDotted).empty());

    // Then an edge inside from A: it starts at A, not where the pen stood after the lost edge.
    Drawn next;
    next.Polygon({{139.5, 35.0, 0}, {139.5, 34.5, 0}, {139.5, 35.0, 0}, {139.75, 35.25, 0}});
    EXPECT_EQ(next.Lines(kDotted), (Segments{{{180, 120}, {270, 30}}}));
}

TEST(FaultPolygon, LabelsOnTheSameRowOrColumnMoveDown)
{
    using Label = std::pair<vd::Point, std::string>;
    const struct {
        const char* what;
        std::vector<FaultPoint> points;
        std::vector<Label> labels;
    } cases[] = {
        {"same row as the last",
         {{139.25, 35.0, 3}, {139.5, 35.0, 3.5}, {139.75, 35.25, 9}, {139.25, 35.0, 3}},
         {{{90, 120}, "DP=3.0km"}, {{180, 129}, "～3.5km"}, {{270, 30}, "DP=9.0km"}}},
        {"the last point against point 0",
         {{139.25, 35.0, 3}, {139.5, 35.25, 4}, {139.25, 34.75, 5}, {139.25, 35.0, 3}},
         {{{90, 120}, "DP=3.0km"}, {{180, 30}, "DP=4.0km"}, {{90, 219}, "～5.0km"}}},
        {"point 0 outside: nothing to compare the last with",
         {{138.5, 35.0, 3}, {139.5, 35.0, 4}, {139.75, 35.0, 5}, {138.5, 35.0, 3}},
         {{{180, 120}, "DP=4.0km"}, {{270, 120}, "DP=5.0km"}}},
    };
    for (const auto& c : cases) {
        Drawn d;
        d.Polygon(c.points);
        EXPECT_EQ(d.Labels(), c.labels) << c.what;
    }
}
