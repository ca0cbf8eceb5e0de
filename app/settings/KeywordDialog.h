#pragma once
// The keyword dialog (template 160 "キーワードの設定"), opened from the text and picture page of
// the environment settings: the three keywords that colour the text area, the six counts of
// their bands ("以上" / "未満") and the four category labels shown beside the colours.
#include "app/settings/KeywordSettings.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 160).
namespace keywordids {
inline constexpr int IDC_FIRST_KEY = 1095;      // 1095 .. 1097
inline constexpr int IDC_FIRST_COUNT = 1098;    // 1098 .. 1103
inline constexpr int IDC_FIRST_CATEGORY = 1104; // 1104 .. 1107
} // namespace keywordids

class CDlgKeyword : public vd::Dialog {
public:
    enum { IDD = 160 };
    explicit CDlgKeyword(vd::Window* parent = nullptr);

    KeywordSettings m_keywords;

    // Counts must be whole numbers: anything else keeps the dialog open with the standard message.
    void DoDataExchange(vd::DataExchange& dx) override;
};
