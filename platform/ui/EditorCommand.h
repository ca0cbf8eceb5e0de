#pragma once
// The argument vector that opens a file in the user's editor: the editor of the profile
// (System/Editer) when it names a program that exists here, else the default editor: $VISUAL or
// else $EDITOR when it names a graphical editor (a terminal editor has no window to show here),
// else the first graphical text editor on the PATH. Known editors get their "wait" option, so
// the program can wait for the edit.
#include <string>
#include <vector>

namespace vd::ui {

// An empty vector when no editor is configured and none can be found; a configured editor that
// is not installed, with no other to stand in, is given as it is (starting it then fails by name).
std::vector<std::string> editorCommand(const std::string& configuredEditor, const std::string& linuxFile);
std::vector<std::string> defaultEditor();

// The path of a program named as a path or found along the PATH; empty when there is none.
std::string findProgram(const std::string& program);

// Opens a Windows-form file in the user's editor (the configured one, else the desktop's) and
// waits until the edit is done (editAndWait); the libraries' list and menu "update" buttons share
// it. False when no editor could be started.
bool runExternalEditor(const std::string& configuredEditor, const std::string& windowsFile);

} // namespace vd::ui
