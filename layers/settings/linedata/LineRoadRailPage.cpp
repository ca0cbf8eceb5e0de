#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

constexpr int kStationBox = 1294;

std::vector<LineRowSpec> RoadRailRows()
{
    LineRowSpec road;
    road.fileTab = 1;
    road.row = 1;
    road.label = "道路";
    road.showId = 1269;
    road.choices = {{1270, "道路種別で色分け"}, {1271, "黒"}};
    road.fileLabel = "フォルダ";
    road.fileEditId = 1272;
    road.buttonId = 1273;
    road.folder = true;
    road.form = LineCodeForm::RoadMode;

    LineRowSpec rail;
    rail.fileTab = 3;
    rail.row = 5;
    rail.label = "鉄道";
    rail.showId = 1274;
    rail.choices = {{1275, "ライン種別で色分け"}, {1276, "茶"}};
    rail.optionId = kStationBox;
    rail.optionCaption = "駅と駅名";
    rail.optionSwitchesRowOn = false;
    rail.fileLabel = "ﾃﾞｰﾀﾌｧｲﾙ";
    rail.fileEditId = 1277;
    rail.buttonId = 1278;
    rail.form = LineCodeForm::RailMode;

    return {
        road,
        rail,
        NamedRow(6, 1, "航路", "航路", 1283, 1653, 1279, 1280,
                 {{1658, "非表示"}, {1659, "名称"}, {1660, "種別"}, {1661, "名称/種別"}, {1662, "名称/向き"}}),
        NamedRow(6, 2, "架橋", "架橋", 1284, 1652, 1281, 1282,
                 {{1650, "非表示"}, {1654, "名称/長さ"}, {1655, "名称/完成年"}, {1656, "名称/管理者"}}),
    };
}

} // namespace

CDlgLineRoadRail::CDlgLineRoadRail() : LinePage(IDD, RoadRailRows()) {}

bool CDlgLineRoadRail::OnInitDialog()
{
    LinePage::OnInitDialog();
    if (m_bCallerMark == 1)
        SetDlgItemText(kStationBox, "駅");
    return true;
}

vd::ui::DialogTemplate RoadRailTemplate()
{
    return LinePageTemplate(CDlgLineRoadRail::IDD, "", RoadRailRows());
}
