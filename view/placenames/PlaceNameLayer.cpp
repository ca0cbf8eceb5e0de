// The view's place-name layer on the sheet map: a panel with the search condition (Dovanne's
// OnGnpfOutPut before the drawing) and the counts (after it), the hits searched and drawn, or
// the kept results drawn again, and on a wide view the button that opens the search; and the
// command that hides the hits.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "platform/ui/WaitCursor.h"
#include "view/navigation/ViewNavigation.h"
#include "view/placenames/SearchResultLines.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/ViewBaseMap.h"

#include <algorithm>

namespace {

constexpr int kWideView = 800;
constexpr int kSearchButton = 40;

} // namespace

void CVeldoranView::DrawPlaceNameLayer(vd::Dc& dc, int flag)
{
    CVeldoranDoc& doc = *m_pDoc;
    const int w = m_nSavedWidth;
    const bool wide = w > kWideView;
    const vd::Rect panel = wide ? vd::Rect{w - 185, 175, w - 10, 300} : vd::Rect{5, 630, 455, 690};
    if (m_pBaseMap)
        m_pBaseMap->DrawBevelBox(dc, panel.left, panel.top, panel.right, panel.bottom);

    auto* writeCondition = Dovanne().OnGnpfOutPut.fn;
    const bool facilities = doc.search.m_nPlaceNameLayer > 0;
    const auto condition = [&](int phase) {
        if (!writeCondition)
            return;
        writeCondition(&dc, phase, panel.left, panel.top, doc.search.m_nPlaceNameLayer, doc.m_nResultCount,
                       doc.m_nResultDrawn, facilities ? doc.m_nGnpfValue4 : doc.m_nGnpfValue3,
                       facilities ? -1 : doc.m_nGnpfValue4, doc.m_nGnpfValue5, w, doc.m_strGnpfText1,
                       doc.m_strGnpfText2, doc.m_strGnpfText3, doc.m_strGnpfText4, doc.m_strGnpfText5,
                       doc.m_strGnpfText6, doc.m_strGnpfRest);
    };
    condition(0);
    {
        vd::WaitCursor wait;
        CMapRenderer renderer(&dc, &doc, w, m_nSavedHeight);
        if (flag == 0)
            renderer.DrawPlaceNames();
        else if (doc.m_nResultCount > 0 && doc.m_strPlaceNameState != "GNPF")
            renderer.DrawSearchResults();
    }
    condition(1);
    if (wide)
        m_pNavigation->SetViewButton(kSearchButton, "地名･公共施設", w - 90, 280, w - 13, 298);
}

void CVeldoranView::OnHidePlaceNames()
{
    CVeldoranDoc& doc = *m_pDoc;
    const int count = std::clamp(doc.m_nResultCount, 0, kSearchResultRoom);
    std::fill_n(doc.m_astrPlaceRecord.begin(), count, std::string());
    doc.m_astrResultFileLine.clear();
    doc.search.m_nPlaceNameLayer = -1;
    doc.m_nMapDisplayMode = map_display::kMainMap;
    doc.pointer.m_nFindPlaceKind = 1;
    doc.m_nResultCount = 0;
    m_pNavigation->SetViewButton(kSearchButton, "", 0, 0, 0, 0);
    InvalidateView(true);
}
