#include "basemap/files/PrefectureDataWriter.h"

#include "platform/fs/TextWriter.h"

namespace {

const std::string kRule = ";" + std::string(71, '-');

// The comment lines a written set begins with; the doubled "に" is what every written set has
// always carried, kept so files stay byte for byte as before.
const char* const kComments[] = {
    "; 行頭のセミコロン(;)は、この行がメモ文と宣言",
    "; 一行にに１地点のデータを記述する",
    ";",
    ";  ＜データの並び＞",
    ";  １行目   データ名称",
    ";  都道府県 データ",
};

} // namespace

bool WritePrefectureDataFile(std::string_view winPath, const std::string& dataName,
                             const std::vector<PrefectureDataEntry>& rows)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Replace))
        return false;
    writer.writeLine(kRule);
    for (const char* comment : kComments)
        writer.writeLine(comment);
    writer.writeLine(kRule);
    writer.writeLine("データ名称=" + dataName);
    for (const PrefectureDataEntry& row : rows)
        writer.writeLine(row.name + " " + row.valueText);
    return writer.close();
}

bool AppendPrefectureDataCatalogue(std::string_view catalogueWinPath, const std::string& dataSetPath)
{
    vd::TextWriter writer;
    if (!writer.open(catalogueWinPath, vd::WriteMode::Append))
        return false;
    writer.writeLine(dataSetPath);
    return writer.close();
}
