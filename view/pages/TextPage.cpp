// The text page of map mode 20: a text file set in the text font, one page at a time, under a
// title box with the entry caption, the file and the text's keyword category, on a panel in the
// category's colour; ↑/↓ buttons and a page counter when it has more than one page. While the
// view prints, the same page in the print layout on white.
#include "view/pages/ViewPages.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/PageColours.h"
#include "view/pages/TextPageLayout.h"
#include "view/pages/TextPageLines.h"
#include "view/window/VeldoranView.h"

#include <algorithm>
#include <cstdlib>

namespace {

TextCategorySettings CategorySettings(const CVeldoranDoc& doc)
{
    TextCategorySettings s;
    s.key1 = doc.environment.m_strKey1;
    s.key2 = doc.environment.m_strKey2;
    s.key3 = doc.environment.m_strKey3;
    s.category0 = doc.environment.m_strCtgry0;
    s.category1 = doc.environment.m_strCtgry1;
    s.category2 = doc.environment.m_strCtgry2;
    s.category3 = doc.environment.m_strCtgry3;
    for (int i = 0; i < 5; ++i)
        s.keyCount[i] = doc.environment.m_anKeyCount[std::size_t(i)];
    return s;
}

// The print layout's font: the text font scaled as its lines are (18 pixels to 75 units).
vd::Font PrintFont(const vd::LogFont& screen)
{
    vd::LogFont print = screen;
    print.lfHeight = std::abs(screen.lfHeight) * 42 / 10;
    print.lfWidth = 0;
    vd::Font font;
    font.CreateFontIndirect(print);
    return font;
}

} // namespace

void ViewPages::ShowTextPage(vd::Dc& dc)
{
    CVeldoranDoc& doc = m_doc;
    // Entered anew when the text differs or another screen's buttons are still there (the same
    // text opened again from the map): the page then shows its own buttons alone.
    const bool otherScreen = m_view.m_pNavigation && m_view.m_pNavigation->ShowsButtonsBesides({16, 30, 31});
    if (doc.m_strEntryParam != m_strShownText || otherScreen) {
        m_nTextPage = 0;
        m_nTextPageCount = 0;
        m_nTextCategory = 0;
        // The buttons of the screen shown before; this text's count decides on its arrows.
        m_view.m_pNavigation->RemoveViewButtons(1);
        m_view.m_pNavigation->AddViewButtons(2);
    }
    doc.repaint.m_nSavedMapDisplayMode = doc.m_nMapDisplayMode;
    m_strShownText = doc.m_strEntryParam;
    m_view.m_strSavedEntryParam = doc.m_strEntryParam;
    m_view.m_strSavedMapName = doc.m_strMapName;
    DrawTextPage(dc, doc.m_strEntryParam);
}

void ViewPages::StepTextPage(int step)
{
    m_nTextPage = std::clamp(m_nTextPage + step, 0, std::max(m_nTextPageCount, 0));
}

void ViewPages::DrawTextLines(vd::Dc& dc, int x, int y, int lineHeight, int first, int count)
{
    for (int i = 0; i < count && first + i < int(m_astrTextLine.size()); ++i)
        dc.TextOut(x, y + i * lineHeight, m_astrTextLine[std::size_t(first + i)]);
}

// The file and category stand at 250 unless a button of the view covers them there (the album's
// ⊆Θ⊇ in a narrow window): then they start after it, so both show.
int ViewPages::TextHeadingLeft(const vd::Dc& dc, const std::string& heading) const
{
    constexpr int kHeadingLeft = 250, kHeadingTop = 5, kGap = 8;
    const auto extent = dc.GetTextExtent(heading);
    const int width = extent.cx;
    const int height = extent.cy;
    int left = kHeadingLeft;
    if (m_view.m_pNavigation)
        for (const vd::ui::Rect& button : m_view.m_pNavigation->ShownButtonsOnRows(kHeadingTop, kHeadingTop + height))
            if (button.left < left + width && left < button.right)
                left = button.right + kGap;
    return left;
}

void ViewPages::DrawTextPage(vd::Dc& dc, const std::string& file)
{
    CVeldoranDoc& doc = m_doc;
    const std::string path = PageFilePath(file);
    auto lines = CVeldoranDoc::FileExists(path) == 1 ? ReadTextPageLines(path) : std::nullopt;
    if (!lines)
        return;
    m_astrTextLine = std::move(*lines);
    const bool printing = m_view.m_nPrintState == -1;

    vd::Font printFont;
    if (printing)
        printFont = PrintFont(m_view.m_logFontText);
    const vd::Font oldFont = dc.SelectObject(printing ? printFont : m_view.m_fontText);
    vd::TextMetric metric;
    dc.GetTextMetrics(metric);
    // The screen's layout also decides where the printed page starts.
    const int fontHeight = printing ? std::abs(m_view.m_logFontText.lfHeight) : metric.tmHeight;
    const TextPageLayout layout = TextPageLayoutFor(fontHeight);

    m_nTextPageCount = LastTextPage(int(m_astrTextLine.size()), layout.linesPerPage);
    m_nTextPage = std::clamp(m_nTextPage, 0, m_nTextPageCount);
    const TextCategory category = CategoriseText(m_astrTextLine, CategorySettings(doc));
    m_nTextCategory = category.category;
    m_strCategoryText = category.text;

    const int oldBackGrand = doc.environment.m_nBackGrandColor;
    if (printing)
        doc.environment.m_nBackGrandColor = 0; // a white page
    const vd::COLORREF background =
        doc.environment.m_nBackGrandColor == 0 ? vd::RGB(255, 255, 255) : TextCategoryColour(m_nTextCategory);
    const vd::Brush white(vd::RGB(255, 255, 255));
    const vd::Brush oldBrush = dc.SelectObject(white);
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Pen oldPen = dc.SelectObject(black);
    const vd::COLORREF oldText = dc.SetTextColor(vd::RGB(0, 0, 0));
    const vd::COLORREF oldBk = dc.SetBkColor(vd::RGB(255, 255, 255));
    const int first = m_nTextPage * layout.linesPerPage;
    const std::string heading = file + " " + m_strCategoryText;

    if (!printing) {
        const int oldMap = dc.SetMapMode(vd::MM_TEXT);
        dc.RoundRect(90, 3, 220, 25, 5, 5);
        dc.TextOut(100, 5, doc.entry.m_strEntryCaption);
        dc.TextOut(TextHeadingLeft(dc, heading), 5, heading);
        if (m_nTextPageCount > 0) {
            const int c = layout.buttonColumn;
            m_view.m_pNavigation->SetViewButton(30, std::string("↑"), c, 50, c + 18, 95);
            m_view.m_pNavigation->SetViewButton(31, std::string("↓"), c, 100, c + 18, 145);
            dc.TextOut(c, 150, vd::format("%d/%d", m_nTextPage + 1, m_nTextPageCount + 1));
        }
        if (doc.environment.m_nBackGrandColor == 1) {
            const vd::Brush panel(background);
            dc.SelectObject(panel);
            dc.RoundRect(15, 30, 655 + layout.panelWidening, 700, 20, 20);
            dc.SelectObject(white);
        }
        dc.SetBkColor(background);
        DrawTextLines(dc, 22, 40, layout.lineHeight, first, layout.linesPerPage);
        dc.SetMapMode(oldMap);
    } else {
        const int oldMap = dc.SetMapMode(vd::MM_ANISOTROPIC);
        const vd::Size oldWindow = dc.SetWindowExt(700, -760);
        const vd::Size oldViewport = dc.SetViewportExt(700, -760);
        const int x = metric.tmHeight > 75 ? 0 : 231;
        const int y = 210;
        dc.RoundRect(x + 378, y + 12, x + 924, y + 105, 21, 21);
        dc.TextOut(x + 420, y + 21, doc.entry.m_strEntryCaption);
        dc.TextOut(x + 1050, y + 21, heading);
        dc.SetBkColor(background);
        DrawTextLines(dc, x + 22, y + 168, kPrintLineHeight, first, kPrintLinesPerPage);
        dc.SetViewportExt(oldViewport.cx, oldViewport.cy);
        dc.SetWindowExt(oldWindow.cx, oldWindow.cy);
        dc.SetMapMode(oldMap);
    }
    dc.SetBkColor(oldBk);
    dc.SetTextColor(oldText);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldFont);
    doc.environment.m_nBackGrandColor = oldBackGrand;
    doc.repaint.m_bMapOnScreen = 0;
}
