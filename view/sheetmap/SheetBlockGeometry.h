#pragma once
// The height in pixels of the sheet block on screen, from the client size, the full-screen
// client height and the sheet's north-south to east-west length ratio. The single-precision
// factors are multiplied in double and truncated toward zero, so a window 800 pixels wide with
// a full-screen height of 740 gives 534, not 535.
int SheetBlockHeight(int clientWidth, int clientHeight, int fullScreenHeight, float lengthRatio);

// The text of a first-level mesh code from its latitude and longitude codes ("5235").
#include <string>
std::string MeshCodeText(int latitudeCode, int longitudeCode);
