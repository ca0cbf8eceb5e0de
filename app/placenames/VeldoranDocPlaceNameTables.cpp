// The place-name colour table (one class section of NpClrTbl.dat) and the place-name symbol
// table (NpSymbol.dat). A missing file leaves a table at its fill value.
#include "app/document/VeldoranDoc.h"
#include "userdata/RecordLines.h"

#include "platform/text/Numbers.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr int kColourRows = 20;
constexpr int kColourColumns = 55;
constexpr int kSymbolRows = 10;
constexpr int kSymbolColumns = 20;
constexpr std::int16_t kNoSymbol = 17;

// The section names of NpClrTbl.dat in file order; the last one closes the last section.
constexpr std::array<std::string_view, 7> kColourSections = {"行政区画名", "居住地名",   "自然地名", "交通施設",
                                                              "土地の利用景", "公共施設", "＊＊＊＊"};

struct Cell {
    int row;
    int column;
    int value;
};

// "row,column,value"; each number is read up to its digits. nullopt without two commas.
std::optional<Cell> ParseCell(std::string_view line)
{
    const std::size_t first = line.find(',');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    return Cell{vd::parseInt(line.substr(0, first)), vd::parseInt(line.substr(first + 1, second - first - 1)),
                vd::parseInt(line.substr(second + 1))};
}

bool Within(const Cell& cell, int rows, int columns)
{
    return cell.row >= 0 && cell.row < rows && cell.column >= 0 && cell.column < columns;
}

} // namespace

void CVeldoranDoc::LoadPlaceNameColours(int classIndex)
{
    placeNameClasses.m_anClassColour = PlaceNameClasses::UnsetClassColours();
    if (classIndex < 0)
        return;
    classIndex = std::min(classIndex, 5);
    const std::string_view begin = kColourSections[classIndex];
    const std::string_view end = kColourSections[classIndex + 1];
    bool taking = false;
    ForEachRecordLine(folders.m_strAppDir + "NpClrTbl.dat", true, [&](const std::string& line) {
        // Section lines must match exactly (trailing blanks make another line).
        if (line == end)
            return false;
        if (line == begin) {
            taking = true;
            return true;
        }
        const std::optional<Cell> cell = taking ? ParseCell(line) : std::nullopt;
        if (cell && Within(*cell, kColourRows, kColourColumns))
            placeNameClasses.m_anClassColour[cell->row * kColourColumns + cell->column] =
                static_cast<std::int16_t>(cell->value);
        return true;
    });
}

void CVeldoranDoc::LoadPlaceNameSymbols()
{
    for (auto& row : placeNameClasses.m_anSymbolSetting)
        std::fill(std::begin(row), std::end(row), kNoSymbol);
    ForEachRecordLine(folders.m_strAppDir + "NpSymbol.dat", true, [&](const std::string& line) {
        const std::optional<Cell> cell = ParseCell(line);
        if (cell && Within(*cell, kSymbolRows, kSymbolColumns))
            placeNameClasses.m_anSymbolSetting[cell->row][cell->column] = static_cast<std::int16_t>(cell->value);
        return true;
    });
}
