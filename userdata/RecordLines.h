#pragma once
// The record lines of the point data file and of place-name files, and the fixed record lists
// they are read into. A list of 5000 entries holds at most 4999 records: the entry after the last
// record is the end mark "999".
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kRecordListSize = 5000;
inline constexpr std::size_t kMaxListedRecords = kRecordListSize - 1;
inline constexpr const char* kListEnd = "999";

using RecordList = std::array<std::string, kRecordListSize>;

// Calls take for every non-empty line of the file (comment lines beginning with ";" left out when
// skipComments), in file order, until it returns false. A line is one record whatever its
// length. False when the file cannot be opened; then take is never called.
bool ForEachRecordLine(const std::string& path, bool skipComments,
                       const std::function<bool(const std::string&)>& take);
// The same lines as they stand in the file (CP932), for a reader that passes over most of them
// before converting the few it keeps.
bool ForEachRawRecordLine(const std::string& path, bool skipComments,
                          const std::function<bool(std::string_view)>& take);

// At most limit record lines of the file (comments skipped); empty when it cannot be opened.
std::vector<std::string> ReadRecordLines(const std::string& path, std::size_t limit);

// Writes records from entry first on, as many as fit with the end mark, then the end mark.
// Returns how many were stored.
std::size_t StoreRecords(RecordList& list, std::size_t first, const std::vector<std::string>& records);

// The fields of a record between single blanks: name, latitude and longitude texts, and the rest
// after the longitude (empty when there is none). False for a record without a latitude and a
// longitude field.
struct RecordFields {
    std::string_view name;
    std::string_view latitude;
    std::string_view longitude;
    std::string_view rest;
};
bool SplitRecordFields(std::string_view record, RecordFields& fields);

// The text up to the first blank (the whole text when it holds none).
std::string_view FirstWord(std::string_view text);

// Where a record's file reference begins: the character before its first ":". npos when the
// record holds no ":", or when the ":" lies within its first two bytes (the name then holds it
// and no file reference can start there).
std::size_t FileReferenceStart(std::string_view record);

// The record, "]" and its lower-case file reference (the whole lowered record when it names no
// file): what a page of the album plays.
std::string RecordWithFile(const std::string& record);

// Rewrites the point data file without the first non-empty line whose lower-case form holds key
// (lowered here) and which holds exactKey as written; a removed first line leaves an empty line
// in its place, every other line keeps its bytes and empty lines are dropped. listed, when
// given, receives the file's first 4999 non-empty lines as read.
enum class KeyLineRemoval { Unreadable, NotFound, Removed, WriteFailed };
KeyLineRemoval RemoveKeyLine(const std::string& path, const std::string& key, const std::string& exactKey,
                             RecordList* listed = nullptr);
