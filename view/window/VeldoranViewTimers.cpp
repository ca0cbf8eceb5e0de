// The view's timers: the automatic album play, the picture slide show and the wait after a
// program the view started. They change state and invalidate; the repaint draws.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "view/pages/ViewPages.h"

std::string PageCounterText(int page, int pageCount, int secondsLeft, const std::string& showSeconds)
{
    if (showSeconds == "on")
        return vd::format("%2d/%3d (%d秒)", page, pageCount, secondsLeft);
    return vd::format("%2d/%3d", page, pageCount);
}

void CVeldoranView::WriteCounter(int y, int page, int ticks)
{
    const std::string counter =
        PageCounterText(page, m_pDoc->entry.m_nAlbumPageCount, m_nPageInterval - ticks, m_strShowSeconds);
    vd::ClientDc window = GetDC();
    if (window)
        window->TextOut(1, y, counter);
}

void CVeldoranView::OnTimer(int id)
{
    CVeldoranDoc& doc = *m_pDoc;
    switch (id) {
    case IDT_AFTERPROGRAM:
        if (m_nSlideTicks == 2) {
            m_nSlideTicks = 0;
            doc.repaint.m_strViewState.clear();
            KillTimer(IDT_AFTERPROGRAM);
            m_bAfterProgramTimerRunning = false;
            InvalidateView(true);
        } else {
            ++m_nSlideTicks;
        }
        break;
    case IDT_SLIDESHOW:
        if (m_nSlideTicks == m_nPageInterval) {
            m_nSlideTicks = 0;
            doc.repaint.m_strViewState = "9999";
            KillTimer(IDT_SLIDESHOW);
            m_bSlideTimerRunning = false;
            InvalidateView(false);
        } else {
            ++m_nSlideTicks;
            WriteCounter(1, m_nPageIndex, m_nSlideTicks);
        }
        break;
    case IDT_ALBUMPAGE:
        if (m_nAlbumTicks != m_nPageInterval) {
            ++m_nAlbumTicks;
            WriteCounter(5, m_nPageIndex + 1, m_nAlbumTicks);
            break;
        }
        KillTimer(IDT_ALBUMPAGE);
        while (true) {
            ++m_nPageIndex;
            // An index past the page list reads as its end.
            const std::string& entry = m_pPages->AlbumPage(m_nPageIndex);
            if (entry.empty() || entry == "999") {
                doc.m_nMapDisplayMode = map_display::kIdle;
                m_nAlbumTicks = 0;
                InvalidateView(false);
                return;
            }
            if (m_nAlbumPlayOption == 2) {
                doc.m_nFileKind = CVeldoranDoc::GetFileKind(entry);
                if (doc.m_nFileKind >= 5 && m_nPageIndex <= doc.entry.m_nAlbumPageCount - 1)
                    continue;
            }
            break;
        }
        doc.m_nMapDisplayMode = m_nPageIndex == doc.entry.m_nAlbumPageCount ? map_display::kIdle : map_display::kAlbum;
        m_nAlbumTicks = 0;
        InvalidateView(false);
        break;
    default:
        break;
    }
}
