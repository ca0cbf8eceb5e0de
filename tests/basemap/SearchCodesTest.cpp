// The three small entry points of the place-name search: government code to the mesh code of the
// prefectural office's sheet, hiragana readings to half-width katakana, and the search condition
// and counts written on the map.
#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchCodes, GovernmentCodeGivesThePrefecturalOfficeMesh)
{
    const struct {
        const char* code;
        const char* mesh;
    } cases[] = {
        {"13101", "5339"}, {"13", "5339"},  {"013", "5339"}, {"1101", "6441"}, {"131", "6441"},
        {"1000", "6441"},  {"47", "3927"},  {"26", "5235"},  {"47999", "3927"}, {"100", ""},
        {"48", ""},        {"0", ""},       {"", ""},        {"abc", ""},     {"-13", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnGetMechCodeFromGovermentCode(c.code), c.mesh) << c.code;
}

TEST(SearchCodes, HiraganaBecomeHalfWidthKatakanaPairByPair)
{
    const struct {
        const char* text;
        const char* halfWidth;
    } cases[] = {
        {"さっぽろ", "ｻ ﾎﾟﾛ"},
        {"ぺん", "ﾍﾟﾝ"},
        {"とーきょー", "ﾄｰｷｮｰ"},
        {"がぎぐげご", "ｶﾞｷﾞｸﾞｹﾞｺﾞ"},
        {"ぃぇぁ", "ｨｪ "},     // small vowels other than ぃ and ぇ are blanks
        {"カ京を", "   "},     // katakana, kanji and を are not in the table
        {"あa", "ｱ"},          // an odd last byte is dropped
        {"aあい", "  "},       // a single-byte character shifts the pairs: nothing matches
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnZenkakuToHankaku(c.text), c.halfWidth) << c.text;
}

std::vector<std::pair<vd::Point, std::string>> TextsOf(const vd::RecordingDc& dc)
{
    std::vector<std::pair<vd::Point, std::string>> texts;
    for (const vd::RecordedText& t : dc.Texts())
        texts.emplace_back(t.at, t.text);
    return texts;
}

using Texts = std::vector<std::pair<vd::Point, std::string>>;

TEST(SearchCodes, NarrowViewWritesTheConditionAndCountsOnThreeLines)
{
    vd::RecordingDc dc;
    const vd::Font before = dc.GetCurrentFont();
    OnGnpfOutPut(&dc, 1, 600, 175, 0, 12, 7, 3, 2, 9, 800, "自然地名", "湖沼･河川", "滝", "5235", "", "", "の滝");
    EXPECT_EQ(TextsOf(dc), (Texts{{{20, 635}, "地名検索"},
                                  {{20, 652}, "5235/ 分類コード $自然地名 $湖沼･河川 $滝 文字列$の滝"},
                                  {{20, 669}, "5235/  分類 大=3 中=2 小=9 表示数=7 / 検索数=12"}}));
    for (const vd::RecordedText& t : dc.Texts()) {
        EXPECT_EQ(t.font.GetLogFont().lfHeight, 15);
        EXPECT_EQ(t.font.GetLogFont().lfFaceName, "ＭＳ ゴシック");
    }
    EXPECT_EQ(dc.GetCurrentFont(), before);

    // Facilities before the drawing: no small class, no counts.
    dc.Clear();
    OnGnpfOutPut(&dc, 0, 600, 175, 1, 0, 0, 16, -1, 1, 640, "学校", "小学校", "", "", "26", "京都府", "");
    EXPECT_EQ(TextsOf(dc), (Texts{{{20, 635}, "公共施設検索"}, {{20, 652}, "/26 分類コード $学校 $小学校 文字列$"}}));
    dc.Clear();
    OnGnpfOutPut(&dc, 1, 600, 175, 1, 4, 2, 16, -1, 1, 640, "学校", "小学校", "", "", "26", "京都府", "");
    EXPECT_EQ(TextsOf(dc).back(), (std::pair<vd::Point, std::string>{{20, 669}, "/26  分類 大=16 中=-1 表示数=2 / 検索数=4"}));
}

TEST(SearchCodes, WideViewWritesTheBoxWithEmptyLinesForUnsetClasses)
{
    vd::RecordingDc dc;
    // An unset middle class leaves its line empty; a 16-byte class name is cut at 14 bytes.
    OnGnpfOutPut(&dc, 1, 839, 175, 0, 25, 21, 3, -1, 7, 1024, "自然地名", "ああああああああ", "滝", "", "26101",
                 "京都市北区", "");
    EXPECT_EQ(TextsOf(dc), (Texts{{{834, 172}, "｢地名･公共施設｣の検索"},
                                  {{839, 191}, "行政ｺｰﾄﾞ 26101 (京都市北区)"},
                                  {{839, 207}, "分類 <検索数=   25>"},
                                  {{839, 223}, "大  3 自然地名"},
                                  {{839, 255}, "小  7 滝"},
                                  {{839, 271}, "<表示数=21>"}}));
    dc.Clear();
    OnGnpfOutPut(&dc, 0, 839, 175, 0, 0, 0, -1, 2, -1, 1024, "", "ＡＢＣＤＥＦＧＨ", "", "5235", "", "", "の滝");
    EXPECT_EQ(TextsOf(dc), (Texts{{{834, 172}, "｢地名･公共施設｣の検索"},
                                  {{839, 191}, "ﾒｯｼｭｺｰﾄﾞ 5235"},
                                  {{839, 207}, "分類   文字列:の滝"},
                                  {{839, 239}, "中  2 ＡＢＣＤＥＦＧ"}}));
    dc.Clear();
    OnGnpfOutPut(&dc, 1, 839, 175, 0, 0, 0, -1, -1, -1, 1024, "", "", "", "5235", "26", "", "の滝");
    EXPECT_EQ(TextsOf(dc), (Texts{{{834, 172}, "｢地名･公共施設｣の検索"},
                                  {{839, 207}, "分類   文字列:の滝"},
                                  {{839, 271}, "文字列:の滝 <0>"}}));
}

} // namespace
