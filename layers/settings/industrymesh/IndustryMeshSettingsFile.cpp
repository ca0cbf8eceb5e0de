#include "layers/settings/industrymesh/IndustryMeshSettingsFile.h"

#include "layers/settings/BarDelimitedSettings.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <string_view>

namespace {

// The S keys as written, column by column; the first of each column starts it when read.
constexpr std::array<std::string_view, kIndustrySpecCount> kSpecKeys = {
    "S3_17", "S3_19", "S3_18", "S3_20", "S3_21", "S3_22", "S3_23", "S3_24", "S3_25", "S3_26",
    "S3_27", "S3_28", "S3_29", "S3_30", "S3_31", "S3_32", "S3_33", "S3_34", "S3_35", "S3_36",
    "S3_3A", "S3_3B", "S3_42", "S3_43", "S3_44", "S3_45", "S3_46", "S3_47",
};

// The names written for rows 1 to 3, whatever the rows hold.
constexpr std::array<const char*, 3> kFixedNames = {"産業統計", "工業統計", "農業センサス"};

// The column (from 0) that a line starts, -1 when it starts none.
int StartedColumn(std::string_view line)
{
    for (int column = 0; column < kIndustryColumnCount; ++column)
        if (line.starts_with(kSpecKeys[IndustrySpecIndex(column, 0)]))
            return column;
    return -1;
}

// An item definition from the file: a "#" would end it early in the answer.
std::string HashFreeText(std::string text)
{
    vd::replaceAll(text, "#", "＃");
    return text;
}

} // namespace

std::string IndustryMeshSettingsFilePath(const std::string& folder)
{
    return folder + "DDMCFILE.DAT";
}

bool ReadIndustryMeshSettingsFile(const std::string& path, IndustryMeshSettings& settings)
{
    vd::TextReader reader;
    if (!reader.open(path))
        return false;
    int column = -1; // none started yet
    int next = 0;    // the row the next S line fills
    std::string line;
    while (reader.readRawLine(line)) {
        if (line.empty() || line[0] == ';')
            continue;
        const char key = line[0];
        if (key == 'S') {
            if (const int started = StartedColumn(line); started >= 0) {
                column = started;
                next = 0;
            }
            if (column >= 0 && next < kIndustryColumnRows[column])
                settings.specs[IndustrySpecIndex(column, next)] = HashFreeText(vd::textField(line, 6));
            ++next;
            continue;
        }
        if (key != 'T' && key != 'F' && key != 'N')
            continue;
        const int row = line.size() > 3 ? line[3] - '1' : -1;
        if (row < 0 || row >= kIndustryRowCount)
            continue;
        IndustryMeshRow& r = settings.rows[row];
        switch (key) {
        case 'T': r.name = BarSafeText(vd::textField(line, 5)); break;
        case 'F': r.folder = BarSafeText(vd::textField(line, 5)); break;
        default:
            r.on = 0;
            r.item = vd::parseInt(vd::rawField(line, 5));
            break;
        }
    }
    return true;
}

bool WriteIndustryMeshSettingsFile(const std::string& path, const IndustryMeshSettings& settings)
{
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return false;
    for (int row = 0; row < kIndustryRowCount; ++row)
        writer.writeLine(vd::format("T3_%d=", row + 1) + (row < 3 ? kFixedNames[row] : settings.rows[row].name));
    for (int row = 0; row < kIndustryRowCount; ++row)
        writer.writeLine(vd::format("F3_%d=", row + 1) + settings.rows[row].folder);
    for (int row = 0; row < kIndustryRowCount; ++row)
        writer.writeLine(vd::format("N3_%d=%d", row + 1, settings.rows[row].item));
    for (int i = 0; i < kIndustrySpecCount; ++i)
        writer.writeLine(std::string(kSpecKeys[i]) + "=" + settings.specs[i]);
    return writer.close();
}
