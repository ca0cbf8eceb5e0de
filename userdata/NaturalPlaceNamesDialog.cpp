#include "userdata/NaturalPlaceNamesDialog.h"

#include "userdata/SubclassColourDialog.h"

#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

#include <algorithm>

namespace {

using namespace vd::ui;

constexpr int kMajorClasses = 7;
constexpr int kMiddles = 6;
constexpr int IDC_FIRST_MAJOR = 1187;
constexpr int IDC_FIRST_MIDDLE_NAME = 1194;
constexpr int kSymbolCombos[kMiddles] = {1169, 1171, 1173, 1175, 1177, 1179};
constexpr int IDC_FIRST_SUBCLASS = 1200;
constexpr int IDC_COLOUR_BY_SUBCLASS = 1208;

const char* const kMajorNames[kMajorClasses] = {"行政区画", "居住地名", "自然地名", "交通施設",
                                                "土地の利用景", "公共１", "公共２"};
const std::vector<std::string> kSymbols = {"○", "●", "◎", "◇", "◆", "回", "□", "ロ", "■",
                                           "△", "▲", "▽", "▼", "＊", "＋", "・", "〒", "　"};

struct Middle {
    int code;
    const char* name;
};
const std::vector<Middle> kMiddleClasses[kMajorClasses] = {
    {{1, "東京都の区､政令指定都市､市"}, {2, "政令指定都市の区､町村"}},
    {{1, "総称する名称"}, {2, "包括する名称(大字､住居表示)"}, {3, "個々の名称(字､通称)"}},
    {{1, "山地"}, {2, "湖沼､河川､湖岸地形"}, {3, "陸域自然地名(地域)"}, {4, "陸域自然地名(小対象物)"},
     {5, "海域､海岸地形"}, {6, "島"}},
    {{1, "道路､道路施設"}, {2, "鉄道､鉄道施設"}, {3, "水上施設､空港施設"}},
    {{1, "地域"}, {2, "小対象物"}, {3, "その他の施設"}},
    {{3, "建物"}, {11, "国の機関"}, {12, "地方公共団体"}, {13, "厚生機関"}, {14, "警察機関"}, {15, "消防署"}},
    {{16, "学校"}, {17, "病院"}, {18, "郵便局"}},
};

DialogTemplate NaturalPlaceNamesTemplate()
{
    DialogTemplate t;
    t.id = CDlgNaturalPlaceNames::IDD;
    t.caption = " 自然地名";
    t.place = DialogUnits{0, 0, 300, 170};
    t.controls.push_back(groupBox(vd::IDC_STATIC, "大分類コード", DialogUnits{4, 4, 70, 110}));
    for (int major = 0; major < kMajorClasses; ++major)
        t.controls.push_back(radioButton(IDC_FIRST_MAJOR + major, kMajorNames[major],
                                         DialogUnits{10, 16 + major * 13, 60, 10},
                                         vd::BS_AUTORADIOBUTTON | (major == 0 ? vd::WS_GROUP : 0u)));
    t.controls.push_back(groupBox(vd::IDC_STATIC, "中分類コード", DialogUnits{80, 4, 214, 110}));
    t.controls.push_back(ltext(vd::IDC_STATIC, "模様", DialogUnits{206, 8, 30, 8}));
    for (int middle = 0; middle < kMiddles; ++middle) {
        const int y = 18 + middle * 15;
        t.controls.push_back(ltext(IDC_FIRST_MIDDLE_NAME + middle, "", DialogUnits{86, y + 2, 116, 10}));
        t.controls.push_back(comboBox(kSymbolCombos[middle], DialogUnits{206, y, 34, 120}, vd::CBS_DROPDOWNLIST, kSymbols));
        t.controls.push_back(pushButton(IDC_FIRST_SUBCLASS + middle, "小分類", DialogUnits{246, y, 40, 13}));
    }
    t.controls.push_back(checkBox(IDC_COLOUR_BY_SUBCLASS, "小分類コードで色分け表示", DialogUnits{10, 122, 140, 10}));
    t.controls.push_back(defPushButton(vd::IDOK, "OK", DialogUnits{200, 148, 44, 14}));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{250, 148, 44, 14}));
    return t;
}

const TemplateRegistration registration(vd::ui::kProgramModule, {NaturalPlaceNamesTemplate()});

bool IsSymbol(int symbol)
{
    return symbol >= 0 && symbol <= kNoSymbol;
}

} // namespace

SymbolCellAt PlaceNameSymbolCell(int majorClass, int middle)
{
    static constexpr int kPublicOne[] = {3, 11, 12, 13, 14, 15};
    if (middle < 0)
        return {-1, -1};
    if (majorClass >= 0 && majorClass <= 4 && middle < kMiddles)
        return {majorClass + 1, middle + 1};
    if (majorClass == 5 && middle < kMiddles)
        return {7, kPublicOne[middle]};
    if (majorClass == 6 && middle < 3)
        return {7, 16 + middle};
    return {-1, -1};
}

CDlgNaturalPlaceNames::CDlgNaturalPlaceNames() : vd::Dialog(IDD)
{
    for (auto& row : m_anColour)
        row.fill(-1);
    for (auto& row : m_anSymbol)
        row.fill(kNoSymbol);
    for (int major = 0; major < kMajorClasses; ++major)
        OnClicked(IDC_FIRST_MAJOR + major, [this, major] { OnMajorChosen(major); });
    for (int middle = 0; middle < kMiddles; ++middle) {
        OnControl(vd::CBN_SELCHANGE, kSymbolCombos[middle], [this, middle] { OnSymbolChosen(middle); });
        OnClicked(IDC_FIRST_SUBCLASS + middle, [this, middle] { OnSubclassColours(middle); });
    }
    OnClicked(IDC_COLOUR_BY_SUBCLASS, [this] { m_bColourBySubclass = m_bColourBySubclass == 1 ? 0 : 1; });
}

bool CDlgNaturalPlaceNames::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nMajorClass < 0 || m_nMajorClass >= kMajorClasses)
        m_nMajorClass = 2;
    CheckRadioButton(IDC_FIRST_MAJOR, IDC_FIRST_MAJOR + kMajorClasses - 1, IDC_FIRST_MAJOR + m_nMajorClass);
    ShowMajorClass();
    return true;
}

std::int16_t* CDlgNaturalPlaceNames::SymbolCell(int middle)
{
    const SymbolCellAt at = PlaceNameSymbolCell(m_nMajorClass, middle);
    return at.row < 0 ? nullptr : &m_anSymbol[at.row][at.column];
}

void CDlgNaturalPlaceNames::ShowMajorClass()
{
    const std::vector<Middle>& middles = kMiddleClasses[m_nMajorClass];
    m_astrMiddleName.fill("");
    for (int middle = 0; middle < kMiddles; ++middle) {
        const bool present = middle < static_cast<int>(middles.size());
        if (present)
            m_astrMiddleName[middle + 1] = middles[middle].name;
        SetDlgItemText(IDC_FIRST_MIDDLE_NAME + middle,
                       present ? std::to_string(middles[middle].code) + " " + middles[middle].name : "");
        const std::int16_t* cell = SymbolCell(middle);
        // A symbol the file does not know shows as the blank.
        const int symbol = cell && IsSymbol(*cell) ? *cell : kNoSymbol;
        item<vd::ComboBox>(kSymbolCombos[middle])->SetCurSel(symbol);
    }
    CheckDlgButton(IDC_COLOUR_BY_SUBCLASS, m_bColourBySubclass == 1 ? 1 : 0);
    m_anColour = ReadPlaceNameColours(m_strAppDir, m_nMajorClass);
}

void CDlgNaturalPlaceNames::OnMajorChosen(int majorClass)
{
    if (m_bSymbolsChanged == 1)
        SaveSymbols();
    m_nMajorClass = majorClass;
    ShowMajorClass();
}

void CDlgNaturalPlaceNames::OnSymbolChosen(int middle)
{
    std::int16_t* cell = SymbolCell(middle);
    const int chosen = item<vd::ComboBox>(kSymbolCombos[middle])->GetCurSel();
    if (!cell || !IsSymbol(chosen) || chosen == *cell)
        return;
    *cell = static_cast<std::int16_t>(chosen);
    m_bSymbolsChanged = 1;
}

void CDlgNaturalPlaceNames::OnSubclassColours(int middle)
{
    if (GetDlgItemText(IDC_FIRST_MIDDLE_NAME + middle).empty())
        return;
    m_nMiddleClass = middle;
    CDlgSubclassColour colours;
    colours.m_nMajorClass = m_nMajorClass;
    colours.m_nMiddleClass = middle;
    colours.m_strTitlePart = m_astrMiddleName[middle + 1];
    colours.m_anColour = m_anColour;
    if (colours.DoModal() != vd::IDOK)
        return;
    m_bColoursChanged = colours.m_bChanged;
    if (colours.m_bChanged == 1) {
        m_anColour = colours.m_anColour;
        SaveColours();
    }
}

void CDlgNaturalPlaceNames::OnOK()
{
    if (m_bColoursChanged == 1)
        SaveColours();
    if (m_bSymbolsChanged == 1)
        SaveSymbols();
    vd::Dialog::OnOK();
}

void CDlgNaturalPlaceNames::SaveSymbols()
{
    // A file that cannot be written keeps the change pending, so OK tries again.
    if (!WritePlaceNameSymbols(m_strAppDir, m_anSymbol))
        return;
    m_bSymbolsChanged = -1;
    m_bSymbolsSaved = 1;
}

void CDlgNaturalPlaceNames::SaveColours()
{
    if (SavePlaceNameColours(m_strAppDir, m_nMajorClass, m_anColour))
        m_bColoursChanged = 0;
}
