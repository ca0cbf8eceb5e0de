#pragma once
// PLTTFILE.DAT in the PALETTE\ folder, as the dialog library reads and writes it: one colour set
// a line, its name, "$" and its file name relative to PALETTE\, CP932 with CR LF. The list ends at
// the first empty line; line n (from 0) is colour set number n.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PaletteListEntry {
    std::string name; // before the first "$"; the whole line when it has none
    std::string file; // after the first "$"; empty when the line has none
    friend bool operator==(const PaletteListEntry&, const PaletteListEntry&) = default;
};

// The entries up to the first empty line or the end; nullopt when the file cannot be opened.
std::optional<std::vector<PaletteListEntry>> ReadPaletteList(std::string_view winPath);

// Appends one entry to an existing list; never creates the file. False when it was not written.
bool AppendPaletteListEntry(std::string_view winPath, const PaletteListEntry& entry);

// Writes the list anew with these entries, through a temporary file, so a failed write leaves
// the old list whole.
bool RewritePaletteList(std::string_view winPath, const std::vector<PaletteListEntry>& entries);
