#pragma once
// The records of the two tables that the place-name search reads, one record a line with fields
// separated by ",":
// - AnnotationTable (注記): code (value / 100 the first-level mesh code), text, int, municipality
//   code, int, major, middle and minor class, name, reading, then the rest of the line, whose
//   third and fourth fields are the longitude DDDMMSS and the latitude DDMMSS;
// - PublicFacilityTable (公共施設): int, municipality code, class, sub-class, name, text, code
//   (value / 100 the mesh code), longitude DDDMMSS, latitude DDMMSS, then the rest of the line.
// A record is scanned as the old formatted read did (a number field needs digits, a text field
// at least one character); a record that does not scan or lacks its coordinates is no record.
// Text fields are views into the line scanned, in its encoding: the separators and numbers are
// ASCII, so a raw CP932 line scans into the same fields as its UTF-8 form, and the search converts
// only the texts of the records it keeps.
#include <optional>
#include <string_view>

struct AnnotationRecord {
    int code = 0;
    std::string_view text;
    int number3 = 0;
    int municipality = 0;
    int number5 = 0;
    int major = 0, middle = 0, minor = 0;
    std::string_view name;
    std::string_view reading;
    std::string_view rest;   // fields 11 on, as they stand
    double longitudeDms = 0; // DDDMMSS
    double latitudeDms = 0;  // DDMMSS
};

struct FacilityRecord {
    int number1 = 0;
    int municipality = 0;
    int facilityClass = 0;
    int subClass = 0;
    std::string_view name;
    std::string_view text;
    int code = 0;
    double longitudeDms = 0; // DDDMMSS
    double latitudeDms = 0;  // DDMMSS
    std::string_view rest;   // what follows the latitude, as it stands
};

std::optional<AnnotationRecord> ParseAnnotationRecord(std::string_view line);
std::optional<FacilityRecord> ParseFacilityRecord(std::string_view line);

// A DDDMMSS (or DDMMSS) number in arc-seconds.
double DmsNumberToSeconds(double dms);
