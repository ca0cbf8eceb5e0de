#include "basemap/files/TrackFile.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::size_t kLinePiece = 199;
constexpr int kSeparatorSearchStart = 4;

// Bytes [first, first + count) clamped to the line: columns past a short line read as empty.
std::string_view Cut(std::string_view s, long first, long count)
{
    if (first < 0) {
        count += first;
        first = 0;
    }
    if (count <= 0 || first >= long(s.size()))
        return {};
    return s.substr(std::size_t(first), std::size_t(count));
}
std::string_view From(std::string_view s, long first) { return Cut(s, first, long(s.size())); }
int Int(std::string_view s, long first, long count) { return vd::parseInt(Cut(s, first, count)); }
long Find(std::string_view s, std::string_view what, long start)
{
    if (start < 0)
        start = 0;
    if (start > long(s.size()))
        return -1;
    const auto at = s.find(what, std::size_t(start));
    return at == std::string_view::npos ? -1 : long(at);
}
bool Has(std::string_view s, std::string_view what) { return s.find(what) != std::string_view::npos; }
// The text from start up to (not including) the next separator; -1 when there is none.
std::string_view UpTo(std::string_view s, long start, char separator, long* end)
{
    *end = Find(s, std::string_view(&separator, 1), start);
    return *end < 0 ? std::string_view{} : Cut(s, start, *end - start);
}

int Seconds(long degrees, long minutes, long seconds) { return int(degrees * 3600 + minutes * 60 + seconds); }

TrackLine PointAt(int latitude, int longitude) { return {TrackLine::Kind::Point, latitude, longitude}; }

// A position text "N35:41:22.0 E139:46:11.0": 24 bytes by fixed columns, else by separators
// (minutes end at minuteEnd, seconds at the next ".").
TrackLine ReadPositionText(std::string_view p, char minuteEnd)
{
    if (p.size() == 24)
        return PointAt(Seconds(Int(p, 1, 2), Int(p, 4, 2), Int(p, 7, 2)),
                       Seconds(Int(p, 13, 3), Int(p, 17, 2), Int(p, 20, 2)));
    long end = 0;
    const int latMinutes = vd::parseInt(UpTo(p, kSeparatorSearchStart, minuteEnd, &end));
    const int latSeconds = vd::parseInt(UpTo(p, end + 1, '.', &end));
    const long e = Find(p, "E", kSeparatorSearchStart);
    const std::string_view lon = e < 0 ? std::string_view{} : From(p, e + 1);
    const int lonMinutes = vd::parseInt(UpTo(lon, kSeparatorSearchStart, minuteEnd, &end));
    const int lonSeconds = vd::parseInt(UpTo(lon, end + 1, '.', &end));
    return PointAt(Seconds(Int(p, 1, 2), latMinutes, latSeconds), Seconds(Int(lon, 0, 3), lonMinutes, lonSeconds));
}

// A 1/256 arc-second value as whole arc-seconds; far-out values stay far out without overflow.
int SixteenthsToSeconds(std::string_view text) { return int(std::int64_t(vd::parseInt(text)) / 256); }

TrackLine ReadRot(std::string_view line)
{
    if (line.substr(0, 3) == "144")
        return {};
    const long n = Find(line, "N", 0);
    if (n >= 0) {
        std::string p(From(line, n));
        p += ' ';
        p += Cut(line, 0, n - 1);
        return ReadPositionText(p, '.');
    }
    const std::string_view rest = From(line, 6);
    const long comma = Find(rest, ",", 0);
    if (comma < 0)
        return PointAt(SixteenthsToSeconds(rest), 0);
    return PointAt(SixteenthsToSeconds(Cut(rest, 0, comma)), SixteenthsToSeconds(From(rest, comma + 1)));
}

TrackLine ReadPot(std::string_view line)
{
    if (Has(line, "LATITUDE") && Has(line, "LONGITUDE"))
        return {TrackLine::Kind::Header};
    if (Has(line, "ORD="))
        return PointAt(Seconds(Int(line, 18, 2), Int(line, 21, 2), Int(line, 24, 2)),
                       Seconds(Int(line, 33, 3), Int(line, 37, 2), Int(line, 40, 2)));
    if (Has(line, "DAT=") && Has(line, "WGS"))
        return {TrackLine::Kind::Datum};
    return {};
}

// A decimal part of "digits" ten-thousandths of a degree or hundredths of a minute, in seconds,
// through the single-precision factor the loggers' old reader used.
int DecimalSeconds(int digits, float secondsPerUnit) { return int(float(digits) * secondsPerUnit); }

TrackLine ReadTrkPoint(const TrackLayout& layout, std::string_view line)
{
    const long lonCol = layout.longitudeColumn;
    switch (layout.format) {
    case 0:
        return PointAt(Seconds(Int(line, 4, 2), Int(line, 6, 2), Int(line, 8, 2)),
                       Seconds(Int(line, lonCol, 3), Int(line, lonCol + 3, 2), Int(line, lonCol + 5, 2)));
    case 1:
        return PointAt(Int(line, 4, 2) * 3600 + DecimalSeconds(Int(line, 7, 4), 0.36f),
                       Int(line, lonCol, 3) * 3600 + DecimalSeconds(Int(line, layout.decimalColumn, 4), 0.36f));
    case 2: {
        const std::string_view rest = From(line, 4);
        const long blank = Find(rest, " ", 0);
        const std::string_view lat = blank < 0 ? rest : Cut(rest, 0, blank);
        const long e = Find(rest, "E", 0);
        std::string_view lon = e < 0 ? std::string_view{} : From(rest, e + 1);
        const long lonBlank = Find(lon, " ", 0);
        if (lonBlank >= 0)
            lon = Cut(lon, 0, lonBlank);
        return PointAt(Seconds(Int(lat, 0, 2), Int(lat, 2, 2), 0) + DecimalSeconds(Int(lat, 5, 2), 0.6f),
                       Seconds(Int(lon, 0, 3), Int(lon, 3, 2), 0) + DecimalSeconds(Int(lon, 6, 2), 0.6f));
    }
    default:
        return {};
    }
}

TrackLine ReadTrk(const TrackLayout& layout, std::string_view line, bool datumLine)
{
    if (Has(line, "LATITUDE") && Has(line, "LONGITUDE"))
        return {TrackLine::Kind::Header};
    if (datumLine && Has(line, "M  G") && Has(line, "WGS"))
        return {TrackLine::Kind::Datum};
    if (Has(line, "T  N"))
        return ReadTrkPoint(layout, line);
    return {};
}

} // namespace

TrackLine ParseTrackLine(std::string_view kind, const TrackLayout& layout, std::string_view line)
{
    if (kind == "log")
        return ReadPositionText(From(line, 18), ':');
    if (kind == "rot")
        return ReadRot(line);
    if (kind == "pot")
        return ReadPot(line);
    return ReadTrk(layout, line, kind == "trk");
}

std::vector<std::string> ReadTrackFileLines(const std::string& winPath)
{
    std::vector<std::string> lines;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return lines;
    std::string raw;
    while (reader.readRawLine(raw)) {
        if (raw.empty()) {
            lines.emplace_back();
            continue;
        }
        for (std::size_t at = 0; at < raw.size(); at += kLinePiece)
            lines.push_back(raw.substr(at, kLinePiece));
    }
    return lines;
}

std::string TrackStartSheet(std::string_view line, int formatNumber)
{
    if (formatNumber < 1 || formatNumber > 5)
        return "/";
    const long e = Find(line, "E", 0);
    int degrees = 0;
    int minutes = 0;
    std::string longitude;
    if (formatNumber == 4 && e < 0) {
        // latitude,longitude in 1/256 arc-second
        const long comma = Find(line, ",", 0);
        if (comma < 0)
            return "/";
        const int latSeconds = SixteenthsToSeconds(Cut(line, 0, comma));
        degrees = latSeconds / 3600;
        minutes = latSeconds % 3600 / 60;
        longitude = std::to_string(SixteenthsToSeconds(From(line, comma + 1)) / 3600);
    } else {
        if (e < 0 || long(line.size()) < e + 4 || line.size() < 5)
            return "/";
        degrees = Int(line, 1, 2);
        long end = 0;
        switch (formatNumber) {
        case 1:
        case 2:
            minutes = Int(line, 3, 2);
            break;
        case 3:
            minutes = Int(line, 4, 2) * 60 / 100;
            break;
        case 4:
            minutes = vd::parseInt(UpTo(line, kSeparatorSearchStart, '.', &end));
            break;
        default:
            minutes = vd::parseInt(UpTo(line, kSeparatorSearchStart, ':', &end));
            break;
        }
        longitude = std::string(Cut(line, e + 1, 3));
        if (formatNumber == 4)
            longitude = std::to_string(vd::parseInt(longitude));
    }
    // A latitude no sheet holds (a minutes field of any length parses up to INT_MAX): no sheet.
    if (degrees < 0 || degrees > 90 || minutes < 0 || minutes > 59)
        return "/";
    const int south = (degrees * 60 + minutes) / 40 * 40;
    const int southMinutes = south % 60;
    char latitude[32];
    if (southMinutes == 0)
        std::snprintf(latitude, sizeof latitude, "%2d.0000", south / 60);
    else
        std::snprintf(latitude, sizeof latitude, "%2d.%2d00", south / 60, southMinutes);
    return std::string(latitude) + "/" + longitude + ".0000";
}
