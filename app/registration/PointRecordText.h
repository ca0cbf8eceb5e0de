#pragma once
// The texts of the point registration and update flows: the record line written for a data
// point, the entry text of the update list (dialog 132) and its parts, and the typed field that
// must not hold a blank (blanks separate a record's fields).
#include "dialogs/files/PointListFile.h"

#include <string>

// The text from `from` up to the next separator (the rest when there is none); from moves past
// the separator, or to npos, after which every field is empty. RestFrom: the text from there on.
std::string NextField(const std::string& text, std::size_t& from, char separator);
std::string RestFrom(const std::string& text, std::size_t from);

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

// A record's update-list entry: the dialog library's PointEntry with "/" between name and item
// (name "/" item "@" first file "$" latitude "$" longitude ["$" the rest]), and its coordinates.
struct UpdateListEntry {
    std::string text;
    std::string latitude;
    std::string longitude;
};
UpdateListEntry UpdateListEntryOf(const std::string& record);

// An entry parsed back for the dialog's fields: an empty name or item shows "****"; a picture
// in the first file changes places with the second, so that the text field holds the text.
PointEntryFields ParseUpdateListEntry(const std::string& entry);
