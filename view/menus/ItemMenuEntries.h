#pragma once
// The entries of the five text menus and three picture menus of the text/picture menu bar, run
// when chosen: a text is shown by the document (as a page or in the text dialog), a picture in
// the view or in Surrick's picture window, a program or viewer is started.
#include <string>

class CVeldoranView;

// item: 0-34; menu: 0-4 text menus, 5-7 picture menus; kind: 0 text, 1 picture menus.
void RunItemMenuEntry(CVeldoranView& view, int item, int menu, int kind);

// Shows a picture file in Surrick's picture window, sized for the view ("VELDORAN",
// "VELDORAN_UP" with a caption box beside it on a wide view, or "SMALL"); "@:" names the
// application folder. A missing file shows nothing.
void ShowPictureDialog(CVeldoranView& view, const std::string& path, const std::string& title,
                       const std::string& parameter);
