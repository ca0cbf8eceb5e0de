#include "graphics/ColourSet.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <algorithm>

int TintLevelOfElevation(int metres)
{
    if (metres == 1)
        return 1;
    if (metres == 4000)
        return 255;
    // Elevations past the ramp's ends would index outside it.
    return std::clamp(metres / 15, 0, 255);
}

namespace {

std::uint8_t colourField(std::string_view line, int start)
{
    return static_cast<std::uint8_t>(std::clamp(vd::parseInt(vd::rawField(line, start, 3)), 0, 255));
}

bool runsOneWay(const std::vector<TintRow>& rows, bool rising)
{
    for (std::size_t k = 2; k < rows.size(); ++k) {
        const TintRow& a = rows[k - 1];
        const TintRow& b = rows[k];
        const bool ok = rising ? (b.red >= a.red && b.green >= a.green && b.blue >= a.blue)
                               : (b.red <= a.red && b.green <= a.green && b.blue <= a.blue);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::optional<TintRow> ParseColourSetLine(std::string_view line)
{
    if (line.empty() || line.front() == ';')
        return std::nullopt;
    TintRow row;
    row.level = static_cast<std::uint8_t>(TintLevelOfElevation(vd::parseInt(vd::rawField(line, 0, 4))));
    row.red = colourField(line, 5);
    row.green = colourField(line, 9);
    row.blue = colourField(line, 13);
    return row;
}

std::vector<TintRow> ReadColourSetRows(std::string_view winPath)
{
    std::vector<TintRow> rows;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return rows;
    std::string line;
    while (int(rows.size()) < kMaxTintRows && reader.readRawLine(line))
        if (const auto row = ParseColourSetLine(line))
            rows.push_back(*row);
    return rows;
}

std::string DetectReliefStyle(const std::vector<TintRow>& rows, const std::string& setName)
{
    std::string style;
    // The sea row (row 0) does not count: a monochrome set shades its land one way.
    if (rows.size() >= 3 && (runsOneWay(rows, true) || runsOneWay(rows, false)))
        style = kMonochromeStyle;
    if (setName == kBandedAtlasStyle)
        style = kBandedAtlasStyle;
    if (setName == "黄金(ﾓﾉｸﾛｰﾑ)")
        style = kMonochromeStyle;
    return style;
}
