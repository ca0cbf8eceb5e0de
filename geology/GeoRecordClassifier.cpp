// The record classifiers: whether a record of the current line is drawn, its colour class and
// symbol, where it lies on the screen and in the block's grids, and what it adds to the lists of
// classes that occur (legend, composition table, work files). Both layouts share one path.
#include "geology/GeoMeshRenderer.h"

#include "geology/GeoRecordFields.h"
#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Dc.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kFullDetail = 3;
constexpr int kLabelRise = 9;       // the label sits this far above the cell's north-west corner
constexpr int kCellsPerMesh = 80;   // third-level cells a side of a first-level mesh
constexpr int kLastValleyClass = 9;
constexpr int kValleyClassWidth = 5;

bool ClassCode(int code) { return code >= 0 && code < kGeoClassCount; }

} // namespace

void CGeoMeshRenderer::ClassifyNaturalTerrainRecord(int theme, int drawLabel)
{
    m_nRecordLon = -1;
    const GeoRecordFields record = NaturalTerrainRecordFields(m_strLine);
    if (record.dataCount == 0)
        return;
    ClassifyRecord(theme, drawLabel, record, false);
}

void CGeoMeshRenderer::ClassifyLandClassRecord(int theme, int drawLabel)
{
    m_nRecordLon = -1;
    ClassifyRecord(theme, drawLabel, LandClassRecordFields(m_strLine), true);
}

bool CGeoMeshRenderer::AcceptRecord(int theme, const GeoRecordFields& record)
{
    switch (theme) {
    case 0: {
        m_strSymbol = record.rock;
        m_nSecondaryCode = EraOfDigit(vd::parseInt(record.era));
        const int eraFlag = m_anEraFlags[std::size_t(m_nSecondaryCode == 0 ? kEraNotGiven : m_nSecondaryCode)];
        if (m_anEraFlags[kEraAll] == 0 && eraFlag == 0)
            return false;
        const int rock = vd::parseInt(record.rock);
        m_nColourIndex = ClassifyRockCode(rock);
        if (m_nColourIndex == -1 || (m_nColourIndex == 0 && m_anRockFlags[kRockAll] != 1))
            return false;
        m_nPrimaryCode = rock;
        return true;
    }
    case 1:
    case 2: {
        m_strSymbol = theme == 1 ? record.soil : record.terrain;
        m_nColourIndex = vd::parseInt(m_strSymbol);
        m_nSecondaryCode = 0;
        const bool flagged = m_nColourIndex >= 0 && m_nColourIndex < kGeoSlotCount &&
                             m_anSecondaryCodes[std::size_t(m_nColourIndex)] != 0;
        return m_nAllClasses == 1 || flagged;
    }
    case 3:
        m_strSymbol = record.valley;
        m_nColourIndex = std::min(vd::parseInt(m_strSymbol) / kValleyClassWidth, kLastValleyClass);
        m_nSecondaryCode = 0;
        return true;
    default:
        return false;
    }
}

void CGeoMeshRenderer::ClassifyRecord(int theme, int drawLabel, const GeoRecordFields& record, bool capGrid)
{
    const int lat = record.latitude;
    const int lon = record.longitude;
    if (lat < m_nRecordSouthBound || lat >= m_nNorth || lon < m_nRecordWestBound || lon >= m_nEast)
        return;
    if (!AcceptRecord(theme, record)) {
        m_nSecondaryCode = -1;
        return;
    }
    m_strLine = GeoSymbolText(theme, m_nSymbolMode, record);
    m_nLabelX = meshcode::TruncateToInt(float(lon - m_nWest) * m_fScaleX + m_fOriginX);
    m_nLabelY = meshcode::TruncateToInt(float(m_nNorth - lat) * m_fScaleY + m_fOriginY) - kLabelRise;

    int column = -1;
    int row = -1;
    if (m_nWorkFileDetail < kFullDetail) {
        using namespace meshcode;
        long long c = (static_cast<long long>(lon) - m_nWest) * kCellsPerMesh / kFirstMeshLongitudeSeconds;
        long long r = (static_cast<long long>(m_nNorth) - lat - kThirdMeshLatitudeSeconds) * kCellsPerMesh /
                      kFirstMeshLatitudeSeconds;
        c = std::max(c, 0LL);
        r = std::max(r, 0LL);
        // A 5 x 5 block keeps one grid cell for every 2 x 2 third-level meshes.
        if (m_strWideAreaName == kWideArea5) {
            c /= 2;
            r /= 2;
        }
        if (capGrid) {
            c = std::min<long long>(c, kGeoGridSide - 1);
            r = std::min<long long>(r, kGeoGridSide - 1);
        }
        if (c < kGeoGridSide && r < kGeoGridSide) {
            column = int(c);
            row = int(r);
        }
    }
    NoteRecord(theme, column, row);

    if (drawLabel == 0) {
        m_nRecordLon = lon;
        m_nRecordLat = lat;
    } else if (drawLabel == 1 && m_pDC != nullptr) {
        const bool outside = lat < m_nSouth || lat > m_nNorth || lon < m_nWest || lon > m_nEast;
        if (m_nDetailLevel != kFullDetail || !outside)
            m_pDC->TextOut(m_nLabelX, m_nLabelY, m_strSymbol);
    }
}

// Records what the accepted record adds: the class (or rock and era by slot) that occurs, and,
// when a grid cell was given, the cell's bytes for the work file.
void CGeoMeshRenderer::NoteRecord(int theme, int column, int row)
{
    const bool inGrid = column >= 0 && row >= 0;
    const std::size_t cell = inGrid ? std::size_t(column) * kGeoGridSide + std::size_t(row) : 0;
    if (theme != 0) {
        if (!ClassCode(m_nColourIndex))
            return;
        m_anPrimaryCodes[std::size_t(m_nColourIndex)] = 1;
        if (inGrid)
            m_primaryGrid[cell] = std::uint8_t(m_nColourIndex);
        return;
    }
    const std::size_t slot = std::size_t(std::clamp(m_nRecordIndex, 0, kGeoSlotCount - 1));
    m_anPrimaryCodes[slot] = std::int16_t(m_nPrimaryCode);
    m_anColourCodes[slot] = std::int16_t(m_nColourIndex);
    if (m_nSecondaryCode > 0)
        m_anSecondaryCodes[slot] = std::int16_t(m_nSecondaryCode);
    if (inGrid && ClassCode(m_nPrimaryCode)) {
        m_primaryGrid[cell] = std::uint8_t(m_nPrimaryCode);
        m_secondaryGrid[cell] = std::uint8_t(m_nSecondaryCode);
    }
}
