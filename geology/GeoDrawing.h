#pragma once
// What the four geology mesh drawers share: the theme of a mode code, the label font, the colour
// table, the data prefix of a natural-terrain set, the start of a drawing, the records of a mesh
// or of a land-classification file classified one by one, and the work files read back by the
// composition table and legend list.
#include "geology/GeoMeshRenderer.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Color.h"
#include "platform/dc/GdiObjects.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kGeoFullDetail = meshcode::kFullDetail;

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

// The start every drawing shares: the theme's palette, the class codes cleared, the selection
// parsed.
void StartGeoSelection(CGeoMeshRenderer& renderer, int theme, const std::string& selection);

// Each natural-terrain record of a mesh's prefecture files (header lines "H..." passed over),
// classified into the renderer and handed to `fill`. The files read are the mesh's prefectures
// that are selected, known and not yet read; in a block (`block`) `drawn` carries those already
// read from mesh to mesh.
void ClassifyTerrainRecords(CGeoMeshRenderer& renderer, const std::string& dataPrefix, const std::string& meshCode,
                            bool block, int& drawn, int theme, int displayOption, const std::function<void()>& fill);

// Each record of a land-classification file's lines (a valley-density line, theme 3, gives the
// third-level records of its non-zero values), classified into the renderer and handed to
// `fill`. After the first drawn record (at detail 3 with labels on, only one inside the extent),
// more than 64000 records in a row without one end the reading.
void ClassifyLandClassRecords(CGeoMeshRenderer& renderer, const std::vector<std::string>& lines, int theme,
                              int displayOption, const std::function<void()>& fill);

// Work files: TEMP\Geofile.dat of a plain-map drawing (side x side grids) and TEMP\GeoWmap.dat of
// a white-map drawing. Made through a safe rewrite; TEMP\ is made when missing. False when the
// file could not be written (the drawing stands).
std::string GeoPlainWorkBytes(const CGeoMeshRenderer& renderer, int theme, int side);
std::string GeoWhiteWorkBytes(const CGeoMeshRenderer& renderer, int theme);
bool WriteGeoWorkFile(const std::string& dataFolder, std::string_view name, const std::string& bytes);
