#pragma once
// What the place-name and public-facility pages of the search share: the prefecture combo (its
// index, and the code and name derived from "code/name"), the government code combo and the
// contained-text edit, each taken when the user chooses or leaves it.
#include "dialogs/PlaceSearchClasses.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

struct SearchAreaIds {
    int prefecture;
    int governmentCode;
    int containedText;
};

class SearchConditionsPage : public vd::Dialog {
public:
    SearchConditionsPage(int templateId, SearchAreaIds ids);

    int m_nPrefectureIndex = -1;
    std::string m_strGovernmentCode;
    std::string m_strPrefectureCode;
    std::string m_strPrefectureName;
    std::string m_strContainedText;

    // Takes the texts of the government code, the contained text and a typed prefecture code
    // as they stand (a dialog closed with Enter never took the focus from them).
    void TakeTypedTexts();

    // The labelled prefecture and government code combos and the contained-text edit, from y on.
    static std::vector<vd::ui::ControlTemplate> AreaControls(SearchAreaIds ids, int y);

protected:
    // The minor class chosen in the combo: its name, the code of the first class of that name,
    // shown with "%2d" in the static.
    void TakeMinorChoice(int comboId, int codeStaticId, const std::vector<SearchClass>& classes, int& code,
                         std::string& name);
    // Selects the item of that exact name; an empty or unknown name selects nothing.
    static void SelectName(vd::ComboBox& combo, const std::string& name);
    // Fills the prefecture combo and shows the stored area and text.
    void ShowArea();
    // Forgets the prefecture and government code (the contained text stays).
    void ClearArea();

private:
    void DerivePrefecture();
    void OnPrefectureChosen();
    void OnPrefectureLeft();

    SearchAreaIds ids_;
};
