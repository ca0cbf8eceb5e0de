#pragma once
// The greatest depth of a depth map and the cell that first holds it (a later cell replaces it only
// when strictly deeper), and the red cross that marks it.
#include "platform/dc/Dc.h"

inline constexpr int kNoDepthYet = -9999;

struct DeepestDepth {
    int depth = kNoDepthYet;
    int row = -1;
    int column = -1;

    void Offer(int depthMetres, int atRow, int atColumn)
    {
        if (depthMetres > depth) {
            depth = depthMetres;
            row = atRow;
            column = atColumn;
        }
    }
    bool Found() const { return row >= 0; }
};

// A red cross with a 2-pixel pen, from x - 4 to x + 5 on the row and y - 4 to y + 5 on the column;
// the earlier pen is selected again.
void DrawDeepestCross(vd::Dc& dc, vd::Point at);
