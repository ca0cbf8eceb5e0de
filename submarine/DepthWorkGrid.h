#pragma once
// The work grid of the depth-file builder: one block of 3 x 3 first-level meshes (2 degrees of
// latitude by 3 of longitude) as 480 x 480 single-precision depths, rows from the north, columns
// from the west; 0 is empty. The soundings of the block go in (the first in a cell wins), small
// gaps are filled once from the cells north, west and north-west, then each mesh's 160 x 160
// part is taken out.
#include "submarine/files/DepthTextFile.h"
#include "submarine/files/IntermediateDepthFile.h"

#include <vector>

inline constexpr int kDepthBlockMeshes = 3;
inline constexpr int kDepthWorkGridSide = kDepthBlockMeshes * kDepthCellsPerMeshSide;

class DepthWorkGrid {
public:
    DepthWorkGrid();

    // Empties the grid for the block whose north-west corner is (north, west) in arc-seconds.
    void Clear(int northSeconds, int westSeconds);
    // Puts a sounding into its cell when it lies in the block and the cell is still empty.
    void Place(const DepthSounding& sounding);
    // One pass of the gap fill (filled cells are no sources), then every filled cell made positive.
    void FillGaps();

    float At(int row, int column) const { return cells_[std::size_t(row) * kDepthWorkGridSide + column]; }
    // The cells above 0 in the mesh at (meshRow, meshColumn) of the block, row 0 the northern one.
    int DataCells(int meshRow, int meshColumn) const;
    // That mesh's cells as 16-bit depths, truncated.
    DepthMeshCells MeshCells(int meshRow, int meshColumn) const;

private:
    float& Cell(int row, int column) { return cells_[std::size_t(row) * kDepthWorkGridSide + column]; }

    std::vector<float> cells_;
    int north_ = 0;
    int west_ = 0;
};
