// OnTrackDrawModule and OnTrackStartMapModule: GPS tracks over the linear sheet maps.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/files/TrackFile.h"
#include "contracts/dovanne.h"

#include <cmath>
#include <optional>

namespace {

struct TrackPens {
    vd::COLORREF track;
    vd::COLORREF mark;
};

constexpr vd::COLORREF kBlue = vd::RGB(0, 0, 255);
constexpr vd::COLORREF kRed = vd::RGB(255, 0, 0);

// Colours cycle by track number: blue, green (white on a figure map), red.
TrackPens PensOf(int trackNumber, int whiteSecondColour)
{
    if (trackNumber < 0 || trackNumber % 3 == 0)
        return {kBlue, kRed};
    if (trackNumber % 3 == 1)
        return {whiteSecondColour != 0 ? vd::RGB(255, 255, 255) : vd::RGB(0, 200, 0), kRed};
    return {kRed, kBlue};
}

struct MarkLine {
    vd::Point from{};
    vd::Point to{};
};

// A distance mark 4 pixels to either side of (x, y), across the direction from the reference.
MarkLine MarkAcross(vd::Point reference, int x, int y)
{
    if (reference.y == y)
        return {{x, y - 4}, {x, y + 4}};
    const double s = double(x - reference.x) / double(y - reference.y);
    const double root = std::sqrt(1 + s * s);
    const int a = int(4 / root);
    const int b = int(4 * std::fabs(s) / root);
    if (s <= 0)
        return {{x - a, y - b}, {x + a, y + b}};
    return {{x - a, y + b}, {x + a, y - b}};
}

struct TrackView {
    int west, north, east, south;
    float pixelsX, pixelsY, metresX, metresY, westX, northY;
};

class TrackDrawing {
public:
    TrackDrawing(vd::Dc& dc, const vd::Pen& trackPen, const vd::Pen& markPen, const TrackView& view)
        : dc_(dc), trackPen_(trackPen), markPen_(markPen), view_(view)
    {
    }

    void Run(const std::vector<std::string>& lines, std::string_view kind, const TrackLayout& layout, bool startBox,
             bool marks, float markKm)
    {
        const bool segmentBreaks = kind == "trk";
        for (const std::string& line : lines) {
            if (line.empty() || line[0] == ';')
                continue;
            const TrackLine read = ParseTrackLine(kind, layout, line);
            if (read.kind == TrackLine::Kind::Header) {
                if (header_ == Header::None) {
                    count_ = 0;
                    header_ = Header::One;
                } else {
                    header_ = Header::Later;
                }
                continue;
            }
            if (read.kind == TrackLine::Kind::Datum) {
                datum_ = true;
                continue;
            }
            if (read.kind != TrackLine::Kind::Point)
                continue;
            Point(read.latitude, read.longitude, segmentBreaks, startBox, marks, markKm);
        }
        if (marks && count_ > 0 && hasMark_)
            DrawMark(lastMark_);
    }

    std::optional<vd::Point> Anchor() const { return anchor_; }
    vd::Point LastKept() const { return lastKept_; }

private:
    enum class Header { None, One, Later };

    void Point(int latitude, int longitude, bool segmentBreaks, bool startBox, bool marks, float markKm)
    {
        if (datum_) {
            latitude -= 12;
            longitude += 13;
        }
        if (latitude < view_.south || latitude > view_.north || longitude < view_.west || longitude > view_.east) {
            count_ = 0;
            return;
        }
        // The old extended precision keeps these positions exact before truncation.
        const int x = int((long double)(longitude - view_.west) * view_.pixelsX + view_.westX);
        const int y = int((long double)(view_.north - latitude) * view_.pixelsY + view_.northY);
        const float mx = float(longitude - view_.west) * view_.metresX;
        const float my = float(latitude - view_.south) * view_.metresY;
        lastKept_ = {x, y};

        if (segmentBreaks && header_ == Header::Later) {
            dc_.MoveTo(x, y);
            previousMx_ = mx;
            previousMy_ = my;
            reference_ = {x, y};
            header_ = Header::One;
            return;
        }
        if (count_ == 0) {
            dc_.MoveTo(x, y);
            reference_ = {x, y};
            if (startBox && !anchor_) {
                dc_.Rectangle(x - 4, y, x + 4, y + 8);
                anchor_ = vd::Point{x, y};
            }
            previousMx_ = mx;
            previousMy_ = my;
            count_ = 1;
            return;
        }
        dc_.LineTo(x, y);
        if (marks)
            RunMarks(x, y, mx, my, markKm);
        ++count_;
    }

    void RunMarks(int x, int y, float mx, float my, float markKm)
    {
        const float dx = mx - previousMx_;
        const float dy = my - previousMy_;
        distance_ = float(distance_ + std::sqrt(double(dx * dx + dy * dy)) * 0.001f);
        previousMx_ = mx;
        previousMy_ = my;
        if (distance_ > nextMark_ && !pending_) {
            lastMark_ = MarkAcross(reference_, x, y);
            hasMark_ = true;
            pending_ = true;
            nextMark_ += markKm;
            reference_ = {x, y};
        }
        if (distance_ > nextMark_ - 0.5f) {
            if (pending_) {
                DrawMark(lastMark_);
                dc_.MoveTo(x, y);
                pending_ = false;
            }
            if (distance_ < nextMark_ - 0.3f)
                reference_ = {x, y};
        }
    }

    void DrawMark(const MarkLine& mark)
    {
        dc_.SelectObject(markPen_);
        dc_.MoveTo(mark.from);
        dc_.LineTo(mark.to);
        dc_.SelectObject(trackPen_);
    }

    vd::Dc& dc_;
    const vd::Pen& trackPen_;
    const vd::Pen& markPen_;
    const TrackView view_;
    bool datum_ = false;
    Header header_ = Header::None;
    int count_ = 0;
    float previousMx_ = 0;
    float previousMy_ = 0;
    vd::Point reference_{};
    float distance_ = 0;
    float nextMark_ = 0;
    bool pending_ = false;
    MarkLine lastMark_;
    bool hasMark_ = false;
    std::optional<vd::Point> anchor_;
    vd::Point lastKept_{};
};

vd::Font LabelFont(int height)
{
    vd::Font font;
    font.CreateFont(height, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ 明朝");
    return font;
}

} // namespace

extern "C" void OnTrackDrawModule(vd::Dc* dc, std::string trackFile, int startBox, int coordinateFormat,
                                  int trackNumber, int longitudeColumn, int decimalColumn, int west, int north,
                                  int east, int south, int whiteSecondColour, int labelFontHeight, int distanceMarks,
                                  int /*documentTrackNumber*/, std::string kind, std::string label,
                                  float pixelsPerSecondX, float pixelsPerSecondY, float metresPerSecondX,
                                  float metresPerSecondY, float markDistanceKm, float westX, float northY)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const TrackPens colours = PensOf(trackNumber, whiteSecondColour);
        const vd::Pen trackPen(vd::PS_SOLID, 2, colours.track);
        const vd::Pen markPen(vd::PS_SOLID, 2, colours.mark);
        const vd::Pen previousPen = dc.SelectObject(trackPen);
        const vd::Font font = LabelFont(labelFontHeight);
        const vd::Font previousFont = dc.SelectObject(font);

        const TrackView view{
            west,  north, east, south, pixelsPerSecondX, pixelsPerSecondY, metresPerSecondX, metresPerSecondY,
            westX, northY};
        TrackDrawing drawing(dc, trackPen, markPen, view);
        drawing.Run(ReadTrackFileLines(trackFile), kind, {coordinateFormat, longitudeColumn, decimalColumn},
                    startBox == 1 && !label.empty(), distanceMarks == 1, markDistanceKm);

        if (const auto anchor = drawing.Anchor()) {
            const vd::Point last = drawing.LastKept();
            const int x = anchor->x + (last.x < anchor->x ? 4 : -25);
            const int y = anchor->y + (last.y < anchor->y ? 9 : -13);
            dc.SetBkMode(vd::TRANSPARENT);
            dc.SetTextColor(colours.track);
            dc.TextOut(x, y, label);
            dc.SetBkMode(vd::OPAQUE);
            dc.SetTextColor(vd::RGB(0, 0, 0));
        }
        dc.SelectObject(previousFont);
        dc.SelectObject(previousPen);
    });
}

extern "C" std::string OnTrackStartMapModule(std::string pointLine, std::string /*formatName*/, int formatNumber)
{
    try {
        return TrackStartSheet(pointLine, formatNumber);
    } catch (...) {
        return "/";
    }
}
