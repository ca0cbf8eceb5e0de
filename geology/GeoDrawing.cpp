#include "geology/GeoDrawing.h"

#include "layers/render/meshcode/MeshPrefectureFile.h"
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

bool ForEachGeoRecordLine(const std::string& winPath, const std::function<bool(const std::string&)>& line)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return false;
    std::string raw;
    while (reader.readRawLine(raw))
        if (!line(raw))
            break;
    return true;
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

bool GeoRecordDrawn(const CGeoMeshRenderer& r)
{
    if (r.m_nRecordLon == -1)
        return false;
    if (r.m_nDetailLevel != kGeoFullDetail || r.m_nLabelFlag != 1)
        return true;
    return r.m_nRecordLat >= r.m_nSouth && r.m_nRecordLat <= r.m_nNorth && r.m_nRecordLon >= r.m_nWest &&
           r.m_nRecordLon <= r.m_nEast;
}
