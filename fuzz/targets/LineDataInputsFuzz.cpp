// Fuzz target: the inputs of the line-data dialog as the entry point takes them: the first line
// is the integer settings ("-1" or 71 "%d|" fields, then "/" and a mark), each further line one
// of the 31 texts (joined by "/" or closed by "|"); the colour codes are split and packed as the
// pages do, and the answer is written.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/linedata/LineColourCode.h"
#include "layers/settings/linedata/LineDataAnswer.h"
#include "layers/settings/linedata/LineDataInputs.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (;;) {
        const auto end = input.find('\n');
        lines.emplace_back(input.substr(0, end));
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + 1);
    }
    const IntegerSettingsInput settings = ParseIntegerSettingsInput(lines.front(), 1 + 2 * kLineDataEntries);
    const LineDataRowTexts rows = PlaceLineDataTexts({lines.begin() + 1, lines.end()});
    LineDataInts show{}, colour{};
    for (int entry = 0; entry < kLineDataEntries; ++entry) {
        show[entry] = settings.values[1 + 2 * entry];
        const int code = settings.values[2 + 2 * entry];
        for (LineCodeForm form : {LineCodeForm::KeepHundreds, LineCodeForm::Attribute, LineCodeForm::CodeBox,
                                  LineCodeForm::RoadMode, LineCodeForm::RailMode, LineCodeForm::River})
            if (PackColourCode(form, SplitColourCode(form, code)) != code)
                std::abort(); // an untouched row must answer the code it came with
        colour[entry] = PackColourCode(LineCodeForm::ColourOnly, SplitColourCode(LineCodeForm::ColourOnly, code));
    }
    FormatLineDataAnswer(settings.values[0], show, colour, rows.name, rows.file);
    return 0;
}
