// The text tag panel through OnTagDisplay on a RecordingDc: its boxes, lines and bevel, the
// wrapping of long pieces and the placement from a negative y.
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<const vd::RecordedCall*> Calls(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<const vd::RecordedCall*> found;
    for (const auto& call : dc.Calls())
        if (call.op.kind == kind)
            found.push_back(&call);
    return found;
}

std::vector<std::string> Lines(const vd::RecordingDc& dc)
{
    std::vector<std::string> lines;
    for (const auto& text : dc.Texts())
        lines.push_back(text.text);
    return lines;
}

TEST(TagPanel, TwoPiecesDrawBoxesLinesAndBevelAndRestoreTheCaller)
{
    vd::RecordingDc dc;
    const vd::Pen callerPen(vd::PS_SOLID, 2, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    const vd::DcState before = dc.State();
    OnTagDisplay(&dc, 100, 50, "甲|乙|");

    // n = 3, bottom 50 + 54 + 7.
    const int b = 111;
    const auto boxes = Calls(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->op.rect, (vd::Rect{92, 43, 718, b + 7}));
    EXPECT_EQ(boxes[0]->state.brush.Colour(), vd::RGB(210, 210, 210));
    EXPECT_EQ(boxes[1]->op.rect, (vd::Rect{101, 51, 710, b}));
    EXPECT_EQ(boxes[1]->state.brush.Colour(), vd::RGB(255, 255, 255));
    EXPECT_EQ(boxes[0]->state.pen, callerPen);

    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, (vd::Point{108, 56}));
    EXPECT_EQ(texts[1].at, (vd::Point{108, 74}));
    EXPECT_EQ(texts[1].text, "乙");
    EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 15);
    EXPECT_EQ(texts[0].font.GetLogFont().lfFaceName, "ＭＳ ゴシック");

    using S = vd::Segment;
    EXPECT_EQ(dc.Segments(callerPen), (std::vector<S>{{{100, b}, {100, 50}}, {{100, 50}, {712, 50}}, {{99, b}, {99, 49}}}));
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 255, 255))),
              (std::vector<S>{{{99, b + 1}, {711, b + 1}}, {{711, b + 1}, {711, 50}}}));
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(150, 150, 150))),
              (std::vector<S>{{{101, b - 1}, {709, b - 1}}, {{709, b - 1}, {709, 50}}}));

    EXPECT_EQ(dc.State().pen, before.pen);
    EXPECT_EQ(dc.State().brush, before.brush);
    EXPECT_EQ(dc.State().font, before.font);
}

TEST(TagPanel, LongPiecesWrapAt74Bytes)
{
    const std::string a73(73, 'a');
    struct Case {
        const char* what;
        std::string piece;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"75 bytes", std::string(75, 'x'), {std::string(75, 'x')}},
        {"76 bytes", std::string(76, 'x'), {std::string(74, 'x'), "xx" + std::string(72, ' ')}},
        {"148 bytes", std::string(148, 'x'), {std::string(74, 'x'), std::string(74, 'x'), std::string(74, ' ')}},
        {"a character at bytes 74-75", a73 + "あb", {a73 + "あ", "b" + std::string(73, ' ')}},
        {"empty piece", "", {""}},
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        OnTagDisplay(&dc, 0, 0, c.piece + "|");
        EXPECT_EQ(Lines(dc), c.lines) << c.what;
    }
}

TEST(TagPanel, TenLinesAtMostAndANegativeYCountsUpwards)
{
    struct Case {
        const char* what;
        int y;
        std::string text;
        int lines;
        int top; // of the grey box
    };
    const Case cases[] = {
        {"two lines from y = -10", -10, "a|b|", 2, 173 - 54 + 10 - 7},
        {"eleven pieces", 20, "1|2|3|4|5|6|7|8|9|10|11|", 10, 13},
        {"a long piece after nine", 20, "1|2|3|4|5|6|7|8|9|" + std::string(200, 'z') + "|", 10, 13},
        {"a rest without a bar", 20, "a|b", 2, 13},
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        OnTagDisplay(&dc, 10, c.y, c.text);
        EXPECT_EQ(int(dc.Texts().size()), c.lines) << c.what;
        const auto boxes = Calls(dc, vd::DrawOp::Rectangle);
        ASSERT_EQ(boxes.size(), 2u) << c.what;
        EXPECT_EQ(boxes[0]->op.rect.top, c.top) << c.what;
        // n is capped at ten lines: the bottom follows the first rows.
        const int n = std::min(c.lines + 1, 10);
        EXPECT_EQ(boxes[0]->op.rect.bottom, c.top + 7 + 18 * n + 14) << c.what;
    }
    vd::RecordingDc dc;
    EXPECT_EQ(Lines(dc), std::vector<std::string>{});
}

} // namespace
