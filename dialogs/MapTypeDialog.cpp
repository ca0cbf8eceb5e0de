#include "dialogs/MapTypeDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/PaletteListFile.h"
#include "layers/settings/prefecture/AreaSelectDialog.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

using namespace vd::ui;

using namespace maptypeids;

// The prefecture selection as this library shows it.
constexpr int kPrefectureSelectionTemplate = 179;

constexpr const char* kWhiteMapText = "白地図";

DialogTemplate MapTypeTemplate()
{
    DialogTemplate t;
    t.id = CDlgMapType::IDD;
    t.caption = "  地図の種類と配色";
    t.place = DialogUnits{0, 0, 250, 170};
    const std::uint32_t combo = vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP;
    t.controls = {
        groupBox(vd::IDC_STATIC, "地図の種類", DialogUnits{6, 4, 238, 40}),
        radioButton(IDC_SHEET_MAP, "1/20万\n地勢図", DialogUnits{14, 16, 50, 20},
                    vd::BS_AUTORADIOBUTTON | vd::BS_MULTILINE | vd::WS_GROUP),
        radioButton(IDC_JAPAN_MAP, "日本列島", DialogUnits{80, 20, 60, 10}),
        radioButton(IDC_PREFECTURE_MAP, "都道府県別", DialogUnits{150, 20, 70, 10}),
        radioButton(IDC_WHITE_MAP, "白地図", DialogUnits{14, 52, 50, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_TINT_MAP, "段彩図", DialogUnits{14, 66, 50, 10}),
        ltext(vd::IDC_STATIC, "配色", DialogUnits{70, 52, 40, 8}),
        comboBox(IDC_SET_COMBO, DialogUnits{120, 50, 122, 120}, combo),
        ltext(vd::IDC_STATIC, "塗り分け方法", DialogUnits{70, 68, 48, 8}),
        comboBox(IDC_STEP_COMBO, DialogUnits{120, 66, 122, 100}, combo),
        ltext(vd::IDC_STATIC, "海岸線の色", DialogUnits{14, 88, 50, 8}),
        comboBox(IDC_COAST_COMBO, DialogUnits{70, 86, 80, 120}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP,
                 {"空", "紫", "青", "深緑", "緑", "黄", "橙", "桃", "赤", "茶", "黒", "灰", "空(太線)", "紫(太線)",
                  "青(太線)", "深緑(太線)", "緑(太線)", "赤(太線)", "黒(太線)", "灰(太線)", "非表示"}),
        ltext(vd::IDC_STATIC, "都道府県別の図法", DialogUnits{14, 108, 70, 8}),
        comboBox(IDC_PREF_PROJECTION, DialogUnits{90, 106, 100, 60}, vd::CBS_DROPDOWNLIST | vd::WS_TABSTOP,
                 {"ｻﾝｿﾝ図法", "正距円筒図法"}),
        ltext(vd::IDC_STATIC, "日本列島の図法", DialogUnits{14, 124, 70, 8}),
        comboBox(IDC_JAPAN_PROJECTION, DialogUnits{90, 122, 100, 60}, vd::CBS_DROPDOWNLIST | vd::WS_TABSTOP,
                 {"ｻﾝｿﾝ図法", "ｱﾙﾍﾞﾙｽ正積円錐図法"}),
        defPushButton(vd::IDOK, "OK", DialogUnits{170, 150, 34, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{208, 150, 34, 14}),
    };
    return t;
}

vd::ui::DialogTemplate PrefectureSelectionTemplate()
{
    vd::ui::DialogTemplate t = AreaSelectTemplate();
    t.id = kPrefectureSelectionTemplate;
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {MapTypeTemplate(), PrefectureSelectionTemplate()});

constexpr const char* kColourSteps[] = {"段彩(レリーフ)",      "段彩(ｸﾞﾗﾃﾞｰｼｮﾝ)",     "段彩(高度 50m間隔)",
                                        "段彩(高度100m間隔)", "段彩(高度200m間隔)", "段彩(高度250m間隔)",
                                        "段彩(高度500m間隔)"};

int radioOfKind(int mapKind)
{
    return mapKind == 2 ? IDC_JAPAN_MAP : mapKind == 3 ? IDC_PREFECTURE_MAP : IDC_SHEET_MAP;
}

} // namespace

MapTypeArguments DecodeMapTypeArguments(int mapKindAndProjection, int mapFigureAndProjection,
                                        int colourStepAndCoastColours)
{
    MapTypeArguments a{};
    a.mapKind = mapKindAndProjection % 10;
    // The program keeps 2 for the Albers projection, the combo's second entry.
    const int japanCode = mapKindAndProjection / 10;
    a.japanProjection = japanCode == 2 ? 1 : japanCode;
    a.mapFigure = mapFigureAndProjection % 100;
    a.prefProjection = mapFigureAndProjection / 10000;
    a.colourStep = colourStepAndCoastColours % 100;
    a.coastColour = colourStepAndCoastColours / 100 % 100;
    a.prefCoastColour = colourStepAndCoastColours / 10000;
    return a;
}

CDlgMapType::CDlgMapType() : vd::Dialog(IDD)
{
    OnClicked(IDC_WHITE_MAP, [this] { OnWhiteMap(); });
    OnClicked(IDC_TINT_MAP, [this] { OnTintMap(); });
    OnClicked(IDC_SHEET_MAP, [this] { OnSheetMap(); });
    OnClicked(IDC_JAPAN_MAP, [this] { OnJapanMap(); });
    OnClicked(IDC_PREFECTURE_MAP, [this] { OnPrefectureMap(); });
    OnControl(vd::CBN_SELCHANGE, IDC_SET_COMBO, [this] { OnSelchangeSet(); });
    OnControl(vd::CBN_SELCHANGE, IDC_STEP_COMBO,
              [this] { m_nColourStep = item<vd::ComboBox>(IDC_STEP_COMBO)->GetCurSel(); });
    OnControl(vd::CBN_SELCHANGE, IDC_COAST_COMBO, [this] { OnSelchangeCoast(); });
    OnControl(vd::CBN_SELCHANGE, IDC_PREF_PROJECTION, [this] { OnSelchangePrefProjection(); });
    OnControl(vd::CBN_SELCHANGE, IDC_JAPAN_PROJECTION,
              [this] { m_nJapanProjection = item<vd::ComboBox>(IDC_JAPAN_PROJECTION)->GetCurSel(); });
}

bool CDlgMapType::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    auto* sets = item<vd::ComboBox>(IDC_SET_COMBO);
    for (const PaletteListEntry& set : ReadPaletteList(m_strPaletteDir + "PLTTFILE.DAT").value_or(std::vector<PaletteListEntry>{}))
        sets->AddString(set.name);
    if (m_nMapFigure == 1)
        sets->SetCurSel(m_nSetNumber);
    CheckRadioButton(IDC_SHEET_MAP, IDC_PREFECTURE_MAP, radioOfKind(m_nMapKind));
    auto* steps = item<vd::ComboBox>(IDC_STEP_COMBO);
    for (const char* step : kColourSteps)
        steps->AddString(step);
    steps->SetCurSel(m_nColourStep);
    if (m_nMapFigure == 0) {
        CheckRadioButton(IDC_WHITE_MAP, IDC_TINT_MAP, IDC_WHITE_MAP);
        ShowWhiteMapTexts();
    } else {
        CheckRadioButton(IDC_WHITE_MAP, IDC_TINT_MAP, IDC_TINT_MAP);
    }
    item<vd::ComboBox>(IDC_PREF_PROJECTION)->SetCurSel(m_nPrefProjection);
    item<vd::ComboBox>(IDC_JAPAN_PROJECTION)->SetCurSel(m_nJapanProjection);
    if (m_nMapFigure == 0 || (m_nMapKind != 2 && m_nCoastOnTint == 1))
        ShowWhiteMapCoast();
    else
        ShowCoastColour(-1);
    return true;
}

void CDlgMapType::ShowWhiteMapTexts()
{
    item<vd::ComboBox>(IDC_SET_COMBO)->SetCurSel(-1);
    SetDlgItemText(IDC_SET_COMBO, kWhiteMapText);
    item<vd::ComboBox>(IDC_STEP_COMBO)->SetCurSel(-1);
    SetDlgItemText(IDC_STEP_COMBO, "");
}

void CDlgMapType::ShowCoastColour(int index)
{
    item<vd::ComboBox>(IDC_COAST_COMBO)->SetCurSel(index);
}

// The coastline colour of the map kind as a white map has it (the Japan map has none).
void CDlgMapType::ShowWhiteMapCoast()
{
    ShowCoastColour(m_nMapKind == 1 ? m_nCoastColour : m_nMapKind == 3 ? m_nPrefCoastColour : -1);
}

void CDlgMapType::TurnToWhiteMap()
{
    if (m_nMapFigure == 1)
        ShowWhiteMapTexts();
    m_nMapFigure = 0;
    CheckRadioButton(IDC_WHITE_MAP, IDC_TINT_MAP, IDC_WHITE_MAP);
}

void CDlgMapType::OnWhiteMap()
{
    TurnToWhiteMap();
    ShowWhiteMapCoast();
}

void CDlgMapType::OnTintMap()
{
    // The Japan map has no tint map.
    if (m_nMapKind == 2) {
        m_nMapFigure = 0;
        CheckRadioButton(IDC_WHITE_MAP, IDC_TINT_MAP, IDC_WHITE_MAP);
        ShowCoastColour(-1);
        return;
    }
    if (m_nMapKind == 3) {
        m_nPrefProjection = 1;
        item<vd::ComboBox>(IDC_PREF_PROJECTION)->SetCurSel(1);
    }
    if (m_nMapFigure == 0) {
        item<vd::ComboBox>(IDC_STEP_COMBO)->SetCurSel(m_nColourStep);
        item<vd::ComboBox>(IDC_SET_COMBO)->SetCurSel(m_nSetNumber);
    }
    m_nMapFigure = 1;
    if (m_nCoastOnTint == 1)
        ShowCoastColour(m_nMapKind == 1 ? m_nCoastColour : m_nPrefCoastColour);
    else
        ShowCoastColour(-1);
}

void CDlgMapType::OnSelchangeSet()
{
    m_nSetNumber = item<vd::ComboBox>(IDC_SET_COMBO)->GetCurSel();
    if (m_nMapFigure != 0)
        return;
    // Choosing a set asks for a tint map, which the Japan map cannot be.
    if (m_nMapKind == 2) {
        ShowWhiteMapTexts();
        return;
    }
    m_nMapFigure = 1;
    CheckRadioButton(IDC_WHITE_MAP, IDC_TINT_MAP, IDC_TINT_MAP);
    item<vd::ComboBox>(IDC_STEP_COMBO)->SetCurSel(m_nColourStep);
}

void CDlgMapType::OnSheetMap()
{
    m_nMapKind = 1;
    ShowCoastColour(m_nMapFigure == 1 && m_nCoastOnTint != 1 ? -1 : m_nCoastColour);
}

void CDlgMapType::OnJapanMap()
{
    m_nMapKind = 2;
    TurnToWhiteMap();
    ShowCoastColour(-1);
}

void CDlgMapType::OnPrefectureMap()
{
    const PrefectureFlagInput input = ParsePrefectureFlagInput(m_strPrefectureFlags);
    CDlgAreaSelect selection(kPrefectureSelectionTemplate);
    selection.m_nAreaFlag = input.flags;
    selection.m_nSelectMode = input.singlePrefecture ? 1 : 0;
    if (selection.DoModal() != vd::IDOK) {
        CheckRadioButton(IDC_SHEET_MAP, IDC_PREFECTURE_MAP, radioOfKind(m_nMapKind));
        return;
    }
    m_strPrefectureFlags = FormatPrefectureFlagList(selection.m_nAreaFlag) + "1";
    m_nMapKind = 3;
    if (m_nMapFigure == 1) {
        ShowCoastColour(m_nCoastOnTint == 1 ? m_nPrefCoastColour : -1);
        m_nPrefProjection = 1;
    } else {
        ShowCoastColour(m_nPrefCoastColour);
    }
    OnOK();
}

void CDlgMapType::OnSelchangeCoast()
{
    auto* coast = item<vd::ComboBox>(IDC_COAST_COMBO);
    if (m_nMapKind == 2 || (m_nMapFigure == 1 && m_nCoastOnTint != 1)) {
        coast->SetCurSel(-1);
        return;
    }
    if (m_nMapKind == 1)
        m_nCoastColour = coast->GetCurSel();
    else if (m_nMapKind == 3)
        m_nPrefCoastColour = coast->GetCurSel();
}

void CDlgMapType::OnSelchangePrefProjection()
{
    m_nPrefProjection = item<vd::ComboBox>(IDC_PREF_PROJECTION)->GetCurSel();
    // The tint of a prefecture map needs the equidistant cylindrical projection.
    if (m_nPrefProjection == 0 && m_nMapKind == 3 && m_nMapFigure == 1)
        TurnToWhiteMap();
}

extern "C" std::string OnMapTypeSet(int setNumber, int mapKindAndProjection, int mapFigureAndProjection,
                                    int colourStepAndCoastColours, int coastlineOnTint, std::string paletteFolder,
                                    std::string prefectureFlags)
{
    return RunEntryPoint(std::string(), [&] {
        const MapTypeArguments in =
            DecodeMapTypeArguments(mapKindAndProjection, mapFigureAndProjection, colourStepAndCoastColours);
        CDlgMapType dialog;
        dialog.m_nSetNumber = setNumber;
        dialog.m_nMapKind = in.mapKind;
        dialog.m_nJapanProjection = in.japanProjection;
        dialog.m_nMapFigure = in.mapFigure;
        dialog.m_nPrefProjection = in.prefProjection;
        dialog.m_nColourStep = in.colourStep;
        dialog.m_nCoastColour = in.coastColour;
        dialog.m_nPrefCoastColour = in.prefCoastColour;
        dialog.m_nCoastOnTint = coastlineOnTint;
        dialog.m_strPaletteDir = std::move(paletteFolder);
        dialog.m_strPrefectureFlags = prefectureFlags;
        if (dialog.DoModal() != vd::IDOK)
            return std::string();
        // The coastline colours count as changes too, so a new colour alone is drawn.
        const bool changed = dialog.m_nSetNumber != setNumber || dialog.m_nMapKind != in.mapKind
                             || dialog.m_nMapFigure != in.mapFigure || dialog.m_nColourStep != in.colourStep
                             || dialog.m_nPrefProjection != in.prefProjection
                             || dialog.m_nJapanProjection != in.japanProjection
                             || dialog.m_strPrefectureFlags != prefectureFlags
                             || dialog.m_nCoastColour != in.coastColour
                             || dialog.m_nPrefCoastColour != in.prefCoastColour;
        return vd::format("%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|", changed ? 1 : -1, dialog.m_nSetNumber, dialog.m_nMapKind,
                          dialog.m_nMapFigure, dialog.m_nColourStep, 0, dialog.m_nPrefProjection,
                          dialog.m_nCoastColour, dialog.m_nPrefCoastColour,
                          dialog.m_nJapanProjection == 1 ? 2 : dialog.m_nJapanProjection)
               + dialog.m_strPrefectureFlags;
    });
}
