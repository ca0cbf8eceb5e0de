#pragma once
// DDMSFILE.DAT as the natural-environment mesh dialog reads and rewrites it: T (data name),
// F (data folder or file) and N (item) lines of tabs 1 and 2, rows 1 to 5, one row a slot.
#include "layers/settings/naturemesh/NatureMeshSlots.h"

#include <string>

// The file's name in the settings folder; found whatever the case of the name on disk
// (the default is written as DdMsFile.dat).
inline constexpr const char* kNatureMeshSettingsFileName = "DDMSFILE.DAT";

// Reads the file's lines into the slots: T and F set a slot's name and text, N its item (the on
// values are not stored). A slot without a line keeps its value. False when the file cannot be
// opened (nothing changes).
bool ReadNatureMeshSettingsFile(const std::string& path, NatureMeshSlots& slots);

// Writes the file anew from the slots: for tab 1 and 2 the T, F and N lines of rows 1 to 5 (30
// lines), T1_1 always naming "気候値". The old file stays when the new one cannot be written
// whole (false).
bool WriteNatureMeshSettingsFile(const std::string& path, const NatureMeshSlots& slots);
