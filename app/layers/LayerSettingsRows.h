#pragma once
// The rows of a layer family as its settings file holds them (DddPFile.dat, DddMFile.dat,
// DDDSFILE.DAT, DDMSFILE.DAT, DDMCFILE.DAT, DDFTFILE.DAT, DGEOFILE.DAT), read when a preset
// switches on a family the document has no rows for yet. A line is a key letter at column 0,
// the tab (from 1) at column 1, the row (from 1) at column 3 and the value from column 5;
// empty lines, ";" lines and tabs or rows outside the family are skipped.
#include <array>
#include <string>
#include <vector>

enum class LayerFileFamily { Point, Line, Surface, NatureMesh, IndustryMesh, FineMesh, Geology };

struct LayerFileRows {
    // Row texts and values by tab and row (texts at 5 x tab + row, tabs counted from 0).
    std::array<std::string, 35> names, files;
    std::array<std::array<int, 5>, 7> value1{}, value2{}, value3{};
    // The industry statistics table, entry 3 x row + column.
    std::array<std::string, 30> industryTable;
    // DGEOFILE.DAT: the geology data text and the land-classification name and file.
    std::string geologyText, landClassName, landClassFile;
};

// The tabs and rows a family has.
int LayerFileTabs(LayerFileFamily family);
int LayerFileRowsPerTab(LayerFileFamily family);

LayerFileRows ReadLayerFileRows(const std::vector<std::string>& lines, LayerFileFamily family);
// The same from the file at a Windows-form path; a file that cannot be read gives empty rows.
LayerFileRows ReadLayerFileRowsFrom(const std::string& path, LayerFileFamily family);
