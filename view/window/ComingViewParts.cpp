// The view's parts that later work builds, each in this one place until it lands: the geology
// composition table (command 32782) and the prefecture statistics' data display and data list
// (commands 33284 and 33285). Each draws and shows nothing and answers false meanwhile, so the
// repaint and the buttons that reach them carry on as if the user had cancelled.
#include "view/window/VeldoranView.h"

bool CVeldoranView::DrawGeologyTable(vd::Dc&) { return false; }

bool CVeldoranView::SetPrefectureDataDisplay() { return false; }

bool CVeldoranView::ShowDataListDialog(int) { return false; }
