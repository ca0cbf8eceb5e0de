// The renderer's shared operations: the data entry of the call, pens, the label font, the block of
// first-level meshes and the progress box.
#include "seismic/SeismicLayerRenderer.h"

#include "meshcode/BlockCellCode.h"
#include "meshcode/LayerProgress.h"
#include "meshcode/MeshCode.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"
#include "seismic/lists/SeismicDataList.h"

namespace {

enum PenSlot { kBlack, kBlue, kRed, kBlueDotted, kBlackWide, kBlackDotted };
using meshcode::kFullDetail;

} // namespace

CSeismicLayerRenderer::CSeismicLayerRenderer(vd::Dc& dc)
    : DeviceContext(dc)
{
    const vd::COLORREF black = vd::RGB(0, 0, 0), blue = vd::RGB(0, 0, 255), red = vd::RGB(255, 0, 0);
    pens_[kBlack].CreatePen(vd::PS_SOLID, 1, black);
    pens_[kBlue].CreatePen(vd::PS_SOLID, 1, blue);
    pens_[kRed].CreatePen(vd::PS_SOLID, 1, red);
    pens_[kBlueDotted].CreatePen(vd::PS_DOT, 1, blue);
    pens_[kBlackWide].CreatePen(vd::PS_SOLID, 2, black);
    pens_[kBlackDotted].CreatePen(vd::PS_DOT, 1, black);
}

std::string CSeismicLayerRenderer::ReadSeismicDataEntry(int mapKind, int entry)
{
    const seismic::SeismicDataEntry found = seismic::GetSeismicDataEntry(Strings[4], mapKind, entry);
    DataKind = mapKind == kProbabilisticMap ? found.quantity : -1;
    if (found.line.empty())
        return {};
    return vd::toUpperAscii(seismic::SeismicEntryDataPath(found.line));
}

void CSeismicLayerRenderer::SelectSeismicPen(int code)
{
    switch (code) {
    case 1:
        DeviceContext.SelectObject(pens_[kBlue]);
        break;
    case 2:
        DeviceContext.SelectObject(pens_[kBlueDotted]);
        break;
    case 9:
        DeviceContext.SelectObject(pens_[kBlack]);
        break;
    case 11:
        DeviceContext.SelectObject(pens_[kBlackWide]);
        break;
    case 12:
        DeviceContext.SelectObject(pens_[kBlackDotted]);
        break;
    default:
        break; // the red pen has no code
    }
}

int CSeismicLayerRenderer::LabelFontHeight(int n, int detailLevel)
{
    if (n == -888)
        return 12;
    if (n == -999)
        return 11;
    return n == 1 || detailLevel == kFullDetail ? 10 : 9;
}

void CSeismicLayerRenderer::SelectLabelFont(int mode, int n)
{
    vd::Dc& dc = DeviceContext;
    if (mode == 3) {
        labelFont_.CreateFont(LabelFontHeight(n, DetailLevel), 0, 0, 0, vd::FW_NORMAL, false, false, false,
                              vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS, vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY,
                              vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ 明朝");
        previousFont_ = dc.SelectObject(labelFont_);
    } else if (mode == 4) {
        // Without a font selected by mode 3 there is nothing to put back.
        if (!previousFont_.IsNull())
            dc.SelectObject(previousFont_);
        labelFont_.DeleteObject();
    }
}

meshcode::WideAreaBlock CSeismicLayerRenderer::Block() const
{
    return {AreaKind, WideAreaMode, MapFrameMode, Strings[0], Strings[1], Strings[2], Strings[3]};
}

int CSeismicLayerRenderer::StartWalk(Walk walk, int givenCount)
{
    SnappedSouth = South;
    SnappedWest = West;
    if (walk == Walk::Detailed && DetailLevel == kFullDetail) {
        SnappedSouth = South / meshcode::kThirdMeshLatitudeSeconds * meshcode::kThirdMeshLatitudeSeconds;
        SnappedWest = West / meshcode::kThirdMeshLongitudeSeconds * meshcode::kThirdMeshLongitudeSeconds;
    }
    return walk == Walk::White ? givenCount : WideAreaCellCount();
}

int CSeismicLayerRenderer::WideAreaCellCount()
{
    const meshcode::BlockCount count = meshcode::BlockCellCount(Block());
    WideAreaMode = count.wideAreaMode;
    if (count.fullDetail)
        DetailLevel = kFullDetail;
    return count.cells;
}

int CSeismicLayerRenderer::ReadWideAreaSettings(int mode, const std::string& settings)
{
    if (mode / 10 != 1 || mode % 10 != 0)
        return 0;
    WideAreaCodes = meshcode::WideAreaQuadCodes(settings);
    WideAreaCodesRead = true;
    return 1;
}

std::string CSeismicLayerRenderer::CellCode(Walk walk, int cellCount, int n) const
{
    if (walk == Walk::White)
        return meshcode::WhiteBlockCellCode(cellCount, vd::parseInt(Strings[1]), n, Strings[1]);
    return meshcode::BlockCellCode(Block(), cellCount, n, Strings[1], WideAreaCodesRead ? &WideAreaCodes : nullptr);
}

void CSeismicLayerRenderer::ShowLayerProgress(const std::string& title, int index, int total)
{
    if (CallerFlag == -1)
        return;
    meshcode::DrawLayerProgress(DeviceContext, StatusLineY, -1, title, index, total);
}
