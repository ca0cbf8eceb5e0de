#include "municipal/presets/LayerPresetDialog.h"

#include "municipal/SurrickModule.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

#include <algorithm>

namespace {

using namespace vd::ui;

constexpr int IDC_NAMES = 1008;
constexpr int IDC_PRESETS = 1009;
constexpr int IDC_REGISTER = 1010;
constexpr int IDC_PRESET_NAME = 1012;
constexpr int IDC_EDIT = 1013;

const char* const kCurrent = "今の選択データ";
const char* const kRegister = "登録";
const char* const kNoName = "名称が入力されていません。";
const char* const kListMissing = "LINKDATA\\DdPreset.dat に登録できませんでした。";

DialogTemplate PresetTemplate()
{
    DialogTemplate t;
    t.id = CDlgLayerPreset::IDD;
    t.caption = "国土数値情報のデータ組み合せ";
    t.controls = {
        ltext(vd::IDC_STATIC, "名称"),
        comboBox(IDC_PRESETS, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP),
        listBox(IDC_NAMES, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_REGISTER, kRegister),
        pushButton(IDC_EDIT, "編集"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

DialogTemplate NameTemplate()
{
    DialogTemplate t;
    t.id = CDlgPresetName::IDD;
    t.caption = "データ組み合せの名称";
    t.controls = {
        ltext(vd::IDC_STATIC, "国土数値情報のデータ組み合せの名称（テーマ・趣旨など）を入力してください！"),
        edit(IDC_PRESET_NAME),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {PresetTemplate(), NameTemplate()});

} // namespace

CDlgPresetName::CDlgPresetName() : vd::Dialog(IDD) {}

void CDlgPresetName::DoDataExchange(vd::DataExchange& dx) { vd::DDX_Text(dx, IDC_PRESET_NAME, m_strName); }

CDlgLayerPreset::CDlgLayerPreset() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_PRESETS, [this] { OnPresetChosen(); });
    OnClicked(IDC_REGISTER, [this] { OnRegister(); });
    OnClicked(IDC_EDIT, [this] { OnEdit(); });
}

bool CDlgLayerPreset::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    m_anOpenFamily = m_anFamily;
    m_astrOpenSelection = m_astrSelection;
    Initialise();
    return true;
}

void CDlgLayerPreset::Initialise()
{
    m_nIndex = m_nPresetIndex;
    m_presets = surrick::ReadPresetList(ListPath()).value_or(std::vector<surrick::PresetEntry>{});
    if (auto* combo = item<vd::ComboBox>(IDC_PRESETS)) {
        combo->ResetContent();
        combo->AddString(kCurrent);
        for (const surrick::PresetEntry& entry : m_presets)
            combo->AddString(entry.name);
        combo->SetCurSel(m_nPresetIndex);
    }
    if (m_nPresetIndex > 0)
        ShowIndexOnButton();
    ShowNames();
}

void CDlgLayerPreset::ShowIndexOnButton()
{
    SetDlgItemText(IDC_REGISTER, m_nIndex > 0 ? vd::format("%d/%d", m_nIndex, int(m_presets.size())) : kRegister);
}

void CDlgLayerPreset::ShowNames()
{
    const surrick::PresetNameLists lists = surrick::BuildPresetNameLists(m_strAppFolder, m_astrSelection, m_anFamily);
    if (auto* list = item<vd::ListBox>(IDC_NAMES)) {
        list->ResetContent();
        for (const std::string& line : surrick::PresetListBoxLines(lists, m_anFamily))
            list->AddString(line);
    }
}

void CDlgLayerPreset::OnPresetChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_PRESETS);
    if (!combo || combo->GetCurSel() < 0)
        return;
    m_nIndex = combo->GetCurSel();
    if (m_nIndex == 0 || m_nIndex > int(m_presets.size())) {
        m_nIndex = 0;
        m_anFamily = m_anOpenFamily;
        m_astrSelection = m_astrOpenSelection;
        m_strResult.clear();
    } else {
        const surrick::PresetSelection preset =
            surrick::ReadPresetFile(LinkFolder() + m_presets[std::size_t(m_nIndex - 1)].file);
        m_astrSelection = preset.strings;
        m_anFamily = preset.flags;
        m_strResult.clear();
        for (std::size_t i = 0; i < m_astrSelection.size(); ++i)
            m_strResult += (i == 0 ? "" : "/") + m_astrSelection[i];
        m_strResult += vd::format("#%d", m_nIndex);
    }
    ShowNames();
    ShowIndexOnButton();
}

void CDlgLayerPreset::OnRegister()
{
    if (m_nIndex != 0 || std::none_of(m_anFamily.begin(), m_anFamily.end(), [](int f) { return f == 1; }))
        return;
    CDlgPresetName nameDialog;
    if (nameDialog.DoModal() != vd::IDOK)
        return;
    if (nameDialog.m_strName.empty()) {
        vd::ui::AfxMessageBox(kNoName, vd::MB_ICONEXCLAMATION);
        return;
    }
    // A list that cannot be opened would leave a preset file no list names: nothing is written.
    const auto listed = surrick::ReadPresetList(ListPath());
    const std::string file =
        listed ? surrick::NewPresetFileName(LinkFolder(), vd::ui::time(), *listed) : std::string();
    surrick::PresetSelection preset{m_astrOpenSelection, m_anFamily};
    const std::string presetPath = LinkFolder() + file;
    if (file.empty() || !surrick::WritePresetFile(presetPath, preset)) {
        vd::ui::AfxMessageBox(kListMissing, vd::MB_ICONEXCLAMATION);
        return;
    }
    if (!surrick::AppendPresetListLine(ListPath(), {nameDialog.m_strName, file})) {
        (void)vd::removeFile(presetPath);
        vd::ui::AfxMessageBox(kListMissing, vd::MB_ICONEXCLAMATION);
    }
}

void CDlgLayerPreset::OnEdit()
{
    vd::ui::editAndWait(vd::ui::editorCommand(m_strEditor, vd::ui::toLinuxForm(ListPath())));
    m_anFamily = m_anOpenFamily;
    m_astrSelection = m_astrOpenSelection;
    m_strResult.clear();
    Initialise();
}

void CDlgLayerPreset::OnOK()
{
    m_bAccepted = true;
    vd::Dialog::OnOK();
}
