#include "layers/settings/pointdata/PointPageSpecs.h"

#include "layers/settings/pointdata/LandPriceAPages.h"
#include "layers/settings/pointdata/PointPages.h"

namespace {

std::vector<int> Ids(int first, int count)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(first + i);
    return ids;
}

// 施設: 公共施設 (data folder, 大分類), 文化財, 発電所, 空港台帳. The white map has no label
// items for the first two, and its item buttons switch no row on.
PointPageSpec MakeFacilitySpec(bool white)
{
    PointPageSpec spec{
        white ? int(CDlgWhitePointFacility::IDD) : int(CDlgPointFacility::IDD),
        white ? PointOnBoxRule::TogglesFromZero : PointOnBoxRule::NeedsTextKeepsFlag,
        {
            {.slot = 0, .onBox = 1110, .colourList = 1114, .textEdit = 1118, .fileButton = 1122, .folder = true},
            {.slot = 1, .onBox = 1111, .colourList = 1115, .textEdit = 1119, .fileButton = 1123},
            {.slot = 9,
             .onBox = 1112,
             .colourList = 1116,
             .textEdit = 1120,
             .fileButton = 1124,
             .items = Ids(1589, 4),
             .itemSwitchesRowOn = !white},
            {.slot = 23,
             .onBox = 1113,
             .colourList = 1117,
             .textEdit = 1121,
             .fileButton = 1125,
             .items = Ids(1670, 3),
             .itemSwitchesRowOn = !white},
        },
        {},
        1223};
    if (!white) {
        spec.rows[0].items = {1233, 1234};
        spec.rows[0].twoWayItems = true;
        spec.rows[1].items = {1267, 1268};
        spec.rows[1].twoWayItems = true;
    }
    return spec;
}

// 水文: 水系域流路延長 (data folder), 感潮限界, ダム; the white map has no items for the first.
PointPageSpec MakeHydrologySpec(bool white)
{
    PointPageSpec spec{
        white ? int(CDlgWhitePointHydrology::IDD) : int(CDlgPointHydrology::IDD),
        PointOnBoxRule::NeedsText,
        {
            {.slot = 2, .onBox = 1222, .colourList = 1219, .textEdit = 1220, .fileButton = 1221, .folder = true},
            {.slot = 20,
             .onBox = 1236,
             .colourList = 1237,
             .textEdit = 1234,
             .fileButton = 1235,
             .items = Ids(1238, 3)},
            {.slot = 3, .onBox = 1225, .colourList = 1233, .textEdit = 1223, .fileButton = 1224, .items = Ids(1263, 4)},
        }};
    if (!white)
        spec.rows[0].items = Ids(1226, 7);
    return spec;
}

// 土地B: five data-file rows; the page's 表示項目 group is N of slot 15 (not on the white map).
PointPageSpec MakeLandPriceBSpec(bool white)
{
    PointPageSpec spec{
        white ? int(CDlgWhitePointLandPriceB::IDD) : int(CDlgPointLandPriceB::IDD),
        PointOnBoxRule::Toggles,
        {
            {.slot = 15, .onBox = 1568, .colourList = 1570, .textEdit = 1571, .fileButton = 1572, .nameEdit = 1569},
            {.slot = 16, .onBox = 1576, .colourList = 1577, .textEdit = 1573, .fileButton = 1574, .nameEdit = 1575},
            {.slot = 17, .onBox = 1581, .colourList = 1582, .textEdit = 1578, .fileButton = 1579, .nameEdit = 1580},
            {.slot = 18, .onBox = 1586, .colourList = 1587, .textEdit = 1583, .fileButton = 1584, .nameEdit = 1585},
            {.slot = 19, .onBox = 1601, .colourList = 1602, .textEdit = 1598, .fileButton = 1599, .nameEdit = 1600},
        }};
    if (!white)
        spec.pageItems = Ids(1588, 10);
    return spec;
}

// 土地A: four rows of land-price data folders; the page's 表示項目 group is N of slot 25 (not on
// the white map).
PointPageSpec MakeLandPriceASpec(bool white)
{
    PointPageSpec spec{white ? int(CDlgWhitePointLandPriceA::IDD) : int(CDlgPointLandPriceA::IDD),
                       PointOnBoxRule::LandPrice,
                       {
                           {.slot = 25,
                            .onBox = 1696,
                            .colourList = 1698,
                            .textEdit = 1699,
                            .fileButton = 1700,
                            .folder = true,
                            .nameEdit = 1697},
                           {.slot = 26,
                            .onBox = 1701,
                            .colourList = 1703,
                            .textEdit = 1704,
                            .fileButton = 1705,
                            .folder = true,
                            .nameEdit = 1702},
                           {.slot = 27,
                            .onBox = 1706,
                            .colourList = 1708,
                            .textEdit = 1709,
                            .fileButton = 1710,
                            .folder = true,
                            .nameEdit = 1707},
                           {.slot = 28,
                            .onBox = 1711,
                            .colourList = 1713,
                            .textEdit = 1714,
                            .fileButton = 1715,
                            .folder = true,
                            .nameEdit = 1712},
                       }};
    if (!white)
        spec.pageItems = Ids(1686, 10);
    return spec;
}

// 沿岸域: 潮汐・海洋施設, 海岸施設・感潮限界, 港湾, 漁港, data files with a label item each.
PointPageSpec MakeCoastSpec()
{
    return {
        CDlgPointCoast::IDD,
        PointOnBoxRule::NeedsText,
        {
            {.slot = 4, .onBox = 1235, .colourList = 1236, .textEdit = 1237, .fileButton = 1238, .items = Ids(1280, 6)},
            {.slot = 5, .onBox = 1239, .colourList = 1242, .textEdit = 1240, .fileButton = 1241, .items = Ids(1287, 6)},
            {.slot = 21,
             .onBox = 1245,
             .colourList = 1246,
             .textEdit = 1243,
             .fileButton = 1244,
             .items = Ids(1669, 3)},
            {.slot = 22,
             .onBox = 1249,
             .colourList = 1250,
             .textEdit = 1247,
             .fileButton = 1248,
             .items = Ids(1673, 3)},
        }};
}

// 点Ａ: three rows of data folders by prefecture, each with a name and a column range.
PointPageSpec MakeByPrefectureSpec()
{
    return {CDlgPointByPrefecture::IDD,
            PointOnBoxRule::Toggles,
            {
                {.slot = 6,
                 .onBox = 1246,
                 .colourList = 1248,
                 .textEdit = 1249,
                 .fileButton = 1250,
                 .folder = true,
                 .nameEdit = 1247,
                 .rangeFrom = 1256,
                 .rangeTo = 1257},
                {.slot = 7,
                 .onBox = 1254,
                 .colourList = 1255,
                 .textEdit = 1251,
                 .fileButton = 1252,
                 .folder = true,
                 .nameEdit = 1253,
                 .rangeFrom = 1258,
                 .rangeTo = 1259},
                {.slot = 8,
                 .onBox = 1263,
                 .colourList = 1264,
                 .textEdit = 1260,
                 .fileButton = 1261,
                 .folder = true,
                 .nameEdit = 1262,
                 .rangeFrom = 1265,
                 .rangeTo = 1266},
            }};
}

// 点Ｂ: four rows of whole-country data files, each with a name and a column range.
PointPageSpec MakeNationwideSpec()
{
    return {CDlgPointNationwide::IDD,
            PointOnBoxRule::Toggles,
            {
                {.slot = 10,
                 .onBox = 1130,
                 .colourList = 1134,
                 .textEdit = 1138,
                 .fileButton = 1142,
                 .nameEdit = 1126,
                 .rangeFrom = 1258,
                 .rangeTo = 1259},
                {.slot = 11,
                 .onBox = 1131,
                 .colourList = 1135,
                 .textEdit = 1139,
                 .fileButton = 1143,
                 .nameEdit = 1127,
                 .rangeFrom = 1260,
                 .rangeTo = 1261},
                {.slot = 12,
                 .onBox = 1132,
                 .colourList = 1136,
                 .textEdit = 1140,
                 .fileButton = 1144,
                 .nameEdit = 1128,
                 .rangeFrom = 1262,
                 .rangeTo = 1263},
                {.slot = 13,
                 .onBox = 1133,
                 .colourList = 1137,
                 .textEdit = 1141,
                 .fileButton = 1145,
                 .nameEdit = 1129,
                 .rangeFrom = 1264,
                 .rangeTo = 1265},
            }};
}

} // namespace

const PointPageSpec& FacilitySpec(bool white)
{
    static const PointPageSpec detailed = MakeFacilitySpec(false), plain = MakeFacilitySpec(true);
    return white ? plain : detailed;
}

const PointPageSpec& HydrologySpec(bool white)
{
    static const PointPageSpec detailed = MakeHydrologySpec(false), plain = MakeHydrologySpec(true);
    return white ? plain : detailed;
}

const PointPageSpec& LandPriceASpec(bool white)
{
    static const PointPageSpec detailed = MakeLandPriceASpec(false), plain = MakeLandPriceASpec(true);
    return white ? plain : detailed;
}

const PointPageSpec& LandPriceBSpec(bool white)
{
    static const PointPageSpec detailed = MakeLandPriceBSpec(false), plain = MakeLandPriceBSpec(true);
    return white ? plain : detailed;
}

const PointPageSpec& CoastSpec()
{
    static const PointPageSpec spec = MakeCoastSpec();
    return spec;
}

const PointPageSpec& ByPrefectureSpec()
{
    static const PointPageSpec spec = MakeByPrefectureSpec();
    return spec;
}

const PointPageSpec& NationwideSpec()
{
    static const PointPageSpec spec = MakeNationwideSpec();
    return spec;
}
