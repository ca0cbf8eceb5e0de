#pragma once
// What the place-name and public-facility pages of the search share: the prefecture combo (its
// index, and the code and name derived from "code/name"), the government code combo and the
// contained-text edit, each taken when the user chooses or leaves it.
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <string>

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

protected:
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
