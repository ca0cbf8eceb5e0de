#include "dialogs/ElevationLegendDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/ColourSwatch.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/PaletteListFile.h"
#include "graphics/TintRamp.h"
#include "platform/dc/Color.h"

namespace {

using namespace vd::ui;

using namespace legendids;

struct LegendBand {
    int buttonId;
    const char* label;
    int rampIndex; // -1: the lakes colour
};

constexpr std::array<LegendBand, 11> kBands = {{
    {IDC_SEA, "海域", 0},
    {IDC_BELOW_100M, "標高  <  100m", 1},
    {IDC_BELOW_200M, "標高  <  200m", 6},
    {IDC_BELOW_500M, "標高  <  500m", 13},
    {IDC_BELOW_1000M, "標高  <1,000m", 33},
    {IDC_BELOW_1500M, "標高  <1,500m", 66},
    {IDC_BELOW_2000M, "標高  <2,000m", 100},
    {IDC_BELOW_2500M, "標高  <2,500m", 133},
    {IDC_BELOW_3000M, "標高  <3,000m", 166},
    {IDC_FROM_3000M, "標高  3,000m～", 200},
    {IDC_LAKES, "湖沼・貯水池", -1},
}};

DialogTemplate ElevationLegendTemplate()
{
    DialogTemplate t;
    t.id = CDlgElevationLegend::IDD;
    t.caption = "  凡例（標高の区分)";
    t.place = DialogUnits{0, 0, 120, 214};
    t.controls = {ltext(IDC_SET_NAME, "", DialogUnits{8, 6, 104, 10}, vd::SS_SUNKEN)};
    for (int k = 0; k < int(kBands.size()); ++k) {
        const int y = 22 + 15 * k;
        t.controls.push_back(pushButton(kBands[k].buttonId, "", DialogUnits{8, y, 30, 13}));
        t.controls.push_back(ltext(vd::IDC_STATIC, kBands[k].label, DialogUnits{42, y + 3, 70, 8}));
    }
    t.controls.push_back(defPushButton(vd::IDOK, "OK", DialogUnits{82, 194, 30, 14}));
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {ElevationLegendTemplate()});

} // namespace

CDlgElevationLegend::CDlgElevationLegend() : vd::Dialog(IDD) {}

bool CDlgElevationLegend::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    LoadSet();
    for (int k = 0; k < int(kBands.size()); ++k)
        if (vd::Window* button = GetDlgItem(kBands[k].buttonId))
            PaintColourSwatch(*button, m_crSwatch[k]);
    return true;
}

// A set number past the list loads nothing: the bands stay black.
void CDlgElevationLegend::LoadSet()
{
    m_crSwatch.fill(vd::RGB(0, 0, 0));
    m_crSwatch[10] = m_crLake;
    const auto sets = ReadPaletteList(m_strPaletteDir + "PLTTFILE.DAT");
    if (!sets || m_nSetNumber < 0 || m_nSetNumber >= int(sets->size()))
        return;
    const PaletteListEntry& set = (*sets)[m_nSetNumber];
    SetDlgItemText(IDC_SET_NAME, set.name);
    const std::vector<TintRow> rows = ReadColourSetRows(m_strPaletteDir + set.file);
    if (set.file.empty() || rows.empty())
        return;
    const TintRamp ramp = InterpolateTintRamp(rows);
    for (int k = 0; k < 10; ++k)
        m_crSwatch[k] = TintAt(ramp, kBands[k].rampIndex);
}

extern "C" void OnLegendElevetion(int setNumber, std::string paletteFolder, int lakeColour)
{
    RunEntryPoint([&] {
        CDlgElevationLegend dialog;
        dialog.m_nSetNumber = setNumber;
        dialog.m_strPaletteDir = std::move(paletteFolder);
        dialog.m_crLake = static_cast<std::uint32_t>(lakeColour);
        dialog.DoModal();
    });
}
