#include "Sheets.h"

#include "Output.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sampledata {
namespace {

struct Row {
  int mesh;
  std::string name, romaji;
  bool primary;
};

std::vector<Row> readRows(const std::string& tsvPath) {
  std::ifstream in(tsvPath);
  if (!in) throw std::runtime_error("cannot read " + tsvPath);
  std::vector<Row> rows;
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) { header = false; continue; }  // column names
    std::istringstream fields(line);
    std::string mesh, name, romaji, primary;
    if (!std::getline(fields, mesh, '\t') || !std::getline(fields, name, '\t') ||
        !std::getline(fields, romaji, '\t') || !std::getline(fields, primary, '\t'))
      throw std::runtime_error(tsvPath + ": bad line: " + line);
    if (mesh.size() != 4) throw std::runtime_error(tsvPath + ": bad mesh code " + mesh);
    rows.push_back({std::stoi(mesh), name, romaji, primary == "1"});
  }
  return rows;
}

bool northToSouth(int a, int b) {
  return a / 100 != b / 100 ? a / 100 > b / 100 : a % 100 < b % 100;
}

}  // namespace

std::vector<Sheet> readSheets(const std::string& tsvPath) {
  std::vector<Sheet> sheets;
  for (const Row& row : readRows(tsvPath))
    if (row.primary) sheets.push_back({row.mesh, row.name, row.romaji});
  std::sort(sheets.begin(), sheets.end(),
            [](const Sheet& a, const Sheet& b) { return northToSouth(a.mesh, b.mesh); });
  return sheets;
}

std::vector<int> readSheetMeshes(const std::string& tsvPath) {
  std::vector<int> meshes;
  for (const Row& row : readRows(tsvPath)) meshes.push_back(row.mesh);
  std::sort(meshes.begin(), meshes.end());
  meshes.erase(std::unique(meshes.begin(), meshes.end()), meshes.end());
  return meshes;
}

std::string cornerLatitudeText(int mesh) {
  const int minutes = mesh / 100 * 40;
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d00", minutes / 60, minutes % 60);
  return text;
}

std::string cornerLongitudeText(int mesh) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d.0000", mesh % 100 + 100);
  return text;
}

std::string sheetIndexLine(const Sheet& sheet) {
  std::string name = toCp932(sheet.name);
  if (name.size() > 12) throw std::runtime_error("sheet name longer than 12 bytes: " + sheet.name);
  char code[8];
  std::snprintf(code, sizeof code, "%04d", sheet.mesh);
  std::string line = code;
  line.resize(9, ' ');
  line += name;
  line.resize(22, ' ');
  line += cornerLatitudeText(sheet.mesh);
  line.resize(32, ' ');
  line += cornerLongitudeText(sheet.mesh);
  line += ' ';
  line += sheet.romaji;
  return line;
}

}  // namespace sampledata
