#pragma once
// Line files cut into first-level meshes (40 minutes by 1 degree): records of two little-endian
// int16 (a, b). a = -7777 starts a mesh (b its 4-digit code: latitude code x 100 + longitude
// code), a = -999 lifts the pen, anything else is a point of the current mesh: a counted east from
// the mesh's west edge, b south from its north edge, in units of 1/319 of the mesh side (the
// prefecture borders, pfctr01-03.dat) or 1/3190 (the detailed coast, coast01-06.dat).
#include "basemap/projection/SheetGrid.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr std::int16_t kMeshHeaderMark = -7777;
inline constexpr std::int16_t kMeshPenUpMark = -999;
inline constexpr int kBorderUnitsPerMesh = 319;
inline constexpr int kCoastUnitsPerMesh = 3190;

struct MeshRecord {
    std::int16_t a = 0;
    std::int16_t b = 0;
    bool isHeader() const { return a == kMeshHeaderMark; }
    bool isPenUp() const { return a == kMeshPenUpMark; }
};

// Every record; nullopt when the file cannot be opened. A short last record ends the file.
std::optional<std::vector<MeshRecord>> ReadMeshPolylineFile(std::string_view winPath);

// The records of one mesh (the points and pen-up marks after its header).
struct MeshSection {
    int meshCode = 0;
    std::vector<MeshRecord> records;
};
// Records before the first header belong to no mesh and are left out.
std::vector<MeshSection> SplitMeshSections(const std::vector<MeshRecord>& records);

// A point of a mesh in arc-seconds. A point on the mesh's edge (0 or the full unit count) lands
// exactly on the edge, so lines of neighbouring meshes and the mesh frame meet.
struct MeshPointSeconds {
    double latitude = 0;
    double longitude = 0;
};
MeshPointSeconds MeshPointToSeconds(int meshCode, MeshRecord point, int unitsPerMesh);
