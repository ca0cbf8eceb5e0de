#pragma once
// The settings files of the national-land layer families (DddMFile.dat, DddSFile.dat,
// DddPFile.dat, DdMsFile.dat, ...): for each tab of a settings dialog and each row of the tab,
// the data name, the data file or folder, a colour code and two further integers.
//
// A row key line is, by byte columns: the key letter (T, F, C, P or N), the tab digit, "_", the
// row digit, "=", then the value. ";" lines are comments; other lines are skipped by the row
// readers. Tabs and rows count from 1.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct LayerSettingsRow {
    std::string name; // T
    std::string file; // F
    int colour = 0;   // C
    int p = 0;        // P
    int n = 0;        // N
};

class LayerSettingsTable {
public:
    // Tab t (from 1) has rowsPerTab[t - 1] rows.
    explicit LayerSettingsTable(std::vector<int> rowsPerTab);
    // The same number of rows in every tab.
    LayerSettingsTable(int tabs, int rows);

    int tabCount() const { return static_cast<int>(rowsPerTab_.size()); }
    int rowCount(int tab) const;
    bool contains(int tab, int row) const;
    LayerSettingsRow& at(int tab, int row);
    const LayerSettingsRow& at(int tab, int row) const;

private:
    std::vector<int> rowsPerTab_;
    std::vector<std::vector<LayerSettingsRow>> rows_;
};

// Reads the row keys among `keys` (for example "TFC") into the table. A cell without a line keeps
// its value; a later line for the same cell wins; lines shorter than 5 bytes and lines whose tab or
// row lies outside the table are skipped. False when the file cannot be opened.
bool ReadLayerSettingsFile(const std::string& path, std::string_view keys, LayerSettingsTable& table);

// Writes the file anew from the table: for each tab, the lines of each key of `keys` in that
// order, rows ascending ("T1_1=道路", "C1_2=1"). The old file is replaced only when the new one
// was written whole. False when it could not be written.
bool WriteLayerSettingsFile(const std::string& path, std::string_view keys, const LayerSettingsTable& table);

// A file whose keys have different row counts (DGEOFILE.DAT: four T rows, three F rows): the
// sections one after the other, each written as above.
struct LayerSettingsSection {
    std::string_view keys;
    const LayerSettingsTable* table;
};
bool WriteLayerSettingsFile(const std::string& path, std::initializer_list<LayerSettingsSection> sections);
