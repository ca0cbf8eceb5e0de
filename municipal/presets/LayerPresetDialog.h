#pragma once
// The layer-combination preset dialog (template 130 "国土数値情報のデータ組み合せ"): the names of
// the current combination, its registration as a named preset, the choice of a stored preset
// whose selection strings become the answer, and the preset list opened in the user's editor.
#include "municipal/presets/LayerPresetFiles.h"
#include "municipal/presets/LayerPresetNames.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>
#include <vector>

class CDlgLayerPreset : public vd::Dialog {
public:
    enum { IDD = 130 };
    CDlgLayerPreset();

    // Set before DoModal: the combination as the program holds it.
    int m_nPresetIndex = 0;
    std::array<int, surrick::kFamilyCount> m_anFamily{};
    std::array<std::string, surrick::kSelectionCount> m_astrSelection;
    std::string m_strAppFolder; // ends in a backslash
    std::string m_strEditor;

    bool OnInitDialog() override;
    void OnOK() override;

    // The chosen preset's selections "/"-joined, "#" and its index; "" unless the dialog ended
    // with OK on a stored preset.
    std::string Result() const { return m_bAccepted ? m_strResult : std::string(); }

private:
    void Initialise();
    void ShowNames();
    void ShowIndexOnButton();
    void OnPresetChosen();
    void OnRegister();
    void OnEdit();
    std::string LinkFolder() const { return m_strAppFolder + "LINKDATA\\"; }
    std::string ListPath() const { return LinkFolder() + "DdPreset.dat"; }

    std::array<int, surrick::kFamilyCount> m_anOpenFamily{};
    std::array<std::string, surrick::kSelectionCount> m_astrOpenSelection;
    std::vector<surrick::PresetEntry> m_presets;
    int m_nIndex = 0;
    std::string m_strResult;
    bool m_bAccepted = false;
};

// The name dialog (template 131): the preset's name typed by the user.
class CDlgPresetName : public vd::Dialog {
public:
    enum { IDD = 131 };
    CDlgPresetName();
    std::string m_strName;
    void DoDataExchange(vd::DataExchange& dx) override;
};
