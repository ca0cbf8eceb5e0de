// The 1:200,000 sheets: the current sheet and its eight neighbours, looked up in the sheet index
// by name, by corner or by position.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"

#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

// A position text "DD.MM00": minutes of 0 are written "00", others as they come.
std::string positionText(int degrees, int minutes)
{
    return vd::format("%d.", degrees) + (minutes == 0 ? std::string("00") : vd::format("%d", minutes)) + "00";
}

// Degrees and minutes after a step of whole minutes (at most an hour either way).
void carryMinutes(int& degrees, int& minutes)
{
    if (minutes >= 60) {
        ++degrees;
        minutes -= 60;
    } else if (minutes < 0) {
        --degrees;
        minutes += 60;
    }
}

int numberAt(const std::string& text, int first, int count)
{
    return vd::parseInt(vd::cp932Mid(text, first, count));
}

// The sheet's name: the name columns up to a blank after the first character. Not cut to a
// fixed width: a five-character name (京都及大阪) must stay whole in titles and look-ups.
std::string shortName(const std::string& nameColumns)
{
    std::string name = nameColumns;
    const auto blank = name.find(' ', 1);
    if (blank != std::string::npos)
        name.erase(blank);
    return name;
}

// The entries of the 3 x 3 block around the sheet, row by row from the north-west; 15 is the
// sheet itself.
struct NeighbourShift {
    int entry;
    int dLat;
    int dLon;
};
constexpr NeighbourShift kNeighbours[] = {{11, 40, -60}, {12, 40, 0}, {13, 40, 60}, {14, 0, -60},
                                          {16, 0, 60},   {17, -40, -60}, {18, -40, 0}, {19, -40, 60}};

} // namespace

bool CVeldoranDoc::MarkedSheetsAdmitted() const
{
    return depth.m_nSubmarineLayer == 1 && position.m_nMapFrame == 2 &&
           (position.m_nMapMode == 25 || position.m_nMapMode == 49);
}

void CVeldoranDoc::FindSheetByName(const std::string& name, const std::string& indexPath)
{
    const bool admitted = MarkedSheetsAdmitted();
    // A short name matches only a whole short name.
    const std::string key = vd::cp932Width(name) <= 4 ? name + " " : name;
    if (const auto index = ReadSheetIndex(indexPath)) {
        for (const SheetIndexLine& line : *index) {
            if (line.IsMarked() && !admitted)
                continue;
            const std::string columns = line.NameColumns();
            if (columns.find(key) == std::string::npos)
                continue;
            m_astrMapEntry[0] = columns;
            m_astrMapEntry[2] = line.Field(22, 8);
            m_astrMapEntry[3] = line.Field(32, 9);

            int northDegrees = numberAt(m_astrMapEntry[2], 0, 2);
            int northMinutes = numberAt(m_astrMapEntry[2], 3, 2) + 40;
            if (northMinutes > 59) {
                ++northDegrees;
                northMinutes -= 60;
            }
            m_astrMapEntry[4] = positionText(northDegrees, northMinutes);

            const int eastDegrees = numberAt(m_astrMapEntry[3], 0, 3) + 1;
            const std::string eastMinutes = vd::cp932Mid(m_astrMapEntry[3], 4, 2);
            m_astrMapEntry[5] = eastMinutes == "00" ? vd::format("%d.0000", eastDegrees)
                                                    : vd::format("%d.", eastDegrees) + eastMinutes + "00";
            break;
        }
    }
    for (const NeighbourShift& n : kNeighbours)
        m_astrMapEntry[std::size_t(n.entry)] =
            FindNeighbourSheet(m_astrMapEntry[2], m_astrMapEntry[3], n.dLat, n.dLon, indexPath);
    m_astrMapEntry[15] = shortName(m_astrMapEntry[0]);
}

std::string CVeldoranDoc::FindNeighbourSheet(const std::string& latitude, const std::string& longitude,
                                             int dLatMinutes, int dLonMinutes, const std::string& indexPath) const
{
    int latDegrees = numberAt(latitude, 0, 2);
    int latMinutes = numberAt(latitude, 3, 2) + dLatMinutes;
    carryMinutes(latDegrees, latMinutes);
    const std::string latitudeText = positionText(latDegrees, latMinutes);

    int lonDegrees = numberAt(longitude, 0, 3);
    std::string longitudeText;
    if (vd::cp932Mid(longitude, 4, 2) != "00") {
        int lonMinutes = numberAt(longitude, 4, 2) + dLonMinutes;
        carryMinutes(lonDegrees, lonMinutes);
        longitudeText = positionText(lonDegrees, lonMinutes);
    } else {
        longitudeText = vd::format("%d.0000", lonDegrees + (dLonMinutes > 0) - (dLonMinutes < 0));
    }

    const bool admitted = MarkedSheetsAdmitted();
    const auto index = ReadSheetIndex(indexPath);
    if (!index)
        return {};
    for (const SheetIndexLine& line : *index) {
        if (line.IsMarked() && !admitted)
            continue;
        if (line.LongitudeText() == longitudeText && line.LatitudeText() == latitudeText)
            return shortName(line.NameColumns());
    }
    return {};
}

void CVeldoranDoc::ShowSheetByIndex(int entry)
{
    if (entry < 0 || entry >= int(m_astrMapEntry.size()) || m_astrMapEntry[std::size_t(entry)].empty())
        return;
    m_strMapName = m_astrMapEntry[std::size_t(entry)];
    FindSheetByName(m_strMapName, folders.m_strSheetIndexFile);
    m_nMapDisplayMode = map_display::kMainMap;
    position.m_nDisplayStage = 0;
    UpdateAllViews();
}

void CVeldoranDoc::ShowSheetAt(const std::string& longitude, const std::string& latitude)
{
    m_strMapName.clear();
    if (const auto index = ReadSheetIndex(folders.m_strSheetIndexFile)) {
        for (const SheetIndexLine& line : *index) {
            if (line.IsComment())
                continue;
            if (line.Field(22, 10).find(latitude) != std::string::npos &&
                line.Field(32, 10).find(longitude) != std::string::npos) {
                m_strMapName = line.NameColumns();
                break;
            }
        }
    }
    if (m_strMapName.empty())
        return;
    FindSheetByName(m_strMapName, folders.m_strSheetIndexFile);
    // The view turns 500 into 5 and clears the window first.
    m_nMapDisplayMode = map_display::kMainMapCleared;
    UpdateAllViews();
}
