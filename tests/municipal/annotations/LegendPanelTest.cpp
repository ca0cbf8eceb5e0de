// The national-land legend panel through OnWhiteDdLegend on a RecordingDc: its rows by section,
// the fixed sub-legends, the pens chosen by colour index and the frame around the rows used.
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using prefmap_test::MapFolder;

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Row flags with the given ranks set to 1.
std::string Flags(std::initializer_list<int> shown)
{
    std::string text;
    for (int i = 0; i < 80; ++i)
        text += (std::find(shown.begin(), shown.end(), i) != shown.end() ? "1" : "0") + std::string("|");
    return text;
}

class LegendPanel : public ::testing::Test {
protected:
    // The texts by position, and the frame's bottom line.
    void Draw(const std::string& flags, int mode = 1)
    {
        dc.SelectObject(callerPen);
        OnWhiteDdLegend(&dc, flags, folder.Windows(), mode);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& t : dc.Texts())
            texts.push_back(std::to_string(t.at.x) + "," + std::to_string(t.at.y) + " " + t.text);
        return texts;
    }
    // The pen of the sample line drawn beside the text at row y.
    vd::Pen SamplePen(int y) const
    {
        for (const auto& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::LineTo && call.op.points[0].y == y + 7 && call.state.pen != callerPen)
                return call.state.pen;
        return {};
    }
    // The frame's segments, drawn in the caller's pen.
    std::vector<vd::Segment> Frame() const { return dc.Segments(callerPen); }

    MapFolder folder{TestName()};
    vd::RecordingDc dc;
    const vd::Pen callerPen{vd::PS_SOLID, 1, vd::RGB(7, 7, 7)};
};

std::vector<vd::Segment> FrameOf(int x, int y, int w, int rows)
{
    const int bottom = y + 15 * rows - 2;
    return {{{x - 3, y - 2}, {x + w, y - 2}},
            {{x + w, y - 2}, {x + w, bottom}},
            {{x + w, bottom}, {x - 3, bottom}},
            {{x - 3, bottom}, {x - 3, y - 2}}};
}

TEST_F(LegendPanel, NoRowShownDrawsAFrameOfNoHeightAtEachPosition)
{
    struct Case {
        int mode, x, y, w;
    };
    for (const Case& c : {Case{0, 865, 234, 210}, Case{1, 10, 10, 210}, Case{2, 825, 204, 240}, Case{5, 0, 0, 0}}) {
        dc.Clear();
        Draw(Flags({}), c.mode);
        EXPECT_TRUE(dc.Texts().empty());
        EXPECT_EQ(Frame(), FrameOf(c.x, c.y, c.w, 0)) << c.mode;
    }
    EXPECT_EQ(dc.State().pen, callerPen);
}

TEST_F(LegendPanel, LineRowsWithRoadsRailwaysAndRivers)
{
    folder.WriteText("DddMFile.dat", {"; lines", "T1_1=道路", "C1_1=0", "T1_2=海岸線", "C1_2=101", "T3_5=鉄道",
                                      "C3_5=1", "T5_5=河川", "C5_5=112", "T7_1=行政界", "C7_1=7"});
    // Roads (0), coast (1), railways (14), rivers (24), tab 7 row 1 (75).
    Draw(Flags({0, 1, 14, 24, 75}));
    const std::vector<std::string> expected{
        "15,10 ===  国土数値情報（線データ）  ===",
        "15,25 ------- 道路種別 -------",
        "55,40 高速道路", "55,55 一般国道", "55,70 主要地方道", "55,85 一般都道府県道", "55,100 特例都道",
        "55,115 市町村道", "55,130 私道",
        "55,145 海岸線",
        "15,160 ------- 鉄道のライン種別 -------",
        "55,175 新幹線", "55,190 ＪＲ在来線", "55,205 公営鉄道", "55,220 民営鉄道",
        "55,235 河川(1級河川区間と河床標高)",
        "55,250 行政界",
    };
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(SamplePen(40), vd::Pen(vd::PS_SOLID, 3, vd::RGB(0, 240, 255)));
    EXPECT_EQ(SamplePen(55), vd::Pen(vd::PS_SOLID, 2, vd::RGB(255, 0, 0)));
    EXPECT_EQ(SamplePen(130), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0)));
    EXPECT_EQ(SamplePen(145), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255))); // 101: its last two digits
    EXPECT_EQ(SamplePen(175), vd::Pen(vd::PS_SOLID, 2, vd::RGB(128, 0, 255)));
    EXPECT_EQ(SamplePen(235), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 90, 0))); // 112 mod 10
    EXPECT_EQ(SamplePen(250), vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0)));
    EXPECT_EQ(Frame(), FrameOf(10, 10, 210, 17));

    // Other colour indexes: one row each, rivers without the bed elevation.
    folder.WriteText("DddMFile.dat", {"T1_1=道路", "C1_1=3", "T3_5=鉄道", "C3_5=0", "T5_5=川", "C5_5=47"});
    dc.Clear();
    Draw(Flags({0, 14, 24}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"15,10 ===  国土数値情報（線データ）  ===", "55,25 道路", "55,40 鉄道",
                                                 "55,55 川(河川等級で色分け)"}));
    EXPECT_EQ(SamplePen(25), vd::Pen(vd::PS_SOLID, 2, vd::RGB(0, 0, 0)));
    EXPECT_EQ(SamplePen(40), vd::Pen(vd::PS_SOLID, 1, vd::RGB(128, 0, 0)));
}

TEST_F(LegendPanel, SurfaceRowsWithTheirFixedLines)
{
    folder.WriteText("DddSFile.dat", {"T1_1=湖沼", "C1_1=12", "T1_5=流域", "C1_5=1", "T2_1=都市計画", "C2_1=2",
                                      "T3_4=湖", "C3_4=4"});
    // tab 0 rows 0 and 4, tab 1 row 0, tab 2 row 3.
    Draw(Flags({30, 34, 35, 43}));
    const std::vector<std::string> expected{
        "15,10 ===  国土数値情報（面データ）  ===",
        "55,25 湖沼",
        "55,40 流域界",
        "55,55 非集水域線",
        "55,70 都市計画(破線は市町村境界)",
        "42,85 都市計画区域(2,3,4を除く):1",
        "42,100 用途地域(3,4)を除く:2  市街化区域:3",
        "42,115 市街化調整区域:4",
        "55,130 湖",
        "42,145 番号：湖沼コード",
    };
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(SamplePen(25), vd::Pen(vd::PS_DOT, 1, vd::RGB(0, 0, 255))); // 12: the dotted pen of colour 1
    EXPECT_EQ(SamplePen(55), vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 128, 255))); // 1 + 5
    EXPECT_EQ(Frame(), FrameOf(10, 10, 210, 10));

    // The largest index moves on by 22 and by 5 without running past int: 2147483669 counts as 69,
    // outside the table, so the pen stays.
    folder.WriteText("DddSFile.dat", {"C1_5=2147483647"});
    dc.Clear();
    Draw(Flags({34}));
    EXPECT_EQ(SamplePen(25), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0)));
    EXPECT_EQ(SamplePen(40), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0)));
}

TEST_F(LegendPanel, PointRowsTakeTwoRowsAndLandPricesTheirItems)
{
    folder.WriteText("DDDPFILE.DAT", {"T1_1=学校", "C1_1=7", "T4_1=地価公示", "C4_1=1", "N4_1=5", "T5_2=x"});
    // tab 0 row 0, tab 3 row 0 (land prices), tab 4 row 1 (harbours).
    Draw(Flags({45, 60, 66}));
    std::vector<std::string> expected{
        "15,10 ===  国土数値情報（点データ）  ===",
        "55,25 学校",
        "55,55 地価公示",
        "42,70 項目：価格(万円)／用途地域の種類",
    };
    const char* zoning[] = {" 1:第一種低層住居専用   2:第二種低層住居専用", " 3:第一種中高層住居専用 4:第二種中高層住居専用",
                            " 5:第一種住居  6:第二種住居 7:準住居",       " 8:近隣商業    9:商業",
                            "10:準工業    11:工業   12:工業専用",          "13:防火      14:準防火 15:市街地化調整",
                            "16:未線引都市計画      17:地域森林計画",      "18:国定公園第3種特別",
                            "19:第一種住居専用  20:第二種住居専用",        "21:住居            22:住宅専用"};
    for (int i = 0; i < 10; ++i)
        expected.push_back("42," + std::to_string(85 + 15 * i) + " " + zoning[i]);
    expected.push_back("55,235 港湾");
    EXPECT_EQ(Texts(), expected);
    const auto marker = std::find_if(dc.Calls().begin(), dc.Calls().end(),
                                     [](const auto& c) { return c.op.kind == vd::DrawOp::Rectangle; });
    ASSERT_NE(marker, dc.Calls().end());
    EXPECT_EQ(marker->op.rect, (vd::Rect{17, 29, 23, 35}));
    EXPECT_EQ(marker->state.pen, vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0)));
    EXPECT_EQ(Frame(), FrameOf(10, 10, 210, 17));

    // Item 1 adds one line; missing files leave the names empty but draw the rows.
    folder.WriteText("DDDPFILE.DAT", {"N4_1=1"});
    dc.Clear();
    Draw(Flags({60, 2}), 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"870,234 ===  国土数値情報（線データ）  ===", "910,249 ",
                                                 "870,264 ===  国土数値情報（点データ）  ===", "910,279 ",
                                                 "897,294 項目：前年変動率(%)"}));
}

} // namespace
