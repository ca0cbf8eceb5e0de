#include "geology/settings/GeoSettingsCall.h"

#include "geology/settings/GeoSettingsDialog.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

GeoDialogState ParseGeoDialogState(const std::string& state)
{
    const std::string text = state.substr(0, state.find('/'));
    GeoDialogState parsed;
    if (text == "-1") {
        parsed.first = true;
        return parsed;
    }
    int values[3] = {0, 0, 0};
    std::size_t start = 0;
    for (int& value : values) {
        const std::size_t bar = text.find('|', start);
        if (bar == std::string::npos)
            break;
        value = vd::parseInt(text.substr(start, bar - start));
        start = bar + 1;
    }
    parsed.tab = values[0];
    parsed.layerSwitch = values[1];
    parsed.displayMode = values[2];
    return parsed;
}

void LoadGeoSettingsDialog(GeoSettingsDialog& dialog, const GeoDialogState& state, const GeoSelections& selections)
{
    dialog.m_nCurrentTab = state.tab;
    dialog.m_nLayerSwitch = state.layerSwitch;
    dialog.m_nDisplayMode = state.displayMode;
    dialog.m_strRock = selections.rock;
    dialog.m_strEra = selections.era;
    dialog.m_strTerrain = selections.terrain;
    dialog.m_strSoil = selections.soil;
    dialog.m_strValley = selections.valley;
}

std::string GeoStateFields(const GeoSettingsDialog& dialog)
{
    return vd::format("%d|%d|%d|", dialog.m_nCurrentTab, dialog.m_nLayerSwitch, dialog.m_nDisplayMode);
}
