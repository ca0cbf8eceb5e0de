// The page scroll bar of the text and picture pages: made anew with each page, scrolled by
// lines of 1 and pages of 10 over 0..100.
#include "view/navigation/ViewNavigation.h"

#include "platform/ui/Controls.h"
#include "platform/ui/WinConstants.h"
#include "view/pages/ViewPages.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

void ViewNavigation::CreatePageScrollBar(int left, int top, int right, int bottom)
{
    Retire(std::move(m_pPageScrollBar));
    m_pPageScrollBar = std::make_unique<vd::ScrollBar>();
    if (m_view.m_nPagePos < 0)
        return;
    if (m_pPageScrollBar->Create(vd::WS_CHILD | vd::WS_VISIBLE | vd::SBS_VERT, {left, top, right, bottom}, &m_view,
                                 ID_PAGE_SCROLL_BAR)) {
        m_pPageScrollBar->SetScrollRange(0, 100);
        m_pPageScrollBar->SetScrollPos(m_view.m_nPagePos);
    }
}

void ViewNavigation::ResetPageScrollBar()
{
    Retire(std::move(m_pPageScrollBar));
    m_pPageScrollBar = std::make_unique<vd::ScrollBar>();
}

void ViewNavigation::OnVScroll(int code, int pos)
{
    if (m_view.m_nPagePos < 0 || !m_pPageScrollBar || !m_pPageScrollBar->IsWindow())
        return;
    int low = 0, high = 0;
    m_pPageScrollBar->GetScrollRange(&low, &high);
    // The position the view set last: the platform's bar may already have moved itself.
    int position = m_view.m_nPagePos;
    switch (code) {
    case vd::SB_LINEUP:
        position -= 1;
        break;
    case vd::SB_LINEDOWN:
        position += 1;
        break;
    case vd::SB_PAGEUP:
        position -= 10;
        break;
    case vd::SB_PAGEDOWN:
        position += 10;
        break;
    case vd::SB_THUMBPOSITION:
        position = pos;
        break;
    default:
        return;
    }
    position = std::clamp(position, low, high);
    m_view.m_nPagePos = position;
    m_pPageScrollBar->SetScrollPos(position);
    m_view.m_pPages->ScrollPicturePage(position);
}

void CVeldoranView::OnVScroll(int code, int pos, vd::ScrollBar* bar)
{
    if (m_pNavigation)
        m_pNavigation->OnVScroll(code, pos);
    vd::View::OnVScroll(code, pos, bar);
}
