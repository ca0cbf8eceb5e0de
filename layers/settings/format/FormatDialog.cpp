#include "layers/settings/format/FormatDialog.h"

#include "platform/fs/PathResolver.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Ui.h"

CDlgDdFormat::CDlgDdFormat() : vd::Dialog(IDD)
{
    OnControl(vd::LBN_DBLCLK, kList, [this] {
        if (auto* list = item<vd::ListBox>(kList))
            OpenFormatPage(list->GetCurSel());
    });
}

bool CDlgDdFormat::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (auto* list = item<vd::ListBox>(kList)) {
        list->ResetContent();
        for (const FormatEntry& entry : m_entries)
            list->AddString(entry.name.empty() ? entry.page : entry.name);
    }
    if (m_entries.size() == 1) {
        SetDlgItemText(kHint, kFormatOpening);
        vd::ui::openWithDesktop(m_entries[0].page);
    }
    return true;
}

void CDlgDdFormat::OpenFormatPage(int index)
{
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return;
    const std::string& page = m_entries[index].page;
    if (m_strViewer.empty()) {
        // A page handed to the desktop's browser cannot be waited for.
        vd::ui::openWithDesktop(page);
    } else {
        const std::string linuxPage = vd::resolvePath(page).value_or(page);
        vd::ui::runAndWait({m_strViewer, linuxPage});
    }
    if (m_entries.size() == 1)
        SetDlgItemText(kHint, kFormatHint);
}

vd::ui::DialogTemplate FormatTemplate()
{
    using vd::ui::DialogUnits;
    vd::ui::DialogTemplate t;
    t.id = CDlgDdFormat::IDD;
    t.caption = "ﾌｫｰﾏｯﾄﾌｧｲﾙを開く";
    t.fontFace = "ＭＳ Ｐゴシック";
    t.fontPoints = 11;
    t.place = DialogUnits{390, 50, 99, 148};
    t.controls = {
        vd::ui::listBox(CDlgDdFormat::kList, DialogUnits{3, 3, 93, 122},
                        vd::LBS_NOTIFY | vd::LBS_NOINTEGRALHEIGHT | vd::WS_VSCROLL | vd::WS_BORDER | vd::WS_TABSTOP),
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{70, 130, 27, 16}),
        vd::ui::ltext(CDlgDdFormat::kHint, kFormatHint, DialogUnits{4, 128, 56, 18}),
    };
    return t;
}
