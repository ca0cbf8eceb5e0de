#include "layers/settings/files/LayerSettingsFile.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>

LayerSettingsTable::LayerSettingsTable(std::vector<int> rowsPerTab) : rowsPerTab_(std::move(rowsPerTab))
{
    for (int& rows : rowsPerTab_) {
        rows = std::max(rows, 0);
        rows_.emplace_back(rows);
    }
}

LayerSettingsTable::LayerSettingsTable(int tabs, int rows)
    : LayerSettingsTable(std::vector<int>(std::max(tabs, 0), rows))
{
}

int LayerSettingsTable::rowCount(int tab) const { return tab >= 1 && tab <= tabCount() ? rowsPerTab_[tab - 1] : 0; }

bool LayerSettingsTable::contains(int tab, int row) const { return row >= 1 && row <= rowCount(tab); }

LayerSettingsRow& LayerSettingsTable::at(int tab, int row) { return rows_.at(tab - 1).at(row - 1); }

const LayerSettingsRow& LayerSettingsTable::at(int tab, int row) const { return rows_.at(tab - 1).at(row - 1); }

namespace {

int Digit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

} // namespace

bool ReadLayerSettingsFile(const std::string& path, std::string_view keys, LayerSettingsTable& table)
{
    vd::TextReader reader;
    if (!reader.open(path))
        return false;
    // Lines are cut on their CP932 bytes: the key columns are byte columns.
    std::string line;
    while (reader.readRawLine(line)) {
        if (line.size() < 5 || line[0] == ';')
            continue;
        const char key = line[0];
        if (keys.find(key) == std::string_view::npos)
            continue;
        const int tab = Digit(line[1]);
        const int row = Digit(line[3]);
        if (!table.contains(tab, row))
            continue;
        LayerSettingsRow& cell = table.at(tab, row);
        switch (key) {
        case 'T':
            cell.name = vd::textField(line, 5);
            break;
        case 'F':
            cell.file = vd::textField(line, 5);
            break;
        case 'C':
            cell.colour = vd::parseInt(vd::rawField(line, 5));
            break;
        case 'P':
            cell.p = vd::parseInt(vd::rawField(line, 5));
            break;
        case 'N':
            cell.n = vd::parseInt(vd::rawField(line, 5));
            break;
        default:
            break;
        }
    }
    return true;
}

bool WriteLayerSettingsFile(const std::string& path, std::string_view keys, const LayerSettingsTable& table)
{
    return WriteLayerSettingsFile(path, {LayerSettingsSection{keys, &table}});
}

bool WriteLayerSettingsFile(const std::string& path, std::initializer_list<LayerSettingsSection> sections)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    for (const LayerSettingsSection& section : sections) {
        const LayerSettingsTable& table = *section.table;
        for (int tab = 1; tab <= table.tabCount(); ++tab) {
            for (const char key : section.keys) {
                for (int row = 1; row <= table.rowCount(tab); ++row) {
                    const LayerSettingsRow& cell = table.at(tab, row);
                    switch (key) {
                    case 'T':
                        writer.writeLine(vd::format("T%d_%d=", tab, row) + cell.name);
                        break;
                    case 'F':
                        writer.writeLine(vd::format("F%d_%d=", tab, row) + cell.file);
                        break;
                    case 'C':
                        writer.writeLine(vd::format("C%d_%d=%d", tab, row, cell.colour));
                        break;
                    case 'P':
                        writer.writeLine(vd::format("P%d_%d=%d", tab, row, cell.p));
                        break;
                    case 'N':
                        writer.writeLine(vd::format("N%d_%d=%d", tab, row, cell.n));
                        break;
                    default:
                        break;
                    }
                }
            }
        }
    }
    return writer.close();
}
