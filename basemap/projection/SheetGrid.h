#pragma once
// The grid of first-level meshes, which is also the grid of the 1:200,000 sheets: a mesh spans 40
// minutes of latitude and one degree of longitude, and its 4-digit code is the latitude code
// (south edge / 40 minutes) x 100 + the longitude code (west edge in degrees - 100). The sheet
// maps draw a sheet 320 units across; frame, grid and base-map lines share those units.

inline constexpr int kMeshHeightSeconds = 2400;
inline constexpr int kMeshWidthSeconds = 3600;
inline constexpr int kMeshHeightMinutes = 40;
inline constexpr int kMeshFirstLongitudeDegree = 100; // longitude code 0
inline constexpr int kSheetUnits = 320;
// Sheet units per arc-second, as single-precision factors: 320 / 3600 across, 320 / 2400 down.
inline constexpr float kSheetUnitsPerSecondAcross = 0.08888889f;
inline constexpr float kSheetUnitsPerSecondDown = 0.13333334f;

// The south-west corner of a first-level mesh, in arc-seconds.
inline int MeshSouthSeconds(int meshCode) { return meshCode / 100 * kMeshHeightSeconds; }
inline int MeshWestSeconds(int meshCode) { return (meshCode % 100 + kMeshFirstLongitudeDegree) * kMeshWidthSeconds; }
// The mesh code of the mesh holding a point given in arc-seconds.
inline int MeshCodeAt(int latitudeSeconds, int longitudeSeconds)
{
    return latitudeSeconds / kMeshHeightSeconds * 100 +
           (longitudeSeconds / kMeshWidthSeconds - kMeshFirstLongitudeDegree);
}
// The mesh code of a sheet whose south edge is given in arc-seconds and whose west edge in whole
// degrees (as a sheet's corner texts give them).
inline int SheetMeshCode(int southSeconds, int westDegrees)
{
    return southSeconds / kMeshHeightSeconds * 100 + westDegrees - kMeshFirstLongitudeDegree;
}

// The pixels that a number of sheets spans at a scale in pixels per sheet unit, before the
// caller truncates: double and single precision, as the drawings that use them compute.
inline double SheetSpan(double sheets, double pixelsPerUnit) { return sheets * pixelsPerUnit * kSheetUnits; }
inline float SheetSpanSingle(float sheets, float pixelsPerUnit) { return sheets * pixelsPerUnit * kSheetUnits; }
