// The block of first-level meshes a geology drawing walks: how many meshes, and the code of each.
// Dovanne knows the 3 x 3 and 5 x 5 wide-area blocks only; any other name is one mesh.
#include "geology/GeoMeshRenderer.h"

#include "meshcode/MeshCode.h"
#include "meshcode/WideAreaBlock.h"

namespace {

constexpr int kFullDetail = 3;
constexpr int kQuadListCode = 10;

int FirstMeshNumber(const std::string& code) { return meshcode::CodeDigits(code, 0, 4); }

} // namespace

int CGeoMeshRenderer::CountBlockCells()
{
    switch (m_nAreaKind) {
    case 0:
        if (m_nWideAreaMode == -1) {
            m_nWideAreaMode = 1;
            m_nDetailLevel = kFullDetail;
        }
        return m_nWideAreaMode == 2 ? 9 : m_nWideAreaMode == 3 ? 4 : 1;
    case 1:
    case 2:
        if (m_nBlockMode == 1)
            return 1;
        if (m_strWideAreaName == meshcode::kWideArea3)
            return 9;
        return m_strWideAreaName == meshcode::kWideArea5 ? 25 : 1;
    case 3:
    case 4:
        m_nDetailLevel = kFullDetail;
        return 1;
    default:
        return 1;
    }
}

std::string CGeoMeshRenderer::BlockCellCode(int n) const
{
    if (m_nAreaKind == 0) {
        const meshcode::WideAreaBlock block{m_nAreaKind, m_nWideAreaMode, m_nBlockMode, m_strWideAreaName,
                                            m_strCentreMesh, m_strWideCentre3, m_strWideCentre5};
        return meshcode::BlockCellMeshCode(block, n);
    }
    if ((m_nAreaKind != 1 && m_nAreaKind != 2) || m_nBlockMode != 2)
        return {};
    if (m_strWideAreaName == meshcode::kWideArea3)
        return meshcode::WhiteBlockCellCode(9, FirstMeshNumber(m_strWideCentre3), n, {});
    return meshcode::WhiteBlockCellCode(25, FirstMeshNumber(m_strWideCentre5), n, {});
}

std::string CGeoMeshRenderer::CellMeshCode(int count, int n, int explicitCount, int base, int useQuad, int setDetail,
                                           const std::string& alternative, const std::string& current)
{
    if (useQuad != 0)
        return n >= 0 && n < int(m_astrQuad.size()) ? m_astrQuad[std::size_t(n)] : std::string();
    if (explicitCount == -1) {
        std::string code = BlockCellCode(n);
        return code.empty() ? current : code;
    }
    std::string code = meshcode::WhiteBlockCellCode(count, base, n, alternative);
    if (setDetail == 1)
        m_nDetailLevel = kFullDetail;
    return code;
}

int CGeoMeshRenderer::ParseQuadList(int listCode, const std::string& list)
{
    if (listCode != kQuadListCode)
        return 0;
    m_astrQuad = meshcode::WideAreaQuadCodes(list);
    return 1;
}
