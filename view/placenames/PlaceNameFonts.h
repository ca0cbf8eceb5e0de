#pragma once
// The fonts of the place-name drawing: "ＭＳ ゴシック" of a cell height, normal weight.
#include "platform/dc/GdiObjects.h"

vd::Font PlaceNameFont(int height);
