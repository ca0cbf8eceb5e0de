#include "layers/settings/finemesh/FineMeshSettings.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"
#include "layers/settings/finemesh/LandUseClasses.h"

namespace {

// DDFTFILE.DAT holds one tab with a row per page.
constexpr int kFileTab = 1;

const std::array<const char*, kFineMeshPages> kStoredNames = {"土地利用", "指定地域", "流域・非集水域", "湖"};

} // namespace

FineMeshSettings ParseFineMeshCall(std::string_view selection, const FineMeshTexts& texts, std::string_view flags)
{
    FineMeshSettings settings;
    settings.text = texts;
    settings.flags = flags;
    const IntegerSettingsInput input = ParseIntegerSettingsInput(selection, 1 + 2 * kFineMeshPages);
    settings.whiteMap = input.callerMark;
    settings.fromSettingsFile = input.fromSettingsFile;
    if (input.fromSettingsFile) {
        settings.flags = kAllLandUseClasses;
        return settings;
    }
    settings.currentTab = input.values[0];
    for (int k = 0; k < kFineMeshPages; ++k) {
        settings.on[k] = input.values[1 + 2 * k];
        settings.item[k] = input.values[2 + 2 * k];
    }
    return settings;
}

bool ReadFineMeshSettingsFile(const std::string& path, FineMeshTexts& texts)
{
    LayerSettingsTable table(1, kFineMeshPages);
    for (int k = 0; k < kFineMeshPages; ++k)
        table.at(kFileTab, k + 1).file = texts[k];
    if (!ReadLayerSettingsFile(path, "F", table))
        return false;
    for (int k = 0; k < kFineMeshPages; ++k)
        texts[k] = BarSafeText(table.at(kFileTab, k + 1).file);
    return true;
}

bool WriteFineMeshSettingsFile(const std::string& path, const FineMeshTexts& texts, const FineMeshInts& items)
{
    LayerSettingsTable table(1, kFineMeshPages);
    for (int k = 0; k < kFineMeshPages; ++k) {
        LayerSettingsRow& row = table.at(kFileTab, k + 1);
        row.name = kStoredNames[k];
        row.file = texts[k];
        row.n = items[k];
    }
    return WriteLayerSettingsFile(path, "TFN", table);
}

std::string FormatFineMeshAnswer(const FineMeshSettings& settings)
{
    BarDelimitedWriter answer;
    answer.addInt(settings.currentTab);
    for (int k = 0; k < kFineMeshPages; ++k) {
        answer.addInt(settings.on[k]);
        answer.addInt(settings.item[k]);
    }
    for (const std::string& text : settings.text)
        answer.addText(text);
    return answer.text() + settings.flags;
}

void SettleLandUseFlags(FineMeshSettings& settings)
{
    if (settings.on[0] == 0)
        settings.flags = kAllLandUseClasses;
}

std::string FineMeshStatusLine(int tab, bool whiteMap)
{
    switch (tab) {
    case 0:
        return whiteMap ? "白地図にメッシュマップを表示" : "地図に重ねてメッシュマップを表示";
    case 1:
    case 2:
        return "各地域ごとに指定種別を表示";
    default:
        return "";
    }
}
