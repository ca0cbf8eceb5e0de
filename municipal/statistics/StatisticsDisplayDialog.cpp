#include "municipal/statistics/StatisticsDisplayDialog.h"

#include "basemap/files/PrefectureDataFile.h"
#include "municipal/SurrickModule.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace statisticsdisplayids;

const char* const kNumericType = "種別：数値型データ";
const char* const kNumericValues = "入力した数値";
const char* const kTextType = "種別：文字型データ";
const char* const kTextValues = "入力した文字";
const char* const kNameMark = "＊";

ControlTemplate firstOfGroup(ControlTemplate control)
{
    control.style |= vd::WS_GROUP;
    return control;
}

DialogTemplate LocalDataDisplayTemplate()
{
    DialogTemplate t;
    t.id = CDlgLocalDataDsp::IDD;
    t.caption = "都道府県別データ表示";
    t.controls = {
        checkBox(IDC_SHOW, "表示"),
        comboBox(IDC_CATALOGUE, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_DATA_NAME, ""),
        ltext(IDC_DATA_TYPE, kTextType),
        groupBox(vd::IDC_STATIC, "表示形式"),
        firstOfGroup(radioButton(IDC_RAW_VALUES, kTextValues)),
        radioButton(1508, "円グラフ(構成比)"),
        radioButton(1509, "棒グラフ(構成比)"),
        radioButton(1510, "円グラフ(対最大値比)"),
        radioButton(1511, "棒グラフ(対最大値比)"),
        radioButton(1512, "構成比（％）"),
        radioButton(1513, "対平均比（％）"),
        radioButton(1514, "対最大値比（％）"),
        radioButton(1515, "対県民１万人当り"),
        radioButton(1516, "対県面積(１平方km当り)"),
        radioButton(1517, "円ｸﾞﾗﾌ(対県民の最大値比)"),
        radioButton(1518, "円ｸﾞﾗﾌ(対県面積の最大値比)"),
        groupBox(vd::IDC_STATIC, "文字・グラフの色"),
        firstOfGroup(radioButton(IDC_BLACK, "黒")),
        radioButton(IDC_RED, "赤"),
        radioButton(IDC_BLUE, "青"),
        firstOfGroup(checkBox(IDC_BORDERS, "県界")),
        firstOfGroup(radioButton(IDC_GREY, "灰")),
        radioButton(IDC_ORANGE, "橙"),
        radioButton(IDC_GREEN, "緑"),
        firstOfGroup(checkBox(IDC_GRATICULE, "緯線・経線")),
        groupBox(vd::IDC_STATIC, "文字の背景"),
        firstOfGroup(radioButton(IDC_WHITE, "白")),
        radioButton(IDC_TRANSPARENT, "透過"),
        firstOfGroup(checkBox(IDC_CHOROPLETH, "都道府県別塗分け地図")),
        firstOfGroup(radioButton(IDC_FIVE_CLASSES, "５区分")),
        radioButton(IDC_TEN_CLASSES, "10区分"),
        firstOfGroup(defPushButton(vd::IDOK, "OK")),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {LocalDataDisplayTemplate()});

} // namespace

bool IsNumericDataValue(const std::string& valueText)
{
    const std::string whole = valueText.substr(0, valueText.find('.'));
    return vd::format("%d", vd::parseInt(whole)) == whole;
}

CDlgLocalDataDsp::CDlgLocalDataDsp() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_CATALOGUE, [this] { OnDataSetChosen(); });
    OnClicked(IDC_SHOW, [this] { OnShowToggle(); });
    OnClicked(IDC_BORDERS, [this] { m_nBorders = m_nBorders == 0 ? 1 : 0; });
    OnClicked(IDC_GRATICULE, [this] { m_nGraticule = m_nGraticule == 0 ? 1 : 0; });
    OnControlRange(vd::BN_CLICKED, IDC_BLACK, IDC_BLUE, [this](int id) { m_nColour = id - IDC_BLACK; });
    OnControlRange(vd::BN_CLICKED, IDC_GREY, IDC_GREEN, [this](int id) { m_nBorderColour = id - IDC_GREY; });
    OnClicked(IDC_WHITE, [this] { m_nBackground = 0; });
    OnClicked(IDC_TRANSPARENT, [this] { m_nBackground = 1; });
    OnClicked(IDC_FIVE_CLASSES, [this] { m_nClassCount = 0; });
    OnClicked(IDC_TEN_CLASSES, [this] { m_nClassCount = 1; });
    OnClicked(IDC_RAW_VALUES, [this] { m_nKind = 0; });
    OnControlRange(vd::BN_CLICKED, IDC_FIRST_KIND, IDC_LAST_KIND, [this](int id) { OnKind(id); });
    OnClicked(IDC_CHOROPLETH, [this] { OnChoropleth(); });
}

void CDlgLocalDataDsp::SetDataTypeCaptions(bool numeric)
{
    SetDlgItemText(IDC_DATA_TYPE, numeric ? kNumericType : kTextType);
    SetDlgItemText(IDC_RAW_VALUES, numeric ? kNumericValues : kTextValues);
}

bool CDlgLocalDataDsp::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nColour >= 0 && m_nColour <= 2)
        CheckRadioButton(IDC_BLACK, IDC_BLUE, IDC_BLACK + m_nColour);
    if (m_nBorderColour >= 0 && m_nBorderColour <= 2)
        CheckRadioButton(IDC_GREY, IDC_GREEN, IDC_GREY + m_nBorderColour);
    if (m_nKind == 0)
        CheckRadioButton(IDC_RAW_VALUES, IDC_LAST_KIND, IDC_RAW_VALUES);
    else if (m_nKind >= 1 && m_nKind <= 11)
        CheckRadioButton(IDC_RAW_VALUES, IDC_LAST_KIND, IDC_FIRST_KIND - 1 + m_nKind);
    if (m_nDataType == 1)
        SetDataTypeCaptions(true);

    if (auto* combo = item<vd::ComboBox>(IDC_CATALOGUE)) {
        if (auto paths = ReadPrefectureDataCatalogue(m_strDataFolder + "MAPELMNT\\PfctrFl.dat"))
            for (const std::string& path : *paths)
                combo->AddString(path);
        if (m_nCatalogueIndex != -1)
            combo->SetCurSel(m_nCatalogueIndex);
    }
    CheckDlgButton(IDC_SHOW, m_nShow == 1);
    CheckDlgButton(IDC_BORDERS, m_nBorders == 1);
    CheckDlgButton(IDC_GRATICULE, m_nGraticule == 1);
    if (m_strDataName.rfind(kNameMark, 0) == 0)
        SetDlgItemText(IDC_DATA_NAME, m_strDataName.substr(std::string(kNameMark).size()));

    CheckRadioButton(IDC_WHITE, IDC_TRANSPARENT, m_nBackground == 0 ? IDC_WHITE : IDC_TRANSPARENT);
    if (m_nDataType == 0) {
        CheckDlgButton(IDC_CHOROPLETH, 0);
        m_nChoropleth = 0;
    } else if (m_nDataType == 1) {
        CheckDlgButton(IDC_CHOROPLETH, m_nChoropleth == 1);
    }
    CheckRadioButton(IDC_FIVE_CLASSES, IDC_TEN_CLASSES, m_nClassCount == 0 ? IDC_FIVE_CLASSES : IDC_TEN_CLASSES);
    return true;
}

void CDlgLocalDataDsp::OnDataSetChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_CATALOGUE);
    if (!combo || combo->GetCurSel() < 0)
        return;
    const std::string path = combo->GetLBText(combo->GetCurSel());
    if (path.empty()) {
        m_nCatalogueIndex = combo->GetCurSel();
        m_strDataFile = path;
        return;
    }
    // A set that cannot be opened, or has no data line, is named in a message and not taken: the
    // choice goes back to the set chosen before, whose name the dialog still shows.
    const auto data = ReadPrefectureDataFile(path);
    if (!data || data->rows.empty()) {
        vd::ui::MessageBox(path + (data ? " に都道府県のデータがありません。" : " を開けません。"), "都道府県別データ表示",
                           vd::MB_OK | vd::MB_ICONEXCLAMATION);
        combo->SetCurSel(m_nCatalogueIndex);
        return;
    }
    m_nCatalogueIndex = combo->GetCurSel();
    m_strDataFile = path;
    m_nShow = 1;
    CheckDlgButton(IDC_SHOW, 1);

    const bool numeric = IsNumericDataValue(data->rows.front().valueText);
    SetDataTypeCaptions(numeric);
    m_nDataType = numeric ? 1 : 0;
    m_nChoropleth = numeric ? 1 : 0;
    CheckDlgButton(IDC_CHOROPLETH, m_nChoropleth);

    SetDlgItemText(IDC_DATA_NAME, data->dataName);
    m_strDataName = kNameMark + data->dataName;
    m_nKind = 0;
    CheckRadioButton(IDC_RAW_VALUES, IDC_LAST_KIND, IDC_RAW_VALUES);
}

void CDlgLocalDataDsp::OnShowToggle()
{
    // The chosen data set stays: checking the box again shows it again.
    m_nShow = m_nShow == 1 ? -1 : 1;
}

void CDlgLocalDataDsp::OnKind(int id)
{
    if (m_nDataType == 1) {
        m_nKind = id - IDC_FIRST_KIND + 1;
        return;
    }
    m_nKind = 0;
    CheckRadioButton(IDC_RAW_VALUES, IDC_LAST_KIND, IDC_RAW_VALUES);
}

void CDlgLocalDataDsp::OnChoropleth()
{
    if (m_nDataType == 1) {
        m_nChoropleth = m_nChoropleth == 0 ? 1 : 0;
        return;
    }
    CheckDlgButton(IDC_CHOROPLETH, 0);
    m_nChoropleth = 0;
}

void CDlgLocalDataDsp::OnOK()
{
    m_bAccepted = true;
    EndDialog(vd::IDOK);
}

std::string CDlgLocalDataDsp::Result() const
{
    if (!m_bAccepted)
        return {};
    if (m_strDataFile.empty() || m_nShow != 1)
        return "-999";
    std::string result;
    for (int value : {m_nShow, m_nDataType, m_nColour, m_nBorders, m_nBorderColour, m_nKind, m_nGraticule,
                      m_nCatalogueIndex, m_nBackground, m_nChoropleth, m_nClassCount})
        result += std::to_string(value) + "|";
    return result + m_strDataName + "|" + m_strDataFile;
}
