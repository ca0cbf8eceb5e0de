#include "dialogs/files/ColourSetFile.h"

#include "platform/fs/TextWriter.h"
#include "platform/text/Format.h"

std::vector<std::string> FormatColourSetLines(std::string_view name, std::string_view winPath,
                                              const ColourSetColours& colours)
{
    std::vector<std::string> lines;
    lines.push_back(";" + std::string(name) + "  " + std::string(winPath) + "  ");
    for (int k = 0; k < kColourSetClassCount; ++k) {
        const ColourSetClass& c = kColourSetClasses[k];
        const std::uint32_t colour = colours[k] & 0xFFFFFF;
        if (c.optional && colour == 0)
            continue;
        lines.push_back(vd::format("%4d %3d %3d %3d", c.elevation, int(colour & 0xFF), int((colour >> 8) & 0xFF),
                                   int((colour >> 16) & 0xFF))
                        + c.label);
    }
    return lines;
}

bool WriteColourSetFile(std::string_view winPath, std::string_view name, const ColourSetColours& colours)
{
    vd::TextWriter writer;
    if (!writer.open(winPath, vd::WriteMode::Replace))
        return false;
    for (const std::string& line : FormatColourSetLines(name, winPath, colours))
        writer.writeLine(line);
    return writer.close();
}
