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
    const auto entry = readPaletteListLine(m_strPaletteDir + "PLTTFILE.DAT", paletteNo);
    const std::string setName = entry ? entry->name : std::string();
    std::string path = m_strPaletteDir + (entry ? entry->file : std::string());
    if (!entry || entry->file.empty() || FileExists(path) != 1) {
        m_nPaletteNo = 0;
        path = m_strPaletteDir + "ATLAS1.PLT";
    }

    m_aTintRows = ReadColourSetRows(path);
    m_strReliefStyle = DetectReliefStyle(m_aTintRows, setName);
    return int(m_aTintRows.size());
}

int CVeldoranDoc::BuildTintRamp()
{
    if (LoadColourSet(m_nPaletteNo) == 0)
        return -1;
    TintRamp ramp = InterpolateTintRamp(m_aTintRows);
    // The submarine relief shows the sea floor: the sea itself turns pale.
    if (m_nSubmarineLayer == 1 && m_anSubmarineSetting[0] == 1) {
        ramp.red[0] = 245;
        ramp.green[0] = 245;
        ramp.blue[0] = 255;
    }
    m_anTintRed = ramp.red;
    m_anTintGreen = ramp.green;
    m_anTintBlue = ramp.blue;
    m_crSeaColour = vd::RGB(ramp.red[0], ramp.green[0], ramp.blue[0]);
    return 1;
}
