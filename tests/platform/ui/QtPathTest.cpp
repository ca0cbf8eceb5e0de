// The Qt implementation's own runs: a modal dialog's loop, a message box, and waiting for a
// program while input is refused and timers still run.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vd;

namespace {

void registerSmallDialog()
{
    ui::DialogTemplate t;
    t.id = 9400;
    t.caption = "確認";
    t.place = ui::DialogUnits{0, 0, 120, 60};
    t.controls = {ui::edit(1000, ui::DialogUnits{5, 5, 60, 12}), ui::defPushButton(IDOK, "OK", ui::DialogUnits{5, 40, 40, 14}),
                  ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ", ui::DialogUnits{60, 40, 40, 14})};
    ui::registerTemplates(ui::kProgramModule, {t});
}

class Small : public Dialog {
public:
    Small() : Dialog(9400) {}
};

} // namespace

TEST(UiQt, ModalDialogRunsItsOwnLoopUntilEndDialog)
{
    ui::installBackend(nullptr);
    registerSmallDialog();
    Small dialog;
    QTimer::singleShot(0, [&] {
        DialogDriver d(dialog);
        d.setText(1000, "abc");
        d.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    QTimer::singleShot(0, [&] { DialogDriver(dialog).pressEscape(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.IsWindow()) << "the window is gone after the run";
}

TEST(UiQt, MessageBoxAnswersWithTheButtonPressed)
{
    ui::installBackend(nullptr);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), "配色を登録しますか！");
        EXPECT_EQ(box->defaultButton()->text().toStdString(), "いいえ(&N)");
        for (QAbstractButton* b : box->buttons())
            if (b->text().startsWith(QStringLiteral("いいえ")))
                b->click();
    });
    EXPECT_EQ(ui::MessageBox("配色を登録しますか！", "", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
}

TEST(UiQt, WaitingForAProgramRefusesInputButRunsTimers)
{
    ui::installBackend(nullptr);
    registerSmallDialog();
    Small dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    int clicks = 0;
    dialog.OnClicked(IDCANCEL, [&] { ++clicks; });
    int ticks = 0;
    const int timer = ui::startTimer(20, [&] { ++ticks; });
    QTimer::singleShot(50, [&] {
        for (QWidget* w : QApplication::allWidgets())
            if (auto* b = qobject_cast<QPushButton*>(w); b && b->text() == QStringLiteral("ｷｬﾝｾﾙ"))
                QTest::mouseClick(b, Qt::LeftButton);
    });
    const ui::ProcessResult ran = ui::runAndWait({"/bin/sh", "-c", "sleep 0.3"});
    ui::stopTimer(timer);
    EXPECT_TRUE(ran.started);
    EXPECT_EQ(clicks, 0) << "input is refused while waiting";
    EXPECT_GT(ticks, 2) << "the event loop keeps running";
    for (QWidget* w : QApplication::allWidgets())
        if (auto* b = qobject_cast<QPushButton*>(w); b && b->text() == QStringLiteral("ｷｬﾝｾﾙ"))
            QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "afterwards the same click arrives";
    dialog.DestroyWindow();
}
