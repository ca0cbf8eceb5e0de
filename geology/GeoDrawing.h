#pragma once
// What the four geology mesh drawers share: the theme of a mode code, the label font, the colour
// table, the data prefix of a natural-terrain set, the prefectures of a mesh to read, the record
// lines of a data file, and the work files read back by the composition table and legend list.
#include "geology/GeoMeshRenderer.h"
#include "platform/dc/Color.h"
#include "platform/dc/GdiObjects.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kGeoFullDetail = 3;

// The theme digit of a plain-map mode code (theme x 10 + group x 1000).
int GeoThemeOfCode(int code);
bool GeoDrawnTheme(int theme);

// "ＭＳ 明朝" of the given cell height, as every geology label is written.
vd::Font GeoLabelFont(int height);

// The palette entries a theme draws with: 100, 100, 40 or 10.
std::vector<vd::COLORREF> GeoColourTable(const CGeoMeshRenderer& renderer, int theme);

// A data set text "folder(SETNAME)" is the prefix folder + SETNAME (its first eight characters);
// a text without "(" is used as it is.
std::string GeoDataPrefix(const std::string& prefix);

// The prefectures of the mesh whose files are to be read: the unselected ones (unless the whole
// country is on), unknown codes and repeats left out, and in a block those already read.
std::vector<std::string> GeoPrefecturesToRead(CGeoMeshRenderer& renderer, const std::string& meshCode, bool block,
                                              int& drawn);

// Calls `line` with each raw line of a data file; false when the file does not open.
bool ForEachGeoRecordLine(const std::string& winPath, const std::function<bool(const std::string&)>& line);

// Hands each record of a land-classification file to `classify` (which answers whether reading
// is to stop). A valley-density record (theme 3) holds the 5 x 5 doubled cells of a second-level
// mesh from column 11, row by row from the north: each non-zero value goes on as the four
// third-level records it covers, and a stop ends only that value.
void ForEachLandClassRecord(const std::vector<std::string>& lines, int theme,
                            const std::function<bool(const std::string&)>& classify);

// Whether the record just classified counts as drawn for the 64000-record stop (at detail 3 with
// labels on, only inside the extent).
bool GeoRecordDrawn(const CGeoMeshRenderer& renderer);

// Work files: TEMP\Geofile.dat of a plain-map drawing (side x side grids) and TEMP\GeoWmap.dat of
// a white-map drawing. Made through a safe rewrite; TEMP\ is made when missing. False when the
// file could not be written (the drawing stands).
std::string GeoPlainWorkBytes(const CGeoMeshRenderer& renderer, int theme, int side);
std::string GeoWhiteWorkBytes(const CGeoMeshRenderer& renderer, int theme);
bool WriteGeoWorkFile(const std::string& dataFolder, std::string_view name, const std::string& bytes);

// Keeps the data-file reading of the land-classification layer short: after the first drawn
// record, more than 64000 records in a row without one end the reading.
class GeoRecordStop {
public:
    // Notes one record; true when reading is to stop.
    bool Note(bool drawn)
    {
        if (drawn) {
            started_ = true;
            misses_ = 0;
            return false;
        }
        return started_ && ++misses_ > kLimit;
    }

private:
    static constexpr int kLimit = 64000;
    bool started_ = false;
    int misses_ = 0;
};
