#pragma once
// Where the map is and what kind of map it is: the map type (1 sheets, 2 overviews and the
// prefecture map, 3 the text and picture bar, 4 the sheet pictures), the sheet frame (1 one sheet,
// 2 a block, 3 a free extent) and the block's sheet count, the current sheet and its eight
// neighbours, the region and prefecture chosen, the projection, the free extent dragged on screen.
// Commands of the document and the view's navigation write it; a draw reads it.
#include <array>
#include <string>

struct MapPosition {
    int m_nMapType = 1;
    int m_nMapFrame = 2;
    int m_nMapFrameCopy = 2;  // the frame read at start (written back under MapFrame)
    int m_nMapFrameCopy2 = 2; // the frame a map-type answer and the route block go back to
    int m_nMapMode = 9;       // sheets in the block: 9, 25 or 49
    int m_nMapFigure = 0;     // 0 plain, 1 the tint map
    int m_nMapFigureCopy = 0;
    int m_nMapPjctn = 1;      // the regional overviews' projection
    int m_nMapProjection = 0;
    int m_nPrefectureSel = 0; // the prefecture of the prefecture map (1-47), 0 the whole country
    int m_nPrefecture = 0;    // zero-based chosen prefecture of the overviews
    std::string m_strPrefFlags; // the 48 prefecture flags with "1": the selection's prefecture-map form
    std::string m_strDistrict;
    int m_nDisplayStage = 0;
    int m_nAltSheetLayout = 0;
    int m_nWhiteMapFrame = 2; // frame kind of the alternative layout: 1 one sheet, else a block

    // The free extent (frame 3) in arc-seconds and the rectangle dragged on screen for it.
    int m_nRangeNorthSec = 0, m_nRangeWestSec = 0, m_nRangeSouthSec = 0, m_nRangeEastSec = 0;
    int m_nRangeDragLeft = 0, m_nRangeDragTop = 0, m_nRangeDragRight = 1, m_nRangeDragBottom = 1;
};
