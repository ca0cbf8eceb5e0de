#include "municipal/mapinfo/MapInformationDialog.h"

#include "municipal/SurrickModule.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

#include <tuple>

namespace {

using namespace vd::ui;

// The numeric map.
constexpr int IDC_MAP_NE_LATITUDE = 1100;
constexpr int IDC_MAP_NE_LONGITUDE = 1103;
constexpr int IDC_MAP_SW_LATITUDE = 1102;
constexpr int IDC_MAP_SW_LONGITUDE = 1101;
constexpr int IDC_MAP_NE_LATITUDE_JGD = 1118;
constexpr int IDC_MAP_NE_LONGITUDE_JGD = 1110;
constexpr int IDC_MAP_SW_LATITUDE_JGD = 1119;
constexpr int IDC_MAP_SW_LONGITUDE_JGD = 1112;
constexpr int IDC_MESHES = 1105;
constexpr int IDC_KIND = 1106;
constexpr int IDC_MAP_NAME = 1107;
constexpr int IDC_MESH_CODE = 1108;
constexpr int IDC_MAP_TEXT = 1111;
// The part shown.
constexpr int IDC_PART_NE_LATITUDE = 1096;
constexpr int IDC_PART_NE_LONGITUDE = 1097;
constexpr int IDC_PART_SW_LATITUDE = 1098;
constexpr int IDC_PART_SW_LONGITUDE = 1099;
constexpr int IDC_PART_NE_LATITUDE_JGD = 1120;
constexpr int IDC_PART_NE_LONGITUDE_JGD = 1121;
constexpr int IDC_PART_SW_LATITUDE_JGD = 1122;
constexpr int IDC_PART_SW_LONGITUDE_JGD = 1123;
constexpr int IDC_PART_MESHES = 1104;
constexpr int IDC_PART_TEXT = 1109;
constexpr int IDC_HIGHEST = 1114;
constexpr int IDC_MESH_POSITION = 1117;
constexpr int IDC_LOWEST = 1116;
// The files.
constexpr int IDC_PLACE_NAME_FILE = 1113;
constexpr int IDC_POINT_FILE = 1115;
constexpr int IDC_TEXT_PICTURE_FILE = 1233;

constexpr const char* k250m = "250mﾒｯｼｭ";

// A read-only box with its label.
std::vector<ControlTemplate> labelled(const char* label, int id)
{
    return {ltext(vd::IDC_STATIC, label), edit(id, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY)};
}

// The corner rows under one datum heading.
std::vector<ControlTemplate> corners(const char* heading, int neLatitude, int neLongitude, int swLatitude,
                                     int swLongitude)
{
    std::vector<ControlTemplate> controls{ltext(vd::IDC_STATIC, heading)};
    for (auto [label, latitude, longitude] : {std::tuple{"北東隅", neLatitude, neLongitude},
                                             std::tuple{"南西隅", swLatitude, swLongitude}}) {
        controls.push_back(ltext(vd::IDC_STATIC, label));
        controls.push_back(edit(latitude, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY));
        controls.push_back(edit(longitude, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY));
    }
    return controls;
}

DialogTemplate MapInformationTemplate()
{
    DialogTemplate t;
    t.id = CDlgMapInformation::IDD;
    t.caption = "          地図情報";
    auto add = [&t](const std::vector<ControlTemplate>& controls) {
        t.controls.insert(t.controls.end(), controls.begin(), controls.end());
    };
    t.controls.push_back(groupBox(vd::IDC_STATIC, "数値地図"));
    add(labelled("地図名", IDC_MAP_NAME));
    add(labelled("種類", IDC_KIND));
    add(labelled("ﾒｯｼｭｺｰﾄﾞ", IDC_MESH_CODE));
    add(labelled("メッシュ数", IDC_MESHES));
    add(corners("緯度・経度（日本測地系）", IDC_MAP_NE_LATITUDE, IDC_MAP_NE_LONGITUDE, IDC_MAP_SW_LATITUDE,
                IDC_MAP_SW_LONGITUDE));
    add(corners("緯度・経度（日本測地系2000）", IDC_MAP_NE_LATITUDE_JGD, IDC_MAP_NE_LONGITUDE_JGD,
                IDC_MAP_SW_LATITUDE_JGD, IDC_MAP_SW_LONGITUDE_JGD));
    t.controls.push_back(ltext(IDC_MAP_TEXT, ""));
    t.controls.push_back(groupBox(vd::IDC_STATIC, "現在表示中の部分"));
    add(labelled("ﾒｯｼｭ座標", IDC_PART_MESHES));
    add(labelled("最高標高", IDC_HIGHEST));
    t.controls.push_back(edit(IDC_MESH_POSITION, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY));
    add(labelled("最低標高", IDC_LOWEST));
    add(corners("緯度・経度（日本測地系）", IDC_PART_NE_LATITUDE, IDC_PART_NE_LONGITUDE, IDC_PART_SW_LATITUDE,
                IDC_PART_SW_LONGITUDE));
    add(corners("緯度・経度（日本測地系2000）", IDC_PART_NE_LATITUDE_JGD, IDC_PART_NE_LONGITUDE_JGD,
                IDC_PART_SW_LATITUDE_JGD, IDC_PART_SW_LONGITUDE_JGD));
    t.controls.push_back(ltext(IDC_PART_TEXT, ""));
    add(labelled("地点名ファイル", IDC_PLACE_NAME_FILE));
    add(labelled("地点情報ファイル", IDC_POINT_FILE));
    add(labelled("テキスト・画像のデータファイル", IDC_TEXT_PICTURE_FILE));
    t.controls.push_back(defPushButton(vd::IDOK, "OK"));
    return t;
}

const TemplateRegistration registration(kSurrickModule, {MapInformationTemplate()});

bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

std::string upToBlank(const std::string& text)
{
    return text.substr(0, text.find(' '));
}

} // namespace

CDlgMapInformation::CDlgMapInformation() : vd::Dialog(IDD) {}

CDlgMapInformation::Description CDlgMapInformation::Describe() const
{
    const auto& i = m_anValue;
    const std::string& fileKind = m_astrText[11];
    const bool ownCorners = m_astrText[16] == "0";
    Description d{{}, {}, m_astrText[13], m_astrText[12]};
    if (contains(fileKind, "SEM")) {
        d.kind = k250m;
        d.meshes = ownCorners ? "320×320" : "640×640";
    } else if (contains(fileKind, "TEM") && i[12] == 1) {
        d.kind = "1Kmﾒｯｼｭ（標高）";
        d.meshes = "80×80";
    } else if (contains(fileKind, "TEM") && i[12] == 2) {
        d.kind = "1Kmﾒｯｼｭ（平均標高）";
        d.meshes = "80×80";
    } else if (contains(fileKind, "MEM")) {
        if (contains(fileKind, "指定した範囲"))
            d.mapName = "指定した範囲";
        d.kind = "50mﾒｯｼｭ";
        d.meshes = i[4] > 200 ? "400×400" : "200×200";
    } else {
        d.kind = "ユーザー作成地図";
        d.meshes = vd::format("(%d,%d)->(%d,%d)", i[2], i[3], i[4], i[5]);
    }
    // Enlarged maps say their size in their name.
    if (contains(d.mapName, "３×")) {
        d.meshes = d.kind != k250m ? "240×240" : "480×480";
        if (d.kind == k250m)
            d.meshCode.clear();
    } else if (contains(d.mapName, "２×") && d.kind == k250m) {
        d.meshes = "640×640";
        d.meshCode.clear();
    } else if (contains(d.mapName, "５×")) {
        d.meshes = "400×400";
    } else if (contains(d.mapName, "７×")) {
        d.meshes = "560×560";
    }
    return d;
}

bool CDlgMapInformation::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    const auto& i = m_anValue;
    const auto& s = m_astrText;
    const bool ownCorners = s[16] == "0";
    SetDlgItemText(IDC_MESH_POSITION, vd::format("(%d,%d)", i[10], i[11]));
    SetDlgItemText(IDC_HIGHEST, vd::format("%dm", i[0]));
    SetDlgItemText(IDC_LOWEST, vd::format("%dm", i[1]));
    SetDlgItemText(IDC_PART_MESHES, vd::format("(%d,%d)->(%d,%d)", i[6], i[7], i[8], i[9]));
    if (ownCorners) {
        SetDlgItemText(IDC_MAP_NE_LATITUDE, s[4]);
        SetDlgItemText(IDC_MAP_NE_LONGITUDE, s[6]);
        SetDlgItemText(IDC_MAP_SW_LATITUDE, s[3]);
        SetDlgItemText(IDC_MAP_SW_LONGITUDE, upToBlank(s[5]));
    }
    SetDlgItemText(IDC_PART_SW_LONGITUDE, upToBlank(s[7]));
    SetDlgItemText(IDC_PART_SW_LATITUDE, s[8]);
    SetDlgItemText(IDC_PART_NE_LONGITUDE, s[9]);
    SetDlgItemText(IDC_PART_NE_LATITUDE, s[10]);

    const Description d = Describe();
    SetDlgItemText(IDC_KIND, d.kind);
    SetDlgItemText(IDC_MESHES, d.meshes);
    SetDlgItemText(IDC_MAP_NAME, d.mapName);
    SetDlgItemText(IDC_MESH_CODE, d.meshCode);
    SetDlgItemText(IDC_PART_TEXT, s[14]);
    SetDlgItemText(IDC_MAP_TEXT, s[15]);
    SetDlgItemText(IDC_TEXT_PICTURE_FILE, s[2]);
    SetDlgItemText(IDC_PLACE_NAME_FILE, s[0]);
    SetDlgItemText(IDC_POINT_FILE, s[1]);

    if (ownCorners) {
        ShowConverted(s[4], s[6], IDC_MAP_NE_LATITUDE_JGD, IDC_MAP_NE_LONGITUDE_JGD);
        ShowConverted(s[3], s[5], IDC_MAP_SW_LATITUDE_JGD, IDC_MAP_SW_LONGITUDE_JGD);
    }
    ShowConverted(s[10], s[9], IDC_PART_NE_LATITUDE_JGD, IDC_PART_NE_LONGITUDE_JGD);
    ShowConverted(s[8], s[7], IDC_PART_SW_LATITUDE_JGD, IDC_PART_SW_LONGITUDE_JGD);
    return true;
}

void CDlgMapInformation::ShowConverted(const std::string& latitude, const std::string& longitude, int latitudeId,
                                       int longitudeId)
{
    // A corner outside Japan has been reported and gets no made-up JGD2000 texts.
    const auto converted = m_converter.ConvertTexts(latitude, longitude, 6);
    SetDlgItemText(latitudeId, converted ? converted->latitude : std::string());
    SetDlgItemText(longitudeId, converted ? converted->longitude : std::string());
}
