#pragma once
// Where the 1:200,000 index map lies in the view: 26 columns of one degree and 33 rows of 40
// minutes from (left, top), larger on views wider than 800 pixels.
inline constexpr int kIndexColumns = 26;
inline constexpr int kIndexRows = 33;

struct IndexMapLayout {
    int left;
    int top;
    int columnWidth;
    int rowHeight;
    int fontHeight;
};

inline IndexMapLayout SheetIndexLayout(int clientWidth)
{
    if (clientWidth > 800)
        return {2, 30, 39, 20, 12};
    return {2, 30, 26, 13, 11};
}
