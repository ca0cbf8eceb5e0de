#include "layers/settings/naturemesh/NatureMeshSettingsFile.h"

#include "layers/settings/files/LayerSettingsFile.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"

namespace {

constexpr int kTabs = 2;
constexpr int kRows = 5;
constexpr const char* kKeys = "TFN";
// The file names slot 0 so whatever the dialog holds.
constexpr const char* kClimateName = "気候値";

LayerSettingsTable TableOf(const NatureMeshSlots& slots)
{
    LayerSettingsTable table(kTabs, kRows);
    for (int slot = 0; slot < kMeshSlotCount; ++slot) {
        LayerSettingsRow& row = table.at(MeshSlotTab(slot), MeshSlotRow(slot));
        row.name = slots.name[slot];
        row.file = slots.text[slot];
        row.n = slots.item[slot];
    }
    return table;
}

} // namespace

bool ReadNatureMeshSettingsFile(const std::string& path, NatureMeshSlots& slots)
{
    LayerSettingsTable table = TableOf(slots);
    if (!ReadLayerSettingsFile(path, kKeys, table))
        return false;
    for (int slot = 0; slot < kMeshSlotCount; ++slot) {
        const LayerSettingsRow& row = table.at(MeshSlotTab(slot), MeshSlotRow(slot));
        // A "|" in the file would shift the fields of the answer.
        slots.name[slot] = BarSafeText(row.name);
        slots.text[slot] = BarSafeText(row.file);
        slots.item[slot] = row.n;
    }
    return true;
}

bool WriteNatureMeshSettingsFile(const std::string& path, const NatureMeshSlots& slots)
{
    LayerSettingsTable table = TableOf(slots);
    table.at(1, 1).name = kClimateName;
    return WriteLayerSettingsFile(path, kKeys, table);
}
