// The chosen colour set and the tint ramp built from it.
#include "app/document/VeldoranDoc.h"

#include "graphics/TintRamp.h"
#include "platform/fs/TextReader.h"

namespace {

struct PaletteListLine {
    std::string name;
    std::string file;
};

// Line `number` (from 0, every line counts) of the list of colour sets; nullopt past its end.
std::optional<PaletteListLine> readPaletteListLine(const std::string& listPath, int number)
{
    if (number < 0)
        return std::nullopt;
    vd::TextReader reader;
    if (!reader.open(listPath))
        return std::nullopt;
    std::string line;
    for (int n = 0; reader.readLine(line); ++n) {
        if (n < number)
            continue;
        const auto dollar = line.find('$');
        if (dollar == std::string::npos)
            return PaletteListLine{line, ""};
        return PaletteListLine{line.substr(0, dollar), line.substr(dollar + 1)};
    }
    return std::nullopt;
}

} // namespace

int CVeldoranDoc::LoadColourSet(int paletteNo)
{
    const auto entry = readPaletteListLine(folders.m_strPaletteDir + "PLTTFILE.DAT", paletteNo);
    const std::string setName = entry ? entry->name : std::string();
    std::string path = folders.m_strPaletteDir + (entry ? entry->file : std::string());
    if (!entry || entry->file.empty() || FileExists(path) != 1) {
        colours.m_nPaletteNo = 0;
        path = folders.m_strPaletteDir + "ATLAS1.PLT";
    }

    colours.m_aTintRows = ReadColourSetRows(path);
    colours.m_strReliefStyle = DetectReliefStyle(colours.m_aTintRows, setName);
    return int(colours.m_aTintRows.size());
}

int CVeldoranDoc::BuildTintRamp()
{
    if (LoadColourSet(colours.m_nPaletteNo) == 0)
        return -1;
    TintRamp ramp = InterpolateTintRamp(colours.m_aTintRows);
    // The submarine relief shows the sea floor: the sea itself turns pale.
    if (depth.m_nSubmarineLayer == 1 && depth.m_anSubmarineSetting[0] == 1) {
        ramp.red[0] = 245;
        ramp.green[0] = 245;
        ramp.blue[0] = 255;
    }
    colours.m_anTintRed = ramp.red;
    colours.m_anTintGreen = ramp.green;
    colours.m_anTintBlue = ramp.blue;
    colours.m_crSeaColour = vd::RGB(ramp.red[0], ramp.green[0], ramp.blue[0]);
    return 1;
}
