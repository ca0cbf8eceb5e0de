#include "municipal/statistics/PrefectureDataEntryDialog.h"

#include "basemap/files/PrefectureDataWriter.h"
#include "municipal/SurrickModule.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace prefecturedataentryids;

const char* const kCaption = "都道府県別データ";

DialogTemplate DataEntryTemplate()
{
    DialogTemplate t;
    t.id = CDlgLclDataRgst::IDD;
    t.caption = kCaption;
    t.controls.push_back(ltext(vd::IDC_STATIC, "データ名称"));
    t.controls.push_back(edit(IDC_DATA_NAME));
    t.controls.push_back(ltext(vd::IDC_STATIC, "文字型データは２０文字（全角相当）まで"));
    t.controls.push_back(ltext(vd::IDC_STATIC, "（都道府県名は行政コード順）"));
    for (int k = 0; k < 47; ++k) {
        t.controls.push_back(ltext(vd::IDC_STATIC, kPrefectureLineNames[k]));
        t.controls.push_back(edit(IDC_FIRST_VALUE + k));
    }
    t.controls.push_back(defPushButton(vd::IDOK, "OK"));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"));
    return t;
}

const TemplateRegistration registration(kSurrickModule, {DataEntryTemplate()});

} // namespace

const std::array<const char*, 47> kPrefectureLineNames = {
    "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "茨城県", "栃木県", "群馬県",
    "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県", "石川県", "福井県", "山梨県", "長野県",
    "岐阜県", "静岡県", "愛知県", "三重県", "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県",
    "鳥取県", "島根県", "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
    "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県",
};

CDlgLclDataRgst::CDlgLclDataRgst() : vd::Dialog(IDD) {}

bool CDlgLclDataRgst::ConfirmReplace(const std::string& path) const
{
    if (!vd::fileExists(path))
        return true;
    return vd::ui::MessageBox(path + " は既にあります。\n置き換えますか？", kCaption,
                              vd::MB_YESNO | vd::MB_ICONQUESTION) == vd::IDYES;
}

void CDlgLclDataRgst::OnOK()
{
    // The overwrite question is asked below, in the library's own message box; a new name is
    // the usual answer, so the file need not exist.
    vd::FileDialog save(false, "dat", "*.dat", 0, "都道府県別ﾃﾞｰﾀ files (*.dat)|*.dat|All files (*.*)|*.*||");
    if (save.DoModal() != vd::IDOK)
        return;
    const std::string path = save.GetPathName();
    if (path.empty() || !ConfirmReplace(path))
        return;

    m_strDataName = GetDlgItemText(IDC_DATA_NAME);
    std::vector<PrefectureDataEntry> rows;
    for (int k = 0; k < 47; ++k) {
        m_astrValue[k] = GetDlgItemText(IDC_FIRST_VALUE + k);
        rows.push_back({kPrefectureLineNames[k], m_astrValue[k]});
    }
    if (!WritePrefectureDataFile(path, m_strDataName, rows)) {
        vd::ui::MessageBox(path + " に書き込めません。", kCaption, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    const std::string catalogue = m_strDataFolder + "MAPELMNT\\PfctrFl.dat";
    if (!AppendPrefectureDataCatalogue(catalogue, path)) {
        vd::ui::MessageBox(catalogue + " に書き込めません。", kCaption, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(vd::IDOK);
}
