#pragma once
// The texts that the program hands the line-data dialog: arguments 2 to 32 of the entry point,
// some one row each, some five (or three) rows joined by "/" or each followed by "|".
#include "layers/settings/linedata/LineDataSlots.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr int kLineDataTextArguments = 31; // arguments 2 to 32

// The parts of a joined input: each of the first parts - 1 is the text before the next
// separator (empty once none is left), the last is what remains. With the closing separator
// of the "|" form (closesLast), one separator at the end of the last part is not part of it.
std::vector<std::string> SplitJoinedInput(std::string_view text, int parts, char separator, bool closesLast = false);

struct LineDataRowTexts {
    LineDataTexts name; // by slot entry
    LineDataTexts file;
};

// The names and files of the 35 rows from arguments 2 to 32 (texts[0] is argument 2); tab 1
// row 1 is named 道路. Missing arguments are empty.
LineDataRowTexts PlaceLineDataTexts(const std::vector<std::string>& texts);
