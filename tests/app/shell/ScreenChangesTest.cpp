// Screen changes as a user makes them, each watched for pixels of the screen before
// (ScreenChangeWatch): from the start sheet tinted by height (the repaints of the tint map do not
// erase the window) to a text page, to a second text page, to the overview of 他地域, to the page
// that makes the depth files and to a block whose sheets have no tint; and Surrick's dialogs of
// the boundary conversion, run by a repaint, without a recursive repaint of the window.
#include "MainWindowFixture.h"
#include "ScreenChangeWatch.h"

#include "app/routes/SelectTextPictureDialog.h"
#include "dialogs/MapTypeDialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/pages/ViewPages.h"

#include <QImage>
#include <QRect>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kMapType = 32811;
constexpr int kSelectText = 32892;
constexpr int kBuildCentralJapan = 32816;
constexpr int kBoundaryConversion = 32830;

bool Settled(MainWindow& w)
{
    QTest::qWait(20);
    return waitFor([&w] { return !w.repaintPending(); }, 60000);
}

// ﾌｧｲﾙ > 地図の種類 > 1/20万地勢図..., 段彩図, OK.
bool TintTheSheet(MainWindow& w)
{
    w.run.script->answerDialog("TOVENDLG", CDlgMapType::IDD, [](vd::DialogDriver& d) {
        d.click(maptypeids::IDC_TINT_MAP);
        d.click(vd::IDOK);
    });
    return ChooseFromMenus(w.bar(), kMapType) && waitFor([&w] { return w.doc().position.m_nMapFigure == 1; })
        && w.waitUntilMapShown();
}

// The text of that row of the text selection, shown.
void AnswerTextSelection(MainWindow& w, int row)
{
    w.run.script->answerDialog(vd::ui::kProgramModule, CDlgSelectTextPicture::IDD, [row](vd::DialogDriver& d) {
        d.selectCombo(selecttextpictureids::IDC_LIST, row);
        d.click(vd::IDOK);
    });
}

bool TextPageShown(MainWindow& w)
{
    return Settled(w) && waitFor([&w] { return !w.view->m_pPages->m_strShownText.empty(); });
}

struct ScreenChange {
    const char* name;
    std::function<bool(MainWindow&)> make;
};

TEST(ScreenChanges, EachScreenReachedFromTheTintMapPaintsItsWholeWindow)
{
    const ScreenChange changes[] = {
        {"a text page (ﾃｷｽﾄ)",
         [](MainWindow& w) {
             AnswerTextSelection(w, 1);
             return ClickViewButton(w.viewWidget(), "ﾃｷｽﾄ") && TextPageShown(w);
         }},
        {"a second text page over the first (地点案内 > ﾃｷｽﾄ... twice)",
         [](MainWindow& w) {
             AnswerTextSelection(w, 1);
             if (!ChooseFromMenus(w.bar(), kSelectText) || !TextPageShown(w))
                 return false;
             const std::string first = w.view->m_pPages->m_strShownText;
             AnswerTextSelection(w, 0);
             return ChooseFromMenus(w.bar(), kSelectText) && TextPageShown(w)
                 && w.view->m_pPages->m_strShownText != first;
         }},
        {"the overview of 他地域",
         [](MainWindow& w) { return ClickViewButton(w.viewWidget(), "他地域") && Settled(w); }},
        {"the page that makes the depth files",
         [](MainWindow& w) { return ChooseFromMenus(w.bar(), kBuildCentralJapan) && Settled(w); }},
        {"a block whose sheets in the west have no tint",
         [](MainWindow& w) {
             return ClickViewButton(w.viewWidget(), "鳥取") && w.waitUntilMapShown()
                 && ClickViewButton(w.viewWidget(), "松江") && w.waitUntilMapShown();
         }},
    };
    for (const ScreenChange& change : changes) {
        SCOPED_TRACE(change.name);
        MainWindow w;
        ASSERT_TRUE(w.start());
        ASSERT_TRUE(TintTheSheet(w));
        ScreenChangeWatch watch(*w.view);
        ASSERT_TRUE(change.make(w));
        EXPECT_GT(watch.paintingDrawings(), 0) << "a new screen was drawn";
        for (const ScreenChangeWatch::Leftover& leftover : watch.takeLeftovers())
            ADD_FAILURE() << leftover.describe();
    }
}

// A tinted block whose sheets have no elevation data says so in red, on a line of its own: not
// over the status line under the map, nor over the map's lines and names.
TEST(ScreenChanges, TheNoTintNoticeStandsClearOfTheStatusLineAndTheMap)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    ASSERT_TRUE(TintTheSheet(w));
    ASSERT_TRUE(ClickViewButton(w.viewWidget(), "鳥取") && w.waitUntilMapShown()
                && ClickViewButton(w.viewWidget(), "松江") && w.waitUntilMapShown() && Settled(w));
    const QImage picture = w.shown();
    QRect notice;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(255, 0, 0))
                notice |= QRect(x, y, 1, 1);
    ASSERT_FALSE(notice.isEmpty()) << "the notice is written";
    // The status line and the pointer's coordinates take the last 27 lines of the window.
    EXPECT_LT(notice.bottom(), picture.height() - 27);
    for (int y = notice.top(); y <= notice.bottom(); ++y)
        for (int x = notice.left(); x <= notice.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            ASSERT_FALSE(p == qRgb(0, 0, 0) || p == qRgb(0, 0, 255)) << "text or lines under the notice at " << x << ", " << y;
        }
}

std::vector<std::string> warnings;

void CollectWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warnings.push_back(text.toStdString());
}

// The conversion's dialogs run inside the repaint that the command asks for; the window is
// painted while they are open, and cancelling them shows the map again.
TEST(ScreenChanges, TheBoundaryConversionDialogsOpenWithoutARecursiveRepaint)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    bool dialogShown = false;
    w.run.script->answerDialog("Surrick", 132, [&](vd::DialogDriver& d) {
        dialogShown = true;
        // The window under the dialog is painted meanwhile, as an uncovered window is.
        w.viewWidget()->repaint();
        w.main->repaint();
        d.click(vd::IDCANCEL);
    });
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarning);
    const bool chosen = ChooseFromMenus(w.bar(), kBoundaryConversion) && waitFor([&] { return dialogShown; })
        && w.waitUntilMapShown();
    qInstallMessageHandler(previous);
    ASSERT_TRUE(chosen);
    for (const std::string& warning : warnings)
        EXPECT_EQ(warning.find("repaint"), std::string::npos) << warning;
    for (const std::string& warning : warnings)
        EXPECT_EQ(warning.find("engine == 0"), std::string::npos) << warning;
}

} // namespace
