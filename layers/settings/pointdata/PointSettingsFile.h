#pragma once
// DDDPFILE.DAT as the point dialogs read and rewrite it: T, F, C, P and N lines of tabs 1 to 6,
// rows 1 to 5 (tab 3 has four rows when written).
#include "layers/settings/pointdata/PointLayerSlots.h"

#include <string>

// Reads the file's lines into the slots: names, files and colours of every slot, N and P of tabs
// 1 to 5 only (the N and P lines of tab 6 are written but never read back). A slot without a line
// keeps its value. False when the file cannot be opened (nothing changes).
bool ReadPointSettingsFile(const std::string& path, PointLayerSlots& slots);

// Writes the file anew from the slots, the names of slots 0 to 5 being the fixed theme names.
// The old file stays when the new one cannot be written whole (false).
bool WritePointSettingsFile(const std::string& path, const PointLayerSlots& slots);
