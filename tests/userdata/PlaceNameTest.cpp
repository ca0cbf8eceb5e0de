// Place-name kinds, the class filter, and the colour and symbol tables of NpClrTbl.dat and
// NpSymbol.dat.
#include "UserDataTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace userdatatest;

TEST(PlaceNameKind, JudgedFromTheCharactersTheNameHolds)
{
    const struct {
        const char* name;
        int kind;
    } cases[] = {
        {"東京駅", 3},   {"山手駅", 3},    {"山形市", 2},  {"山中湖町", 2}, {"湖南市", 2},    {"富士山", 1},
        {"琵琶湖", 1},   {"剱峰", 1},      {"槍ヶ岳", 1},  {"　無名", 1},   {"白馬嶺", 1},    {"碓氷峠", 1},
        {"中岳乗越", 1}, {"御嶽", 1},      {"プリンス", 1}, {"東京", 2},    {"川崎", 2},      {"無名　", 2},
        // "猿" and "R" hold the bytes of "山" across their boundary in CP932; only characters count.
        {"猿R", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CVeldoranDoc::PlaceNameKind(c.name), c.kind) << c.name;
}

TEST(PlaceNameFilter, ClassSwitchesDecideInTheirOrder)
{
    auto doc = MakeDocument();
    enum { Sea = 1, Lake, Island, Mountain, Valley, River, Town, Bay, Cape };
    const struct {
        std::vector<int> on;
        const char* name;
        int result;
    } cases[] = {
        {{Lake}, "山中湖", -1}, // the 山 test comes first
        {{Lake}, "琵琶湖", 2},
        {{Lake}, "弁天池", 2},
        {{Lake}, "東京", -1},
        {{Lake}, "湖南市", -1}, // towns are hidden while their switch is off
        {{Lake, Town}, "山形市", 2},
        {{Town}, "東京駅", 3},
        {{Town}, "首都ＨＷ", 3},
        {{Town}, "駅前町", 2},
        {{Sea}, "日本海", 2},
        {{Sea}, "太平洋", 2},
        {{Sea}, "海山", -1},
        {{Island}, "佐渡島", 2},
        {{Island, Mountain}, "島山", -1},
        {{Mountain}, "富士山", 1},
        {{Mountain}, "　無名", 1},
        {{Mountain}, "八ヶ岳", 1},
        {{Mountain}, "馬の背尾根", 1},
        {{Mountain}, "佐渡島", -1},
        {{Valley}, "黒部谷", 2},
        {{Valley}, "涸沢", 2},
        {{Valley}, "谷川", -1},
        {{Valley, River}, "谷川", -1},
        {{River}, "信濃川", 2},
        {{River}, "黄河", 2},
        {{River}, "山川", -1},
        {{Bay}, "東京湾", 2},
        {{Bay}, "八郎潟", 2},
        {{Cape}, "室戸岬", 2},
        {{}, "室戸岬", -1},
    };
    for (const auto& c : cases) {
        doc->spec.m_anPlaceNameKind.fill(0);
        for (int kind : c.on)
            doc->spec.m_anPlaceNameKind[kind] = 1;
        EXPECT_EQ(doc->FilterPlaceName(c.name), c.result) << c.name;
    }
}

TEST(PlaceNameTables, ColoursOfOneClassSection)
{
    auto doc = MakeDocument();
    WriteFixture("NpClrTbl.dat", Cp932Lines({"; 地名の色", "行政区画名", "0,0,5", "居住地名", "1,2,7", "",
                                             "19,54,9", "20,0,3", "0,55,3", "-1,0,3", "1,3", "自然地名 ", "2,2,4",
                                             "自然地名", "3,3,6", "公共施設", "4,4,8", "＊＊＊＊", "5,5,1"}));
    const auto colour = [&](int row, int column) { return doc->placeNameClasses.m_anClassColour[row * 55 + column]; };

    // Class 1 (居住地名): from its line to the next class's; a class line with a trailing blank
    // is not recognised, so the section goes on past it.
    doc->LoadPlaceNameColours(1);
    EXPECT_EQ(colour(1, 2), 7);
    EXPECT_EQ(colour(19, 54), 9);
    EXPECT_EQ(colour(2, 2), 4);
    EXPECT_EQ(colour(0, 0), -1);
    EXPECT_EQ(colour(3, 3), -1);
    EXPECT_EQ(colour(1, 3), -1);

    doc->LoadPlaceNameColours(0);
    EXPECT_EQ(colour(0, 0), 5);
    EXPECT_EQ(colour(1, 2), -1);

    // A larger class counts as the last (公共施設, closed by ＊＊＊＊); a negative one loads nothing.
    doc->LoadPlaceNameColours(9);
    EXPECT_EQ(colour(4, 4), 8);
    EXPECT_EQ(colour(5, 5), -1);
    doc->LoadPlaceNameColours(-1);
    EXPECT_EQ(colour(4, 4), -1);

    // A section whose closing line never comes reads to the end; a missing file leaves -1.
    doc->LoadPlaceNameColours(2);
    EXPECT_EQ(colour(3, 3), 6);
    EXPECT_EQ(colour(5, 5), 1);
    doctest::fs::remove(doctest::Home() / "NpClrTbl.dat");
    doc->LoadPlaceNameColours(2);
    EXPECT_EQ(colour(3, 3), -1);
}

TEST(PlaceNameTables, SymbolsReadWithinTheTableWhenTheDocumentIsBuilt)
{
    WriteFixture("NpSymbol.dat", "; symbols\r\n"
                                 "\r\n"
                                 "0,0,1\r\n"
                                 "9,19,16\r\n"
                                 "3,4,0\n"
                                 "10,0,5\r\n"   // row outside
                                 "0,20,5\r\n"   // column outside
                                 "-1,3,5\r\n"
                                 "2,2\r\n"      // not three numbers
                                 "1,1,2,7\r\n"  // the third number is read up to its digits
                                 "7,3,8");
    auto doc = MakeDocument();
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[0][0], 1);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[9][19], 16);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[3][4], 0);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[1][1], 2);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[7][3], 8);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[2][2], 17);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[0][19], 17);
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[9][0], 17);

    // Read again without the file: every symbol is back to 17.
    doctest::fs::remove(doctest::Home() / "NpSymbol.dat");
    doc->LoadPlaceNameSymbols();
    EXPECT_EQ(doc->placeNameClasses.m_anSymbolSetting[0][0], 17);
}

} // namespace
