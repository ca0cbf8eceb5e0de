#include "dialogs/files/PaletteListFile.h"

#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"

namespace {

std::string lineOf(const PaletteListEntry& entry)
{
    return entry.name + "$" + entry.file;
}

} // namespace

std::optional<std::vector<PaletteListEntry>> ReadPaletteList(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<PaletteListEntry> entries;
    std::string line;
    while (reader.readLine(line) && !line.empty()) {
        const auto dollar = line.find('$');
        if (dollar == std::string::npos)
            entries.push_back({line, {}});
        else
            entries.push_back({line.substr(0, dollar), line.substr(dollar + 1)});
    }
    return entries;
}

bool AppendPaletteListEntry(std::string_view winPath, const PaletteListEntry& entry)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::AppendExisting))
        return false;
    writer.writeLine(lineOf(entry));
    return writer.close();
}

bool RewritePaletteList(std::string_view winPath, const std::vector<PaletteListEntry>& entries)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Replace))
        return false;
    for (const PaletteListEntry& entry : entries)
        writer.writeLine(lineOf(entry));
    return writer.close();
}
