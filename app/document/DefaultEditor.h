#pragma once
// The editor that text and list files open in when the profile names none: the first of
// $VISUAL and $EDITOR that names a graphical editor, else a graphical text editor found on the
// PATH, else the desktop's handler. The result is the program's path in Windows form.
#include <string>

std::string FindDefaultEditor();
