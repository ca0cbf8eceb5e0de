#pragma once
// What the track file dialog shows of a GPS track file (TrackFile): its kind, coordinate format,
// route title, datum, date and the text of its first point, read from the header lines.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

struct TrackDescription {
    std::string kind;   // "trk", "pot", "rot", "log" or empty
    std::string format; // "DMS", "DMM", "DEG", "D'M'S", "MapFan(ROT)", "AtlasRD" or empty
    std::string title;  // the route title, "トラック" and the number when the file has none
    std::string datum;
    std::string date;
    std::string startPoint; // the first point line cut to its coordinates
};

// The last of the words that the file name (after the last "\") holds, the words tested in the
// order given; empty when it holds none. A folder such as "gpslog" says nothing.
std::string LastWordOfFileName(std::string_view lowerCasePath, std::initializer_list<const char*> words);

// The kind of a track file by its lower-case path: the later of "trk", "pot", "rot", "log".
std::string TrackKindOfPath(std::string_view lowerCasePath);

// Describes the track file registered as number `number` (0-based; it numbers default titles).
// No value when the path is empty or the file cannot be opened.
std::optional<TrackDescription> DescribeTrack(const std::string& winPath, int number);
