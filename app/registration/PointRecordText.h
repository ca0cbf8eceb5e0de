#pragma once
// The texts of the point registration and update flows: the record line written for a data
// point, the entry text of the update list (dialog 132) and its parts, and the typed field that
// must not hold a blank (blanks separate a record's fields).
#include <string>

// A single-byte blank typed into a name or item would shift the record's fields: it is written
// as its full-width form.
std::string WithoutFieldBlanks(const std::string& text);

// name, latitude, longitude, item, then the picture file and the text file when not empty,
// single blanks between.
std::string PointRecordLine(const std::string& name, const std::string& latitude, const std::string& longitude,
                            const std::string& item, const std::string& pictureFile, const std::string& textFile);

// A record cut at its first four blanks: name, latitude, longitude, item and the rest (the
// files); missing fields are empty.
struct PointRecordParts {
    std::string name;
    std::string latitude;
    std::string longitude;
    std::string item;
    std::string rest;
};
PointRecordParts SplitPointRecord(const std::string& record);

// A record's update-list entry: name "/" item "@" first file "$" latitude "$" longitude, and
// "$" with the rest of the record when a sixth field follows.
struct UpdateListEntry {
    std::string text;
    std::string latitude;
    std::string longitude;
};
UpdateListEntry UpdateListEntryOf(const std::string& record);

// An entry parsed back for the dialog's fields: an empty name or item shows "****"; a picture
// in the first file changes places with the second, so that the text field holds the text.
struct UpdateEntryFields {
    std::string name;
    std::string item;
    std::string textFile;
    std::string pictureFile;
    std::string latitude;
    std::string longitude;
};
UpdateEntryFields ParseUpdateListEntry(const std::string& entry);

// Whether a file name (any case) names a picture: ".bmp", ".jpg", ".gif", ".pcd" or ".pic".
bool NamesPicture(const std::string& file);
