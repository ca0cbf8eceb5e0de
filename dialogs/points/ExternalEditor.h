#pragma once
// Opens a file in the outside editor that the program's settings name and waits until it ends.
// The editor is started with an argument vector (no shell); where it cannot be placed on screen
// (the old window place 20, 55 of 691 x 504 pixels) the desktop decides.
#include <string>

// program: the editor of the settings (a missing one falls back to the desktop's editor);
// file: a Windows-form path. False when no editor could be started.
bool RunExternalEditor(const std::string& program, const std::string& file);
