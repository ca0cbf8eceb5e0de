#include "dialogs/ColourSetDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/ColourSwatch.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/ColourSetFile.h"
#include "dialogs/points/ExternalEditor.h"
#include "graphics/TintRamp.h"
#include "platform/dc/Color.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/NameFolding.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Ui.h"

#include <algorithm>

namespace {

using namespace vd::ui;
using namespace coloursetids;

constexpr int kLakeSwatch = 10;       // C11
constexpr int kZeroMetreSwatch = 11;  // C12
constexpr int kBackgroundSwatch = 12; // C13

// The swatch of each class of the file (sea, 0 m, 100 m .. 4,000 m).
constexpr std::array<int, kColourSetClassCount> kSwatchOfClass = {0, kZeroMetreSwatch, 1, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr unsigned kQuestion = vd::MB_OKCANCEL | vd::MB_ICONEXCLAMATION;

DialogTemplate ColourSetTemplate()
{
    DialogTemplate t;
    t.id = CDlgColourSet::IDD;
    t.caption = "  配色の設定";
    t.place = DialogUnits{0, 0, 236, 214};
    t.controls = {
        ltext(vd::IDC_STATIC, "配色", DialogUnits{8, 9, 24, 8}),
        comboBox(IDC_SET_COMBO, DialogUnits{34, 7, 120, 120}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_EDIT, "編集", DialogUnits{160, 6, 34, 14}),
        pushButton(IDC_DELETE, "削除", DialogUnits{198, 6, 30, 14}),
    };
    const char* labels[] = {"海域", "標高    100m", "標高    200m", "標高    500m", "標高  1,000m", "標高  1,500m",
                            "標高  2,000m", "標高  2,500m", "標高  3,000m", "標高  4,000m", "湖沼・貯水池",
                            "標高      0m", "背景色"};
    // Top to bottom by elevation, the lakes and the background apart on the right.
    const int rowOf[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 1, -1};
    for (int s = 0; s < 13; ++s) {
        const int x = rowOf[s] >= 0 ? 8 : 128;
        const int y = rowOf[s] >= 0 ? 28 + 15 * rowOf[s] : (s == kLakeSwatch ? 28 : 43);
        t.controls.push_back(pushButton(kSwatchIds[s], "", DialogUnits{x, y, 30, 13}));
        t.controls.push_back(ltext(vd::IDC_STATIC, labels[s], DialogUnits{x + 34, y + 3, 60, 8}));
    }
    t.controls.push_back(checkBox(IDC_CHECK_MODE, "配色ﾁｪｯｸ", DialogUnits{128, 70, 60, 10}));
    t.controls.push_back(ltext(IDC_MESSAGE, "", DialogUnits{8, 196, 150, 10}));
    t.controls.push_back(defPushButton(vd::IDOK, "OK", DialogUnits{164, 176, 30, 14}));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{198, 176, 30, 14}));
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {ColourSetTemplate()});

std::string atlasFileName(int number)
{
    return vd::format("Atlas%d.plt", number);
}

bool sameFileName(std::string_view a, std::string_view b)
{
    return vd::foldName(a) == vd::foldName(b);
}

// The first "Atlas<n>.plt" that no line of the list names (in any letter case), so a new set
// never takes the file of a listed one.
std::string freeAtlasFileName(const std::vector<PaletteListEntry>& sets, const std::vector<PaletteListEntry>& further)
{
    for (int n = 1;; ++n) {
        const std::string name = atlasFileName(n);
        const auto uses = [&](const PaletteListEntry& e) { return sameFileName(e.file, name); };
        if (std::none_of(sets.begin(), sets.end(), uses) && std::none_of(further.begin(), further.end(), uses))
            return name;
    }
}

struct DeletionResult {
    std::vector<PaletteListEntry> sets; // the list as the files now are
    bool complete = true;
};

// Removes the set's file and moves the position-numbered files after it (Atlas<p + 1>.plt at
// position p) one number down. A file that cannot be removed keeps its set; a rename that fails
// keeps the old name in the list, so the list never names a missing or wrong file.
DeletionResult deleteColourSet(const std::string& folder, const std::vector<PaletteListEntry>& sets, int index)
{
    DeletionResult result;
    // A line without a file has nothing to remove.
    const std::string removed = folder + sets[index].file;
    if (!sets[index].file.empty() && !vd::removeFile(removed) && vd::pathExists(removed)) {
        result.sets = sets;
        result.complete = false;
        return result;
    }
    for (int i = 0; i < int(sets.size()); ++i) {
        if (i == index)
            continue;
        PaletteListEntry entry = sets[i];
        if (i > index && sameFileName(entry.file, atlasFileName(i + 1))) {
            const std::string target = atlasFileName(i);
            if (vd::renamePath(folder + entry.file, folder + target))
                entry.file = target;
            else
                result.complete = false;
        }
        result.sets.push_back(std::move(entry));
    }
    return result;
}

ColourSetColours coloursOfClasses(const std::array<std::uint32_t, 13>& swatches)
{
    ColourSetColours colours{};
    for (int k = 0; k < kColourSetClassCount; ++k)
        colours[k] = swatches[kSwatchOfClass[k]];
    return colours;
}

std::string colourFields(std::uint32_t colour)
{
    return vd::format("%d|%d|%d|", int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void reportWriteFailure()
{
    AfxMessageBox(kPaletteWriteFailedMessage, kQuestion);
}

} // namespace

CDlgColourSet::CDlgColourSet() : vd::Dialog(IDD)
{
    m_crTemplate.fill(vd::RGB(0, 0, 0));
    m_crTemplate[0] = vd::RGB(0, 0, 255);
    m_crTemplate[9] = vd::RGB(255, 255, 255);
    OnControl(vd::CBN_SELCHANGE, IDC_SET_COMBO, [this] { OnSelchangeSet(); });
    OnClicked(IDC_CHECK_MODE, [this] { OnCheckMode(); });
    OnClicked(IDC_EDIT, [this] { OnEdit(); });
    OnClicked(IDC_DELETE, [this] { OnDelete(); });
    for (int s = 0; s < 13; ++s)
        OnClicked(kSwatchIds[s], [this, s] { OnColourButton(s); });
}

bool CDlgColourSet::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    ReadList();
    FillList(true);
    SetDlgItemText(IDC_MESSAGE, vd::format("配色の登録数=%d", int(m_aSets.size())));
    // The set is shown from the start (the swatches are drawn over their buttons).
    LoadSet(m_nSelected);
    ShowSwatches();
    return true;
}

void CDlgColourSet::ReadList()
{
    std::vector<PaletteListEntry> all = ReadPaletteList(ListPath()).value_or(std::vector<PaletteListEntry>{});
    const auto listed = std::min<std::size_t>(all.size(), kMaxColourSets);
    m_aSets.assign(all.begin(), all.begin() + listed);
    m_aFurther.assign(all.begin() + listed, all.end());
}

void CDlgColourSet::FillList(bool offerNewEntry)
{
    auto* combo = item<vd::ComboBox>(IDC_SET_COMBO);
    combo->ResetContent();
    for (const PaletteListEntry& set : m_aSets)
        combo->AddString(set.name);
    if (offerNewEntry) {
        m_nNewEntry = -1;
        if (int(m_aSets.size()) < kNewEntryBelow)
            m_nNewEntry = combo->AddString(kNewSetEntry);
    }
    combo->SetCurSel(m_nSelected);
}

void CDlgColourSet::LoadSet(int index)
{
    const bool listed = index >= 0 && index < int(m_aSets.size()) && !m_aSets[index].file.empty();
    m_strSetPath = m_strPaletteDir + (listed ? m_aSets[index].file : std::string());
    const std::vector<TintRow> rows = listed ? ReadColourSetRows(m_strSetPath) : std::vector<TintRow>{};
    std::fill(m_crColour.begin(), m_crColour.begin() + 12, vd::RGB(0, 0, 0));
    if (m_nCheckMode == 0) {
        for (const TintRow& row : rows)
            for (int k = 0; k < kColourSetClassCount; ++k)
                if (kColourSetClasses[k].rampIndex == row.level)
                    m_crColour[kSwatchOfClass[k]] = vd::RGB(row.red, row.green, row.blue);
    } else if (rows.size() >= 2) {
        const TintRamp ramp = InterpolateTintRamp(rows);
        for (int k = 0; k < kColourSetClassCount; ++k)
            m_crColour[kSwatchOfClass[k]] = TintAt(ramp, kColourSetClasses[k].rampIndex);
    }
    m_crReturnSea = m_crColour[0];
    m_crColour[kLakeSwatch] = m_crReturnLake;
    m_crColour[kBackgroundSwatch] = m_crReturnBackground;
}

void CDlgColourSet::ShowSwatches()
{
    for (int s = 0; s < 13; ++s)
        if (vd::Window* button = GetDlgItem(kSwatchIds[s]))
            PaintColourSwatch(*button, m_crColour[s]);
}

void CDlgColourSet::OnSelchangeSet()
{
    m_nSelected = item<vd::ComboBox>(IDC_SET_COMBO)->GetCurSel();
    if (m_nCheckMode == 1) {
        m_nCheckMode = 0;
        CheckDlgButton(IDC_CHECK_MODE, 0);
    }
    ShowSelection();
}

void CDlgColourSet::ShowSelection()
{
    if (IsNewEntrySelected()) {
        std::copy(m_crTemplate.begin(), m_crTemplate.begin() + 10, m_crColour.begin());
        m_crColour[kZeroMetreSwatch] = m_crTemplate[kZeroMetreSwatch];
    } else {
        LoadSet(m_nSelected);
    }
    ShowSwatches();
}

void CDlgColourSet::OnCheckMode()
{
    m_nCheckMode = m_nCheckMode == 0 ? 1 : 0;
    CheckDlgButton(IDC_CHECK_MODE, m_nCheckMode);
    LoadSet(m_nSelected);
    ShowSwatches();
}

void CDlgColourSet::OnColourButton(int swatch)
{
    if (m_nCheckMode == 1) {
        m_nCheckMode = 0;
        CheckDlgButton(IDC_CHECK_MODE, 0);
    }
    for (int s = 0; s < 13; ++s)
        if (vd::Window* button = GetDlgItem(kSwatchIds[s]))
            FrameColourSwatch(*button, s == swatch ? vd::RGB(0, 0, 0) : vd::RGB(255, 255, 255));
    const std::uint32_t start = IsNewEntrySelected() ? m_crTemplate[swatch] : m_crColour[swatch];
    std::uint32_t colour = start;
    if (!chooseColour(colour, true))
        return;
    if (IsNewEntrySelected())
        m_crTemplate[swatch] = colour;
    if (colour == start)
        return;
    m_crColour[swatch] = colour;
    // The lakes and the background are not part of a set: they need no saving, and leave a
    // pending change of the set's colours pending.
    if (swatch == kLakeSwatch)
        m_crReturnLake = colour;
    else if (swatch == kBackgroundSwatch)
        m_crReturnBackground = colour;
    else
        m_strChangeMark = "PaletteChange_D";
    SetDlgItemText(IDC_EDIT, IsNewEntrySelected() ? kNewSetEntry : "更新");
    SetDlgItemText(IDC_MESSAGE, kBlackHintMessage);
    ShowSwatches();
}

void CDlgColourSet::OnEdit()
{
    if (IsNewEntrySelected())
        RegisterSet();
    else if (!m_strChangeMark.empty())
        UpdateSet();
    else
        RunExternalEditor(m_strEditor, m_strSetPath);
}

void CDlgColourSet::UpdateSet()
{
    if (AfxMessageBox(kUpdateSetQuestion, kQuestion) != vd::IDOK || !IsListedSetSelected())
        return;
    const PaletteListEntry& set = m_aSets[m_nSelected];
    if (!WriteColourSetFile(m_strPaletteDir + set.file, set.name, coloursOfClasses(m_crColour))) {
        reportWriteFailure();
        return;
    }
    m_strChangeMark = "PaletteChange_F";
    m_bFilesWritten = true;
}

void CDlgColourSet::RegisterSet()
{
    if (AfxMessageBox(kRegisterSetQuestion, kQuestion) != vd::IDOK)
        return;
    // The name is typed into the combo's field; the user can type it only after the message.
    const std::string name = GetDlgItemText(IDC_SET_COMBO);
    if (name.empty() || name == kNewSetEntry) {
        AfxMessageBox(kEnterNameMessage, kQuestion);
        return;
    }
    if (int(m_aSets.size()) >= kMaxColourSets) {
        AfxMessageBox(kSetLimitMessage, kQuestion);
        return;
    }
    if (std::any_of(m_aSets.begin(), m_aSets.end(), [&](const PaletteListEntry& e) { return e.name == name; })) {
        AfxMessageBox(kDuplicateNameMessage, kQuestion);
        return;
    }
    const PaletteListEntry entry{name, freeAtlasFileName(m_aSets, m_aFurther)};
    const std::string setPath = m_strPaletteDir + entry.file;
    if (!WriteColourSetFile(setPath, name, coloursOfClasses(m_crColour))) {
        reportWriteFailure();
        return;
    }
    m_bFilesWritten = true;
    if (!AppendPaletteListEntry(ListPath(), entry)) {
        // Unlisted, the new file would only be in the way of a later registration.
        (void)vd::removeFile(setPath);
        reportWriteFailure();
        return;
    }
    m_strSetPath = setPath;
    ReadList();
    FillList(false);
    m_strChangeMark = "PaletteChange_F";
}

void CDlgColourSet::OnDelete()
{
    if (!IsListedSetSelected() || IsNewEntrySelected())
        return;
    if (AfxMessageBox(kDeleteSetQuestion, kQuestion) != vd::IDOK)
        return;
    const DeletionResult deletion = deleteColourSet(m_strPaletteDir, m_aSets, m_nSelected);
    bool written = true;
    if (deletion.sets.size() != m_aSets.size()) {
        std::vector<PaletteListEntry> lines = deletion.sets;
        lines.insert(lines.end(), m_aFurther.begin(), m_aFurther.end());
        written = RewritePaletteList(ListPath(), lines);
        m_bFilesWritten = true;
    }
    if (!deletion.complete || !written)
        reportWriteFailure();
    ReadList();
    FillList(true);
    m_strChangeMark = "PaletteChange_F";
    // What is now at the selected place is shown, not the deleted set.
    ShowSelection();
}

void CDlgColourSet::OnOK()
{
    if (m_strChangeMark == "PaletteChange_D") {
        if (AfxMessageBox(IsNewEntrySelected() ? kRegisterAtOkQuestion : kUpdateAtOkQuestion, kQuestion) == vd::IDOK)
            OnEdit();
        else
            m_strChangeMark.clear();
    }
    vd::Dialog::OnOK();
}

void CDlgColourSet::OnCancel()
{
    m_strChangeMark.clear();
    vd::Dialog::OnCancel();
}

extern "C" std::string OnMapPalleteSet(int setNumber, std::string editor, std::string paletteFolder, int /*seaColour*/,
                                       int lakeColour, int backgroundColour)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgColourSet dialog;
        dialog.m_nSelected = setNumber;
        dialog.m_strEditor = std::move(editor);
        dialog.m_strPaletteDir = std::move(paletteFolder);
        dialog.m_crReturnLake = static_cast<std::uint32_t>(lakeColour);
        dialog.m_crReturnBackground = static_cast<std::uint32_t>(backgroundColour);
        if (dialog.DoModal() != vd::IDOK)
            return std::string();
        // "PaletteChange" tells the caller that set files changed, so it builds its tints anew.
        return vd::format("%d|", dialog.m_nSelected) + colourFields(dialog.m_crReturnSea)
               + colourFields(dialog.m_crReturnLake) + colourFields(dialog.m_crReturnBackground)
               + (dialog.m_bFilesWritten ? "PaletteChange" : "");
    });
}
