#include "meshcode/WideAreaBlock.h"

#include "meshcode/MeshCode.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

namespace meshcode {

namespace {

int AnchorCode(std::string_view text) { return CodeDigits(text, 0, 4); }

// Cell n of a k x k block whose north-west cell is `northWest`.
int SquareBlockCell(int northWest, int k, int n) { return northWest + n % k - (n / k) * kNorthStep; }

bool NamedBlock(const WideAreaBlock& b) { return (b.areaKind == 1 || b.areaKind == 2) && b.blockMode == 2; }

} // namespace

BlockCount BlockCellCount(const WideAreaBlock& block)
{
    BlockCount count{1, block.wideAreaMode, false};
    switch (block.areaKind) {
    case 0:
        if (count.wideAreaMode == -1) {
            count.wideAreaMode = 1;
            count.fullDetail = true;
        }
        count.cells = count.wideAreaMode == 3 ? 4 : count.wideAreaMode == 2 ? 9 : 1;
        break;
    case 1:
    case 2:
        if (block.blockMode == 1)
            break;
        if (block.wideAreaName == kWideArea5)
            count.cells = 25;
        else if (block.wideAreaName == kWideArea5_7)
            count.cells = 49;
        else if (block.wideAreaName == kWideArea3)
            count.cells = 9;
        break;
    case 3:
    case 4:
        count.fullDetail = true;
        break;
    default:
        break;
    }
    return count;
}

std::string BlockCellMeshCode(const WideAreaBlock& block, int n)
{
    if (block.areaKind == 0 && block.wideAreaMode == 2)
        return vd::format("%d", SquareBlockCell(AnchorCode(block.meshCode) + 2 * kNorthStep - 2, 3, n));
    if (block.areaKind == 0 && block.wideAreaMode == 3) {
        static constexpr int kOffsets[4] = {kNorthStep - 1, kNorthStep, -1, 0};
        if (n < 0 || n > 3)
            return {};
        return vd::format("%d", AnchorCode(block.meshCode) + kOffsets[n]);
    }
    if (!NamedBlock(block))
        return {};
    if (block.wideAreaName == kWideArea3)
        return vd::format("%d", SquareBlockCell(AnchorCode(block.blockCentre3) + kNorthStep - 1, 3, n));
    if (block.wideAreaName == kWideArea5)
        return vd::format("%d", SquareBlockCell(AnchorCode(block.blockCentre5) + 2 * kNorthStep - 2, 5, n));
    return vd::format("%d", SquareBlockCell(AnchorCode(block.blockCentre5) + 3 * kNorthStep - 3, 7, n));
}

int CentredBlockCellCode(int side, int centre, int n)
{
    const int half = side / 2;
    return SquareBlockCell(centre + half * (kNorthStep - 1), side, n);
}

std::string WhiteBlockCellCode(int cellCount, int centre, int n, std::string_view given)
{
    if (cellCount == 9)
        return vd::format("%d", CentredBlockCellCode(3, centre, n));
    if (cellCount == 25)
        return vd::format("%d", CentredBlockCellCode(5, centre, n));
    return std::string(given);
}

BlockGeometryValues BlockGeometry(const WideAreaBlock& block)
{
    BlockGeometryValues g{{1, 30, 1, 45, 6, 80, 6400, 1}, block.wideAreaMode, false};
    auto& v = g.values;
    const int kindFlag = block.areaKind == 2 ? 1 : 0;
    switch (block.areaKind) {
    case 0:
        if (g.wideAreaMode == -1) {
            g.wideAreaMode = 1;
            g.fullDetail = true;
        }
        if (g.wideAreaMode == 1)
            v = {2, 15, 4, 45, 6, 80, 102400, 0};
        else if (g.wideAreaMode == 2)
            v = {2, 30, 4, 90, 6, 240, 230400, 0};
        else if (g.wideAreaMode == 3)
            v = {2, 15, 4, 45, 6, 160, 409600, 0};
        break;
    case 1:
    case 2:
        if (block.blockMode == 1)
            v = {1, 30, 1, 45, 6, 80, 6400, kindFlag};
        else if (block.wideAreaName == kWideArea5)
            v = {1, 30, 1, 45, 6, 200, 160000, kindFlag};
        else if (block.wideAreaName == kWideArea3)
            v = {1, 30, 1, 45, 6, 240, 57600, kindFlag};
        else
            v = {1, 30, 1, 45, 6, 80, 1, kindFlag};
        break;
    case 3: {
        const int tens = block.wideAreaMode / 10;
        const int units = block.wideAreaMode % 10;
        g.wideAreaMode = tens;
        g.fullDetail = true;
        if (units == 1)
            v = {2, 3, 20, 45, 18, 80, 40000, units};
        else if (tens != 0)
            v = {1, 3, 2, 9, 10, 80, 160000, units};
        else
            v = {2, 3, 4, 9, 18, 80, 160000, units};
        break;
    }
    default:
        v = {2, 15, 4, 45, 6, 80, 0, 0};
        g.fullDetail = block.areaKind == 4;
        break;
    }
    return g;
}

std::array<std::string, 4> WideAreaQuadCodes(std::string_view list)
{
    std::array<std::string, 4> codes;
    std::string rest(list);
    for (int field = 0; field < 16; ++field) {
        const std::string code = vd::cp932Left(rest, 4);
        const std::size_t bar = rest.find('|');
        if (bar != std::string::npos)
            rest.erase(0, bar + 1);
        if (field == 0)
            codes[0] = code;
        else if (field == 2 && code != codes[0])
            codes[1] = code;
        else if (field == 8 && code != codes[0])
            codes[2] = code;
        else if (field == 10 && code != codes[0])
            codes[3] = code == codes[1] || code == codes[2] ? std::string() : code;
    }
    return codes;
}

float BlockScaleShrink(int count, int mode, int variant)
{
    if (count < 2)
        return 1.0f;
    if (mode == 0 || mode == 3)
        return 0.996875f;
    return variant != 0 ? 0.9974748f : 0.9937107f;
}

} // namespace meshcode
