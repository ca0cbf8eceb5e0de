// The view's parts that later work builds, each in this one place until it lands: the geology
// composition table (command 32782). It draws nothing and answers false meanwhile, so the
// repaint carries on as if the user had cancelled. The prefecture statistics' data display and
// data list are the document's.
#include "app/VeldoranDoc.h"
#include "view/window/VeldoranView.h"

bool CVeldoranView::DrawGeologyTable(vd::Dc&) { return false; }

bool CVeldoranView::SetPrefectureDataDisplay()
{
    m_pDoc->SetPrefectureDataDisplay();
    return true;
}

bool CVeldoranView::ShowDataListDialog(int kind)
{
    m_pDoc->ShowDataListDialog(kind);
    return true;
}
