// The view's parts that the libraries' dialogs and drawings answer: the geology composition
// table of command 32782 (Dovanne) and the prefecture statistics' data display and data list
// (Surrick, through the document).
#include "app/document/VeldoranDoc.h"
#include "view/layercommands/GeologyTableCommand.h"
#include "view/window/VeldoranView.h"

bool CVeldoranView::DrawGeologyTable(vd::Dc& dc) { return DrawGeologyCompositionTable(*this, dc); }

void CVeldoranView::SetPrefectureDataDisplay() { m_pDoc->SetPrefectureDataDisplay(); }

void CVeldoranView::ShowDataListDialog(int kind) { m_pDoc->ShowDataListDialog(kind); }
