#include "app/layers/LayerSettingsRows.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

int LayerFileTabs(LayerFileFamily family)
{
    switch (family) {
    case LayerFileFamily::Point:
        return 6;
    case LayerFileFamily::Line:
        return 7;
    case LayerFileFamily::Surface:
        return 3;
    case LayerFileFamily::NatureMesh:
        return 2;
    default:
        return 1;
    }
}

int LayerFileRowsPerTab(LayerFileFamily family) { return family == LayerFileFamily::FineMesh ? 4 : 5; }

namespace {

// The industry table lines: "S3_17", "S3_27" and "S3_3A" start columns 0, 1 and 2 again at row
// 0; each "S" line fills the next row, rows past 9 overwrite row 9, column 2 holds rows 0-7.
struct IndustryTableFill {
    int column = 0;
    int row = 0;
    void Add(const std::string& line, std::array<std::string, 30>& table)
    {
        const std::string head = line.substr(0, 5);
        if (head == "S3_17" || head == "S3_27" || head == "S3_3A") {
            column = head == "S3_17" ? 0 : head == "S3_27" ? 1 : 2;
            row = 0;
        }
        const int at = row > 9 ? 9 : row;
        ++row;
        if (column == 2 && at > 7)
            return;
        table[3 * at + column] = vd::cp932Mid(line, 6);
    }
};

} // namespace

LayerFileRows ReadLayerFileRows(const std::vector<std::string>& lines, LayerFileFamily family)
{
    LayerFileRows rows;
    IndustryTableFill industry;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        const char key = line[0];
        if (key == 'S') {
            if (family == LayerFileFamily::IndustryMesh)
                industry.Add(line, rows.industryTable);
            continue;
        }
        if (line.size() < 4)
            continue;
        const int tab = line[1] - '1';
        const int row = line[3] - '1';
        if (tab < 0 || tab >= LayerFileTabs(family) || row < 0 || row >= LayerFileRowsPerTab(family))
            continue;
        const std::string value = vd::cp932Mid(line, 5);
        const int number = vd::parseInt(value);
        const int at = 5 * tab + row;
        switch (family) {
        case LayerFileFamily::Geology:
            if (key == 'F' && tab == 0 && row == 0)
                rows.geologyText = value;
            else if (key == 'F' && tab == 0 && row == 1)
                rows.landClassName = value;
            else if (key == 'F' && tab == 0 && row == 2)
                rows.landClassFile = value;
            continue;
        case LayerFileFamily::FineMesh:
            if (key == 'T')
                rows.names[at] = value;
            continue;
        default:
            break;
        }
        if (key == 'T')
            rows.names[at] = value;
        else if (key == 'F')
            rows.files[at] = value;
        else if (family == LayerFileFamily::Point) {
            if (key == 'C')
                rows.value1[tab][row] = number;
            else if (key == 'N' && tab >= 1)
                rows.value2[tab][row] = number;
            else if (key == 'P' && tab >= 1)
                rows.value3[tab][row] = number;
        } else if (family == LayerFileFamily::Surface) {
            if (key == 'C')
                rows.value1[tab][row] = number;
            else if (key == 'P')
                rows.value2[tab][row] = number;
            else if (key == 'N')
                rows.value3[tab][row] = number;
        } else if (family == LayerFileFamily::Line) {
            if (key == 'C')
                rows.value1[tab][row] = number;
        } else if (key == 'N') {
            rows.value1[tab][row] = number;
        }
    }
    return rows;
}

LayerFileRows ReadLayerFileRowsFrom(const std::string& path, LayerFileFamily family)
{
    const auto lines = vd::readTextLines(path);
    return ReadLayerFileRows(lines ? *lines : std::vector<std::string>{}, family);
}
