#pragma once
// What a layer combination shows in the preset dialog: for each layer family the data names of
// its selected rows, read from the family's settings file in the application folder, and the
// lines of the dialog's list box built from them.
#include "municipal/presets/LayerPresetFiles.h"

#include <array>
#include <string>
#include <vector>

namespace surrick {

// Families in the order of the flags: points, lines, surfaces, natural-environment meshes, 1/10
// subdivided meshes, natural-terrain mesh, land-classification mesh, industry-statistics meshes.
enum PresetFamily { kPoints, kLines, kSurfaces, kNatureMeshes, kTenthMeshes, kTerrainMesh, kClassMesh, kIndustryMeshes };

using PresetNameLists = std::array<std::string, kFamilyCount>;

// The "/"-terminated name lists of the families whose flag is 1 (the terrain and class meshes: a
// single name without "/"). A family none of whose rows is selected gets the flag -1 and no list.
PresetNameLists BuildPresetNameLists(const std::string& appFolder,
                                     const std::array<std::string, kSelectionCount>& selections,
                                     std::array<int, kFamilyCount>& flags);

inline constexpr const char* kNothingSelected = "選択されていません！";

// The list box: each family with names under its header, every name after a full-width blank;
// "選択されていません！" alone when no family takes part.
std::vector<std::string> PresetListBoxLines(const PresetNameLists& lists, const std::array<int, kFamilyCount>& flags);

} // namespace surrick
