#pragma once
// The progress box of a long place-name search: a framed box with a shadow at the upper right of
// a wide view (lower left of a narrow one), a cyan bar growing 8 pixels a step with the percent
// done (5 a step) in the 13-pixel font, and cleared to the background when the search ends.
#include "platform/dc/Geometry.h"
#include "platform/dc/GdiObjects.h"

class CMapRenderer;

class SearchProgressBox {
public:
    SearchProgressBox(CMapRenderer& renderer, const vd::Font& font);
    void Step(int steps);
    void Clear();

private:
    CMapRenderer& renderer_;
    const vd::Font& font_;
    vd::Rect box_;
};
