// The picture page: the picture of m_strEntryTarget over the map, framed with a shadow and a
// caption line below, at the top-left of the window (moved right and down for small pictures).
// A picture taller than the free space is shrunk to whole percents while an album or slide show
// plays (m_nPictureFit 1), else shown in part with the page scroll bar beside it.
#include "view/pages/ViewPages.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/dc/ImageDc.h"
#include "platform/ui/WaitCursor.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/PageColours.h"
#include "view/window/VeldoranView.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kScrollBarWidth = 12;

} // namespace

ViewPages::ViewPages(CVeldoranView& view) : m_view(view), m_doc(*view.GetDocument())
{
    SetPictureBackground(m_doc.environment.m_nBmpBackground);
}

ViewPages::~ViewPages() = default;

void ViewPages::SetPictureBackground(int step)
{
    m_brushPage.DeleteObject();
    m_crPage = PictureBackgroundColour(step);
    m_brushPage.CreateSolidBrush(m_crPage);
}

std::string ViewPages::PageFilePath(const std::string& file) const
{
    const std::size_t colon = file.find(':');
    // A drive-less ":..." names no file; nor does "@:" with nothing after it.
    if (file.empty() || colon == 0)
        return "";
    if (file.find("@:") == std::string::npos)
        return file;
    if (colon + 1 >= file.size())
        return "";
    return m_doc.ExpandAppPath(file);
}

bool ViewPages::LoadPicture(const std::string& path, int jpeg)
{
    if (jpeg == 1) {
        std::optional<vd::WaitCursor> wait;
        if (m_doc.entry.m_nPictureFit != 1)
            wait.emplace();
        m_doc.LoadJpegBitmap(path);
    } else {
        m_doc.LoadBmpPicture(path);
    }
    m_pPictureDc.reset();
    const vd::Dib& picture = m_doc.entry.m_bmpPicture;
    // A picture that failed to decode draws nothing (never the one shown before).
    if (m_doc.entry.m_bPictureLoaded != 1 || picture.IsNull() || picture.Width() <= 0 || picture.AbsHeight() <= 0)
        return false;
    m_nPicWidth = picture.Width();
    m_nPicHeight = picture.AbsHeight();
    m_pPictureDc = std::make_unique<vd::ImageDc>(m_nPicWidth, m_nPicHeight);
    m_pPictureDc->SetDIBitsToDevice(0, 0, m_nPicWidth, m_nPicHeight, 0, 0, 0, m_nPicHeight, picture,
                                    vd::DIB_RGB_COLORS);
    return true;
}

void ViewPages::DrawPictureFrames(vd::Dc& dc, int x, int y, int width, int bottom, bool shadow)
{
    const vd::Pen dark(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Pen oldPen = dc.SelectObject(dark);
    auto box = [&](int left, int top, int right, int lower, const vd::Brush& fill) {
        const vd::Brush oldBrush = dc.SelectObject(fill);
        dc.Rectangle(left, top, right, lower);
        dc.SelectObject(oldBrush);
        // The lines along the right and bottom edges give the box its depth.
        dc.MoveTo(right, top + 1);
        dc.LineTo(right, lower);
        dc.LineTo(left + 1, lower);
    };
    if (shadow)
        box(x - 11, y - 11, x + width + 11, bottom + 31, vd::Brush(vd::RGB(128, 128, 128)));
    box(x - 1, y - 1, x + width + 1, bottom + 1, m_brushPage);
    dc.SelectObject(oldPen);
}

void ViewPages::DrawPicturePage(vd::Dc& dc, int jpeg)
{
    CVeldoranDoc& doc = m_doc;
    const std::string target = PageFilePath(doc.entry.m_strEntryTarget);
    if (doc.m_nFileKind > 1)
        return;
    if (CVeldoranDoc::FileExists(target) != 1) {
        doc.m_strEntryParam.clear();
        doc.repaint.m_bMapOnScreen = 1;
        m_view.m_nPictureState = 1;
        return;
    }
    if (!LoadPicture(target, jpeg))
        return;
    const int w = m_nPicWidth;
    const int h = m_nPicHeight;
    const bool fit = doc.entry.m_nPictureFit == 1;
    const bool captioned = !doc.m_strEntryParam.empty();
    const vd::ui::Rect client = m_view.GetClientRect();
    const int reserved = fit && !captioned ? 10 : 90;
    SetPictureBackground(doc.environment.m_nBmpBackground);
    if (doc.environment.m_nPicturePosition == 1)
        dc.FillRect(vd::Rect{0, 0, client.right, client.bottom}, m_brushPage);

    m_nPicOffsetX = (!fit || doc.repaint.m_bHideSheetButtons == 1) && client.right > 750 && w < 650 ? 150 : 0;
    m_nPicOffsetY = h > 484 || (captioned && doc.entry.m_strPictureCaption == "on") ? 0 : 50;
    const vd::Point origin = dc.OffsetViewportOrg(m_nPicOffsetX, m_nPicOffsetY);

    const int x = w < 501 ? 30 : m_view.m_nMapOriginX + 5;
    const int y = m_bTitleBar ? 40 : 7;
    const int extra = m_bTitleBar ? 0 : 10;
    const int overflow = std::min(0, client.bottom + extra - h - reserved - 83);
    const int bottom = h + overflow - extra + 40;
    m_nPicDestX = x;
    m_nPicDestY = y;
    const vd::Brush oldBrush = dc.SelectObject(m_brushPage);

    if (!(overflow < 0 && fit))
        DrawPictureFrames(dc, x, y, w, bottom, doc.environment.m_nPicturePosition == 0);
    if (overflow < 0 && fit) {
        const int spaceWidth = client.right - m_nPicOffsetX - 2 * x;
        const int percent = std::min(spaceWidth * 100 / w, (bottom - y) * 100 / h);
        const int sw = w * percent / 100;
        const int sh = h * percent / 100;
        if (sw > 0 && sh > 0) {
            DrawPictureFrames(dc, x, y, sw, y + sh, doc.environment.m_nPicturePosition == 0);
            const int oldMode = dc.SetStretchBltMode(vd::HALFTONE);
            dc.StretchBlt(x, y, sw, sh, m_pPictureDc.get(), 0, 0, w, h, vd::SRCCOPY);
            dc.SetStretchBltMode(oldMode);
        }
        m_nPicOverflow = 0;
    } else if (overflow < 0) {
        if (m_view.m_nPagePos < 0)
            m_view.m_nPagePos = 50;
        m_nPicOverflow = overflow;
        const int barLeft = x + w + 1 + m_nPicOffsetX;
        m_view.m_pNavigation->CreatePageScrollBar(barLeft, y + m_nPicOffsetY, barLeft + kScrollBarWidth,
                                                  bottom + m_nPicOffsetY);
        dc.SetViewportOrg(origin.x, origin.y);
        ScrollPicturePage(dc, m_view.m_nPagePos);
        dc.OffsetViewportOrg(m_nPicOffsetX, m_nPicOffsetY);
    } else {
        m_nPicOverflow = 0;
        m_view.m_pNavigation->ResetPageScrollBar();
        dc.BitBlt(x, y, w, h, m_pPictureDc.get(), 0, 0, vd::SRCCOPY);
    }
    dc.SetBkMode(vd::TRANSPARENT);
    dc.TextOut(200, bottom + 5, doc.m_strEntryTitle + "    " + doc.entry.m_strEntryItem);
    dc.SelectObject(oldBrush);
    dc.SetViewportOrg(origin.x, origin.y);
}

void ViewPages::ScrollPicturePage(int position)
{
    vd::ClientDc window = m_view.GetDC();
    if (window)
        ScrollPicturePage(*window, position);
}

void ViewPages::ScrollPicturePage(vd::Dc& dc, int position)
{
    if (m_nPicOverflow >= 0 || !m_pPictureDc)
        return;
    const int h = m_nPicOverflow;
    const int row = int(position * 0.01 * h - h);
    const int rows = m_nPicHeight + h;
    dc.BitBlt(m_nPicDestX + m_nPicOffsetX, m_nPicDestY + m_nPicOffsetY, m_nPicWidth, rows, m_pPictureDc.get(), 0,
              row, vd::SRCCOPY);
}
