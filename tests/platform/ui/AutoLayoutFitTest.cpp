// A dialog laid out by the platform fits the screen (the offscreen platform's 800 x 800 here): a
// long run of labelled fields stands in columns, read down each column; a dialog whose lists can
// give up room gives it up; one whose controls cannot fit even at their least sizes scrolls its
// body while OK and Cancel stay in view; buttons that follow each other share rows.
#include "platform/ui/Dialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/WindowImpl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vd;

namespace {

constexpr int kFields = 9400, kLists = 9401, kTall = 9402, kButtons = 9403;

ui::DialogTemplate withButtons(int id, std::vector<ui::ControlTemplate> controls)
{
    ui::DialogTemplate t;
    t.id = id;
    t.caption = "配置";
    t.controls = std::move(controls);
    t.controls.push_back(ui::defPushButton(IDOK, "OK"));
    t.controls.push_back(ui::pushButton(IDCANCEL, "ｷｬﾝｾﾙ"));
    return t;
}

void registerTemplates()
{
    std::vector<ui::ControlTemplate> fields = {ui::ltext(IDC_STATIC, "名称"), ui::edit(1000),
                                               ui::ltext(IDC_STATIC, "（項目は番号順）")};
    for (int k = 0; k < 47; ++k) {
        fields.push_back(ui::ltext(IDC_STATIC, "項目" + std::to_string(k + 1)));
        fields.push_back(ui::edit(1100 + k));
    }
    std::vector<ui::ControlTemplate> lists, tall;
    for (int k = 0; k < 5; ++k)
        lists.push_back(ui::listBox(1200 + k));
    for (int k = 0; k < 40; ++k)
        tall.push_back(ui::listBox(1300 + k));
    std::vector<ui::ControlTemplate> buttons = {ui::ltext(IDC_STATIC, "区域")};
    for (int k = 0; k < 7; ++k)
        buttons.push_back(ui::pushButton(1400 + k, "区域" + std::to_string(k + 1)));
    ui::registerTemplates(ui::kProgramModule, {withButtons(kFields, fields), withButtons(kLists, lists),
                                               withButtons(kTall, tall), withButtons(kButtons, buttons)});
}

QWidget* widgetOf(Dialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->impl()->widget.data();
}

// Inside the window and not hidden by a scrolled area's edge.
bool wholeInView(QWidget* control)
{
    return !control->visibleRegion().isEmpty() && control->visibleRegion().boundingRect() == control->rect();
}

class AutoLayoutFit : public ::testing::Test {
protected:
    void SetUp() override { registerTemplates(); }
    void open(int id)
    {
        ASSERT_TRUE(dialog.Create(id));
        dialog.ShowWindow(SW_SHOW);
        window = dialog.impl()->widget;
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        EXPECT_LE(window->width(), screen.width());
        EXPECT_LE(window->height(), screen.height());
        for (int button : {IDOK, IDCANCEL})
            EXPECT_TRUE(wholeInView(widgetOf(dialog, button))) << button;
    }
    void TearDown() override { dialog.DestroyWindow(); }
    Dialog dialog;
    QWidget* window = nullptr;
};

} // namespace

TEST_F(AutoLayoutFit, ALongRunOfLabelledFieldsStandsInColumnsReadDownEach)
{
    open(kFields);
    EXPECT_EQ(window->findChild<QScrollArea*>(), nullptr);
    std::set<int> columns;
    for (int k = 0; k < 47; ++k) {
        QWidget* field = widgetOf(dialog, 1100 + k);
        EXPECT_TRUE(wholeInView(field)) << k;
        columns.insert(field->mapTo(window, QPoint(0, 0)).x());
    }
    EXPECT_EQ(columns.size(), 3u);
    // 47 fields in three columns of 16: the 17th heads the second column.
    const QPoint first = widgetOf(dialog, 1100)->mapTo(window, QPoint(0, 0));
    const QPoint seventeenth = widgetOf(dialog, 1116)->mapTo(window, QPoint(0, 0));
    EXPECT_EQ(seventeenth.y(), first.y());
    EXPECT_GT(seventeenth.x(), first.x());
    EXPECT_GT(widgetOf(dialog, 1115)->mapTo(window, QPoint(0, 0)).y(), first.y());
    // The name field before the run keeps a row of its own above it.
    EXPECT_LT(widgetOf(dialog, 1000)->mapTo(window, QPoint(0, 0)).y(), first.y());
}

TEST_F(AutoLayoutFit, ListsGiveUpRoomBeforeTheDialogScrolls)
{
    open(kLists);
    EXPECT_EQ(window->findChild<QScrollArea*>(), nullptr);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(wholeInView(widgetOf(dialog, 1200 + k))) << k;
}

TEST_F(AutoLayoutFit, ABodyTallerThanTheScreenScrollsWithTheButtonsInView)
{
    open(kTall);
    auto* scroll = window->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    QWidget* last = widgetOf(dialog, 1339);
    EXPECT_FALSE(wholeInView(last));
    scroll->ensureWidgetVisible(last);
    EXPECT_TRUE(wholeInView(last));
}

TEST_F(AutoLayoutFit, ButtonsThatFollowEachOtherShareRowsOfThree)
{
    open(kButtons);
    std::set<int> rows;
    for (int k = 0; k < 7; ++k)
        rows.insert(widgetOf(dialog, 1400 + k)->mapTo(window, QPoint(0, 0)).y());
    EXPECT_EQ(rows.size(), 3u);
}
