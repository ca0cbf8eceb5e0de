#include "layers/settings/surface/SurfaceSettingsFile.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"

namespace {

constexpr std::string_view kKeys = "TFCPN";

LayerSettingsTable TableOf(const SurfaceRows& rows)
{
    LayerSettingsTable table(3, 5);
    for (int n = 0; n < kSurfaceRowCount; ++n) {
        const SurfaceRow& row = rows[n];
        table.at(SurfaceRowTab(n), SurfaceRowInTab(n)) = {row.dataName, row.text, row.colour, row.fill, row.name};
    }
    return table;
}

} // namespace

std::string SurfaceSettingsFilePath(const std::string& folder)
{
    return folder + "DDDSFILE.DAT";
}

bool ReadSurfaceSettingsFile(const std::string& path, SurfaceRows& rows)
{
    LayerSettingsTable table = TableOf(rows);
    if (!ReadLayerSettingsFile(path, kKeys, table))
        return false;
    for (int n = 0; n < kSurfaceRowCount; ++n) {
        const LayerSettingsRow& cell = table.at(SurfaceRowTab(n), SurfaceRowInTab(n));
        SurfaceRow& row = rows[n];
        // A "|" from the file would shift every later field of the answer.
        row.dataName = BarSafeText(cell.name);
        row.text = BarSafeText(cell.file);
        row.colour = cell.colour;
        row.fill = cell.p;
        row.name = cell.n;
    }
    return true;
}

bool WriteSurfaceSettingsFile(const std::string& path, const SurfaceRows& rows)
{
    return WriteLayerSettingsFile(path, kKeys, TableOf(rows));
}
