#include "layers/settings/industrymesh/IndustryMeshInput.h"

#include "layers/settings/BarDelimitedSettings.h"

#include <string_view>

namespace {

constexpr int kMeshMapOnlyTab = 10000;

} // namespace

IndustryMeshStart ParseIndustryMeshInputs(const IndustryMeshInputs& inputs)
{
    IndustryMeshStart start;
    // A "|" in a text would shift every later field of the answer.
    for (int row = 0; row < kIndustryRowCount; ++row) {
        start.settings.rows[row].name = BarSafeText(inputs[2 + row]);
        start.settings.rows[row].folder = BarSafeText(inputs[7 + row]);
    }

    std::string_view selection = inputs[1];
    if (const auto slash = selection.find('/'); slash != std::string_view::npos) {
        selection = selection.substr(0, slash);
        start.meshMapOnly = true;
    }
    if (selection == "WhiteMap") {
        selection = "-1";
        start.meshMapOnly = true;
    }
    const IntegerSettingsInput integers = ParseIntegerSettingsInput(selection, kIndustrySettingsIntegers);
    start.fromSettingsFile = integers.fromSettingsFile;
    if (start.fromSettingsFile) {
        start.displayMethod = kIndustryAttributeValue;
    } else {
        BarDelimitedReader specs(inputs[12], '#');
        for (std::string& spec : start.settings.specs)
            spec = specs.nextText();
        start.displayMethod = integers.values[11];
    }

    const int tab = integers.values[0];
    if (tab >= kMeshMapOnlyTab) {
        start.meshMapOnly = true;
        start.currentTab = tab % kMeshMapOnlyTab;
    } else {
        start.currentTab = tab;
    }
    for (int row = 0; row < kIndustryRowCount; ++row) {
        start.settings.rows[row].on = integers.values[1 + 2 * row];
        start.settings.rows[row].item = integers.values[2 + 2 * row];
    }
    return start;
}

std::string FormatIndustryMeshResult(int currentTab, const IndustryMeshSettings& settings, int displayMethod)
{
    BarDelimitedWriter out;
    out.addInt(currentTab);
    for (const IndustryMeshRow& row : settings.rows) {
        out.addInt(row.on);
        out.addInt(row.item);
    }
    out.addInt(displayMethod);
    for (const IndustryMeshRow& row : settings.rows) {
        out.addText(row.name);
        out.addText(row.folder);
    }
    std::string text = out.text();
    for (const std::string& spec : settings.specs) {
        text += spec;
        text += '#';
    }
    return text;
}

bool IndustryMeshValuesDiffer(const IndustryMeshSettings& a, const IndustryMeshSettings& b)
{
    return !(a == b);
}
