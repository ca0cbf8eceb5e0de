#include "meshcode/ReliefGrid.h"

#include "platform/fs/FileSource.h"

#include <algorithm>

namespace meshcode {

namespace {

// Which blocks BlockGeometry gives a grid: area kind 0 in wide-area modes 1-3, the single
// first-level mesh and the 広域3 and 広域5 blocks of kinds 1 and 2, every sheet area.
bool HasReliefGrid(const WideAreaBlock& block, int wideAreaMode)
{
    switch (block.areaKind) {
    case 0: return wideAreaMode >= 1 && wideAreaMode <= 3;
    case 1:
    case 2: return block.blockMode == 1 || block.wideAreaName == kWideArea3 || block.wideAreaName == kWideArea5;
    case 3: return true;
    default: return false;
    }
}

} // namespace

ReliefGridSpec ReliefGridOf(const WideAreaBlock& block)
{
    const BlockGeometryValues g = BlockGeometry(block);
    if (!HasReliefGrid(block, g.wideAreaMode))
        return {};
    const auto& v = g.values;
    return {v[0], v[1], v[2], v[3], v[4], v[6]};
}

void ReliefByteGrid::Read(const std::string& winPath, const ReliefGridSpec& spec)
{
    spec_ = spec;
    bytes_.clear();
    vd::FileSource source;
    if (spec.byteCount <= 0 || !source.open(winPath))
        return;
    const std::size_t wanted = std::size_t(spec.byteCount);
    bytes_.reserve(wanted);
    while (bytes_.size() < wanted && (!source.buffered().empty() || source.refill())) {
        const std::string_view chunk = source.buffered().substr(0, wanted - bytes_.size());
        bytes_.insert(bytes_.end(), chunk.begin(), chunk.end());
        source.consume(chunk.size());
    }
}

int ReliefByteGrid::Level(int latitude, int longitude) const
{
    if (bytes_.empty() || origin_.rowLength <= 0 || spec_.rowDenominator == 0 || spec_.columnDenominator == 0)
        return 0;
    // Multiplication first, in 64 bits: the divisions truncate as the grid was laid out.
    const long long row = (static_cast<long long>(latitude) - origin_.latitude) * spec_.rowNumerator / spec_.rowDenominator;
    const long long column =
        (static_cast<long long>(longitude) - origin_.longitude) * spec_.columnNumerator / spec_.columnDenominator;
    if (row < 0 || column < 0 || column >= origin_.rowLength || row >= static_cast<long long>(bytes_.size()))
        return 0;
    const long long index = row * origin_.rowLength + column;
    if (index >= static_cast<long long>(bytes_.size()))
        return 0;
    return bytes_[std::size_t(index)] % kReliefLevels;
}

vd::COLORREF ReliefShade(vd::COLORREF base, int level)
{
    const int less = level * (level + 3);
    const auto channel = [less](int c) { return c - less < 0 ? 5 : c - less; };
    return vd::RGB(channel(vd::GetRValue(base)), channel(vd::GetGValue(base)), channel(vd::GetBValue(base)));
}

} // namespace meshcode
