#include "seismic/settings/SeismicFileFormatDialog.h"

#include "seismic/settings/SeismicFileHeader.h"

namespace {

using namespace vd::ui;

using namespace seismicfileformatids;

} // namespace

DialogTemplate SeismicFileFormatTemplate()
{
    DialogTemplate t;
    t.id = CDlgSeisFileFormat::IDD;
    t.caption = "地図データファイルの構成";
    t.place = DialogUnits{0, 0, 320, 200};
    t.controls = {
        edit(IDC_HEADER_TEXT, DialogUnits{6, 6, 308, 166},
             vd::ES_MULTILINE | vd::ES_AUTOVSCROLL | vd::ES_AUTOHSCROLL | vd::ES_WANTRETURN | vd::WS_VSCROLL |
                 vd::WS_HSCROLL),
        defPushButton(vd::IDOK, "OK", DialogUnits{208, 178, 50, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{264, 178, 50, 14}),
    };
    return t;
}

CDlgSeisFileFormat::CDlgSeisFileFormat() : vd::Dialog(IDD) {}

bool CDlgSeisFileFormat::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_HEADER_TEXT, seismic::SeismicFileHeaderText(m_strListFolder, m_nKind, m_nEntry));
    return true;
}
