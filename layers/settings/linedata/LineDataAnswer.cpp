#include "layers/settings/linedata/LineDataAnswer.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/files/LayerSettingsFile.h"

std::string FormatLineDataAnswer(int currentTab, const LineDataInts& show, const LineDataInts& colour,
                                 const LineDataTexts& name, const LineDataTexts& file)
{
    BarDelimitedWriter answer;
    answer.addInt(currentTab);
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = 1; row <= kLineDataRows; ++row) {
            answer.addInt(show[SlotEntry(tab, row)]);
            answer.addInt(colour[SlotEntry(tab, row)]);
        }
    answer.addText("道路");
    answer.addText(file[SlotEntry(1, 1)]);
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = tab == 1 ? 2 : 1; row <= kLineDataRows; ++row) {
            answer.addText(name[SlotEntry(tab, row)]);
            answer.addText(file[SlotEntry(tab, row)]);
        }
    return answer.text();
}

bool ReadLineDataSettingsFile(const std::string& path, LineDataTexts& name, LineDataTexts& file, LineDataInts& colour)
{
    LayerSettingsTable table(kLineDataTabs, kLineDataRows);
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = 1; row <= kLineDataRows; ++row) {
            const int entry = SlotEntry(tab, row);
            table.at(tab, row) = {name[entry], file[entry], colour[entry]};
        }
    if (!ReadLayerSettingsFile(path, "TFC", table))
        return false;
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = 1; row <= kLineDataRows; ++row) {
            const int entry = SlotEntry(tab, row);
            name[entry] = table.at(tab, row).name;
            file[entry] = table.at(tab, row).file;
            colour[entry] = table.at(tab, row).colour;
        }
    return true;
}

bool WriteLineDataSettingsFile(const std::string& path, const LineDataTexts& name, const LineDataTexts& file,
                               const LineDataInts& colour)
{
    LayerSettingsTable table(kLineDataTabs, kLineDataRows);
    for (int tab = 1; tab <= kLineDataTabs; ++tab)
        for (int row = 1; row <= kLineDataRows; ++row) {
            const int entry = SlotEntry(tab, row);
            table.at(tab, row) = {name[entry], file[entry], colour[entry]};
        }
    table.at(1, 1).name = "道路";
    table.at(3, 5).name = "鉄道";
    table.at(6, 1).name = "航路";
    table.at(6, 2).name = "架橋";
    table.at(7, 1).name = "国土保全関連情報";
    return WriteLayerSettingsFile(path, "TFC", table);
}
