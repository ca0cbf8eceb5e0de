#pragma once
// What the line-data dialog answers and keeps: the 141-field answer, the settings file
// DddMFile.dat (rows T, F, C of tabs 1 to 7) and the form in which a typed text is carried.
#include "layers/settings/linedata/LineDataSlots.h"

#include <string>
#include <string_view>

// The answer: the tab index, show flag and colour code of each file tab and row, "道路", the
// tab-1-row-1 folder, then name and file of every other row (71 integers, 70 texts).
std::string FormatLineDataAnswer(int currentTab, const LineDataInts& show, const LineDataInts& colour,
                                 const LineDataTexts& name, const LineDataTexts& file);

// Reads the T, F and C rows of the settings file into the tables; rows without a line keep
// their values. False when the file cannot be opened.
bool ReadLineDataSettingsFile(const std::string& path, LineDataTexts& name, LineDataTexts& file, LineDataInts& colour);
// Writes the file anew (105 lines, T, F, C per tab) with the five fixed names: 道路 (1, 1),
// 鉄道 (3, 5), 航路 (6, 1), 架橋 (6, 2), 国土保全関連情報 (7, 1). The old file stays unless the
// new one was written whole.
bool WriteLineDataSettingsFile(const std::string& path, const LineDataTexts& name, const LineDataTexts& file,
                               const LineDataInts& colour);
