#pragma once
// The prefecture selection dialog (template 147 "  地域選択（国土数値情報データを表示する都道府県）"):
// 47 prefecture buttons laid out as a rough map of Japan and one for the whole country. In
// multiple-selection mode a click adds or removes a prefecture; in single-prefecture mode (a
// prefecture map) a click makes it the only one. The whole country is on exactly when no
// prefecture is.
//
// The template lives in each module that links this library (Pelmora, the dialog library):
// each registers AreaSelectTemplate() under its own module name.
#include "layers/settings/prefecture/PrefectureFlagList.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 147).
namespace areaselectids {
inline constexpr int IDC_WHOLE_COUNTRY = 1484; // button 1484 + n stands for field n
inline constexpr int IDC_LAST_PREFECTURE = 1531;
inline constexpr int IDC_HINT = 1683;
inline constexpr int IDC_NOTICE = 1684;
} // namespace areaselectids

class CDlgAreaSelect : public vd::Dialog {
public:
    enum { IDD = 147 };
    // Another module may show the same choice under its own template id (the same controls).
    explicit CDlgAreaSelect(int templateId = IDD);

    // Field n of the flag list; written before the dialog opens, read after it closed.
    PrefectureFlags m_nAreaFlag{};
    int m_nSelectMode = 0; // 0 multiple selection, 1 single prefecture

    bool OnInitDialog() override;

    // The change of field k by a click on button 1484 + k (0 the whole country).
    void OnAreaButton(int k);
    // Shows the flags in the 48 buttons.
    void UpdateAreaButtons();
    // Releases the 47 prefecture buttons.
    void ClearPrefectureButtons();
};

// Template 147 with every control; a module using another id sets it on the copy it registers.
vd::ui::DialogTemplate AreaSelectTemplate();
