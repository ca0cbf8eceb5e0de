#pragma once
// Which records of a list are drawn at a point display level (0 to 13; any other level, the
// automatic 14 included, draws none). The record of index 0 is always drawn.
bool IsDrawnAtLevel(int level, int index);
