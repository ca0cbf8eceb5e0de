#pragma once
// The intermediate depth files: one for each first-level mesh, "Sf<lat code><lon code>.dat"
// (Sf5339.dat) in the folder SEAFLOOR\ under the depth-data folder. Exactly 51,200 bytes: 160
// rows of 160 little-endian signed 16-bit depths in whole metres, the northernmost row first and
// within a row the westernmost cell first; 0 where nothing is known. A cell is 15" of latitude
// by 22.5" of longitude.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kDepthCellsPerMeshSide = 160;
inline constexpr int kDepthCellsPerMesh = kDepthCellsPerMeshSide * kDepthCellsPerMeshSide;
inline constexpr int kIntermediateDepthFileBytes = kDepthCellsPerMesh * 2;
// The sub-folder of the depth-data folder; one folder whatever the case of its name on disk.
inline constexpr const char* kSeaFloorFolder = "SEAFLOOR\\";

using DepthMeshCells = std::array<std::int16_t, kDepthCellsPerMesh>;

// "Sf%d%2d.dat" of the latitude and longitude codes.
std::string IntermediateDepthFileName(int latitudeCode, int longitudeCode);

// Reads a file as the depth maps do: 160 rows of 16 runs of 10 depths. A short file reads its
// missing cells as 0 (an odd last byte is no cell). nullopt when the file cannot be opened.
std::optional<DepthMeshCells> ReadIntermediateDepthFile(std::string_view winPath);

// Writes the file through a temporary file that replaces the old one only when all was written,
// so a failed write keeps the older file. False when it could not be written.
[[nodiscard]] bool WriteIntermediateDepthFile(std::string_view winPath, const DepthMeshCells& cells);

// The names that the distribution map counts: every entry of SEAFLOOR\ but folders, lower-cased,
// that holds ".dat"; in the folder's listing order. Empty when the folder is missing.
std::vector<std::string> ListIntermediateDepthNames(const std::string& depthFolder);

// The first-level mesh a listed name stands for: the part before ".da" less its first two
// characters is the code, its first two digits the latitude code, the next two the longitude
// code (each read as atoi reads, so a name that is not a mesh code gives what its digits give).
struct DepthFileMesh {
    int latitudeCode = 0;
    int longitudeCode = 0;
};
DepthFileMesh MeshOfDepthFileName(std::string_view lowerCaseName);
