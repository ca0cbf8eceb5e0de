#include "userdata/TrackDescription.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/StringOps.h"

namespace {

bool Has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

// What the kind alone decides before a line is read.
void SetKindDefaults(TrackDescription& d, int number)
{
    const std::string n = std::to_string(number + 1);
    if (d.kind == "pot") {
        d.format = "D'M'S";
        d.title = "POTﾄﾗｯｸ" + n;
    } else if (d.kind == "rot") {
        d.format = "MapFan(ROT)";
        d.title = "ルート" + n;
    } else if (d.kind == "log") {
        d.format = "AtlasRD";
        d.title = "ログ" + n;
        d.datum = "Tokyo";
    }
}

// A route of MapFan: "E… N…" lines become "N…" and the longitude before it.
std::string RouteStartPoint(const std::string& line)
{
    const int n = vd::cp932Find(line, "N");
    if (n < 0)
        return vd::cp932Mid(line, 6);
    return vd::cp932Mid(line, n) + " " + vd::cp932Left(line, n - 1);
}

// The lines of a PCX5 text ("trk", and "pot" lines other than its own, or a file of no kind);
// true once the first point line was read.
bool ReadWaypointLine(TrackDescription& d, const std::string& line)
{
    if (Has(line, "LATITUDE") && Has(line, "LONGITUDE"))
        return false;
    if (Has(line, "U  LAT LON")) {
        if (Has(line, "DMS"))
            d.format = "DMS";
        else if (Has(line, "DM"))
            d.format = "DMM";
        if (Has(line, "U  LAT LON DEG"))
            d.format = "DEG";
        return false;
    }
    if (d.kind == "trk" && Has(line, "H ")) {
        if (!Has(line, "DATUM") && !Has(line, "LATITUDE"))
            d.title = vd::cp932Mid(line, 2);
        return false;
    }
    if (d.kind == "trk" && Has(line, "M  G ")) {
        const std::string rest = vd::cp932Mid(line, 5);
        const int blank = vd::cp932Find(rest, " ");
        d.datum = blank < 0 ? rest : vd::cp932Left(rest, blank);
        return false;
    }
    if (Has(line, "T  N")) {
        d.startPoint = vd::cp932Mid(line, 3);
        return true;
    }
    return false;
}

// One line read; true when it ends the reading.
bool ReadLine(TrackDescription& d, const std::string& line)
{
    if (d.kind == "rot") {
        if (line.starts_with(";") || line.starts_with("144"))
            return false;
        d.startPoint = RouteStartPoint(line);
        return true;
    }
    if (d.kind == "log") {
        d.startPoint = vd::cp932Mid(line, 18);
        d.date = vd::cp932Left(line, 17);
        d.datum = "Tokyo";
        return true;
    }
    if (d.kind == "pot") {
        if (Has(line, "DAT=")) {
            d.datum = Has(line, "WGS") ? "WGS-84" : "Tokyo_mean";
            return false;
        }
        if (Has(line, "ORD=POI")) {
            d.startPoint = vd::cp932Mid(line, 18);
            return true;
        }
    }
    return ReadWaypointLine(d, line);
}

// The date and the start point's coordinates out of the start point line.
void CutDateAndStart(TrackDescription& d)
{
    if (d.kind == "rot" || d.kind == "log")
        return;
    if (d.format == "DMS" || d.format == "DMM" || d.format == "DEG") {
        // The point ends at the first blank after its "E"; the date follows that blank.
        int k = 0;
        if (d.kind != "pot") {
            const int e = vd::cp932Find(d.startPoint, "E");
            const int blank = e < 0 ? -1 : vd::cp932Find(vd::cp932Mid(d.startPoint, e), " ");
            k = e < 0 || blank < 0 ? 0 : e + blank;
        }
        d.date = vd::cp932Mid(d.startPoint, k + 1, 18);
        d.startPoint = vd::cp932Left(d.startPoint, k);
    } else if (d.format == "D'M'S") {
        d.date = vd::cp932Mid(d.startPoint, 54, 9);
        d.startPoint = vd::cp932Left(d.startPoint, 8) + "," + vd::cp932Mid(d.startPoint, 15, 9);
    }
}

} // namespace

std::string LastWordOfFileName(std::string_view lowerCasePath, std::initializer_list<const char*> words)
{
    const std::size_t slash = lowerCasePath.find_last_of('\\');
    const std::string_view name = slash == std::string_view::npos ? lowerCasePath : lowerCasePath.substr(slash + 1);
    std::string kind;
    for (const char* word : words)
        if (Has(name, word))
            kind = word;
    return kind;
}

std::string TrackKindOfPath(std::string_view lowerCasePath)
{
    return LastWordOfFileName(lowerCasePath, {"trk", "pot", "rot", "log"});
}

std::optional<TrackDescription> DescribeTrack(const std::string& winPath, int number)
{
    if (winPath.empty())
        return std::nullopt;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    TrackDescription d;
    d.kind = TrackKindOfPath(vd::toLowerAscii(winPath));
    SetKindDefaults(d, number);
    std::string raw;
    while (reader.readRawLine(raw)) {
        if (raw.empty())
            continue;
        if (ReadLine(d, vd::cp932ToUtf8(raw)))
            break;
    }
    if (d.title.empty())
        d.title = "トラック" + std::to_string(number + 1);
    CutDateAndStart(d);
    return d;
}
