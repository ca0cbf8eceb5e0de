#pragma once
// The picture file chooser of the point dialogs: Surrick's file dialog with preview, bound at the
// moment of use. Without the library or its export nothing is chosen.
#include <string>

// The chosen picture path, or "" when nothing was chosen.
std::string ChoosePictureWithPreview();

// The file chooser of the text fields: the beep, then an existing ".txt" or web page (or any
// file); the path in lower case, "" when cancelled.
std::string ChooseTextOrWebPage();
