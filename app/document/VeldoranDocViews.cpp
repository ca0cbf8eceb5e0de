// Telling the views that the document changed.
#include "app/document/VeldoranDoc.h"

void CVeldoranDoc::UpdateAllViews()
{
    if (m_fnUpdateAllViews)
        m_fnUpdateAllViews();
    else
        vd::Document::UpdateAllViews(nullptr);
}
