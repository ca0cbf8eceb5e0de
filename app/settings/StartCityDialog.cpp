#include "app/settings/StartCityDialog.h"

#include "app/settings/StartCityFile.h"
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace startcityids;

DialogTemplate StartCityTemplate()
{
    DialogTemplate t;
    t.id = CDlgStartCity::IDD;
    t.caption = "始点の都市";
    t.controls = {
        ltext(vd::IDC_STATIC, "都市"),
        comboBox(IDC_CITY, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE),
        pushButton(IDC_REGISTER, "登録"),
        pushButton(IDC_EDIT_FILE, "更新"),
        ltext(vd::IDC_STATIC, "緯度で南緯は－、経度で西経は－符号をつける！"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {StartCityTemplate()});

} // namespace

StartCity StartCityOfLine(const std::string& line)
{
    const StartCityFields fields = SplitStartCityLine(line);
    const DegreesMinutes latitude = ParseCoordinateText(fields.latitude);
    const DegreesMinutes longitude = ParseCoordinateText(fields.longitude);
    StartCity city;
    city.m_strDepature = fields.name;
    city.m_dDepLatDeg = latitude.degrees;
    city.m_dDepLatMin = latitude.minutes;
    city.m_dDepLonDeg = longitude.degrees;
    city.m_dDepLonMin = longitude.minutes;
    return city;
}

CDlgStartCity::CDlgStartCity(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnControl(vd::CBN_SELCHANGE, IDC_CITY, [this] { OnCityChosen(); });
    OnClicked(IDC_REGISTER, [this] { OnRegister(); });
    OnClicked(IDC_EDIT_FILE, [this] { OnEdit(); });
}

std::string CDlgStartCity::FilePath() const
{
    return StartCityFilePath(m_strAppDir);
}

bool CDlgStartCity::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillCityList();
    return true;
}

void CDlgStartCity::FillCityList()
{
    auto* combo = item<vd::ComboBox>(IDC_CITY);
    if (!combo)
        return;
    combo->ResetContent();
    m_astrLine = ReadStartCityLines(FilePath());
    m_nCityCount = 0;
    m_nShownIndex = -1;
    for (const std::string& line : m_astrLine) {
        const std::string name = SplitStartCityLine(line).name;
        combo->AddString(name);
        if (name == m_city.m_strDepature)
            m_nShownIndex = m_nCityCount;
        ++m_nCityCount;
    }
    // After an edit the file's first city is shown.
    if (m_nEdited == 1 && !m_astrLine.empty()) {
        m_city = StartCityOfLine(m_astrLine.front());
        m_nShownIndex = 0;
    }
    SetDlgItemText(IDC_LATITUDE, WholeDegreesMinutesText(m_city.m_dDepLatDeg, m_city.m_dDepLatMin));
    SetDlgItemText(IDC_LONGITUDE, WholeDegreesMinutesText(m_city.m_dDepLonDeg, m_city.m_dDepLonMin));
    combo->SetWindowText(m_city.m_strDepature);
}

void CDlgStartCity::OnCityChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_CITY);
    if (!combo || m_astrLine.empty())
        return;
    const int index = combo->GetCurSel();
    if (index < 0 || index >= int(m_astrLine.size()))
        return;
    m_nShownIndex = index;
    const std::string& line = m_astrLine[std::size_t(index)];
    m_city = StartCityOfLine(line);
    const StartCityFields fields = SplitStartCityLine(line);
    SetDlgItemText(IDC_LATITUDE, fields.latitude);
    SetDlgItemText(IDC_LONGITUDE, fields.longitude);
}

void CDlgStartCity::OnRegister()
{
    StartCityFields city;
    city.name = GetDlgItemText(IDC_CITY);
    city.latitude = GetDlgItemText(IDC_LATITUDE);
    city.longitude = GetDlgItemText(IDC_LONGITUDE);
    if (city.name.empty() || city.latitude.empty() || city.longitude.empty())
        return;
    // "@" separates the fields of a line: one inside a field would split the city wrongly.
    if ((city.name + city.latitude + city.longitude).find('@') != std::string::npos) {
        AfxMessageBox("都市名と緯度・経度に「@」は使えません。", vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    city.latitude = RegisteredCoordinateText(city.latitude);
    city.longitude = RegisteredCoordinateText(city.longitude);
    if (!AppendStartCity(FilePath(), city)) {
        AfxMessageBox("始点の都市を登録できません: " + FilePath(), vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    m_nEdited = 1;
    FillCityList();
}

void CDlgStartCity::OnEdit()
{
    // An editor that cannot be started has been reported by the seam; the list stays.
    if (!editAndWait(editorCommand(m_strEditor, toLinuxForm(FilePath()))))
        return;
    m_nEdited = 1;
    FillCityList();
}
