// The pointer: the script records shapes, waits, captures and positions; one window holds the
// mouse at a time and never after it is gone; on Qt the capture is the widget's grab and the
// shape its cursor.
#include "platform/ui/Dialog.h"
#include "platform/ui/Pointer.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowImpl.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace vd;

namespace {

void RegisterPlainDialog()
{
    ui::DialogTemplate plain;
    plain.id = 9140;
    plain.place = ui::DialogUnits{0, 0, 200, 100};
    plain.controls = {ui::ltext(IDC_STATIC, "plain", ui::DialogUnits{4, 4, 40, 8})};
    ui::registerTemplates(ui::kProgramModule, {plain});
}

TEST(UiPointer, OneWindowHoldsTheMouseAndReleasesItWhenGone)
{
    auto script = ui::Script::install();
    Window first;
    auto second = std::make_unique<Window>();
    ui::SetCursor(first, ui::CursorShape::Cross);
    ui::SetCapture(first);
    ui::SetCapture(*second);
    EXPECT_EQ(ui::GetCapture(), second.get());
    second.reset();
    EXPECT_EQ(ui::GetCapture(), nullptr);
    ui::ReleaseCapture(); // nothing held: nothing to record
    { WaitCursor wait; }
    ui::SetCursorPos({12, 34});
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"cursor cross", "capture", "release", "capture",
                                                                 "release", "wait on", "wait off", "pos 12,34"}));
}

TEST(UiPointer, OnQtTheCaptureIsTheWidgetsGrabAndTheShapeItsCursor)
{
    ui::installBackend(nullptr);
    RegisterPlainDialog();
    Dialog dialog(9140);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    QWidget* widget = dialog.impl()->widget;
    ASSERT_NE(widget, nullptr);
    ui::SetCursor(dialog, ui::CursorShape::Cross);
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
    ui::SetCapture(dialog);
    EXPECT_EQ(QWidget::mouseGrabber(), widget);
    ui::ReleaseCapture();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    dialog.DestroyWindow();
}

} // namespace
