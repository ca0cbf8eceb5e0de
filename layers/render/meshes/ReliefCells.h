#pragma once
// The relief forms' sub-cells: the relief grid of the call's block read from the data folder,
// each cell split into n x n sub-cells painted in their class colour darkened by the relief
// level under them. Without TEMP\RELIEF.DAT every sub-cell is drawn at level 0.
#include "layers/render/LayerRenderer.h"
#include "meshcode/ReliefGrid.h"

#include <string>

namespace meshes {

inline constexpr int kReliefClasses = 12;

class ReliefCells {
public:
    // Reads the grid of the block as the call gave it (before anything changes the block fields).
    explicit ReliefCells(CLayerRenderer& r);

    // The sub-cell size, once the detail level is settled.
    void SizeSubCells();
    // The grid origin of block n of cellCount, whose first-level code is given.
    void SetBlock(int cellCount, int n, const std::string& code);
    // Cell with south-west corner (latitude, longitude) in class cls (above 11 drawn as 11).
    void Fill(int latitude, int longitude, int cls);
    // The relief level of the grid point at a corner.
    int Level(int latitude, int longitude) const { return grid_.Level(latitude, longitude); }

private:
    CLayerRenderer& r_;
    int areaKind_;
    int sheetMode_;  // area kind 3: the second-level mode (units digit of the wide-area mode)
    int sheetShift_; // and its shift (tens digit)
    meshcode::ReliefByteGrid grid_;
    meshcode::ReliefShadeTable<kReliefClasses> shades_;
    int width_ = 1;
    int height_ = 1;
};

} // namespace meshes
