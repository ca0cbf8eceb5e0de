// The document's command 地図の表示仕様: runs the 地図の表示仕様 dialog on copies of the
// settings, takes them back on OK and draws the map again when a drawing setting changed.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"

#include "app/settings/MapDisplaySpec.h"
#include "app/settings/MapDisplaySpecDialog.h"
#include "platform/ui/Application.h"
#include "platform/ui/FrameWindow.h"

void CVeldoranDoc::EditMapDisplaySpec()
{
    const MapDisplaySpec before = ReadMapDisplaySpec(*this);
    MapDisplaySpec after = before;
    {
        vd::Application* app = vd::Application::current();
        CDlgMapDisplaySpec dialog(app ? app->m_pMainWnd : nullptr);
        dialog.m_spec = before;
        repaint.m_bLayerDialogOpen = 1;
        if (dialog.DoModal() == vd::IDOK) {
            after = dialog.m_spec;
            WriteMapDisplaySpec(*this, after);
        }
    }
    repaint.m_bLayerDialogOpen = 0;
    if (m_nSiteNameDisplay == 1 && spec.m_nSiteNamePopup == 1)
        spec.m_nPlaceNamePopupActive = pointer.m_nMouseTool == 0 ? 1 : 0;
    if (!MapDisplayChanged(before, after))
        return;
    spec.m_nKeywordActive = spec.m_strPointKeyword.empty() ? 0 : 1;
    if (position.m_nMapType >= 4) {
        m_nMapDisplayMode = map_display::kSheetPicture;
        UpdateAllViews();
    } else {
        ShowSheetByIndex(15);
    }
}
