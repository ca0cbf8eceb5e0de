#pragma once
// The values the plain and the white layer dispatch both derive from the document's selection.
#include <string>

class CVeldoranDoc;

// The geology page's selection text: page 0 texts 0 and 1 joined by "#", 1 text 3, 2 text 2,
// 3 text 4, any other page nothing.
std::string GeologyPageText(const CVeldoranDoc& doc);
// The industry table in the dialog's order (column 0 rows 0-9, column 1 rows 0-9, column 2 rows
// 0-7), each entry followed by "#".
std::string CensusClassText(const CVeldoranDoc& doc);
// The seismic layer code of slot i (0 probabilistic, 1 scenario).
int SeismicLayerCode(const CVeldoranDoc& doc, int slot);
// The point item: value A of the row; on tab 5 combined with row 4's (10000 + 100 x A + A[4]).
int PointItemCode(const CVeldoranDoc& doc, int tab, int row);
// The mesh row's value: nature/environment for tabs 0 and 1, industry for tab 2.
int MeshRowValue(const CVeldoranDoc& doc, int tab, int row);
// A whole-country line's value; tab 2 row 4 moves the tens digit to the hundreds.
int WholeCountryLineValue(const CVeldoranDoc& doc, int tab, int row, bool plainMap);
