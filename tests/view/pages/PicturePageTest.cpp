// The picture page in its three forms (fits, scrolled, shrunk to fit), the failures that draw
// nothing, and the caption box's rows.
#include "MapViewFixture.h"

#include "platform/dc/RecordingDc.h"
#include "platform/ui/Controls.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"

#include <gtest/gtest.h>

namespace {

using namespace viewtest;

class PicturePage : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        pages = view->m_pPages.get();
        doc->m_nFileKind = 0;
        doc->environment.m_nPicturePosition = 0;
        doc->m_strEntryTitle = "山門";
        doc->entry.m_strEntryItem = "寺";
        // The item word of the last point placed on the map, which is not this entry's.
        doc->m_strEntryState = "memo";
    }

    // A w x h bitmap in the application folder, grey with a red top row.
    void WritePicture(const std::string& name, int w, int h)
    {
        vd::Dib dib = vd::Dib::Create(w, h, 24);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                dib.SetPixel(x, y, y == 0 ? vd::RGB(255, 0, 0) : vd::RGB(90, 90, 90));
        const std::vector<std::uint8_t> bytes = dib.FileBytes();
        WriteHomeFile(name, std::string(bytes.begin(), bytes.end()));
        doc->entry.m_strEntryTarget = "@:" + name;
    }

    std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind) const
    {
        std::vector<vd::RecordedCall> out;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == kind)
                out.push_back(c);
        return out;
    }

    ViewPages* pages = nullptr;
};

TEST_F(PicturePage, ASmallPictureIsFramedMovedAndCaptioned)
{
    WritePicture("PICT/SMALL.BMP", 200, 100);
    vd::RecordingDc dc;
    pages->DrawPicturePage(dc, 0);
    EXPECT_EQ(pages->m_nPicOffsetX, 150);
    EXPECT_EQ(pages->m_nPicOffsetY, 50);
    const auto boxes = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].op.rect, (vd::Rect{19, 29, 241, 171})) << "the shadow";
    EXPECT_EQ(boxes[1].op.rect, (vd::Rect{29, 39, 231, 141})) << "the frame";
    EXPECT_EQ(boxes[1].state.viewportOrg, (vd::Point{150, 50}));
    const auto blits = CallsOf(dc, vd::DrawOp::BitBlt);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].op.rect, (vd::Rect{30, 40, 230, 140}));
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].at, (vd::Point{200, 145}));
    EXPECT_EQ(texts[0].text, "山門    寺") << "the entry's own item, not the last placed point's";
    EXPECT_EQ(dc.GetViewportOrg(), (vd::Point{0, 0}));
    EXPECT_EQ(pages->m_nPicOverflow, 0);
}

TEST_F(PicturePage, APictureExactlyAsTallAsTheSpaceGetsNoScrollBar)
{
    WritePicture("PICT/EXACT.BMP", 300, 700 - 90 - 83);
    vd::RecordingDc dc;
    pages->DrawPicturePage(dc, 0);
    EXPECT_EQ(pages->m_nPicOverflow, 0);
    ASSERT_NE(view->m_pNavigation->PageScrollBar(), nullptr);
    EXPECT_FALSE(view->m_pNavigation->PageScrollBar()->IsWindow());
}

TEST_F(PicturePage, ATallPictureScrollsFromTheMiddle)
{
    WritePicture("PICT/TALL.BMP", 300, 600);
    vd::RecordingDc dc;
    pages->DrawPicturePage(dc, 0);
    const int h = 700 - 600 - 90 - 83; // -73
    EXPECT_EQ(pages->m_nPicOverflow, h);
    EXPECT_EQ(pages->m_nPicOffsetY, 0);
    EXPECT_EQ(view->m_nPagePos, 50);
    ASSERT_NE(view->m_pNavigation->PageScrollBar(), nullptr);
    EXPECT_TRUE(view->m_pNavigation->PageScrollBar()->IsWindow());
    const auto blits = CallsOf(dc, vd::DrawOp::BitBlt);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].op.rect, (vd::Rect{180, 40, 480, 40 + 600 + h}));
    EXPECT_EQ(blits[0].op.source.top, 36);
    const auto boxes = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].op.rect, (vd::Rect{29, 39, 331, 600 + h + 40 + 1}));

    for (const auto& [position, row] : {std::pair{100, 0}, std::pair{0, 73}}) {
        vd::RecordingDc scrolled;
        pages->ScrollPicturePage(scrolled, position);
        const auto rows = CallsOf(scrolled, vd::DrawOp::BitBlt);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].op.source.top, row) << position;
        EXPECT_EQ(rows[0].op.rect.left, 180);
    }
}

TEST_F(PicturePage, WhilePlayingATallPictureShrinksByWholePercents)
{
    WritePicture("PICT/TALLER.BMP", 300, 900);
    doc->entry.m_nPictureFit = 1;
    vd::RecordingDc dc;
    pages->DrawPicturePage(dc, 0);
    EXPECT_EQ(pages->m_nPicOffsetX, 0);
    EXPECT_EQ(pages->m_nPicOverflow, 0);
    // Bottom 900 - 293 + 40 = 647; min(840 * 100 / 300, 607 * 100 / 900) = 67 percent.
    const auto stretches = CallsOf(dc, vd::DrawOp::StretchBlt);
    ASSERT_EQ(stretches.size(), 1u);
    EXPECT_EQ(stretches[0].op.rect, (vd::Rect{30, 40, 30 + 201, 40 + 603}));
    EXPECT_EQ(stretches[0].op.source, (vd::Rect{0, 0, 300, 900}));
    EXPECT_EQ(stretches[0].state.stretchMode, vd::HALFTONE);
    EXPECT_TRUE(CallsOf(dc, vd::DrawOp::BitBlt).empty());
    EXPECT_EQ(dc.GetStretchBltMode(), vd::BLACKONWHITE);
}

TEST_F(PicturePage, MissingDamagedOrOtherPicturesDrawNothing)
{
    doc->m_strEntryParam = "@:PICT\\CAPTION.TXT";
    doc->entry.m_strEntryTarget = "@:PICT\\NONE.BMP";
    vd::RecordingDc missing;
    pages->DrawPicturePage(missing, 0);
    EXPECT_TRUE(missing.Calls().empty());
    EXPECT_EQ(doc->m_strEntryParam, "");
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 1);

    // A picture shown before does not come back in place of a damaged one.
    WritePicture("PICT/GOOD.BMP", 20, 10);
    vd::RecordingDc good;
    pages->DrawPicturePage(good, 0);
    EXPECT_FALSE(good.Calls().empty());
    for (const std::string& bytes : {std::string("BM\x10\0\0\0garbage", 13), std::string()}) {
        WriteHomeFile("PICT/BAD.JPG", bytes);
        doc->entry.m_strEntryTarget = "@:PICT\\BAD.JPG";
        doc->m_nFileKind = 1;
        vd::RecordingDc damaged;
        pages->DrawPicturePage(damaged, 1);
        EXPECT_TRUE(damaged.Calls().empty());
        doc->m_nFileKind = 0;
        pages->DrawPicturePage(damaged, 0);
        EXPECT_TRUE(damaged.Calls().empty());
    }
    doc->entry.m_strEntryTarget = "@:PICT\\GOOD.BMP";
    doc->m_nFileKind = 2;
    vd::RecordingDc gif;
    pages->DrawPicturePage(gif, 0);
    EXPECT_TRUE(gif.Calls().empty());
}

TEST_F(PicturePage, CaptionRowsUnwrappedUpTo79BytesAndAtMostSix)
{
    std::string text;
    text += std::string(79, 'a') + "\r\n";
    text += std::string(80, 'b') + "\r\n";
    for (int i = 0; i < 6; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    WriteHomeFile("PICT/CAPTION.TXT", text);
    doc->m_nFileKind = 1;
    pages->m_nPicOffsetX = 150;
    vd::RecordingDc dc;
    EXPECT_EQ(pages->DrawCaptionBox(dc, "@:PICT\\CAPTION.TXT"), 0);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 6u);
    const int top = 579 - 20;
    EXPECT_EQ(texts[0].text, std::string(79, 'a'));
    EXPECT_EQ(texts[0].at, (vd::Point{172, top + 6}));
    EXPECT_EQ(texts[1].text, std::string(78, 'b'));
    EXPECT_EQ(texts[2].text, "bb" + std::string(76, ' '));
    EXPECT_EQ(texts[2].at, (vd::Point{172, top + 6 + 36}));
    EXPECT_EQ(texts[5].text, "row 2");
    // A text's box is 10 pixels lower in a taller window.
    doc->m_nFileKind = 9;
    view->MoveWindow(0, 0, kWidth, 720, false);
    vd::RecordingDc taller;
    pages->DrawCaptionBox(taller, "@:PICT\\CAPTION.TXT");
    EXPECT_EQ(taller.Texts()[0].at.y, 589 + 6);
    vd::RecordingDc none;
    pages->DrawCaptionBox(none, "@:PICT\\NONE.TXT");
    EXPECT_TRUE(none.Calls().empty());
}

TEST_F(PicturePage, LeavingAlbumPlayOrRedisplayingTheMapEndsTheFit)
{
    doc->entry.m_nPictureFit = 1;
    ASSERT_TRUE(frame->ExecuteCommand(ID_REDISPLAY_MAP));
    EXPECT_EQ(doc->entry.m_nPictureFit, 0);
    doc->entry.m_nPictureFit = 1;
    view->routeCommand(327);
    EXPECT_EQ(doc->entry.m_nPictureFit, 0);
}

} // namespace
