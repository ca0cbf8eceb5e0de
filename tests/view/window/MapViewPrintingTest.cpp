// Printing the text page: the print command through the scripted print dialog into a PDF file,
// the preview, a cancelled dialog, a file that cannot be written, and the rule that offers both
// commands only on a text page. The PDF pages are turned into pictures with pdftoppm.
#include "MapViewFixture.h"
#include "PdfPages.h"
#include "tests/support/FileSizeLimit.h"

#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/ImageDc.h"
#include "platform/ui/PrinterQt.h"

#include <QApplication>
#include <QDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <sys/stat.h>

namespace {

using namespace viewtest;
namespace fs = std::filesystem;

// The test's page, in printer pixels: a black box and a line of Japanese text below it.
constexpr vd::Rect kBox{600, 500, 1800, 1100};
constexpr int kTextX = 600;
constexpr int kTextY = 1400;

class MapViewPrinting : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        folder = fs::temp_directory_path() / ("veldoran-print-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        doc->m_nMapDisplayMode = 20;
        doc->m_strEntryParam = "TEXT\\PAGE.TXT";
        view->m_strSavedEntryParam = "TEXT\\SAVED.TXT";
        view->standIns.drawTextPage = [this](vd::Dc& dc) {
            statesWhileDrawing.push_back(view->m_nPrintState);
            offsetX = dc.GetDeviceCaps(vd::PHYSICALOFFSETX);
            offsetY = dc.GetDeviceCaps(vd::PHYSICALOFFSETY);
            dc.FillSolidRect(kBox, vd::RGB(0, 0, 0));
            vd::Font font;
            font.CreateFont(75, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                            vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::FIXED_PITCH | vd::FF_MODERN,
                            "ＭＳ ゴシック");
            const vd::Font previous = dc.SelectObject(font);
            dc.TextOut(kTextX, kTextY, "日本語の印刷テスト");
            dc.SelectObject(previous);
        };
        // What the window shows: a blue square, also in the off-screen copy.
        vd::ClientDc window = view->GetDC();
        window->FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, vd::RGB(255, 255, 255));
        window->FillSolidRect(vd::Rect{10, 10, 60, 60}, vd::RGB(0, 0, 255));
    }

    void TearDown() override
    {
        fs::remove_all(folder);
        MapView::TearDown();
    }

    // The page as printed: the box where it was drawn, text pixels on the line, white margins.
    void ExpectThePage(const Picture& page)
    {
        const double scale = kRenderDpi / 600.0;
        // A4 at 100 dots an inch.
        EXPECT_NEAR(page.width, 827, 2);
        EXPECT_NEAR(page.height, 1169, 2);
        auto px = [&](int x) { return int((x + offsetX) * scale); };
        auto py = [&](int y) { return int((y + offsetY) * scale); };
        EXPECT_TRUE(page.dark(px(kBox.left) + 3, py(kBox.top) + 3));
        EXPECT_TRUE(page.dark(px(kBox.right) - 3, py(kBox.bottom) - 3));
        EXPECT_TRUE(page.dark((px(kBox.left) + px(kBox.right)) / 2, (py(kBox.top) + py(kBox.bottom)) / 2));
        EXPECT_FALSE(page.dark(px(kBox.left) - 4, py(kBox.top) + 20)) << "the box's left edge within a few pixels";
        EXPECT_FALSE(page.dark(px(kBox.right) + 4, py(kBox.top) + 20));
        EXPECT_FALSE(page.dark(px(kBox.left) + 20, py(kBox.top) - 4));
        EXPECT_FALSE(page.dark(px(kBox.left) + 20, py(kBox.bottom) + 4));
        int textPixels = 0;
        for (int y = py(kTextY); y < py(kTextY + 75); ++y)
            for (int x = px(kTextX); x < px(kTextX + 9 * 75); ++x)
                textPixels += page.dark(x, y) ? 1 : 0;
        EXPECT_GT(textPixels, 100) << "the line of text";
        int marginPixels = 0;
        for (int y = 0; y < page.height; ++y)
            for (int x = 0; x < page.width; ++x)
                if (x < px(0) || y < py(0) || y > py(kTextY + 200))
                    marginPixels += page.dark(x, y) ? 1 : 0;
        EXPECT_EQ(marginPixels, 0) << "white around what was drawn";
    }

    std::string ReadFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder;
    std::vector<int> statesWhileDrawing;
    int offsetX = 0;
    int offsetY = 0;
};

TEST_F(MapViewPrinting, PrintsTheTextPageIntoAPdfFile)
{
    const fs::path pdf = folder / "page.pdf";
    script->answerPrintDialog(pdf.string());
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));

    EXPECT_EQ(script->printDialogsShown(), 1);
    EXPECT_EQ(statesWhileDrawing, std::vector<int>{-1}) << "drawn once, while printing";
    EXPECT_EQ(view->m_nPrintState, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_TRUE(view->m_strSavedEntryParam.empty());
    EXPECT_TRUE(view->IsRepaintPending()) << "the window is repainted";
    EXPECT_TRUE(script->messageBoxes().empty());
    // The off-screen copy is still the screen's picture, not the printer's.
    ASSERT_FALSE(view->m_pMapSaveBitmap.IsNull());
    vd::ImageDc copy(view->m_pMapSaveBitmap);
    EXPECT_EQ(copy.GetPixel(30, 30), vd::RGB(0, 0, 255));
    EXPECT_EQ(copy.GetPixel(100, 100), vd::RGB(255, 255, 255));

    const std::string bytes = ReadFile(pdf);
    ASSERT_EQ(bytes.substr(0, 4), "%PDF");
    const std::vector<Picture> pages = Rasterise(pdf);
    ASSERT_EQ(pages.size(), 1u) << "one page";
    ExpectThePage(pages[0]);
}

TEST_F(MapViewPrinting, ThePreviewDrawsTheSamePageAndPrintsThroughIt)
{
    const fs::path shown = folder / "preview.pdf";
    const fs::path printed = folder / "printed.pdf";
    script->answerPrintPreview({shown.string(), 2, printed.string()});
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_PREVIEW));

    EXPECT_EQ(script->previewsShown(), 1);
    EXPECT_EQ(statesWhileDrawing, (std::vector<int>{-1, -1, -1})) << "two paints and the print, all while printing";
    EXPECT_EQ(view->m_nPrintState, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_TRUE(view->m_strSavedEntryParam.empty());
    for (const fs::path& pdf : {shown, printed}) {
        const std::vector<Picture> pages = Rasterise(pdf);
        ASSERT_EQ(pages.size(), 1u) << pdf;
        ExpectThePage(pages[0]);
    }
}

TEST_F(MapViewPrinting, ACancelledDialogPrintsNothing)
{
    script->cancelPrintDialog();
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));
    EXPECT_EQ(script->printDialogsShown(), 1);
    EXPECT_TRUE(statesWhileDrawing.empty());
    EXPECT_EQ(view->m_nPrintState, 1);
    EXPECT_EQ(view->m_strSavedEntryParam, "TEXT\\SAVED.TXT") << "nothing changes";
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(MapViewPrinting, AFileThatCannotBeWrittenIsReportedAndNothingChanges)
{
    // A FIFO without a reader would hold the print until one came: it is refused at once.
    const fs::path fifo = folder / "fifo.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    int shown = 0;
    for (const fs::path& target : {folder / "missing-folder" / "page.pdf", fifo}) {
        SCOPED_TRACE(target.string());
        script->answerPrintDialog(target.string());
        ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));
        ASSERT_EQ(script->messageBoxes().size(), ++shown);
        EXPECT_NE(script->messageBoxes().back().text.find(target.string()), std::string::npos);
        EXPECT_TRUE(statesWhileDrawing.empty());
        EXPECT_EQ(view->m_strSavedEntryParam, "TEXT\\SAVED.TXT");
    }
    EXPECT_FALSE(fs::exists(folder / "missing-folder"));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(MapViewPrinting, AFailedJobIsReportedAndTheViewReturnsAsAfterAPrint)
{
    // The disk is full: the file opens, its pages cannot be written.
    script->answerPrintDialog((folder / "page.pdf").string());
    {
        testsupport::FileSizeLimit full(0);
        ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));
    }
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "印刷できませんでした。プリンタまたは出力先を確認してください。");
    EXPECT_EQ(view->m_nPrintState, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_TRUE(view->m_strSavedEntryParam.empty());
}

TEST_F(MapViewPrinting, BothCommandsAreOfferedOnlyOnATextPage)
{
    for (const auto& [mode, enabled] : {std::pair{5, false}, std::pair{10, false}, std::pair{20, true}}) {
        doc->m_nMapDisplayMode = mode;
        for (int id : {ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_TEXT}) {
            vd::CmdUI ui(id);
            ASSERT_TRUE(frame->routeUpdate(ui));
            EXPECT_EQ(ui.enabled.value_or(true), enabled) << mode << " " << id;
        }
    }
    doc->m_nMapDisplayMode = 10;
    script->answerPrintDialog((folder / "never.pdf").string());
    EXPECT_FALSE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT)) << "Ctrl+P away from a text page does nothing";
    EXPECT_EQ(script->printDialogsShown(), 0);
}

TEST_F(MapViewPrinting, ThePaperChosenInPrintSetupIsPrintedOn)
{
    // What print setup's dialog leaves on the run's printer.
    vd::ui::applicationPrinter().setPageSize(QPageSize(QPageSize::A5));
    const fs::path pdf = folder / "a5.pdf";
    script->answerPrintDialog(pdf.string());
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));
    const std::vector<Picture> pages = Rasterise(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 583, 2);
    EXPECT_NEAR(pages[0].height, 827, 2);
    EXPECT_TRUE(pages[0].dark(int((kBox.left + offsetX) / 6.0) + 3, int((kBox.top + offsetY) / 6.0) + 3));
}

// The program's own dialogs: Qt's print dialog, accepted with the run's printer printing to a
// file, and Qt's preview, which asks for the page when it opens.
TEST_F(MapViewPrinting, QtsPrintDialogAndPreviewDriveTheSamePrinting)
{
    vd::ui::installBackend(nullptr);
    const fs::path pdf = folder / "qt.pdf";
    vd::ui::applicationPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
    std::string shown;
    auto acceptNext = [&shown] {
        QTimer::singleShot(200, [&shown] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->metaObject()->className();
                if (qobject_cast<QPrintDialog*>(dialog))
                    dialog->accept();
                else
                    dialog->reject();
            }
        });
    };
    acceptNext();
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_TEXT));
    EXPECT_EQ(shown, "QPrintDialog");
    EXPECT_EQ(statesWhileDrawing, std::vector<int>{-1});
    const std::vector<Picture> pages = Rasterise(pdf);
    ASSERT_EQ(pages.size(), 1u);
    ExpectThePage(pages[0]);

    statesWhileDrawing.clear();
    acceptNext();
    ASSERT_TRUE(frame->ExecuteCommand(ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(shown, "QPrintPreviewDialog");
    EXPECT_FALSE(statesWhileDrawing.empty()) << "the preview asked for the page";
    for (int state : statesWhileDrawing)
        EXPECT_EQ(state, -1);
    EXPECT_EQ(view->m_nPrintState, 1) << "ended when the preview closed";
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
}

} // namespace
