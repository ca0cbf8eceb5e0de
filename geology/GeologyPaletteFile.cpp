#include "geology/GeologyPaletteFile.h"

#include "geology/GeoMeshRenderer.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kSectionHeader = -999;

bool Skipped(const std::string& line) { return line.empty() || line.front() == ';'; }

bool KnownCode(int code) { return code >= 0 && code < kGeoClassCount; }

// Cuts the text before the next blank off `rest`; false when no blank is left (then the field is
// the whole rest and `rest` becomes empty).
bool CutField(std::string_view& rest, std::string_view& field)
{
    const std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) {
        field = rest;
        rest = {};
        return false;
    }
    field = rest.substr(0, blank);
    rest.remove_prefix(blank + 1);
    return true;
}

int Colour(std::string_view text) { return std::clamp(vd::parseInt(text), 0, 255); }

std::optional<GeologyPaletteEntry> ParseEntry(int code, std::string_view rest)
{
    std::string_view red, green, blue;
    if (!CutField(rest, red) || !CutField(rest, green))
        return std::nullopt;
    const bool named = CutField(rest, blue);
    if (blue.empty() || !KnownCode(code))
        return std::nullopt;
    GeologyPaletteEntry entry{code, Colour(red), Colour(green), Colour(blue), std::nullopt};
    if (named)
        entry.name = std::string(rest);
    return entry;
}

std::vector<std::string> LinesOf(std::string_view winPath)
{
    return vd::readTextLines(winPath).value_or(std::vector<std::string>{});
}

} // namespace

std::vector<GeologyPaletteEntry> ParseGeologyPaletteSection(const std::vector<std::string>& lines, int section)
{
    std::vector<GeologyPaletteEntry> entries;
    bool inside = false;
    for (const std::string& line : lines) {
        if (Skipped(line))
            continue;
        std::string_view rest = line, lead;
        CutField(rest, lead);
        const int number = vd::parseInt(lead);
        if (number == kSectionHeader) {
            if (inside)
                break;
            inside = vd::parseInt(rest) == section;
            continue;
        }
        if (!inside)
            continue;
        if (auto entry = ParseEntry(number, rest))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::vector<GeologyRockName> ParseGeologyRockNames(const std::vector<std::string>& lines)
{
    std::vector<GeologyRockName> names;
    for (const std::string& line : lines) {
        if (Skipped(line))
            continue;
        std::string_view rest = line, lead;
        if (!CutField(rest, lead))
            continue;
        const int code = vd::parseInt(lead);
        if (KnownCode(code))
            names.push_back({code, std::string(rest)});
    }
    return names;
}

std::vector<GeologyPaletteEntry> ReadGeologyPaletteSection(std::string_view winPath, int section)
{
    return ParseGeologyPaletteSection(LinesOf(winPath), section);
}

std::vector<GeologyRockName> ReadGeologyRockNames(std::string_view winPath)
{
    return ParseGeologyRockNames(LinesOf(winPath));
}
