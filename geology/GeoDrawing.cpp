#include "geology/GeoDrawing.h"

#include "meshcode/MeshPrefectureFile.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kSetNameLength = 8;

void AppendLowBytes(std::string& out, const std::array<std::int16_t, kGeoSlotCount>& codes)
{
    for (std::int16_t code : codes)
        out.push_back(char(std::uint8_t(code & 0xFF)));
}

// The prefectures of the mesh whose files are to be read: the unselected ones (unless the whole
// country is on), unknown codes and repeats left out, and in a block those already read.
std::vector<std::string> GeoPrefecturesToRead(CGeoMeshRenderer& r, const std::string& meshCode, bool block, int& drawn)
{
    const int count = r.ReadMeshPrefectures(meshCode);
    std::vector<std::string> codes(r.m_astrMeshPrefectures.begin(), r.m_astrMeshPrefectures.begin() + count);
    meshcode::BlankUnselectedPrefectures(codes, r.m_anOptions.data());
    std::copy(codes.begin(), codes.end(), r.m_astrMeshPrefectures.begin());
    if (block)
        drawn = r.FilterDrawnPrefectures(count, drawn);
    return {r.m_astrMeshPrefectures.begin(), r.m_astrMeshPrefectures.begin() + count};
}

// Hands each record of a land-classification file to `classify` (which answers whether reading
// is to stop). A valley-density record (theme 3) holds the 5 x 5 doubled cells of a second-level
// mesh from column 11, row by row from the north: each non-zero value goes on as the four
// third-level records it covers, and a stop ends only that value.
void ForEachLandClassRecord(const std::vector<std::string>& lines, int theme,
                            const std::function<bool(const std::string&)>& classify)
{
    constexpr int kValues = 25;
    constexpr int kValueColumn = 11;
    for (const std::string& raw : lines) {
        if (theme != 3) {
            if (classify(raw))
                return;
            continue;
        }
        for (int v = 0; v < kValues; ++v) {
            const std::string value(vd::rawField(raw, kValueColumn + 2 * v, 2));
            if (vd::parseInt(value) == 0)
                continue;
            for (int j = 0; j < 4; ++j) {
                const int row = (4 - v / 5) * 2 + j / 2;
                const int column = (v % 5) * 2 + j % 2;
                if (classify(vd::paddedRawField(raw, 0, kValueColumn) + char('0' + row) + char('0' + column) + value))
                    break;
            }
        }
    }
}

// Whether the record just classified counts as drawn for the 64000-record stop (at detail 3 with
// labels on, only inside the extent).
bool GeoRecordDrawn(const CGeoMeshRenderer& r)
{
    if (r.m_nRecordLon == -1)
        return false;
    if (r.m_nDetailLevel != kGeoFullDetail || r.m_nLabelFlag != 1)
        return true;
    return r.m_nRecordLat >= r.m_nSouth && r.m_nRecordLat <= r.m_nNorth && r.m_nRecordLon >= r.m_nWest &&
           r.m_nRecordLon <= r.m_nEast;
}

// Keeps the data-file reading of the land-classification layer short: after the first drawn
// record, more than 64000 records in a row without one end the reading.
class GeoRecordStop {
public:
    // Notes one record; true when reading is to stop.
    bool Note(bool drawn)
    {
        if (drawn) {
            started_ = true;
            misses_ = 0;
            return false;
        }
        return started_ && ++misses_ > kLimit;
    }

private:
    static constexpr int kLimit = 64000;
    bool started_ = false;
    int misses_ = 0;
};

} // namespace

int GeoThemeOfCode(int code) { return (code >= 1000 ? code % 1000 : code) / 10; }

bool GeoDrawnTheme(int theme) { return theme >= 0 && theme <= 3; }

vd::Font GeoLabelFont(int height)
{
    vd::Font font;
    font.CreateFont(height, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ 明朝");
    return font;
}

std::vector<vd::COLORREF> GeoColourTable(const CGeoMeshRenderer& r, int theme)
{
    static constexpr int kSizes[] = {100, 100, 40, 10};
    std::vector<vd::COLORREF> table;
    if (!GeoDrawnTheme(theme))
        return table;
    for (int k = 0; k < kSizes[theme]; ++k) {
        const auto& c = r.m_anPalette[std::size_t(k)];
        table.push_back(vd::RGB(std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])));
    }
    return table;
}

std::string GeoDataPrefix(const std::string& prefix)
{
    const std::size_t open = prefix.find('(');
    if (open == std::string::npos)
        return prefix;
    return prefix.substr(0, open) + vd::cp932Left(std::string_view(prefix).substr(open + 1), kSetNameLength);
}


std::string GeoPlainWorkBytes(const CGeoMeshRenderer& r, int theme, int side)
{
    side = std::clamp(side, 0, kGeoGridSide);
    std::string out;
    const auto grid = [&](const std::vector<std::uint8_t>& cells) {
        // Row by row from the north, each row from west to east.
        for (int row = 0; row < side; ++row)
            for (int column = 0; column < side; ++column)
                out.push_back(char(cells[std::size_t(column) * kGeoGridSide + std::size_t(row)]));
    };
    grid(r.m_primaryGrid);
    if (theme == 0)
        grid(r.m_secondaryGrid);
    if (theme != 3)
        AppendLowBytes(out, r.m_anPrimaryCodes);
    if (theme == 0)
        AppendLowBytes(out, r.m_anSecondaryCodes);
    return out;
}

std::string GeoWhiteWorkBytes(const CGeoMeshRenderer& r, int theme)
{
    std::string out;
    AppendLowBytes(out, r.m_anPrimaryCodes);
    if (theme == 0)
        AppendLowBytes(out, r.m_anSecondaryCodes);
    return out;
}

bool WriteGeoWorkFile(const std::string& dataFolder, std::string_view name, const std::string& bytes)
{
    const std::string folder = dataFolder + "TEMP\\";
    if (!vd::folderExists(folder) && !vd::makeFolders(folder))
        return false;
    vd::BinaryWriter writer;
    if (!writer.open(folder + std::string(name), vd::WriteMode::Replace))
        return false;
    if (!writer.writeBytes(bytes)) {
        writer.abandon();
        return false;
    }
    return writer.close();
}

void StartGeoSelection(CGeoMeshRenderer& r, int theme, const std::string& selection)
{
    r.LoadGeologyPalette(theme, r.m_strDataFolder);
    r.m_anPrimaryCodes.fill(0);
    r.m_anColourCodes.fill(0);
    r.ParseGeoSelection(theme, selection);
}

void ClassifyTerrainRecords(CGeoMeshRenderer& r, const std::string& dataPrefix, const std::string& meshCode, bool block,
                            int& drawn, int theme, int displayOption, const std::function<void()>& fill)
{
    for (const std::string& prefecture : GeoPrefecturesToRead(r, meshCode, block, drawn)) {
        if (prefecture.empty())
            continue;
        vd::TextReader reader;
        if (!reader.open(dataPrefix + prefecture + ".txt"))
            continue;
        std::string raw;
        while (reader.readRawLine(raw)) {
            if (!raw.empty() && raw.front() == 'H')
                continue;
            r.m_strLine = raw;
            r.ClassifyNaturalTerrainRecord(theme, displayOption);
            fill();
        }
    }
}

void ClassifyLandClassRecords(CGeoMeshRenderer& r, const std::vector<std::string>& lines, int theme,
                              int displayOption, const std::function<void()>& fill)
{
    GeoRecordStop stop;
    ForEachLandClassRecord(lines, theme, [&](const std::string& line) {
        r.m_strLine = line;
        r.ClassifyLandClassRecord(theme, displayOption);
        fill();
        return stop.Note(GeoRecordDrawn(r));
    });
}
