#pragma once
// DGEOFILE.DAT in the application folder: the data-file choices of both geology settings dialogs,
// a layer settings file of tab 1 only. Row F1_1 is the natural-terrain data set text, F1_2 the
// land-classification file, F1_3 the valley-density file. Written whole, always as the four T
// rows (the theme names) and the three F rows, in CP932 with CR LF; comments are not kept.
#include <optional>
#include <string>

inline constexpr const char* kGeoSettingsFile = "DGEOFILE.DAT";

struct GeoDataFiles {
    std::optional<std::string> dataSet;    // F1_1, when the file has the row
    std::optional<std::string> classFile;  // F1_2
    std::optional<std::string> valleyFile; // F1_3
};

// The F rows of tab 1 (lines read whole; a later line wins). A missing or unreadable file has
// no rows.
GeoDataFiles ReadGeoSettingsFile(const std::string& path);
// Writes the seven lines anew; a row without a value is written empty. The old file is replaced
// only when the new one was written whole. False when it could not be written.
bool WriteGeoSettingsFile(const std::string& path, const GeoDataFiles& files);
