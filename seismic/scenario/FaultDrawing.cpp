// The fault planes over a scenario map: each outline clipped to the extent edge by edge, solid
// where the plane is shallow and dotted where it dips, with its depth labels; the asperities in
// blue; for subduction scenarios the plate's depth lines.
#include "meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/scenario/FaultPlaneFile.h"
#include "seismic/scenario/ScenarioFileNames.h"

#include <algorithm>
#include <cmath>
#include <optional>

using seismic::FaultPoint;

namespace {

using meshcode::kFullDetail;
// A label at the row or column of the one before is written this much lower.
constexpr int kStackedLabelDrop = 9;
constexpr double kSteepest = 0.001; // degrees of longitude an edge is taken to span at least

// Fault lines are drawn in the black pen with the small label font on a transparent background;
// a fault drawing leaves the replaced font back, an opaque white background and the pen it found.
vd::Pen StartFaultLines(CSeismicLayerRenderer& r)
{
    const vd::Pen kept = r.DeviceContext.GetCurrentPen();
    r.SelectSeismicPen(9);
    r.SelectLabelFont(3, 1);
    r.DeviceContext.SetBkMode(vd::TRANSPARENT);
    return kept;
}

void EndFaultLines(CSeismicLayerRenderer& r, const vd::Pen& kept)
{
    r.DeviceContext.SetBkColor(vd::RGB(255, 255, 255));
    r.SelectLabelFont(4);
    r.DeviceContext.SetBkMode(vd::OPAQUE);
    r.DeviceContext.SelectObject(kept);
}

// Truncation toward zero, held inside the int range (NaN reads as 0).
int Truncate(double v)
{
    if (!(v == v))
        return 0;
    return int(std::clamp(v, -2.0e9, 2.0e9));
}

int Seconds(double degrees) { return Truncate(degrees * 3600.0); }


struct SecondsPoint {
    int longitude = 0;
    int latitude = 0;
};

SecondsPoint SecondsOf(const FaultPoint& p) { return {Seconds(p.longitude), Seconds(p.latitude)}; }

// The edge from a to b as a straight line in seconds: latitude = m x longitude + c.
struct EdgeLine {
    double m = 0;
    double c = 0;
    double lonLow = 0, lonHigh = 0, latLow = 0, latHigh = 0;

    EdgeLine(const FaultPoint& a, const FaultPoint& b)
    {
        double d = b.longitude - a.longitude;
        if (std::fabs(d) <= kSteepest)
            d = d >= 0 ? kSteepest : -kSteepest;
        m = (b.latitude - a.latitude) / d;
        c = (a.latitude - m * a.longitude) * 3600;
        lonLow = std::min(a.longitude, b.longitude) * 3600;
        lonHigh = std::max(a.longitude, b.longitude) * 3600;
        latLow = std::min(a.latitude, b.latitude) * 3600;
        latHigh = std::max(a.latitude, b.latitude) * 3600;
    }
};


} // namespace

CSeismicLayerRenderer::ScreenPoint CSeismicLayerRenderer::ScreenOf(int longitudeSeconds, int latitudeSeconds) const
{
    return {meshcode::TruncateToInt(float(longitudeSeconds - West) * XScale + XOffset),
            meshcode::TruncateToInt(float(North - latitudeSeconds) * YScale + YOffset)};
}

void CSeismicLayerRenderer::DrawFaultPolygon(const std::vector<FaultPoint>& points, bool blue)
{
    vd::Dc& dc = DeviceContext;
    const int n = int(points.size());
    const int solid = blue ? 1 : DetailLevel == kFullDetail ? 11 : 9;
    const int dotted = blue ? 2 : 12;
    const auto penOf = [&](int k) {
        return k == n - 1 || (k > 0 && points[k].depthKm > points[0].depthKm) ? dotted : solid;
    };
    const auto screen = [&](const SecondsPoint& s) { return ScreenOf(s.longitude, s.latitude); };
    const auto inside = [&](const SecondsPoint& s) {
        return SnappedSouth <= s.latitude && s.latitude <= North && SnappedWest <= s.longitude && s.longitude <= East;
    };

    for (int i = 0; i + 1 < n; ++i) {
        const FaultPoint& a = points[i];
        const FaultPoint& b = points[i + 1];
        if (a.longitude == b.longitude && a.latitude == b.latitude)
            continue;
        const SecondsPoint sa = SecondsOf(a), sb = SecondsOf(b);
        const bool aInside = inside(sa), bInside = inside(sb);
        if (aInside && bInside) {
            const ScreenPoint from = screen(sa), to = screen(sb);
            dc.MoveTo(from.x, from.y);
            SelectSeismicPen(penOf(i + 1));
            dc.LineTo(to.x, to.y);
            continue;
        }
        if (!aInside && !bInside) {
            if ((sa.latitude < SnappedSouth && sb.latitude < SnappedSouth) || (sa.longitude > East && sb.longitude > East) ||
                (sa.latitude > North && sb.latitude > North) || (sa.longitude < SnappedWest && sb.longitude < SnappedWest))
                continue; // wholly beyond one side
        }
        // The crossings with the extent's sides, tried south, east, north, west.
        const EdgeLine line(a, b);
        std::vector<SecondsPoint> crossings;
        const auto alongLongitude = [&](double side) -> std::optional<SecondsPoint> {
            if (line.m == 0)
                return std::nullopt;
            const int lambda = Truncate((side - line.c) / line.m);
            if (SnappedWest <= lambda && lambda <= East && line.lonLow <= lambda && lambda <= line.lonHigh)
                return SecondsPoint{lambda, int(side)};
            return std::nullopt;
        };
        const auto alongLatitude = [&](double side) -> std::optional<SecondsPoint> {
            const int phi = Truncate(side * line.m + line.c);
            if (SnappedSouth <= phi && phi <= North && line.latLow <= phi && phi <= line.latHigh)
                return SecondsPoint{int(side), phi};
            return std::nullopt;
        };
        for (const auto& candidate : {alongLongitude(SnappedSouth), alongLatitude(East), alongLongitude(North),
                                      alongLatitude(SnappedWest)})
            if (candidate)
                crossings.push_back(*candidate);
        const int needed = aInside || bInside ? 1 : 2;
        if (int(crossings.size()) < needed)
            continue; // rounding left the edge without its crossings: nothing to draw
        SelectSeismicPen(penOf(i));
        const ScreenPoint from = screen(crossings[0]);
        const ScreenPoint to = needed == 1 ? screen(bInside ? sb : sa) : screen(crossings[1]);
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
    }

    // Depth labels of the points inside the extent; the closing point is the first again.
    ScreenPoint last{-1000, -1000};
    ScreenPoint first{-1000, -1000};
    for (int j = 0; j + 1 < n; ++j) {
        const SecondsPoint s = SecondsOf(points[j]);
        if (s.latitude < South || s.latitude >= North || s.longitude < West || s.longitude >= East)
            continue;
        const ScreenPoint at = screen(s);
        const ScreenPoint before = j == n - 2 ? first : last;
        if (at.x == before.x || at.y == before.y)
            dc.TextOut(at.x, at.y + kStackedLabelDrop, vd::format("～%.1fkm", points[j].depthKm));
        else
            dc.TextOut(at.x, at.y, vd::format("DP=%.1fkm", points[j].depthKm));
        last = at;
        if (j == 0)
            first = at;
    }
}

int CSeismicLayerRenderer::DrawAsperities(const std::string& faultPath)
{
    const auto lines = vd::readRawTextLines(faultPath);
    if (!lines)
        return -1;
    int drawn = 0;
    for (std::vector<FaultPoint> points : seismic::ReadAsperities(*lines)) {
        if (!points.empty())
            points.push_back(points.front());
        DrawFaultPolygon(points, true);
        drawn = int(points.size());
    }
    return drawn;
}

void CSeismicLayerRenderer::DrawFaultOverlay(const std::string& dataPath)
{
    if (FaultFlag == 0)
        return;
    const auto faultPath = seismic::FaultPlanePath(dataPath);
    if (!faultPath)
        return;
    if (seismic::IsSubductionScenario(*faultPath)) {
        DrawSubductionFaults(*faultPath);
        return;
    }
    std::optional<std::string> path = *faultPath;
    auto lines = vd::readRawTextLines(*path);
    bool numbered = false;
    if (!lines && seismic::HasNumberedFaultFiles(*path)) {
        path = seismic::FirstNumberedFaultPath(*path);
        lines = vd::readRawTextLines(*path);
        numbered = true;
    }
    if (!lines)
        return;

    const vd::Pen keptPen = StartFaultLines(*this);
    const bool listForm = seismic::IsListScenario(dataPath);
    while (lines) {
        seismic::FaultOutline outline = seismic::ReadFaultOutline(*lines, listForm);
        if (!outline.points.empty())
            outline.points.push_back(outline.points.front());
        DrawFaultPolygon(outline.points, false);
        if (AsperityFlag == 1 && outline.asperitiesFollow)
            DrawAsperities(*path);
        if (!numbered)
            break;
        path = seismic::NextNumberedFaultPath(*path);
        lines = path ? vd::readRawTextLines(*path) : std::nullopt;
    }
    EndFaultLines(*this, keptPen);
}

void CSeismicLayerRenderer::DrawSubductionFaults(const std::string& faultPath)
{
    const auto lines = vd::readRawTextLines(faultPath);
    if (!lines)
        return;
    vd::Dc& dc = DeviceContext;
    const vd::Pen keptPen = StartFaultLines(*this);

    const std::vector<seismic::SubductionRecord> records = seismic::ReadSubductionRecords(*lines);
    const auto secondsOf = [](const seismic::SubductionRecord& r) {
        return SecondsPoint{meshcode::TruncateToInt(r.longitude * 3600.0f),
                            meshcode::TruncateToInt(r.latitude * 3600.0f)};
    };
    const auto inside = [&](const SecondsPoint& s) {
        return SnappedSouth <= s.latitude && s.latitude < North && SnappedWest <= s.longitude && s.longitude < East;
    };
    const auto depthText = [](const seismic::SubductionRecord& r) {
        return vd::format("%.1fkm", double(r.depth) * 0.001);
    };

    // The depth lines inside the extent, each labelled at both ends.
    bool open = false;
    const seismic::SubductionRecord* previous = nullptr;
    ScreenPoint previousAt;
    for (const seismic::SubductionRecord& r : records) {
        const SecondsPoint s = secondsOf(r);
        if (!inside(s)) {
            open = false;
            previous = &r;
            continue;
        }
        const ScreenPoint at = ScreenOf(s.longitude, s.latitude);
        if (!open) {
            dc.MoveTo(at.x, at.y);
            dc.TextOut(at.x, at.y, depthText(r));
            open = true;
        } else if (secondsOf(*previous).longitude == s.longitude) {
            dc.LineTo(at.x, at.y);
        } else {
            dc.TextOut(previousAt.x, previousAt.y, depthText(*previous));
            dc.MoveTo(at.x, at.y);
            dc.TextOut(at.x, at.y, depthText(r));
        }
        previous = &r;
        previousAt = at;
    }

    // The first and the last points of the depth lines, joined across the plate.
    std::vector<SecondsPoint> firsts, lasts;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SecondsPoint s = secondsOf(records[i]);
        if (i > 0 && secondsOf(records[i - 1]).longitude == s.longitude)
            continue;
        if (firsts.size() < std::size_t(seismic::kMostDepthLinePoints))
            firsts.push_back(s);
        if (i > 0 && lasts.size() < std::size_t(seismic::kMostDepthLinePoints))
            lasts.push_back(secondsOf(records[i - 1]));
    }
    const auto polyline = [&](const std::vector<SecondsPoint>& points) {
        std::vector<vd::Point> run;
        const auto flush = [&] {
            if (run.size() > 1)
                dc.Polyline(run);
            run.clear();
        };
        for (const SecondsPoint& s : points) {
            if (!inside(s)) {
                flush(); // a point outside breaks the line
                continue;
            }
            const ScreenPoint at = ScreenOf(s.longitude, s.latitude);
            run.push_back({at.x, at.y});
        }
        flush();
    };
    SelectSeismicPen(9);
    polyline(lasts);
    SelectSeismicPen(12);
    polyline(firsts);

    EndFaultLines(*this, keptPen);
}
