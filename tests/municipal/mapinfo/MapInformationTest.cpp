// The map information dialog through OnDlgMpRF: the kind and mesh count rules with the map
// name's overrides, the corners on both datums, and a corner outside Japan.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kInformation = 161;

struct Call {
    std::string kind = "533945.SEM";
    std::string ownCorners = "0";
    std::string mapName = "東京";
    int variant = 0;
    int userEast = 150;
    std::string partNorthLatitude = "35.3938";
};

// The texts of the controls asked for, as the dialog showed them.
std::map<int, std::string> Show(const Call& c, const std::vector<int>& ids, vd::ui::Script& script)
{
    std::map<int, std::string> texts;
    script.answerDialog(kSurrickModule, kInformation, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "          地図情報");
        for (int id : ids)
            texts[id] = d.text(id);
        d.click(vd::IDOK);
    });
    OnDlgMpRF(812, 3, 10, 20, c.userEast, 40, 1, 2, 3, 4, 5, 6, c.variant, "PLACE.DAT", "POINT.DAT", "TEXT.DAT",
              "35.2000", "35.3938", "139.0000 東京", "139.4500", "139.4500 x", "35.2000", "139.4500",
              c.partNorthLatitude, c.kind, "5339", c.mapName, "part", "map", c.ownCorners);
    return texts;
}

TEST(MapInformation, KindAndMeshCountFollowTheFileAndTheMapName)
{
    struct Case {
        const char* what;
        Call call;
        const char* kind;
        const char* meshes;
        const char* mapName;
        const char* meshCode;
    };
    const Case cases[] = {
        {"250 m with its own corners", {}, "250mﾒｯｼｭ", "320×320", "東京", "5339"},
        {"250 m of a larger map", {.ownCorners = "1"}, "250mﾒｯｼｭ", "640×640", "東京", "5339"},
        {"1 km elevation", {.kind = "5339.TEM", .variant = 1}, "1Kmﾒｯｼｭ（標高）", "80×80", "東京", "5339"},
        {"1 km mean elevation", {.kind = "5339.TEM", .variant = 2}, "1Kmﾒｯｼｭ（平均標高）", "80×80", "東京", "5339"},
        {"1 km without a variant", {.kind = "5339.TEM"}, "ユーザー作成地図", "(10,20)->(150,40)", "東京", "5339"},
        {"50 m of a chosen range", {.kind = "指定した範囲.MEM", .userEast = 201}, "50mﾒｯｼｭ", "400×400",
         "指定した範囲", "5339"},
        {"50 m", {.kind = "5339.MEM"}, "50mﾒｯｼｭ", "200×200", "東京", "5339"},
        {"250 m three times", {.mapName = "東京３×"}, "250mﾒｯｼｭ", "480×480", "東京３×", ""},
        {"50 m three times", {.kind = "5339.MEM", .mapName = "東京３×"}, "50mﾒｯｼｭ", "240×240", "東京３×", "5339"},
        {"250 m twice", {.mapName = "東京２×"}, "250mﾒｯｼｭ", "640×640", "東京２×", ""},
        {"user map twice", {.kind = "A.MAP", .mapName = "東京２×"}, "ユーザー作成地図", "(10,20)->(150,40)",
         "東京２×", "5339"},
        {"five times", {.kind = "5339.MEM", .mapName = "５×"}, "50mﾒｯｼｭ", "400×400", "５×", "5339"},
        {"seven times", {.mapName = "７×"}, "250mﾒｯｼｭ", "560×560", "７×", "5339"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto script = vd::ui::Script::install();
        const auto texts = Show(c.call, {1106, 1105, 1107, 1108}, *script);
        EXPECT_EQ(texts.at(1106), c.kind);
        EXPECT_EQ(texts.at(1105), c.meshes);
        EXPECT_EQ(texts.at(1107), c.mapName);
        EXPECT_EQ(texts.at(1108), c.meshCode);
    }
}

TEST(MapInformation, CornersOnBothDatumsAndTheOtherTexts)
{
    auto script = vd::ui::Script::install();
    const auto texts = Show({}, {1114, 1116, 1117, 1104, 1100, 1103, 1102, 1101, 1118, 1110, 1119, 1112, 1096, 1097,
                                 1098, 1099, 1120, 1121, 1122, 1123, 1109, 1111, 1113, 1115, 1233},
                            *script);
    const std::map<int, std::string> expected = {
        {1114, "812m"}, {1116, "3m"}, {1117, "(5,6)"}, {1104, "(1,2)->(3,4)"},
        {1100, "35.3938"}, {1103, "139.4500"}, {1102, "35.2000"}, {1101, "139.0000"},
        {1118, "35.394967"}, {1110, "139.444837"},
        {1096, "35.3938"}, {1097, "139.4500"}, {1098, "35.2000"}, {1099, "139.4500"},
        {1120, "35.394967"}, {1121, "139.444837"},
        {1109, "part"}, {1111, "map"}, {1113, "PLACE.DAT"}, {1115, "POINT.DAT"}, {1233, "TEXT.DAT"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(texts.at(id), text) << id;
    // The south-west corners are converted too; only their shape is pinned here.
    for (int id : {1119, 1112, 1122, 1123})
        EXPECT_EQ(texts.at(id).size(), texts.at(id).find('.') + 7) << id;
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST(MapInformation, OwnCornersLeftOutAndACornerOutsideJapanLeftEmpty)
{
    auto script = vd::ui::Script::install();
    const auto texts =
        Show({.ownCorners = "1", .partNorthLatitude = "47.0000"}, {1100, 1103, 1102, 1101, 1118, 1110, 1119, 1112,
                                                                   1096, 1120, 1121, 1122},
             *script);
    for (int id : {1100, 1103, 1102, 1101, 1118, 1110, 1119, 1112, 1120, 1121})
        EXPECT_EQ(texts.at(id), "") << id;
    EXPECT_EQ(texts.at(1096), "47.0000");
    EXPECT_FALSE(texts.at(1122).empty());
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "入力された(緯度 47度 0分 0.0000秒)は日本の領土外です。");
}

} // namespace
