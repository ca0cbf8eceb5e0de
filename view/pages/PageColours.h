#pragma once
// The colours of the picture and text pages: the page background by brightness step, and the
// text page's background by its keyword category.
#include "platform/dc/Color.h"

// Steps 0 (black) to 10 (white); any other step is the light grey of step 9.
vd::COLORREF PictureBackgroundColour(int step);
// Categories 0 to 6 (0 and any other value white).
vd::COLORREF TextCategoryColour(int category);
