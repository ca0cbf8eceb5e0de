#pragma once
// A page of the natural-environment mesh dialog: one theme with its on value, its data folder or
// file text and the item the mesh map shows, chosen with a group of item buttons. The container
// fills the members before the page is created and reads them back on OK (the text from the
// edit). An item button also switches the theme on, whether or not a text is set; the on box
// itself stays clear while the text is empty.
#include "layers/settings/SettingsPage.h"

#include <string>

struct MeshThemeSpec {
    int templateId;
    int onBox, textEdit, fileButton;
    DataTextForm form;
    int firstItemButton; // the button of item v is firstItemButton + v
    int itemCount;
};

class MeshThemePage : public SettingsPage {
public:
    explicit MeshThemePage(const MeshThemeSpec& spec);

    int m_nOn = 0;
    int m_nItem = 0;
    std::string m_strText;

    // The item as the page opens with it.
    virtual void SetItem(int item) { m_nItem = item; }
    // The text as typed in the edit, in the program's path form.
    std::string EditedText() const { return TypedPath(spec_.textEdit); }

protected:
    // After an item button stored its value.
    virtual void OnItemButton() { SwitchThemeOn(); }
    void SwitchThemeOn();
    const MeshThemeSpec& spec() const { return spec_; }

private:
    MeshThemeSpec spec_;
    int row_ = 0;
};

// 気候値: nine items and "その他の気候値", whose value is 100 + the entry chosen in the list.
class CDlgDmClimate : public MeshThemePage {
public:
    CDlgDmClimate();

    // The entry of the other climate values last chosen; -1 while none was.
    int m_nOtherValue = -1;

    // An item of 100 or more also names the list's entry.
    void SetItem(int item) override;
    bool OnInitDialog() override;

protected:
    void OnItemButton() override;

private:
    void OnOtherButton();
    void OnOtherValueChange();
    void ShowOtherValue();
};

class CDlgDmRiver : public MeshThemePage {
public:
    CDlgDmRiver();
};

class CDlgDmCoast : public MeshThemePage {
public:
    CDlgDmCoast();
};

class CDlgDmArea : public MeshThemePage {
public:
    CDlgDmArea();
};

class CDlgDmForest : public MeshThemePage {
public:
    CDlgDmForest();
};
