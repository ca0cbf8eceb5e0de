#pragma once
// The dialog library's place-name and public-facility search conditions: tab, display mode and
// text size packed as tab + 10 x mode + 100 x size; file mode; file format; provisional
// elevation; search kind; three class codes; prefecture index; government code; contained text;
// the previous output file and class names joined by "|". The answer is ten "%d|" fields and
// eight texts separated by "|", or empty when cancelled.
#include <string>

using OnGnpfRetrieveSet_fn = std::string(int packedDisplay, int fileMode, int fileFormat, int provisionalElevation,
                                         int searchKind, int majorClass, int middleClass, int minorClass,
                                         int prefectureIndex, std::string governmentCode, std::string containedText,
                                         std::string previous);
