#pragma once
// Each library is loaded when a command or a drawing first calls it: its binding looks it up then
// (contracts/bindings/). Dovanne alone is loaded as the document and the view are made, since the
// start sheet draws through it and a missing Dovanne is told then.

// What the document and the view tell the user when Dovanne cannot be loaded.
inline constexpr const char* kDovanneMissingMessage =
    "Can't load Dovanne.dll. The dynamic link library must be in the folder of the program (libdovanne.so).";

// Loads Dovanne, telling the user when it cannot be loaded.
void LoadDovanne();
