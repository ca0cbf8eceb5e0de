#include "layers/settings/surface/SurfaceSettingsInput.h"

#include "layers/settings/BarDelimitedSettings.h"

void PlaceSurfaceInputTexts(const SurfaceInputs& inputs, SurfaceRows& rows)
{
    for (int group = 0; group < 3; ++group)
        for (int i = 0; i < 5; ++i) {
            SurfaceRow& row = rows[kSurfaceGroupFirstRows[group] + i];
            row.dataName = inputs[2 + 10 * group + i];
            row.text = inputs[7 + 10 * group + i];
        }
}

void PlaceSurfaceSettingsIntegers(const std::vector<int>& values, int& currentTab, SurfaceRows& rows)
{
    auto value = [&](int i) { return i < static_cast<int>(values.size()) ? values[i] : 0; };
    currentTab = value(0);
    int at = 1;
    for (const int first : kSurfaceGroupFirstRows)
        for (int i = 0; i < 5; ++i) {
            SurfaceRow& row = rows[first + i];
            row.on = value(at++);
            row.colour = value(at++);
            row.fill = value(at++);
            row.name = value(at++);
        }
}

std::string FormatSurfaceSettingsResult(int currentTab, const SurfaceRows& rows)
{
    BarDelimitedWriter out;
    out.addInt(currentTab);
    for (const int first : kSurfaceGroupFirstRows)
        for (int SurfaceRow::*field : {&SurfaceRow::on, &SurfaceRow::colour, &SurfaceRow::fill, &SurfaceRow::name})
            for (int i = 0; i < 5; ++i)
                out.addInt(rows[first + i].*field);
    for (int i = 0; i < 5; ++i)
        for (const int first : kSurfaceGroupFirstRows) {
            out.addText(rows[first + i].dataName);
            out.addText(rows[first + i].text);
        }
    return out.text();
}
