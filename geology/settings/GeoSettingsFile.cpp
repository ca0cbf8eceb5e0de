#include "geology/settings/GeoSettingsFile.h"

#include "layers/settings/files/LayerSettingsFile.h"
#include "platform/fs/TextWriter.h"

namespace {

constexpr int kTab = 1;
constexpr int kRows = 4;
constexpr const char* kThemeNames[kRows] = {"表層地質", "土壌", "地形分類", "谷密度"};
// A value no line can hold, marking a row the file does not have.
constexpr const char* kNoRow = "\n";

std::optional<std::string> RowValue(const LayerSettingsTable& table, int row)
{
    const std::string& file = table.at(kTab, row).file;
    if (file == kNoRow)
        return std::nullopt;
    return file;
}

} // namespace

GeoDataFiles ReadGeoSettingsFile(const std::string& path)
{
    LayerSettingsTable table(1, 3);
    for (int row = 1; row <= 3; ++row)
        table.at(kTab, row).file = kNoRow;
    if (!ReadLayerSettingsFile(path, "F", table))
        return {};
    return {RowValue(table, 1), RowValue(table, 2), RowValue(table, 3)};
}

bool WriteGeoSettingsFile(const std::string& path, const GeoDataFiles& files)
{
    LayerSettingsTable names(1, kRows);
    for (int row = 1; row <= kRows; ++row)
        names.at(kTab, row).name = kThemeNames[row - 1];
    LayerSettingsTable data(1, 3);
    data.at(kTab, 1).file = files.dataSet.value_or("");
    data.at(kTab, 2).file = files.classFile.value_or("");
    data.at(kTab, 3).file = files.valleyFile.value_or("");
    return WriteLayerSettingsFile(path, {{"T", &names}, {"F", &data}});
}
