#pragma once
// The default contents of the layer settings files that the program has written when they are
// missing: the line, surface, point and nature-mesh families.
#include <string>

// Each writes its default file at `path`; false when it could not be written.
bool WriteDefaultLineSettings(const std::string& path);        // DddMFile.dat
bool WriteDefaultSurfaceSettings(const std::string& path);     // DddSFile.dat
bool WriteDefaultPointSettings(const std::string& path);       // DddPFile.dat
bool WriteDefaultNatureMeshSettings(const std::string& path);  // DdMsFile.dat
