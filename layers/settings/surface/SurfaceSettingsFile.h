#pragma once
// DDDSFILE.DAT as the surface dialog reads and rewrites it: T, F, C, P (fill) and N (name) lines of
// tabs 1 to 3, rows 1 to 5. The on values are not kept.
#include "layers/settings/surface/SurfaceRows.h"

#include <string>

// The file in the settings folder (a folder in Windows form ending in "\"); any case of the name
// is the same file.
std::string SurfaceSettingsFilePath(const std::string& folder);

// Reads the file's lines into the rows: T and F replace the data name and text, C, P and N set the
// colour, fill and name values. A row without a line keeps its value. False when the file cannot
// be opened (nothing changes).
bool ReadSurfaceSettingsFile(const std::string& path, SurfaceRows& rows);

// Writes the 75 lines anew from the rows. The old file stays when the new one cannot be written
// whole (false).
bool WriteSurfaceSettingsFile(const std::string& path, const SurfaceRows& rows);
