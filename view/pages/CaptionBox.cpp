// The caption box under a picture: up to six lines of a small text file in a white box with a
// raised edge, on a margin of the page background.
#include "view/pages/ViewPages.h"

#include "app/document/TextFilePieces.h"
#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Cp932.h"
#include "view/window/VeldoranView.h"

namespace {

constexpr int kCaptionLines = 6;
constexpr int kCaptionLineBytes = 3199;
constexpr int kUnwrappedBytes = 79;
constexpr int kLineGap = 18;
constexpr int kBoxWidth = 650;

} // namespace

int ViewPages::DrawCaptionBox(vd::Dc& dc, const std::string& file)
{
    CVeldoranDoc& doc = m_doc;
    const auto read = ReadTextFilePieces(PageFilePath(file), kCaptionLineBytes, kCaptionLines);
    if (!read)
        return 0;
    std::vector<std::string> lines;
    for (const std::string& line : *read) {
        if (vd::cp932Width(line) <= kUnwrappedBytes) {
            lines.push_back(line);
            continue;
        }
        doc.WrapTextPage(line);
        for (const std::string& piece : doc.entry.m_astrWorkText) {
            if (piece == "999")
                break;
            lines.push_back(piece);
        }
    }
    if (lines.size() > std::size_t(kCaptionLines))
        lines.resize(std::size_t(kCaptionLines));

    int top = m_view.GetClientRect().bottom > 711 ? 589 : 579;
    if (doc.m_nFileKind >= 0 && doc.m_nFileKind <= 4)
        top -= 20;
    const int left = m_nPicOffsetX + 15;
    const vd::Rect box{left, top, left + kBoxWidth, top + 6 + kLineGap * kCaptionLines + 6};
    if (doc.environment.m_nPicturePosition != 1)
        dc.FillRect(vd::Rect{box.left - 8, box.top - 7, box.right + 8, box.bottom + 7}, m_brushPage);
    dc.FillSolidRect(box, vd::RGB(255, 255, 255));

    const vd::Font oldFont = dc.SelectObject(m_view.m_fontLabel);
    const int oldMode = dc.SetBkMode(vd::TRANSPARENT);
    const vd::COLORREF oldColour = dc.SetTextColor(vd::RGB(0, 0, 0));
    for (std::size_t n = 0; n < lines.size(); ++n)
        dc.TextOut(m_nPicOffsetX + 22, top + 6 + kLineGap * int(n), lines[n]);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);

    // The raised edge: light on the top and left, dark on the bottom and right.
    const vd::Pen light(vd::PS_SOLID, 1, vd::RGB(255, 255, 255));
    const vd::Pen dark(vd::PS_SOLID, 1, vd::RGB(128, 128, 128));
    const vd::Pen oldPen = dc.SelectObject(light);
    dc.MoveTo(box.left, box.bottom - 1);
    dc.LineTo(box.left, box.top);
    dc.LineTo(box.right - 1, box.top);
    dc.SelectObject(dark);
    dc.LineTo(box.right - 1, box.bottom - 1);
    dc.LineTo(box.left, box.bottom - 1);
    dc.SelectObject(oldPen);
    return 0;
}
