#pragma once
// The one-pass gap fill of a square depth grid (rows from the north, columns from the west; 0 is
// empty), shared by the depth-file builder and the depth maps. Columns west to east are the outer
// loop, rows north to south the inner one. An empty cell looks at the window of itself and its
// west, north and north-west neighbours (clipped at the grid, then the limit is 2, else 3); at the
// east and south edges the window reaches three cells back and has no limit. When fewer cells of
// the window than the limit are empty or filled in this pass, the cell takes the last positive
// value met, scanning the window column by column: north before west before north-west. Filled
// cells are marked negative so that they serve as no source; afterwards every negative cell is
// made positive.
#include <algorithm>
#include <vector>

namespace depthgaps {

template <class T>
T GapValue(const std::vector<T>& cells, int side, int row, int column)
{
    const int last = side - 1;
    int firstRow = row - 1;
    int firstColumn = column - 1;
    int limit = 3;
    bool edge = false;
    if (column == last) {
        firstColumn = last - 2;
        edge = true;
    } else if (row == last) {
        firstRow = last - 2;
        edge = true;
    }
    if (firstRow < 0 || firstColumn < 0)
        limit = 2;
    firstRow = std::max(firstRow, 0);
    firstColumn = std::max(firstColumn, 0);

    int emptyOrFilled = 0;
    T source = 0;
    for (int c = firstColumn; c <= column; ++c)
        for (int r = firstRow; r <= row; ++r) {
            const T value = cells[std::size_t(r) * side + c];
            if (value <= 0)
                ++emptyOrFilled;
            else
                source = value;
        }
    if (source > 0 && (edge || emptyOrFilled < limit))
        return source;
    return 0;
}

// innerOnly: only rows and columns 1 to side - 2 are filled (there the window is always the full
// 2 x 2 one with the limit 3).
template <class T>
void FillGapsOnce(std::vector<T>& cells, int side, bool innerOnly)
{
    const int first = innerOnly ? 1 : 0;
    const int end = innerOnly ? side - 1 : side;
    for (int column = first; column < end; ++column)
        for (int row = first; row < end; ++row) {
            T& cell = cells[std::size_t(row) * side + column];
            if (cell == 0)
                cell = -GapValue(cells, side, row, column);
        }
    for (T& cell : cells)
        if (cell < 0)
            cell = -cell;
}

} // namespace depthgaps
