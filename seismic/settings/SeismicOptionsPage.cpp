#include "seismic/settings/SeismicOptionsPage.h"

namespace {

using namespace vd::ui;

using namespace seismicoptionsids;

// A switch as the page toggles it: 0 becomes 1, anything else 0.
int Toggled(int value) { return value == 0 ? 1 : 0; }

} // namespace

DialogTemplate SeismicOptionsPageTemplate()
{
    DialogTemplate t;
    t.id = CSeismicOptionsPage::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{5, 20, 272, 66};
    t.controls = {
        checkBox(IDC_LEGEND, "地震動予測地図の凡例を表示する", DialogUnits{8, 2, 200, 10}),
        groupBox(vd::IDC_STATIC, "震源断層を特定した地震動（主要98断層・海溝型断層）", DialogUnits{4, 16, 264, 46}),
        checkBox(IDC_FAULT, "震源断層を表示（対象：簡便法・詳細法による地図）", DialogUnits{12, 30, 240, 10}),
        checkBox(IDC_ASPERITY, "アスペリティを表示（対象：詳細法による地図）", DialogUnits{12, 45, 240, 10}),
    };
    return t;
}

CSeismicOptionsPage::CSeismicOptionsPage() : vd::Dialog(IDD)
{
    OnClicked(IDC_LEGEND, [this] { OnLegend(); });
    OnClicked(IDC_FAULT, [this] { OnFault(); });
    OnClicked(IDC_ASPERITY, [this] { OnAsperity(); });
}

bool CSeismicOptionsPage::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(IDC_LEGEND, m_nLegend == 1 ? 1 : 0);
    CheckDlgButton(IDC_FAULT, m_nFault == 1 ? 1 : 0);
    CheckDlgButton(IDC_ASPERITY, m_nFault == 1 && m_nAsperity == 1 ? 1 : 0);
    return true;
}

void CSeismicOptionsPage::OnLegend()
{
    m_nLegend = Toggled(m_nLegend);
    CheckDlgButton(IDC_LEGEND, m_nLegend);
}

void CSeismicOptionsPage::OnFault()
{
    const bool wasOn = m_nFault == 1;
    m_nFault = wasOn ? 0 : 1;
    CheckDlgButton(IDC_FAULT, m_nFault);
    CheckDlgButton(IDC_ASPERITY, !wasOn && m_nAsperity == 1 ? 1 : 0);
}

void CSeismicOptionsPage::OnAsperity()
{
    if (m_nFault != 1)
        m_nAsperity = 0;
    else
        m_nAsperity = Toggled(m_nAsperity);
    CheckDlgButton(IDC_ASPERITY, m_nAsperity == 1 && m_nFault == 1 ? 1 : 0);
}
