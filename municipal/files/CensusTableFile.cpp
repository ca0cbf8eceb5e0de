#include "municipal/files/CensusTableFile.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"

std::vector<std::string> SplitCensusLine(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < std::size_t(kCensusMaxFields)) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            if (start < line.size())
                fields.emplace_back(line.substr(start));
            break;
        }
        fields.emplace_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

std::optional<CensusTable> ReadCensusTableFile(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    CensusTable table;
    std::string raw;
    if (!reader.readRawLine(raw))
        return table;
    table.headerLine = vd::cp932Left(vd::cp932ToUtf8(raw), kCensusLineBytes);
    table.header = SplitCensusLine(table.headerLine);
    while (table.records.size() < std::size_t(kCensusMaxRecords) && reader.readRawLine(raw) && !raw.empty())
        table.records.push_back(SplitCensusLine(vd::cp932Left(vd::cp932ToUtf8(raw), kCensusLineBytes)));
    return table;
}
