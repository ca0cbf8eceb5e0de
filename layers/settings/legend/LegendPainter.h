#pragma once
// The legend of the switched-on national-land line, surface and point rows: for each row a sample
// line or marker in its colour and its data name, with the fixed breakdowns of roads, railways,
// rivers, some surface themes and the land-price items. Names and colour codes are read from
// DddMFile.dat, DddSFile.dat and DDDPFILE.DAT in the folder at every paint.
#include "layers/settings/legend/LegendFlags.h"
#include "platform/dc/Dc.h"

#include <string>

// Fills the painting area white and draws the three sections; text past the area is clipped by
// the device context.
void PaintLegendArea(vd::Dc& dc, const LegendFlags& flags, const std::string& folder);
// The three sections alone, over what the area already shows.
void PaintLegend(vd::Dc& dc, const LegendFlags& flags, const std::string& folder);
