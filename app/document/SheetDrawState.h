#pragma once
// What drawing a map changes: the frame drawn last, the block's cells and pixel sizes, the record
// placed last, the point record list, the hit and tip lists with their label layout, the tallies,
// the search results, the current DIB and the settings a draw switches for a while. The document
// holds it as a base, so every other reader keeps the names; the renderer is given the document
// read-only and this state to write. Its long lists are built when a draw first uses them.
#include "app/document/LazyArray.h"
#include "app/document/MapDisplayMode.h"
#include "platform/dc/Dib.h"
#include "platform/dc/GdiObjects.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct SheetDrawState {
    // The current sheet and its eight neighbours (D.MMSS corners, names); the sheet's name.
    std::array<std::string, 25> m_astrMapEntry;
    std::string m_strMapName;
    // The visible frame's bounds (D.MMSS texts); the framed prefecture's name.
    std::string m_strFrameWest, m_strFrameSouth, m_strFrameEast, m_strFrameNorth;
    std::string m_strFrameName;
    // The overview's reference point and scale (1/10000 degree) and its second scale (its zoom).
    float m_fRefLatitude = 0;
    float m_fRefLongitude = 0;
    float m_fMapScale = 1;
    float m_fMapScaleY = 0;
    int m_nClipIndexMap = 0;
    int m_nMapDisplayMode = map_display::kIdle;
    int m_nSourcePage = 0; // first data source listed in map mode 7
    int m_nSourcePageFlag = 0;

    // The sheet block drawn last: its origin corner (entries 2, 3, D.MMSS), its pixel size, the
    // panel below it, its south-west cell in arc-seconds, the cells' mesh codes and zooms.
    std::array<std::string, 4> m_astrSheetPosition;
    int m_nMapPixelWidth = 0;
    int m_nMapPixelHeight = 0;
    int m_nPanelTop = 0; // the block's bottom + 15
    int m_nBlockWestSec = 0, m_nBlockSouthSec = 0;
    std::array<std::string, 49> m_astrBlockMeshCode;
    float m_fWhiteZoomX = 1, m_fWhiteZoomY = 1;
    int m_nPaintState = 0;
    int m_nIndexMapFlag = 0;
    // The sheet map's frame in arc-seconds, for the pointer's read-out.
    int m_nFrameNorthSec = 0, m_nFrameSouthSec = 0, m_nFrameEastSec = 0, m_nFrameWestSec = 0;

    // Registered points: the list read for the frame ("999" after the last), how records are
    // placed (1 place names, 2 numbered points, 6 registered points), the display settings a draw
    // switches, the sheet maps' point scales and the records read by the last plain-list read.
    LazyArray<std::string, 5000> m_astrPointRecord;
    int m_nPointDrawKind = 1;
    int m_nPointDisplayFlag = 14;
    int m_nSiteNameDisplay = 1;
    float m_fPointScaleX = 1;
    float m_fPointScaleY = 1;
    int m_nLastListCount = 0;
    // The record placed last: its kind and fields, and where it fell (x -1: not drawn).
    int m_nFileKind = 9;
    std::string m_strEntryTitle;
    std::string m_strEntryState; // the fourth field (item word), "" when it was a number
    std::string m_strEntryValue; // the fourth field as read
    std::string m_strRecordLat, m_strRecordLon;
    int m_nPointX = -1;
    int m_nPointY = -1;
    std::string m_strFindPlace; // the found place's record, drawn once on the next sheet map

    // Registered points drawn last and where ("999" after the last), for the mouse's hit test;
    // drawn points by kind (text, other items, albums, web pages).
    LazyArray<std::string, 5000> m_astrHitRecord;
    LazyArray<std::int16_t, 5000> m_anHitX;
    LazyArray<std::int16_t, 5000> m_anHitY;
    std::array<int, 4> m_anKindTally{};
    // The site-name tips of the sheet map and its label layout.
    int m_nPlaceNameInMap = 0;
    LazyArray<std::string, 5000> m_astrSiteNameTip;
    LazyArray<int, 5000> m_anSiteNameTipX, m_anSiteNameTipY;
    int m_nSiteNameTipCount = 0;
    int m_nSheetLabelHeight = 12, m_nSheetLabelLineGap = 5, m_nSheetLabelGap = 4;
    int m_nSheetLabelOffsetX = 0, m_nSheetLabelOffsetY = 0, m_nSheetSymbolSize = 3;

    // The search state in the order of the search dialog's answer: kind (-1 before the first
    // search, 0 place names, 1 public facilities), file mode, file format, three class codes,
    // prefecture index, display mode, text size, shown tab; output file, three class names,
    // government code, prefecture code and name; the contained text.
    int m_nGnpfValue0 = -1, m_nGnpfValue1 = 1, m_nGnpfValue2 = 2, m_nGnpfValue3 = -1, m_nGnpfValue4 = -1;
    int m_nGnpfValue5 = -1, m_nGnpfValue6 = -1, m_nGnpfValue7 = 0, m_nGnpfValue8 = 0, m_nGnpfValue9 = 0;
    std::string m_strGnpfText0, m_strGnpfText1, m_strGnpfText2, m_strGnpfText3, m_strGnpfText4, m_strGnpfText5,
        m_strGnpfText6;
    std::string m_strGnpfRest;
    std::string m_strPlaceNameState; // "GNPF": the next main-map repaint draws the search hits
    int m_nResultCount = 0, m_nResultDrawn = 0, m_nResultTotal = 0; // search results listed, drawn, found
    // The search results: m_astrPlaceRecord holds the entries (name, latitude and longitude
    // D.MMSS, "999" after the last), m_anResultKind their three class codes, and
    // m_astrResultFileLine the result file's line of each entry until the file is written (kept
    // apart from the entry, so that a "/" in a name cannot cut it).
    LazyArray<std::string, 30000> m_astrPlaceRecord;
    LazyArray<std::array<std::int16_t, 3>, 30000> m_anResultKind;
    std::vector<std::string> m_astrResultFileLine;

    // The current DIB with its palette and size, the header of the hill-shaded sheet and the
    // picture a map entry names.
    vd::Dib m_hDib;
    vd::Palette m_pDibPalette;
    int m_nDibWidth = 0;
    int m_nDibHeight = 0;
    std::array<std::uint8_t, 54> m_abyBmpHeader{};
    std::string m_strEntryParam;

    // The track in hand: its kind ("pot", "trk", "rot", "log") and coordinate format word.
    std::string m_strTrackKind;
    std::string m_strTrackFormat;
    int m_nPrefMapState = 0; // the prefecture map's state (0 once drawn)
};
