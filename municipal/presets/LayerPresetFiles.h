#pragma once
// The files of the layer-combination presets in the LINKDATA\ folder of the application folder:
// the list DdPreset.dat ("name blank file" a line) and one preset file a preset (the seven
// selection strings, then the eight family flags as digits, 9 standing for -1), named after the
// time of its registration.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace surrick {

inline constexpr int kMaxPresets = 100;
inline constexpr int kSelectionCount = 7;
inline constexpr int kFamilyCount = 8;

struct PresetEntry {
    std::string name;
    std::string file; // within LINKDATA\ (no blank)
};

// The lines that are not empty, not ";" comments and hold a blank, split at their last blank (a
// file name has none, a typed name may); at most 100. nullopt when the list cannot be opened.
std::optional<std::vector<PresetEntry>> ReadPresetList(const std::string& path);
// Parses one line of the list; nullopt for a line the list skips.
std::optional<PresetEntry> ParsePresetListLine(const std::string& line);

struct PresetSelection {
    std::array<std::string, kSelectionCount> strings;
    std::array<int, kFamilyCount> flags{};
};

// The lines that are not empty and not ";" comments, at most ten of them: the first seven are the
// selection strings, the eighth the flags digit by digit (9 is -1, anything not a digit 0). A
// missing file gives empty strings and flags of 0.
PresetSelection ReadPresetFile(const std::string& path);
// The flags line: each flag "%d", -1 as 9.
std::string PresetFlagsLine(const std::array<int, kFamilyCount>& flags);
// Writes the eight lines whole (a file of that name is replaced only once the new one is written).
bool WritePresetFile(const std::string& path, const PresetSelection& preset);
// Appends "name file" to an existing list; false when it does not exist or cannot be written.
bool AppendPresetListLine(const std::string& path, const PresetEntry& entry);

// The file name of a registration at this local time: year "%02d", month 1-9/A-C, day "%02d",
// hour 0-9/A-N, minute "%02d", ".pst".
std::string PresetFileName(const std::tm& local);
// The name for a registration now in `folder` (ending in a backslash): the first minute from
// `now` on whose name is neither a file there nor taken in the list; "" when none is free.
std::string NewPresetFileName(const std::string& folder, std::time_t now, const std::vector<PresetEntry>& taken);

} // namespace surrick
