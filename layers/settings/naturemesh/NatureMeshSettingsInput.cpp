#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "platform/text/StringOps.h"

void PlaceNatureMeshInputTexts(const NatureMeshInputs& inputs, NatureMeshSlots& slots)
{
    for (int i = 0; i < 5; ++i) {
        slots.name[i] = inputs[2 + i];
        slots.text[i] = inputs[7 + i];
        slots.name[5 + i] = inputs[12 + i];
        slots.text[5 + i] = inputs[17 + i];
    }
}

NatureMeshSelection ParseNatureMeshSelection(std::string_view selection, NatureMeshSlots& slots)
{
    constexpr int kMeshMapOnlyTab = 10000;
    // "WhiteMap" asks for the settings file like "-1", in mesh-map-only mode.
    const bool whiteMap = selection.substr(0, selection.find('/')) == "WhiteMap";
    const IntegerSettingsInput input =
        ParseIntegerSettingsInput(whiteMap ? std::string_view("-1") : selection, kMeshSettingsIntegers);

    NatureMeshSelection parsed;
    parsed.meshMapOnly = input.callerMark || whiteMap;
    parsed.fromSettingsFile = whiteMap || input.fromSettingsFile;
    const std::vector<int>& v = input.values;
    for (int slot = 0; slot < kMeshSlotCount; ++slot) {
        slots.on[slot] = v[1 + 2 * slot];
        slots.item[slot] = v[2 + 2 * slot];
    }
    if (parsed.fromSettingsFile)
        return parsed; // tab 0, the attribute values
    parsed.currentTab = v[0];
    if (parsed.currentTab >= kMeshMapOnlyTab) {
        parsed.currentTab %= kMeshMapOnlyTab;
        parsed.meshMapOnly = true;
    }
    parsed.displayMethod = v[kMeshSettingsIntegers - 1];
    return parsed;
}

std::string FormatNatureMeshResult(int currentTab, const NatureMeshSlots& slots, int displayMethod)
{
    BarDelimitedWriter out;
    out.addInt(currentTab);
    for (int slot = 0; slot < kMeshSlotCount; ++slot) {
        out.addInt(slots.on[slot]);
        out.addInt(slots.item[slot]);
    }
    out.addInt(displayMethod);
    for (int slot = 0; slot < kMeshSlotCount; ++slot) {
        out.addText(slots.name[slot]);
        out.addText(slots.text[slot]);
    }
    return out.text();
}
