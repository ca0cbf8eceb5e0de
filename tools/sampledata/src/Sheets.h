#pragma once
// The 1:200,000 sheets and the sheet index file that lists them.
#include <string>
#include <vector>

namespace sampledata {

struct Sheet {
  int mesh = 0;        // first-level mesh of the sheet's own cell
  std::string name;    // UTF-8
  std::string romaji;
};

// The sheets of the table (one per sheet: the rows that mark the sheet's own cell), ordered
// from north to south and then from west to east. Throws on bad input.
std::vector<Sheet> readSheets(const std::string& tsvPath);

// Every first-level mesh that the table lists, the cells that neighbouring sheets reach into
// included: the meshes of Japan that the detailed files cover.
std::vector<int> readSheetMeshes(const std::string& tsvPath);

// South-west corner texts of a mesh: "DD.MM00" and "DDD.0000".
std::string cornerLatitudeText(int mesh);
std::string cornerLongitudeText(int mesh);

// One index line (CP932 bytes, no line end): mesh code, name in columns 9-20, corner latitude
// in columns 22-28, corner longitude in columns 32-39, romaji from column 41.
std::string sheetIndexLine(const Sheet& sheet);

}  // namespace sampledata
