#include "seismic/SeismicRelief.h"

#include "meshcode/Truncate.h"

#include <algorithm>
#include <array>

namespace seismic {

namespace {

std::array<vd::COLORREF, kMostValueClasses> Padded(const std::vector<vd::COLORREF>& colours)
{
    std::array<vd::COLORREF, kMostValueClasses> padded{};
    std::copy_n(colours.begin(), std::min<std::size_t>(colours.size(), padded.size()), padded.begin());
    return padded;
}

} // namespace

ReliefShading::ReliefShading(const std::string& dataFolder, const meshcode::WideAreaBlock& block,
                             const std::vector<vd::COLORREF>& classColours)
    : shades_(Padded(classColours)), classes_(int(std::min<std::size_t>(classColours.size(), kMostValueClasses)))
{
    const meshcode::ReliefGridSpec spec = meshcode::ReliefGridOf(block);
    grid_.Read(dataFolder + meshcode::kReliefFileName, spec);
    subCells_ = std::max(spec.subCells, 1);
}

void ReliefShading::SizeSubCells(float xScale, float yScale, bool fullDetail)
{
    const float n = float(subCells_);
    const int extra = fullDetail ? 2 : 0;
    width_ = 1 - meshcode::TruncateToInt(xScale * -45 / n) + extra;
    height_ = 1 - meshcode::TruncateToInt(yScale * -30 / n) + extra;
}

std::optional<vd::COLORREF> ReliefShading::Shade(int valueClass, int latitude, int longitude) const
{
    if (valueClass < 0 || valueClass >= classes_)
        return std::nullopt;
    return shades_.At(std::size_t(valueClass), grid_.Level(latitude, longitude));
}

} // namespace seismic
