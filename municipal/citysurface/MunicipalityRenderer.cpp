#include "municipal/citysurface/MunicipalityRenderer.h"

#include "basemap/projection/PixelCoordinate.h"

#include "meshcode/BlockCellCode.h"
#include "meshcode/MeshCode.h"
#include "meshcode/MeshPrefectureFile.h"
#include "meshcode/Truncate.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kWhiteMapMarker = "白地図で指定";
// The kept-point window around the extent, arc-seconds: latitude and longitude margins.
constexpr int kDetailedLatitudeMargin = 400;
constexpr int kDetailedLongitudeMargin = 600;
constexpr int kLatitudeMargin = 800;
constexpr int kLongitudeMargin = 1200;

} // namespace

CMunicipalityRenderer::CMunicipalityRenderer(vd::Dc& dc) : m_dc(dc), m_penStart(vd::PS_SOLID, 1, 0xFF0000) {}

std::vector<std::string> CMunicipalityRenderer::CellCodes(bool whiteMapMarker)
{
    const bool givenCount = m_nCellCount != -1;
    meshcode::WideAreaBlock block{m_nAreaKind,      m_nWideAreaMode, m_nAreaSubMode, m_strWideAreaName,
                                  m_strMeshCode,    m_strAreaList,   m_strFurtherArea};
    if (!givenCount) {
        const meshcode::BlockCount count = meshcode::BlockCellCount(block);
        m_nCellCount = count.cells;
        m_nWideAreaMode = block.wideAreaMode = count.wideAreaMode;
        if (count.fullDetail)
            m_nDetailLevel = 3;
    }
    bool quad = false;
    if (m_nAreaKind == 3 && meshcode::ParseAttributeNames(m_nWideAreaMode, m_strAreaList, m_astrQuadCodes) == 1) {
        quad = true;
        m_nCellCount = 4;
        m_nWideAreaMode /= 10;
    }
    if (whiteMapMarker && m_strMarker.find(kWhiteMapMarker) != std::string::npos) {
        // The four cells chosen on the white map: the first four fields of the area list.
        quad = true;
        m_nCellCount = 4;
        std::string_view rest = m_strAreaList;
        for (std::string& code : m_astrQuadCodes) {
            const std::size_t bar = rest.find('|');
            code = std::string(rest.substr(0, bar));
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        }
    }

    std::vector<std::string> cells;
    const int count = std::clamp(m_nCellCount, 0, meshcode::kMostBlockCells);
    const int centre = meshcode::CodeDigits(m_strMeshCode, 0, 4);
    for (int i = 0; i < count; ++i) {
        if (quad)
            cells.push_back(i < 4 ? m_astrQuadCodes[std::size_t(i)] : std::string());
        else if (givenCount && (m_nCellCount == 9 || m_nCellCount == 25 || m_nCellCount == 49))
            cells.push_back(vd::format("%d", meshcode::CentredBlockCellCode(m_nCellCount == 9 ? 3 : m_nCellCount == 25 ? 5 : 7,
                                                                           centre, i)));
        else if (givenCount)
            cells.push_back(m_strMeshCode);
        else
            cells.push_back(meshcode::BlockCellCode(block, m_nCellCount, i, m_strMeshCode));
    }
    return cells;
}

bool CMunicipalityRenderer::CellInExtent(const std::string& code, std::size_t cellCount) const
{
    if (m_nDetailLevel != 3 || cellCount <= 1)
        return true;
    return meshcode::FirstMeshOverlaps(m_nWest, m_nNorth, m_nEast, m_nSouth, -1, -1, code);
}

void CMunicipalityRenderer::CollectPrefectures(const std::vector<std::string>& cells)
{
    m_astrPrefectures.clear();
    meshcode::MeshPrefectureTable table(meshcode::kMunicipalityPrefectureRule);
    const bool wholeCountry = m_anPrefectureFlags[0] != 0;
    for (const std::string& cell : cells) {
        if (cell.empty() || !CellInExtent(cell, cells.size()))
            continue;
        m_astrLinePrefectures = table.cell(m_strDataFolder + "Msh_prft.dat", cell.substr(0, 4));
        for (const std::string& code : m_astrLinePrefectures) {
            const std::string two = surrick::TwoDigitPrefecture(code);
            if (two.empty())
                continue;
            const int number = vd::parseInt(two);
            if (!wholeCountry && (number >= meshcode::kPrefectureFlagCount || m_anPrefectureFlags[std::size_t(number)] == 0))
                continue;
            if (std::find(m_astrPrefectures.begin(), m_astrPrefectures.end(), two) == m_astrPrefectures.end())
                m_astrPrefectures.push_back(two);
        }
    }
}

void CMunicipalityRenderer::UseLatitudeBand(float scale, float refLongitude)
{
    m_bLatitudeBand = true;
    m_fScale = scale;
    m_fRefLongitude = refLongitude;
    BuildLatitudeRatioTable(m_afLatitudeRatio);
}

vd::Point CMunicipalityRenderer::Project(int longitude, int latitude) const
{
    // An absurd scale or origin from a caller is held at a far edge rather than overflowing.
    const int y = meshcode::TruncateToInt(static_cast<float>(m_nNorth - latitude) * m_fScaleY + m_fOriginY);
    if (!m_bLatitudeBand)
        return {meshcode::TruncateToInt(static_cast<float>(longitude - m_nWest) * m_fScaleX + m_fOriginX), y};
    const float pixelsPerSecond = 10000 / (m_fScale * 3600);
    const float ratio = LatitudeRatioAt(m_afLatitudeRatio, latitude / 3600);
    const double x = (longitude - m_fRefLongitude * 0.36) * pixelsPerSecond / ratio + m_fOriginX;
    return {TruncatedPixel(x), y};
}

bool CMunicipalityRenderer::KeepsPoint(int longitude, int latitude) const
{
    const bool detailed = m_nDetailLevel == 3;
    const int m = detailed ? kDetailedLatitudeMargin : kLatitudeMargin;
    const int m2 = detailed ? kDetailedLongitudeMargin : kLongitudeMargin;
    return (latitude >= m_nSouth - m && latitude <= m_nNorth + m) ||
           (longitude >= m_nWest - m2 && longitude <= m_nEast + m2);
}

void CMunicipalityRenderer::ClampToExtent(int& longitude, int& latitude) const
{
    latitude = std::clamp(latitude, std::min(m_nSouth, m_nNorth), std::max(m_nSouth, m_nNorth));
    longitude = std::clamp(longitude, std::min(m_nWest, m_nEast), std::max(m_nWest, m_nEast));
}

namespace surrick {

std::string MunicipalityFilePrefix(const std::string& boundaryRoot)
{
    const auto entries = vd::listFolder(boundaryRoot + "CITYPLGN\\*.*");
    if (!entries)
        return {};
    for (const vd::FolderEntry& entry : *entries) {
        std::string lower = entry.name;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (lower.starts_with("pg") && lower.find(".dat") != std::string::npos)
            return entry.name.substr(0, 6);
    }
    return {};
}

std::string TwoDigitPrefecture(std::string_view code)
{
    if (code.empty() || !std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const int number = vd::parseInt(code);
    return number > 0 && number < 100 ? vd::format("%02d", number) : std::string();
}

} // namespace surrick
