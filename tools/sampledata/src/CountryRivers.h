#pragma once
// W15-52L_S.TXT: the whole-country rivers in the layout of the national river data set: link
// records cut at first-level mesh edges, in mesh order from south-west to north-east, then one
// "DS" attribute group per link with each point's class.
#include "NationalLand.h"

namespace sampledata {

// The class digit of a source level, as the river-length columns group them: levels 1-3 are
// 1, level 4 is 3, the others 4.
int riverClassOfLevel(int level);

// The file from the rivers already cut by prefecture (only Japan's).
ByteBuffer countryRiverFile(const RiverPieces& pieces);

}  // namespace sampledata
