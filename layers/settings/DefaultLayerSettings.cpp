#include "layers/settings/DefaultLayerSettings.h"

#include "layers/settings/files/LayerSettingsFile.h"

namespace {

// Every family numbers its default colour codes by row: row 1 gets 0, row 5 gets 4.
LayerSettingsTable RowNumberedColours(LayerSettingsTable table)
{
    for (int tab = 1; tab <= table.tabCount(); ++tab)
        for (int row = 1; row <= table.rowCount(tab); ++row)
            table.at(tab, row).colour = row - 1;
    return table;
}

} // namespace

bool WriteDefaultLineSettings(const std::string& path)
{
    LayerSettingsTable table = RowNumberedColours(LayerSettingsTable(5, 5));
    table.at(1, 1).name = "道路";
    return WriteLayerSettingsFile(path, "TFC", table);
}

bool WriteDefaultSurfaceSettings(const std::string& path)
{
    return WriteLayerSettingsFile(path, "TFCPN", RowNumberedColours(LayerSettingsTable(3, 5)));
}

bool WriteDefaultPointSettings(const std::string& path)
{
    LayerSettingsTable table = RowNumberedColours(LayerSettingsTable(std::vector<int>{5, 2}));
    table.at(1, 1).name = "公共施設";
    table.at(1, 2).name = "文化財";
    table.at(1, 3).name = "水系域流路延長";
    return WriteLayerSettingsFile(path, "TFCPN", table);
}

bool WriteDefaultNatureMeshSettings(const std::string& path)
{
    return WriteLayerSettingsFile(path, "TFCPN", RowNumberedColours(LayerSettingsTable(2, 5)));
}
