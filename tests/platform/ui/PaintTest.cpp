// Drawing through a device context into windows: a self-painted control shows what it drew,
// GetDC draws over a control until it is erased, owner-drawn combo items, the view's repaint
// and the clipboard.
#include "platform/dc/ImageDc.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace vd;
using ui::DialogUnits;

namespace {

COLORREF pixelOf(const Window& window, int x, int y)
{
    const Bitmap shown = captureWindow(window);
    ImageDc dc(shown);
    return dc.GetPixel(x, y);
}

void registerPaintDialog()
{
    ui::DialogTemplate t;
    t.id = 195;
    t.caption = "          国土数値情報の凡例";
    t.place = DialogUnits{0, 0, 150, 221};
    t.controls = {ui::painted(1402, DialogUnits{3, 3, 144, 100}, SS_SUNKEN),
                  ui::ltext(1403, "", DialogUnits{3, 110, 144, 40}, SS_SUNKEN),
                  ui::comboBox(1201, DialogUnits{3, 160, 60, 80}, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED),
                  ui::defPushButton(IDOK, "OK", DialogUnits{117, 206, 30, 14})};
    ui::registerTemplates(ui::kProgramModule, {t});
}

class ColourCombo : public ComboBox {
public:
    void DrawItem(DrawItemInfo& item) override
    {
        Rect r = item.rect;
        r.InflateRect(-2, -2);
        item.dc->FillSolidRect(r, static_cast<COLORREF>(item.itemData));
        ++drawn;
    }
    int MeasureItem(int) override { return 20; }
    int drawn = 0;
};

} // namespace

TEST(UiPaint, SelfPaintedControlShowsWhatItDrew)
{
    ui::Script::install();
    registerPaintDialog();
    Dialog dialog(195);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    auto* legend = dialog.item<PaintedControl>(1402);
    ASSERT_NE(legend, nullptr);
    int paints = 0;
    legend->SetPainter([&](Dc& dc, const Rect& client) {
        ++paints;
        dc.FillSolidRect(Rect{0, 0, client.Width(), client.Height()}, RGB(255, 255, 255));
        dc.FillSolidRect(Rect{10, 10, 30, 20}, RGB(255, 0, 0));
        Pen pen(PS_SOLID, 1, RGB(0, 0, 255));
        const Pen old = dc.SelectObject(pen);
        dc.MoveTo(5, 40);
        dc.LineTo(60, 40);
        dc.SelectObject(old);
    });
    EXPECT_EQ(pixelOf(*legend, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(pixelOf(*legend, 20, 40), RGB(0, 0, 255));
    EXPECT_EQ(pixelOf(*legend, 60, 40), RGB(255, 255, 255)) << "the end pixel is left out";
    EXPECT_EQ(pixelOf(*legend, 40, 15), RGB(255, 255, 255));
    const int afterFirst = paints;
    captureWindow(*legend);
    EXPECT_EQ(paints, afterFirst) << "a repaint shows the back buffer without drawing again";
    legend->Invalidate();
    EXPECT_EQ(pixelOf(*legend, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(paints, afterFirst + 1);
    dialog.DestroyWindow();
}

TEST(UiPaint, DrawingIntoAControlWithGetDcLastsUntilItIsErased)
{
    ui::Script::install();
    registerPaintDialog();
    Dialog dialog(195);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    Window* area = dialog.GetDlgItem(1403);
    ASSERT_NE(area, nullptr);
    const COLORREF before = pixelOf(*area, 20, 20);
    {
        ClientDc dc = area->GetDC();
        ASSERT_TRUE(dc);
        dc->FillSolidRect(Rect{2, 2, 249, 60}, RGB(0, 128, 0));
    }
    EXPECT_EQ(pixelOf(*area, 20, 20), RGB(0, 128, 0));
    area->Invalidate(true);
    EXPECT_EQ(pixelOf(*area, 20, 20), before);
    dialog.DestroyWindow();
}

TEST(UiPaint, OwnerDrawnComboDrawsItsItemsThroughTheComboClass)
{
    ui::Script::install();
    registerPaintDialog();
    Dialog dialog(195);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    ColourCombo colours;
    ASSERT_TRUE(dialog.SubclassDlgItem(1201, colours));
    for (COLORREF c : {RGB(0, 0, 0), RGB(0, 0, 255), RGB(0, 180, 0)}) {
        const int at = colours.AddString("");
        colours.SetItemData(at, c);
    }
    colours.SetCurSel(2);
    const Rect client = colours.GetClientRect();
    EXPECT_EQ(pixelOf(colours, client.Width() / 4, client.Height() / 2), RGB(0, 180, 0));
    EXPECT_GT(colours.drawn, 0);
    dialog.DestroyWindow();
}

namespace {

class BlueView : public View {
public:
    void OnDraw(Dc& dc) override
    {
        ++draws;
        dc.FillSolidRect(Rect{0, 0, 50, 40}, RGB(0, 0, 255));
    }
    int draws = 0;
};

} // namespace

TEST(UiPaint, ViewDrawsIntoItsBackBufferAndCopiesToTheClipboard)
{
    ui::Script::install();
    ui::registerString(ui::kProgramModule, 300, "Veldoran");
    Application app;
    app.AddDocTemplate({300, [] { return std::make_unique<Document>(); }, [] { return std::make_unique<FrameWindow>(); },
                        [] { return std::make_unique<BlueView>(); }});
    ASSERT_TRUE(app.OnFileNew());
    app.m_pMainWnd->MoveWindow(5, 0, 400, 300);
    auto* view = static_cast<BlueView*>(app.m_pMainWnd->GetActiveView());
    // The view draws from an event of its own, once the events queued by the start are delivered.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(pixelOf(*view, 10, 10), RGB(0, 0, 255));
    EXPECT_EQ(pixelOf(*view, 60, 10), RGB(255, 255, 255));
    const int draws = view->draws;
    captureWindow(*view);
    EXPECT_EQ(view->draws, draws) << "showing again copies the back buffer";
    app.document()->UpdateAllViews(nullptr);
    view->UpdateWindow();
    EXPECT_EQ(view->draws, draws + 1) << "an invalidated view updated at once draws at once";

    ASSERT_TRUE(copyWindowToClipboard(*view, Rect{0, 0, 40, 30}));
    const Bitmap copied = clipboardBitmap();
    ASSERT_FALSE(copied.IsNull());
    EXPECT_EQ(copied.GetSize(), (Size{40, 30}));
    ImageDc dc(copied);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(0, 0, 255));
}

namespace {

// Colour swatches drawn into buttons from the dialog's paint, each button invalidated first.
class SwatchDialog : public Dialog {
public:
    SwatchDialog() : Dialog(177) {}
    void OnPaint() override
    {
        ++paints;
        for (int id : {1017, 1018}) {
            Window* button = GetDlgItem(id);
            button->Invalidate(true);
            button->UpdateWindow();
            ClientDc dc = button->GetDC();
            dc->FillSolidRect(Rect{0, 0, 40, 17}, id == 1017 ? RGB(0, 0, 255) : RGB(255, 255, 0));
        }
    }
    int paints = 0;
};

} // namespace

TEST(UiPaint, DialogPaintThatInvalidatesItsButtonsDoesNotRepaintForever)
{
    ui::Script::install();
    ui::DialogTemplate t;
    t.id = 177;
    t.caption = "  配色の設定";
    t.place = DialogUnits{0, 0, 200, 100};
    t.controls = {ui::pushButton(1017, "", DialogUnits{5, 5, 40, 17}), ui::pushButton(1018, "", DialogUnits{50, 5, 40, 17}),
                  ui::defPushButton(IDOK, "OK", DialogUnits{150, 80, 40, 14})};
    ui::registerTemplates(ui::kProgramModule, {t});
    SwatchDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    for (int i = 0; i < 5; ++i)
        ui::processPendingEvents();
    captureWindow(dialog);
    const int settled = dialog.paints;
    for (int i = 0; i < 5; ++i)
        ui::processPendingEvents();
    EXPECT_EQ(dialog.paints, settled);
    EXPECT_EQ(pixelOf(*dialog.GetDlgItem(1018), 3, 3), RGB(255, 255, 0));
    dialog.DestroyWindow();
}

namespace {

class ButtonView : public View {
public:
    ButtonView()
    {
        OnCommand(329, [this] { commands.push_back(329); });
    }
    void OnVScroll(int code, int pos, ScrollBar* bar) override
    {
        scrolls.push_back(code * 1000 + pos);
        if (bar)
            bar->SetScrollPos(pos);
    }
    std::vector<int> commands;
    std::vector<int> scrolls;
};

class ButtonDocument : public Document {
public:
    ButtonDocument()
    {
        OnCommand(303, [this] { ++memo; });
    }
    int memo = 0;
};

} // namespace

TEST(UiPaint, ButtonsAndScrollBarsCreatedOnTheViewReportToIt)
{
    ui::Script::install();
    ui::registerString(ui::kProgramModule, 301, "Veldoran");
    Application app;
    app.AddDocTemplate({301, [] { return std::make_unique<ButtonDocument>(); }, [] { return std::make_unique<FrameWindow>(); },
                        [] { return std::make_unique<ButtonView>(); }});
    ASSERT_TRUE(app.OnFileNew());
    auto* view = static_cast<ButtonView*>(app.m_pMainWnd->GetActiveView());
    auto slide = std::make_unique<Button>();
    ASSERT_TRUE(slide->Create("ｽﾗｲﾄﾞ", WS_CHILD | WS_VISIBLE, Rect{10, 3, 70, 27}, view, 329));
    Button memo;
    ASSERT_TRUE(memo.Create("メモ", WS_CHILD | WS_VISIBLE, Rect{80, 3, 140, 27}, view, 303));
    ScrollBar page;
    ASSERT_TRUE(page.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, Rect{200, 40, 216, 200}, view, 421));
    page.SetScrollRange(0, 100);
    EXPECT_EQ(slide->GetWindowText(), "ｽﾗｲﾄﾞ");
    EXPECT_EQ(slide->GetClientRect().Width(), 60);
    EXPECT_TRUE(slide->IsWindowVisible());

    DialogDriver::clickControl(*slide);
    DialogDriver::clickControl(memo);
    DialogDriver::scrollControl(page, SB_PAGEDOWN, 10);
    EXPECT_EQ(view->commands, (std::vector<int>{329}));
    EXPECT_EQ(static_cast<ButtonDocument*>(app.document())->memo, 1) << "the view passes its command to the document";
    EXPECT_EQ(view->scrolls, (std::vector<int>{SB_PAGEDOWN * 1000 + 10}));
    EXPECT_EQ(page.GetScrollPos(), 10);

    memo.DestroyWindow();
    EXPECT_FALSE(memo.IsWindow());
    slide.reset();  // deleting the object removes its window
    ui::processPendingEvents();
}
