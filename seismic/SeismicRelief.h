#pragma once
// The relief shading of the seismic hazard cells: each cell cut into n x n sub-cells, each in its
// class colour darkened by the relief level of TEMP\RELIEF.DAT under it. A missing or short
// relief file reads level 0 (the class colour itself): the map is drawn, the process goes on.
#include "meshcode/ReliefGrid.h"
#include "platform/dc/Color.h"

#include <optional>
#include <string>
#include <vector>

namespace seismic {

inline constexpr int kMostValueClasses = 15;

class ReliefShading {
public:
    // Reads the relief bytes of the block from the data folder once; the shades of each class.
    ReliefShading(const std::string& dataFolder, const meshcode::WideAreaBlock& block,
                  const std::vector<vd::COLORREF>& classColours);

    // Sub-cell size in pixels: 1 + the truncated share of a cell, 2 more at full detail.
    void SizeSubCells(float xScale, float yScale, bool fullDetail);
    void SetOrigin(const meshcode::GridOrigin& origin) { grid_.SetOrigin(origin); }

    int SubCells() const { return subCells_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The shade of a class at a point; nothing for a class without a colour.
    std::optional<vd::COLORREF> Shade(int valueClass, int latitude, int longitude) const;

private:
    meshcode::ReliefByteGrid grid_;
    meshcode::ReliefShadeTable<kMostValueClasses> shades_;
    int classes_ = 0;
    int subCells_ = 1;
    int width_ = 1;
    int height_ = 1;
};

} // namespace seismic
