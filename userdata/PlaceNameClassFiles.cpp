#include "userdata/PlaceNameClassFiles.h"

#include "platform/fs/TextLines.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxLineBytes = 48;

// The section names in file order; the last closes the last section.
constexpr std::array<std::string_view, 7> kSections = {"行政区画名", "居住地名", "自然地名",
                                                       "交通施設", "土地の利用景", "公共施設",
                                                       "＊＊＊＊"};
constexpr int kClosingLine = 6;

// Major classes 5 and 6 (the two public parts) share the last section.
int SectionOf(int majorClass)
{
    return std::clamp(majorClass, 0, 5);
}

int SectionIndex(std::string_view line)
{
    const auto found = std::find(kSections.begin(), kSections.end(), line);
    return found == kSections.end() ? -1 : static_cast<int>(found - kSections.begin());
}

std::optional<int> StrictInt(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

struct Cell {
    int row;
    int position;
    int value;
};

std::optional<Cell> ParseCell(std::string_view line)
{
    const std::size_t first = line.find(',');
    const std::size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto row = StrictInt(line.substr(0, first));
    const auto position = StrictInt(line.substr(first + 1, second - first - 1));
    const auto value = StrictInt(line.substr(second + 1));
    if (!row || !position || !value)
        return std::nullopt;
    return Cell{*row, *position, *value};
}

std::vector<std::string> CellLines(const PlaceNameColourTable& colours)
{
    std::vector<std::string> lines;
    for (int row = 0; row < kColourRows; ++row)
        for (int position = 0; position < kColourPositions; ++position)
            if (const int value = colours[row][position]; value != -1)
                lines.push_back(vd::format("%d,%d,%d", row, position, value));
    return lines;
}

void InsertLines(vd::TextLines& file, std::size_t at, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        (void)file.insertText(at++, line);
}

} // namespace

PlaceNameColourTable ReadPlaceNameColours(const std::string& appDir, int majorClass)
{
    PlaceNameColourTable colours;
    for (auto& row : colours)
        row.fill(-1);
    const auto file = vd::TextLines::read(appDir + "NpClrTbl.dat");
    if (!file)
        return colours;
    const int section = SectionOf(majorClass);
    bool taking = false;
    for (std::size_t n = 0; n < file->size(); ++n) {
        if (file->raw(n).size() > kMaxLineBytes)
            continue;
        const std::string line = file->text(n);
        if (line.empty() || line.front() == ';')
            continue;
        const int name = SectionIndex(line);
        if (taking && name != -1)
            break;
        if (name == section) {
            taking = true;
            continue;
        }
        const std::optional<Cell> cell = taking ? ParseCell(line) : std::nullopt;
        if (cell && cell->row >= 0 && cell->row < kColourRows && cell->position >= 0 &&
            cell->position < kColourPositions)
            colours[cell->row][cell->position] = static_cast<std::int16_t>(cell->value);
    }
    return colours;
}

bool WritePlaceNameSymbols(const std::string& appDir, const PlaceNameSymbolTable& symbols)
{
    vd::TextLines file;
    for (int row = 0; row < kSymbolRows; ++row)
        for (int column = 0; column < kSymbolColumns; ++column)
            if (symbols[row][column] != kNoSymbol)
                file.appendText(vd::format("%d,%d,%d", row, column, int(symbols[row][column])));
    return file.write(appDir + "NpSymbol.dat");
}

bool SavePlaceNameColours(const std::string& appDir, int majorClass, const PlaceNameColourTable& colours)
{
    vd::TextLines file = vd::TextLines::read(appDir + "NpClrTbl.dat").value_or(vd::TextLines());
    const int section = SectionOf(majorClass);
    const std::vector<std::string> cells = CellLines(colours);
    std::array<bool, kSections.size()> present{};
    bool skipping = false;
    bool written = false;
    std::size_t n = 0;
    while (n < file.size()) {
        const std::string_view raw = file.raw(n);
        if (raw.empty() || raw.front() == ';') {
            (void)file.erase(n);
            continue;
        }
        if (raw.front() == ',') {
            ++n;
            continue;
        }
        const int name = SectionIndex(file.text(n));
        if (name != -1)
            present[static_cast<std::size_t>(name)] = true;
        if (skipping) {
            if (name == -1) {
                (void)file.erase(n); // the section's old cells
                continue;
            }
            skipping = false;
            if (!written) {
                InsertLines(file, n, cells);
                n += cells.size();
                written = true;
            }
        } else if (name == section) {
            skipping = true;
        }
        ++n;
    }
    if (skipping && !written) {
        InsertLines(file, file.size(), cells);
        written = true;
    }
    // Sections the file lacks go in their place, so that every section keeps its cells apart.
    for (int missing = 0; missing <= kClosingLine; ++missing) {
        if (present[static_cast<std::size_t>(missing)])
            continue;
        std::size_t at = file.size();
        for (std::size_t line = 0; line < file.size(); ++line)
            if (SectionIndex(file.text(line)) > missing) {
                at = line;
                break;
            }
        std::vector<std::string> lines{std::string(kSections[static_cast<std::size_t>(missing)])};
        if (missing == section)
            lines.insert(lines.end(), cells.begin(), cells.end());
        InsertLines(file, at, lines);
    }
    return file.write(appDir + "NpClrTbl.dat");
}
