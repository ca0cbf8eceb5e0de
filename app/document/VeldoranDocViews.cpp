// Telling the views that the document changed.
#include "app/document/VeldoranDoc.h"

void CVeldoranDoc::UpdateAllViews()
{
    if (repaint.m_fnUpdateAllViews)
        repaint.m_fnUpdateAllViews();
    else
        vd::Document::UpdateAllViews(nullptr);
}
