#pragma once
// GEOLOGY.PLT and GEOLOGY.DAT, the shipped palette and rock names of the geology layer.
//
// GEOLOGY.PLT: text lines; empty lines and lines starting with ";" are skipped. "-999 <n>" opens
// section n (1 surface geology, 2 soil, 3 terrain classification, 4 valley density); inside a
// section an entry is "code red green blue[ name]" separated by single blanks, the name being
// the whole rest of the line (it may hold blanks). Lines before the first header are ignored.
//
// GEOLOGY.DAT: the same skipping; "rock-number name" a line, the name the rest of the line.
//
// Codes outside 0-169 fit no table and are left out; an entry line without its blue field is
// left out too; colour values are held to 0-255. Lines are read whole, whatever their length.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct GeologyPaletteEntry {
    int code = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    std::optional<std::string> name; // none: the line ends with the blue value
    friend bool operator==(const GeologyPaletteEntry&, const GeologyPaletteEntry&) = default;
};

struct GeologyRockName {
    int code = 0;
    std::string name;
    friend bool operator==(const GeologyRockName&, const GeologyRockName&) = default;
};

// The entries of section `section` (reading stops at the next header after it).
std::vector<GeologyPaletteEntry> ParseGeologyPaletteSection(const std::vector<std::string>& lines, int section);
std::vector<GeologyRockName> ParseGeologyRockNames(const std::vector<std::string>& lines);

// The same from the files; a file that cannot be opened reads as an empty file.
std::vector<GeologyPaletteEntry> ReadGeologyPaletteSection(std::string_view winPath, int section);
std::vector<GeologyRockName> ReadGeologyRockNames(std::string_view winPath);
