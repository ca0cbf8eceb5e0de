#pragma once
// What one drawing step draws with where it may differ from the document: the sheet map's
// transparent second pass draws without the tint, the submarine layer and (when asked) the lakes,
// the cells and overlays label their points their own way, and the common area's points come
// from their own data file. The renderer changes only its own copy, never the document.
#include <string>

class CVeldoranDoc;

struct MapDrawSettings {
    int mapFigure = 0;      // 0 the plain map, 1 the tint map
    int submarineLayer = 0; // the submarine layer on the sheet map (0 none)
    int lake = 0;           // lakes drawn (0 none)
    int pointLabel = 3;     // how a point is labelled (1 name, 2 word, 3 name over elevation, 4 tips)
    std::string dataFile;   // the registered points' data file

    // The document's own settings.
    static MapDrawSettings Of(const CVeldoranDoc& doc);
    // The transparent second pass of the sheet map: no tint and no submarine layer; the lakes
    // only unless the overlay leaves them out.
    static MapDrawSettings ForOverlayPass(const CVeldoranDoc& doc);
};
