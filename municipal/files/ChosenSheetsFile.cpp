#include "municipal/files/ChosenSheetsFile.h"

#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Cp932.h"

std::optional<std::vector<std::string>> ReadChosenSheets(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string raw;
    while (int(lines.size()) < kChosenSheetsShown && reader.readRawLine(raw)) {
        std::size_t at = 0;
        do {
            const std::string piece = raw.substr(at, kChosenSheetLineBytes);
            at += kChosenSheetLineBytes;
            if (piece.empty() || piece.front() == ';')
                continue;
            lines.push_back(vd::cp932ToUtf8(piece));
        } while (at < raw.size() && int(lines.size()) < kChosenSheetsShown);
    }
    return lines;
}

bool ChosenSheetsMention(const std::vector<std::string>& lines, std::string_view name)
{
    for (const std::string& line : lines)
        if (line.find(name) != std::string::npos)
            return true;
    return false;
}

bool AppendChosenSheet(std::string_view winPath, std::string_view name)
{
    // The writer's text append gives a last line without its end one first.
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Append))
        return false;
    writer.writeLine(name);
    return writer.close();
}
