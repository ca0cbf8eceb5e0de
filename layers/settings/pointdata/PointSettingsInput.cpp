#include "layers/settings/pointdata/PointSettingsInput.h"

#include "layers/settings/BarDelimitedSettings.h"

std::vector<std::string> SplitJoinedValues(std::string_view text, int count)
{
    std::vector<std::string> values(count > 0 ? count : 0);
    if (count == 2) {
        const auto slash = text.find('/');
        if (slash == std::string_view::npos) {
            values[1] = std::string(text);
        } else {
            values[0] = std::string(text.substr(0, slash));
            values[1] = std::string(text.substr(slash + 1));
        }
        return values;
    }
    for (std::string& value : values) {
        const auto slash = text.find('/');
        if (slash == std::string_view::npos)
            break;
        value = std::string(text.substr(0, slash));
        text.remove_prefix(slash + 1);
    }
    return values;
}

namespace {

// Single-value inputs: (first input, first slot, count).
struct Run {
    int input;
    int slot;
    int count;
};
constexpr Run kNameRuns[] = {{2, 0, 5}, {12, 5, 5}, {22, 10, 4}, {30, 15, 1}};
constexpr Run kFileRuns[] = {{7, 0, 5}, {17, 5, 5}, {26, 10, 4}, {35, 15, 1}};
// Joined inputs: (input, first slot, count), names then files five inputs later.
constexpr Run kJoinedNames[] = {{31, 16, 2}, {32, 25, 4}, {33, 18, 2}, {34, 20, 5}};

void PlaceRuns(const PointInputs& inputs, const Run (&runs)[4], std::array<std::string, kPointSlotCount>& texts)
{
    for (const Run& run : runs)
        for (int i = 0; i < run.count; ++i)
            texts[run.slot + i] = inputs[run.input + i];
}

} // namespace

void PlacePointInputTexts(const PointInputs& inputs, PointLayerSlots& slots)
{
    PlaceRuns(inputs, kNameRuns, slots.name);
    PlaceRuns(inputs, kFileRuns, slots.file);
    for (const Run& run : kJoinedNames) {
        const auto names = SplitJoinedValues(inputs[run.input], run.count);
        const auto files = SplitJoinedValues(inputs[run.input + 5], run.count);
        for (int i = 0; i < run.count; ++i) {
            slots.name[run.slot + i] = names[i];
            slots.file[run.slot + i] = files[i];
        }
    }
}

void PlacePointSettingsIntegers(const std::vector<int>& values, int& currentTab, PointLayerSlots& slots)
{
    auto value = [&](int i) { return i < static_cast<int>(values.size()) ? values[i] : 0; };
    currentTab = value(0);
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        slots.flag[slot] = value(4 * slot + 1);
        slots.colour[slot] = value(4 * slot + 2);
        slots.n[slot] = value(4 * slot + 3);
        slots.p[slot] = value(4 * slot + 4);
    }
}

std::string FormatPointSettingsResult(int currentTab, const PointLayerSlots& slots)
{
    BarDelimitedWriter out;
    out.addInt(currentTab);
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        out.addInt(slots.flag[slot]);
        out.addInt(slots.colour[slot]);
        out.addInt(slots.n[slot]);
        out.addInt(slots.p[slot]);
    }
    for (int slot = 0; slot < kPointSlotCount; ++slot) {
        if (slot == kUnusedPointSlot)
            continue;
        out.addText(slots.name[slot]);
        out.addText(slots.file[slot]);
    }
    return out.text();
}
