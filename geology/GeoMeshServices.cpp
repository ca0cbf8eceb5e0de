// What every geology drawer does before it looks at a record: the object's clean start, the
// progress box, the prefectures of a mesh and of the call, the option list, the palette and the
// rock classes of the current era.
#include "geology/GeoMeshRenderer.h"

#include "geology/GeologyPaletteFile.h"
#include "geology/RockTable.h"
#include "layers/settings/prefecture/PrefectureFlagList.h"
#include "meshcode/LayerProgress.h"
#include "meshcode/MeshPrefectureFile.h"

#include <algorithm>

namespace {

constexpr int kWhite = 255;

} // namespace

CGeoMeshRenderer::CGeoMeshRenderer()
    : m_primaryGrid(std::size_t(kGeoGridSide) * kGeoGridSide), m_secondaryGrid(std::size_t(kGeoGridSide) * kGeoGridSide)
{
}

void CGeoMeshRenderer::ShowProgress(int show, const std::string& text, int i, int n)
{
    if (m_pDC != nullptr)
        meshcode::DrawLayerProgress(*m_pDC, m_nStatusLineY, show, text, i, n);
}

int CGeoMeshRenderer::ReadMeshPrefectures(const std::string& meshCode)
{
    const std::vector<std::string> codes = meshcode::ReadMeshPrefectureLine(m_strDataFolder + "Msh_prft.dat", meshCode);
    const std::size_t count = std::min(codes.size(), m_astrMeshPrefectures.size());
    for (std::size_t i = 0; i < m_astrMeshPrefectures.size(); ++i)
        m_astrMeshPrefectures[i] = i < count ? codes[i] : std::string();
    return int(count);
}

int CGeoMeshRenderer::FilterDrawnPrefectures(int count, int drawn)
{
    count = std::clamp(count, 0, kGeoMeshPrefectures);
    std::vector<std::string> cell(m_astrMeshPrefectures.begin(), m_astrMeshPrefectures.begin() + count);
    const int read = meshcode::MarkPrefecturesRead(cell, drawn, m_astrDrawnPrefectures);
    std::copy(cell.begin(), cell.end(), m_astrMeshPrefectures.begin());
    return read;
}

void CGeoMeshRenderer::ParseOptionList(const std::string& flagList)
{
    m_anOptions = ParsePrefectureFlagInput(flagList).flags;
}

void CGeoMeshRenderer::LoadGeologyPalette(int theme, const std::string& applicationFolder)
{
    for (auto& colour : m_anPalette)
        colour = {kWhite, kWhite, kWhite};
    for (const GeologyPaletteEntry& entry : ReadGeologyPaletteSection(applicationFolder + "GEOLOGY.PLT", theme + 1)) {
        m_anPalette[std::size_t(entry.code)] = {std::int16_t(entry.red), std::int16_t(entry.green), std::int16_t(entry.blue)};
        if (entry.name)
            m_astrClassNames[std::size_t(entry.code)] = *entry.name;
    }
    // The rock names are kept apart from the colours; they name the surface geology's classes.
    if (theme == 0)
        for (const GeologyRockName& rock : ReadGeologyRockNames(applicationFolder + "GEOLOGY.DAT"))
            m_astrClassNames[std::size_t(rock.code)] = rock.name;
}

int CGeoMeshRenderer::ClassifyRockCode(int rock)
{
    m_nRecordIndex = kGeoNoneSlot;
    const RockClass found = LookUpRockClass(rock, m_nSecondaryCode);
    if (!found.found)
        return 0;
    m_nRecordIndex = found.slot;
    const auto on = [this](int group) { return group >= 0 && m_anRockFlags[std::size_t(group)] == 1; };
    const bool admitted = m_anRockFlags[kRockAll] == 1 || on(found.groups[0]) || on(found.groups[1]);
    return admitted ? found.colourClass : -1;
}
