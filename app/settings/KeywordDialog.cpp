#include "app/settings/KeywordDialog.h"

#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace keywordids;

DialogTemplate KeywordTemplate()
{
    DialogTemplate t;
    t.id = CDlgKeyword::IDD;
    t.caption = "キーワードの設定";
    t.controls = {groupBox(vd::IDC_STATIC, "キーワード")};
    // Each keyword with its band: at least the first count, less than the second.
    for (int k = 0; k < 3; ++k) {
        t.controls.push_back(ltext(vd::IDC_STATIC, vd::format("キーワード%d", k + 1)));
        t.controls.push_back(edit(IDC_FIRST_KEY + k));
        t.controls.push_back(ltext(vd::IDC_STATIC, "以上"));
        t.controls.push_back(edit(IDC_FIRST_COUNT + 2 * k));
        t.controls.push_back(ltext(vd::IDC_STATIC, "未満"));
        t.controls.push_back(edit(IDC_FIRST_COUNT + 2 * k + 1));
    }
    t.controls.push_back(groupBox(vd::IDC_STATIC, "分類後の表示"));
    t.controls.push_back(ltext(vd::IDC_STATIC, "背景"));
    const char* colours[] = {"黄色", "空色", "緑色", "萌葱"};
    for (int c = 0; c < 4; ++c) {
        t.controls.push_back(ltext(vd::IDC_STATIC, colours[c]));
        t.controls.push_back(edit(IDC_FIRST_CATEGORY + c));
    }
    t.controls.push_back(defPushButton(vd::IDOK, "OK"));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"));
    return t;
}

const TemplateRegistration registration(kProgramModule, {KeywordTemplate()});

} // namespace

CDlgKeyword::CDlgKeyword(vd::Window* parent) : vd::Dialog(IDD, parent) {}

void CDlgKeyword::DoDataExchange(vd::DataExchange& dx)
{
    for (int k = 0; k < 3; ++k)
        vd::DDX_Text(dx, IDC_FIRST_KEY + k, m_keywords.keys[k]);
    for (int n = 0; n < 6; ++n)
        vd::DDX_Text(dx, IDC_FIRST_COUNT + n, m_keywords.counts[n]);
    for (int c = 0; c < 4; ++c)
        vd::DDX_Text(dx, IDC_FIRST_CATEGORY + c, m_keywords.categories[c]);
}
