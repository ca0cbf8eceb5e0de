// The pointer resting on the map: the status line and name tip of a registered point in the
// colours of its kind, in click mode 2, on narrow and wide views, with two points in reach, the
// map put back when the pointer leaves, and the raised tip of a site name.
#include "PointerTestSupport.h"

#include "platform/dc/RecordingDc.h"
#include "platform/text/Cp932.h"
#include "platform/ui/UiScript.h"
#include "view/pointer/PointerActions.h"

namespace {

using namespace viewtest;
using vd::RGB;

TEST(NameTipText, CountsCp932BytesCutsFromThirtyAndSizesAtLeastSix)
{
    const std::string thirty(30, 'a'), kanji15 = "山山山山山山山山山山山山山山山"; // 30 bytes
    const struct {
        std::string text, shown;
        int width;
    } cases[] = {
        {"abc", "abc", 8 * 6 + 8},
        {std::string(29, 'a'), std::string(29, 'a'), 8 * 29 + 8},
        {thirty, std::string(29, 'a'), 8 * 29 + 8},
        {kanji15, "山山山山山山山山山山山山山山", 8 * 28 + 8}, // never half a character
        {"富士山/(3776m)", "富士山/(3776m)", 8 * 14 + 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TipText(c.text), c.shown) << c.text;
        EXPECT_EQ(TipWidth(TipText(c.text)), c.width) << c.text;
    }
}

class PointerTips : public PointerView {
protected:
    // Rests the pointer at (200, 200) over a point at (201, 199), drawing into a recording
    // device context with a picture of its own.
    std::vector<vd::RecordedText> HoverOver(const std::string& record, vd::RecordingDc& dc)
    {
        Points({{record, 201, 199}});
        view->m_nPictureState = 1;
        view->m_pPointer->HoverRegisteredPoint(dc, 200, 200);
        return dc.Texts();
    }

    vd::RecordingDc::Options Picture() const { return {kWidth, kHeight, true}; }
};

TEST_F(PointerTips, StatusLineAndTipTakeTheColoursOfTheItemsKind)
{
    const struct {
        std::string record;
        vd::COLORREF status, fill, text, textBackground;
    } cases[] = {
        {"寺 35.4000 140.3000 寺院 @:TEXT\\TERA.TXT", RGB(255, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0),
         RGB(255, 255, 255)},
        {"寺 35.4000 140.3000 寺院 @:PICT\\TERA.JPG", RGB(0, 100, 0), RGB(0, 130, 0), RGB(255, 255, 255),
         RGB(0, 130, 0)},
        {"寺 35.4000 140.3000 寺院 @:ALBUM\\A.alb @:ALBUM\\A.alb", RGB(0, 0, 255), RGB(0, 0, 200),
         RGB(255, 255, 255), RGB(0, 0, 200)},
        {"寺 35.4000 140.3000 寺院 http://example.org/", RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0),
         RGB(255, 255, 0)},
    };
    const int w = 8 * 7 + 8; // "寺/寺院"
    for (const auto& c : cases) {
        vd::RecordingDc dc(Picture());
        const auto texts = HoverOver(c.record, dc);
        ASSERT_EQ(texts.size(), 2u) << c.record;
        EXPECT_EQ(texts[0].text, "===== 寺/寺院 =====");
        EXPECT_EQ(texts[0].at, (vd::Point{15, 5}));
        EXPECT_EQ(texts[0].colour, c.status) << c.record;
        EXPECT_EQ(texts[1].text, "寺/寺院");
        EXPECT_EQ(texts[1].at, (vd::Point{203, 180}));
        EXPECT_EQ(texts[1].colour, c.text) << c.record;
        EXPECT_EQ(texts[1].background, c.textBackground) << c.record;
        EXPECT_EQ(dc.GetPixel(200 + w - 3, 200 - 23) & 0xFFFFFF, c.fill) << "inside the tip box: " << c.record;
        EXPECT_EQ(dc.GetPixel(200 + w - 3, 200 + 4) & 0xFFFFFF, RGB(255, 255, 255)) << "below the box";
        EXPECT_EQ(nav->m_nHoverItem, 0);
        EXPECT_EQ(view->m_strMouseButtonState, "MK_MOVE");
        EXPECT_EQ(view->m_nPictureState, -999);
        EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    }
    EXPECT_EQ(doc->entry.m_strEntryTarget, "http://example.org/") << "the entry of the record last hovered";
    EXPECT_EQ(nav->m_nDragX, 201) << "the item's position anchors a drag";
}

TEST_F(PointerTips, StatusLineFollowsTheViewWidthAndClickModeTwo)
{
    const std::string record = "寺 35.4000 140.3000 寺院 @:TEXT\\TERA.TXT";
    for (const auto& [width, tool, text, right] :
         {std::tuple{800, 0, "== 寺/寺院 ==", 380}, std::tuple{801, 0, "===== 寺/寺院 =====", 440},
          std::tuple{800, 2, "==<更新>== 寺/寺院 ==", 380}}) {
        view->m_nSavedWidth = width;
        doc->pointer.m_nMouseTool = tool;
        vd::RecordingDc dc(Picture());
        const auto texts = HoverOver(record, dc);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, text) << width;
        const auto& box = dc.Calls().front().op;
        EXPECT_EQ(box.kind, vd::DrawOp::Rectangle);
        EXPECT_EQ(box.rect, (vd::Rect{10, 3, right, 24})) << width;
    }
    // Click mode 2: the outline only, the name on the map in black, the cross cursor meanwhile.
    vd::RecordingDc dc(Picture());
    dc.FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, RGB(230, 230, 230));
    dc.Clear();
    script->clearPointerEvents();
    const auto texts = HoverOver(record, dc);
    const int w = 64;
    EXPECT_EQ(dc.GetPixel(200 + w - 3, 200 - 23) & 0xFFFFFF, RGB(230, 230, 230)) << "not filled";
    EXPECT_EQ(dc.GetPixel(200, 200 - 25) & 0xFFFFFF, RGB(0, 0, 255)) << "the outline";
    EXPECT_EQ(dc.GetPixel(200 + w - 1, 200 - 1) & 0xFFFFFF, RGB(0, 0, 255));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(texts[1].colour, RGB(0, 0, 0));
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"cursor cross", "cursor arrow"}));
}

TEST_F(PointerTips, OfTwoPointsInReachTheFirstDrawsTheTipAndTheLastIsHovered)
{
    Points({{"甲 35.4000 140.3000 寺院 @:TEXT\\A.TXT", 200, 200}, {"乙 35.4000 140.3000 神社 @:TEXT\\B.TXT", 202, 201}});
    vd::RecordingDc dc(Picture());
    view->m_pPointer->HoverRegisteredPoint(dc, 201, 200);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "===== 甲/寺院 =====");
    EXPECT_EQ(texts[1].text, "甲/寺院") << "the tip of the first";
    EXPECT_EQ(texts[2].text, "===== 乙/神社 =====");
    EXPECT_EQ(nav->m_nHoverItem, 1);

    // One sheet reaches 3 pixels, a block 2.
    doc->position.m_nMapFrame = 2;
    nav->m_nHoverItem = -1;
    view->m_pPointer->HoverRegisteredPoint(dc, 205, 200);
    EXPECT_EQ(nav->m_nHoverItem, -1);
    doc->position.m_nMapFrame = 1;
    view->m_pPointer->HoverRegisteredPoint(dc, 205, 200);
    EXPECT_EQ(nav->m_nHoverItem, 1);
}

TEST_F(PointerTips, NameTipsCutLongNamesAndSizeShortOnes)
{
    PointerActions pointer(*view);
    for (const auto& [name, width] : {std::pair{std::string(30, 'x'), 8 * 29 + 8}, std::pair{std::string("abc"), 56}}) {
        vd::RecordingDc dc;
        pointer.DrawNameTip(dc, 100, 200, name, kTipText);
        const auto& box = dc.Calls().front().op;
        EXPECT_EQ(box.rect, (vd::Rect{100, 175, 100 + width, 202}));
        EXPECT_EQ(dc.Texts().at(0).text, name.substr(0, 29));
        EXPECT_EQ(dc.Texts().at(0).at, (vd::Point{103, 180}));
    }
    vd::RecordingDc dc;
    pointer.DrawNameTip(dc, 100, 200, "abc", -1);
    EXPECT_TRUE(dc.Calls().empty()) << "a negative style draws nothing";
    pointer.DrawNameTip(dc, 100, 200, "abc", kTipRaised);
    ASSERT_FALSE(dc.Calls().empty());
    EXPECT_EQ(dc.Calls().front().op.kind, vd::DrawOp::DrawFrameControl);
    EXPECT_EQ(dc.Calls().front().op.rect, (vd::Rect{100, 175, 156, 200}));
    EXPECT_EQ(dc.Texts().at(0).background, RGB(200, 200, 200));
}

TEST_F(PointerTips, LeavingTheHitBoxPutsTheMapBack)
{
    PaintMap();
    Points({{"寺 35.4000 140.3000 寺院 @:PICT\\TERA.JPG", 300, 300}});
    const auto before = WindowPixels(280, 260, 580, 320);
    PointerAt(300, 300);
    EXPECT_EQ(view->m_nPictureState, -999);
    EXPECT_EQ(WindowPixel(300 + 60, 300 - 23), RGB(0, 130, 0)) << "the picture tip is on the map";
    PointerAt(302, 302);
    EXPECT_EQ(view->m_nPictureState, -999) << "still inside the box";
    PointerAt(310, 300);
    EXPECT_EQ(view->m_nPictureState, 1);
    EXPECT_EQ(WindowPixels(280, 260, 580, 320), before);
}

TEST_F(PointerTips, SiteNamesShowARaisedTip)
{
    doc->m_astrSiteNameTip[0] = "富士山/(3776m)";
    doc->m_anSiteNameTipX[0] = 300;
    doc->m_anSiteNameTipY[0] = 300;
    doc->m_nSiteNameTipCount = 1;
    vd::RecordingDc dc;
    view->m_pPointer->ShowPointTip(dc, 301, 302);
    ASSERT_FALSE(dc.Calls().empty());
    EXPECT_EQ(dc.Calls().front().op.kind, vd::DrawOp::DrawFrameControl);
    EXPECT_EQ(dc.Calls().front().op.rect, (vd::Rect{300, 275, 300 + 8 * 14 + 8, 300}));
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].at, (vd::Point{304, 279}));
    EXPECT_EQ(dc.Texts()[0].background, RGB(200, 200, 200));
    EXPECT_EQ(view->m_nPictureState, -999);
    EXPECT_EQ((vd::Point{view->m_nSavedX, view->m_nSavedY}), (vd::Point{290, 270}));

    // Through the mouse with the site-name tips on: leaving puts the map back.
    view->m_nPictureState = 1;
    doc->spec.m_nSiteNamePopup = 1;
    PaintMap();
    const auto before = WindowPixels(280, 260, 460, 310);
    Move(300, 300);
    EXPECT_NE(WindowPixels(280, 260, 460, 310), before);
    Move(320, 300);
    EXPECT_EQ(WindowPixels(280, 260, 460, 310), before);
}

} // namespace
