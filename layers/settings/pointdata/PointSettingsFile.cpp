#include "layers/settings/pointdata/PointSettingsFile.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"
#include "layers/settings/pointdata/PointSettingsInput.h"

namespace {

constexpr int kTabs = 6;
// The names the file keeps for slots 0 to 5 whatever the dialog holds.
constexpr const char* kFixedNames[] = {"公共施設", "文化財", "水系域流路延長", "ダム", "潮汐・海洋施設", "海岸施設・感潮施設"};

} // namespace

bool ReadPointSettingsFile(const std::string& path, PointLayerSlots& slots)
{
    LayerSettingsTable table(kTabs, 5);
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        LayerSettingsRow& row = table.at(PointSlotTab(slot), PointSlotRow(slot));
        row = {slots.name[slot], slots.file[slot], slots.colour[slot], slots.p[slot], slots.n[slot]};
    }
    if (!ReadLayerSettingsFile(path, "TFCPN", table))
        return false;
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        const LayerSettingsRow& row = table.at(PointSlotTab(slot), PointSlotRow(slot));
        // A "|" or "/" in the file would shift the fields of the answer.
        slots.name[slot] = FieldSafeText(row.name);
        slots.file[slot] = FieldSafeText(row.file);
        slots.colour[slot] = row.colour;
        if (PointSlotTab(slot) <= 5) {
            slots.n[slot] = row.n;
            slots.p[slot] = row.p;
        }
    }
    return true;
}

bool WritePointSettingsFile(const std::string& path, const PointLayerSlots& slots)
{
    LayerSettingsTable table({5, 5, 4, 5, 5, 5});
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        if (slot == kUnusedPointSlot)
            continue;
        table.at(PointSlotTab(slot), PointSlotRow(slot)) = {
            slot < 6 ? kFixedNames[slot] : slots.name[slot], slots.file[slot], slots.colour[slot], slots.p[slot],
            slots.n[slot]};
    }
    return WriteLayerSettingsFile(path, "TFCPN", table);
}
