// The text page: its layout by font size class, page counter and buttons, keyword categories and
// their colours, the print layout, and the page shown by a repaint of map mode 20 (as a text
// entry of a menu leaves the document) and inside an album page.
#include "MapViewFixture.h"
#include "PdfPages.h"

#include "platform/dc/GdiConstants.h"
#include "platform/dc/PrinterDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/PageColours.h"
#include "view/pages/TextPageLayout.h"
#include "view/pages/ViewPages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace viewtest;

std::string NumberedLines(int count, const std::string& word = "line")
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += word + " " + std::to_string(i) + "\r\n";
    return vd::utf8ToCp932(text);
}

TEST(TextPageLayoutTest, SizeClassesGiveLinesColumnsAndPanels)
{
    struct Case {
        int height, sizeClass, lineHeight, lines, column, widening;
    };
    const Case cases[] = {
        {11, 0, 15, 44, 657, 0},  {12, 1, 16, 41, 657, 0},  {15, 2, 17, 38, 657, 0},  {16, 3, 18, 36, 657, 0},
        {18, 3, 18, 36, 657, 0},  {19, 4, 18, 35, 787, 130}, {20, 5, 20, 33, 817, 160}, {21, 6, 21, 31, 867, 210},
        {22, 7, 22, 29, 957, 300}, {23, 8, 23, 27, 957, 300}, {24, 9, 24, 27, 977, 320}, {25, 10, 25, 25, 1007, 350},
    };
    for (const Case& c : cases) {
        const TextPageLayout layout = TextPageLayoutFor(c.height);
        EXPECT_EQ(layout.sizeClass, c.sizeClass) << c.height;
        EXPECT_EQ(layout.lineHeight, c.lineHeight) << c.height;
        EXPECT_EQ(layout.linesPerPage, c.lines) << c.height;
        EXPECT_EQ(layout.buttonColumn, c.column) << c.height;
        EXPECT_EQ(layout.panelWidening, c.widening) << c.height;
    }
}

TEST(TextPageLayoutTest, EveryLineCanBePagedTo)
{
    EXPECT_EQ(LastTextPage(0, 36), 0);
    EXPECT_EQ(LastTextPage(35, 36), 0);
    EXPECT_EQ(LastTextPage(36, 36), 1); // "1/2" as it always was
    EXPECT_EQ(LastTextPage(35, 35), 0);
    EXPECT_EQ(LastTextPage(35, 33), 1); // class 5: 35 lines overflow one page
    EXPECT_EQ(LastTextPage(100, 25), 3);
    EXPECT_EQ(LastTextPage(4999, 44), 138);
}

TEST(TextPageLayoutTest, KeywordsChooseTheCategory)
{
    TextCategorySettings s{"寺", "神社", "博物", "散策", "仏閣", "神社", "博物館"};
    auto lines = [](std::initializer_list<std::pair<int, std::string>> groups) {
        std::vector<std::string> out;
        for (const auto& [n, text] : groups)
            for (int i = 0; i < n; ++i)
                out.push_back(text);
        return out;
    };
    const auto temple = CategoriseText(lines({{8, "古い寺"}, {2, "道"}}), s);
    EXPECT_EQ(temple.category, 2);
    EXPECT_EQ(temple.text, "仏閣");
    EXPECT_EQ(CategoriseText(lines({{7, "古い寺"}}), s).category, 1);
    EXPECT_EQ(CategoriseText(lines({{8, "神社"}, {2, "寺"}}), s).category, 5);
    EXPECT_EQ(CategoriseText(lines({{8, "神社"}, {3, "寺"}}), s).category, 1);
    const auto museum = CategoriseText(lines({{1, "博物"}, {7, "神社"}}), s);
    EXPECT_EQ(museum.category, 6);
    EXPECT_EQ(museum.text, "博物館");
    EXPECT_EQ(CategoriseText(lines({{1, "博物"}, {6, "神社"}}), s).category, 5) << "one short of 博物館";
    // Only the first 50 lines count.
    EXPECT_EQ(CategoriseText(lines({{50, "道"}, {8, "寺"}}), s).category, 1);
    EXPECT_EQ(CategoriseText({}, s).text, "散策");
}

TEST(TextPageLayoutTest, BackgroundStepsAndCategoryColours)
{
    const int greys[] = {0, 40, 80, 120, 160, 200, 210, 220, 230, 240, 255};
    for (int step = 0; step <= 10; ++step)
        EXPECT_EQ(PictureBackgroundColour(step), vd::RGB(greys[step], greys[step], greys[step])) << step;
    EXPECT_EQ(PictureBackgroundColour(11), vd::RGB(240, 240, 240));
    EXPECT_EQ(PictureBackgroundColour(-1), vd::RGB(240, 240, 240));
    const vd::COLORREF colours[] = {vd::RGB(255, 255, 255), vd::RGB(0, 255, 255), vd::RGB(255, 255, 0),
                                    vd::RGB(255, 192, 0),   vd::RGB(255, 255, 128), vd::RGB(167, 211, 211),
                                    vd::RGB(0, 255, 0)};
    for (int c = 0; c <= 6; ++c)
        EXPECT_EQ(TextCategoryColour(c), colours[c]) << c;
}

class TextPage : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        pages = view->m_pPages.get();
        doc->entry.m_strEntryCaption = "案内";
    }

    void UseFontHeight(int height)
    {
        view->m_fontText.DeleteObject();
        vd::LogFont font = view->m_logFontText;
        font.lfHeight = height;
        view->m_fontText.CreateFontIndirect(font);
        view->m_logFontText = font;
    }

    std::vector<vd::RecordedText> LinesOf(const vd::RecordingDc& dc) const
    {
        std::vector<vd::RecordedText> out;
        for (const vd::RecordedText& t : dc.Texts())
            if (t.text.rfind("line ", 0) == 0)
                out.push_back(t);
        return out;
    }

    std::vector<vd::RecordedCall> RoundRects(const vd::RecordingDc& dc) const
    {
        std::vector<vd::RecordedCall> out;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == vd::DrawOp::RoundRect)
                out.push_back(c);
        return out;
    }

    bool HasButton(const std::string& button) const
    {
        const std::vector<std::string> shown = ShownButtons();
        return std::find(shown.begin(), shown.end(), button) != shown.end();
    }

    ViewPages* pages = nullptr;
};

TEST_F(TextPage, EachSizeClassLaysOutItsLinesCounterAndPanel)
{
    WriteHomeFile("TEXT/LONG.TXT", NumberedLines(120));
    struct Case {
        int height, lineHeight, lines, column, widening;
    };
    for (const Case& c : {Case{11, 15, 44, 657, 0}, Case{16, 18, 36, 657, 0}, Case{19, 18, 35, 787, 130},
                          Case{22, 22, 29, 957, 300}, Case{25, 25, 25, 1007, 350}}) {
        UseFontHeight(c.height);
        view->m_pNavigation->RemoveViewButtons(1);
        pages->m_nTextPage = 1;
        vd::RecordingDc dc;
        pages->DrawTextPage(dc, "@:TEXT\\LONG.TXT");
        const auto lines = LinesOf(dc);
        ASSERT_EQ(int(lines.size()), c.lines) << c.height;
        EXPECT_EQ(lines[0].text, "line " + std::to_string(c.lines)) << "page 2 starts after page 1";
        EXPECT_EQ(lines[0].at, (vd::Point{22, 40}));
        EXPECT_EQ(lines[1].at, (vd::Point{22, 40 + c.lineHeight}));
        const int last = std::max(120 / 36, 119 / c.lines);
        EXPECT_EQ(pages->m_nTextPageCount, last);
        bool counter = false;
        for (const vd::RecordedText& t : dc.Texts())
            counter |= t.at == vd::Point{c.column, 150} && t.text == "2/" + std::to_string(last + 1);
        EXPECT_TRUE(counter) << c.height;
        EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"30 ↑", "31 ↓"})) << c.height;
        const auto boxes = RoundRects(dc);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].op.rect, (vd::Rect{15, 30, 655 + c.widening, 700}));
        EXPECT_EQ(boxes[1].op.corner, (vd::Size{20, 20}));
    }
}

TEST_F(TextPage, TitleBoxCaptionFileAndCategory)
{
    WriteHomeFile("TEXT/TERA.TXT", NumberedLines(10, "寺"));
    vd::RecordingDc dc;
    pages->DrawTextPage(dc, "@:TEXT\\TERA.TXT");
    const auto boxes = RoundRects(dc);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].op.rect, (vd::Rect{90, 3, 220, 25}));
    EXPECT_EQ(boxes[0].op.corner, (vd::Size{5, 5}));
    EXPECT_EQ(boxes[1].state.brush.Colour(), vd::RGB(255, 255, 0));
    const auto texts = dc.Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].at, (vd::Point{100, 5}));
    EXPECT_EQ(texts[0].text, "案内");
    EXPECT_EQ(texts[1].at, (vd::Point{250, 5}));
    EXPECT_EQ(texts[1].text, "@:TEXT\\TERA.TXT 仏閣");
    EXPECT_EQ(texts[2].colour, vd::RGB(0, 0, 0));
    EXPECT_EQ(texts[2].background, vd::RGB(255, 255, 0));
    EXPECT_EQ(pages->m_nTextCategory, 2);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);

    // BackGrandColor 0: white, no panel.
    doc->environment.m_nBackGrandColor = 0;
    vd::RecordingDc white;
    pages->DrawTextPage(white, "@:TEXT\\TERA.TXT");
    EXPECT_EQ(RoundRects(white).size(), 1u);
    EXPECT_EQ(white.Texts()[2].background, vd::RGB(255, 255, 255));
}

TEST_F(TextPage, ThirtyFiveLinesHaveNoButtonsThirtySixHaveOneOfTwo)
{
    WriteHomeFile("TEXT/35.TXT", NumberedLines(35));
    WriteHomeFile("TEXT/36.TXT", NumberedLines(36));
    vd::RecordingDc short_;
    pages->DrawTextPage(short_, "@:TEXT\\35.TXT");
    EXPECT_FALSE(HasButton("30 ↑"));
    EXPECT_EQ(pages->m_nTextPageCount, 0);
    vd::RecordingDc full;
    pages->DrawTextPage(full, "@:TEXT\\36.TXT");
    EXPECT_TRUE(HasButton("30 ↑"));
    bool counter = false;
    for (const vd::RecordedText& t : full.Texts())
        counter |= t.at == vd::Point{657, 150} && t.text == "1/2";
    EXPECT_TRUE(counter);
    // The ↓ button steps to the last page and no further; ↑ back to the first.
    pages->StepTextPage(1);
    pages->StepTextPage(1);
    EXPECT_EQ(pages->m_nTextPage, 1);
    pages->StepTextPage(-1);
    pages->StepTextPage(-1);
    EXPECT_EQ(pages->m_nTextPage, 0);
}

TEST_F(TextPage, MissingOrUnnamedFilesDrawNothing)
{
    for (const char* file : {"@:TEXT\\NONE.TXT", "@:", ":X.TXT", ""}) {
        vd::RecordingDc dc;
        pages->DrawTextPage(dc, file);
        EXPECT_TRUE(dc.Calls().empty()) << file;
    }
}

TEST_F(TextPage, APrintedPageHasItsOwnLayoutOnWhite)
{
    WriteHomeFile("TEXT/TERA.TXT", NumberedLines(60, "寺"));
    doc->m_strEntryParam = "@:TEXT\\TERA.TXT";
    view->m_nPrintState = -1;
    vd::RecordingDc dc;
    const vd::Font before = dc.GetCurrentFont();
    view->OnDraw(dc);
    const auto boxes = RoundRects(dc);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].op.rect, (vd::Rect{231 + 378, 210 + 12, 231 + 924, 210 + 105}));
    EXPECT_EQ(boxes[0].op.corner, (vd::Size{21, 21}));
    EXPECT_EQ(boxes[0].state.mapMode, vd::MM_ANISOTROPIC);
    EXPECT_EQ(boxes[0].state.windowExt, (vd::Size{700, -760}));
    EXPECT_EQ(boxes[0].state.viewportExt, (vd::Size{700, -760}));
    const auto texts = dc.Texts();
    EXPECT_EQ(texts[0].at, (vd::Point{231 + 420, 210 + 21}));
    EXPECT_EQ(texts[1].at, (vd::Point{231 + 1050, 210 + 21}));
    EXPECT_EQ(texts[2].at, (vd::Point{231 + 22, 210 + 168}));
    EXPECT_EQ(texts[3].at, (vd::Point{231 + 22, 210 + 168 + 75}));
    EXPECT_EQ(texts[2].background, vd::RGB(255, 255, 255));
    EXPECT_EQ(int(texts.size()), 2 + 50);
    EXPECT_FALSE(HasButton("30 ↑"));
    EXPECT_EQ(dc.GetCurrentFont(), before);
    EXPECT_EQ(dc.GetMapMode(), vd::MM_TEXT);
    EXPECT_EQ(doc->environment.m_nBackGrandColor, 1);
}

// A text entry of a menu leaves the text in m_strEntryParam and map mode 19; the repaint shows it.
class TextPageRepaint : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        WriteHomeFile("TEXT/TERA.TXT", NumberedLines(12, "寺") + NumberedLines(3));
        WriteHomeFile("TEXT/WALK.TXT", NumberedLines(12, "道"));
    }

    void ShowEntry(const std::string& file)
    {
        doc->m_strEntryTitle = "散歩";
        doc->m_strEntryParam = file;
        doc->m_nMapDisplayMode = 19;
        Repaint();
    }
};

TEST_F(TextPageRepaint, AMenuTextShowsItsPageInModeTwenty)
{
    ShowEntry("@:TEXT\\TERA.TXT");
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_EQ(picture->GetPixel(600, 600), vd::RGB(255, 255, 0)) << "the 仏閣 panel";
    EXPECT_EQ(view->m_pPages->m_strShownText, "@:TEXT\\TERA.TXT");
    int dark = 0;
    for (int y = 40; y < 58; ++y)
        for (int x = 22; x < 100; ++x)
            dark += vd::GetRValue(picture->GetPixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 20) << "the first line";

    ShowEntry("@:TEXT\\WALK.TXT");
    EXPECT_EQ(picture->GetPixel(600, 600), vd::RGB(0, 255, 255)) << "the 散策 panel";
}

TEST_F(TextPageRepaint, AnAlbumTextPageDrawsItsOwnLinesNotTheAlbumPages)
{
    view->m_pPages->SetAlbumPages({"page 0", "page 1", "page 2"});
    doc->m_nMapDisplayMode = 13;
    vd::RecordingDc dc;
    view->m_pPages->DrawTextPage(dc, "@:TEXT\\WALK.TXT");
    std::vector<std::string> texts;
    for (const vd::RecordedText& t : dc.Texts())
        texts.push_back(t.text);
    ASSERT_GE(texts.size(), 14u);
    EXPECT_EQ(texts[2], "道 0");
    EXPECT_EQ(texts[13], "道 11");
    EXPECT_EQ(view->m_pPages->AlbumPage(0), "page 0");
    EXPECT_EQ(view->m_pPages->AlbumPage(3), "999");
}

TEST_F(TextPageRepaint, APrintedTextPageGoesToThePdfInItsPrintLayout)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("veldoran-textprint-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path pdf = folder / "text.pdf";
    doc->m_strEntryParam = "@:TEXT\\TERA.TXT";
    doc->entry.m_strEntryCaption = "案内";
    int offsetX = 0, offsetY = 0;
    {
        auto printer = vd::PrinterDc::ForPdf(pdf.string());
        ASSERT_TRUE(printer);
        offsetX = printer->GetDeviceCaps(vd::PHYSICALOFFSETX);
        offsetY = printer->GetDeviceCaps(vd::PHYSICALOFFSETY);
        printer->StartDoc("text");
        printer->StartPage();
        view->OnBeginPrinting();
        view->OnDraw(*printer);
        view->m_nPrintState = 1;
        printer->EndPage();
        printer->EndDoc();
    }
    const std::vector<Picture> pages = Rasterise(pdf);
    fs::remove_all(folder);
    ASSERT_EQ(pages.size(), 1u);
    const Picture& page = pages[0];
    const double scale = kRenderDpi / 600.0;
    auto px = [&](int x) { return int((x + offsetX) * scale); };
    auto py = [&](int y) { return int((y + offsetY) * scale); };
    // The title box's top edge, the caption inside it and the first line below it: inked pixels.
    auto darkIn = [&](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = py(top); y <= py(bottom); ++y)
            for (int x = px(left); x <= px(right); ++x)
                n += page.grey(x, y) < 220 ? 1 : 0; // thin lines print grey at this resolution
        return n;
    };
    EXPECT_GT(darkIn(231 + 500, 210 + 0, 231 + 800, 210 + 40), 10) << "title box top edge";
    EXPECT_GT(darkIn(231 + 420, 210 + 21, 231 + 600, 210 + 110), 20) << "caption";
    EXPECT_GT(darkIn(231 + 22, 210 + 168, 231 + 400, 210 + 168 + 110), 20) << "first line";
    EXPECT_EQ(darkIn(231 + 22, 210 + 120, 231 + 300, 210 + 150), 0) << "between the box and the lines";
}

TEST_F(TextPageRepaint, TheDownAndUpButtonsTurnThePages)
{
    WriteHomeFile("TEXT/LONG.TXT", NumberedLines(80));
    ShowEntry("@:TEXT\\LONG.TXT");
    vd::Button* down = view->m_pNavigation->ViewButton(31);
    ASSERT_TRUE(down && down->IsWindow());
    vd::DialogDriver::clickControl(*down);
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_EQ(view->m_pPages->m_nTextPage, 1);
    Repaint();
    vd::DialogDriver::clickControl(*view->m_pNavigation->ViewButton(31));
    vd::DialogDriver::clickControl(*view->m_pNavigation->ViewButton(31));
    EXPECT_EQ(view->m_pPages->m_nTextPage, 2) << "80 lines: three pages of 36";
    vd::DialogDriver::clickControl(*view->m_pNavigation->ViewButton(30));
    EXPECT_EQ(view->m_pPages->m_nTextPage, 1);
}

} // namespace

namespace {

// The same text opened again after the map, and a text opened after the registered-data check:
// the page shows its own buttons alone, and the sheet map drops the pages' and the check's.
TEST_F(TextPageRepaint, EachScreenShowsItsOwnButtonsWhateverWasThereBefore)
{
    ViewNavigation& nav = *view->m_pNavigation;
    ShowEntry("@:TEXT\\TERA.TXT");
    // Back on the map: its buttons, and a stale "Next" of the registered-data check.
    nav.AddViewButtons(0);
    nav.AddViewButtons(3);
    nav.SetViewButton(32, "Next", 225, 219, 271, 243);
    for (const char* file : {"@:TEXT\\TERA.TXT", "@:TEXT\\WALK.TXT"}) {
        ShowEntry(file);
        EXPECT_FALSE(nav.ShowsButtonsBesides({16, 30, 31})) << file;
        ASSERT_NE(nav.ViewButton(16), nullptr);
        EXPECT_TRUE(nav.ViewButton(16)->IsWindow()) << file << ": 地図 leads back";
        nav.AddViewButtons(0);
        nav.SetViewButton(32, "Next", 225, 219, 271, 243);
    }

    nav.AddViewButtons(2);
    doc->m_nMapDisplayMode = 5;
    Repaint();
    for (int kind : {16, 32})
        EXPECT_FALSE(nav.ViewButton(kind) && nav.ViewButton(kind)->IsWindow()) << kind;
}

} // namespace

namespace {

// A text chosen through 地点案内 > ﾃｷｽﾄ... names its page: the chosen point's name stands in the
// title box (it stayed empty).
TEST_F(TextPageRepaint, ATextChosenFromThePointsShowsThePointsNameInItsTitleBox)
{
    WriteHomeFile("SOURCE/points.dat", Cp932Lines({"宇治の寺 34.5300 135.4800 寺 @:TEXT\\TERA.TXT"}));
    doc->registered.m_strDataFile = doc->folders.m_strAppDir + "SOURCE\\points.dat";
    doc->m_nMapDisplayMode = 10;
    script->answerDialog(vd::ui::kProgramModule, 136, [](vd::DialogDriver& d) {
        d.selectCombo(125, 0);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->ExecuteCommand(32892));
    EXPECT_EQ(doc->m_nMapDisplayMode, 19);
    Repaint();
    EXPECT_EQ(doc->entry.m_strEntryCaption, "宇治の寺");
    int ink = 0;
    for (int y = 5; y < 23; ++y)
        for (int x = 92; x < 218; ++x)
            ink += vd::GetRValue(picture->GetPixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(ink, 30) << "the name in the title box";
}

} // namespace
