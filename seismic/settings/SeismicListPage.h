#pragma once
// The two list pages of the seismic map settings: page 130 for the probabilistic list
// (SEISFILE.DAT) and page 132 for the scenario list (FLTFILE.DAT), which also chooses the
// quantity a scenario map shows. Each page shows the registered names, lets the user choose one
// and switch its map on, register a new data file (dialog 133) and edit the list in the user's
// editor. Every control stores its value into the page's members as it is used.
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <string>

// The control ids of one page; the quantity radios exist on the scenario page only (0 else).
struct SeismicListPageLayout {
    int templateId;
    int kind;              // list kind: 0 probabilistic, 1 scenario
    const char* editName;  // the list's name as the update button hands it to the editor
    int show, combo, registerButton, update, position;
    int firstQuantity;
};

inline constexpr SeismicListPageLayout kProbabilisticPage{130, 0, "seisfile.dat", 1005, 1002, 1001, 1006, 1011, 0};
inline constexpr SeismicListPageLayout kScenarioPage{132, 1, "fltfile.dat", 1012, 1016, 1015, 1014, 1013, 1017};

class CSeismicListPage : public vd::Dialog {
public:
    explicit CSeismicListPage(const SeismicListPageLayout& layout);

    int m_nSelected = -1;  // entry number of the chosen name; -1 none
    int m_nShow = 0;
    int m_nCount = 0;
    int m_nQuantity = 0;   // scenario page: 0 bedrock velocity, 1 surface velocity, 2 intensity
    std::string m_strRegisteredFile;
    std::string m_strRegisteredName;
    std::string m_strListFolder;
    std::string m_strEditor;

    bool OnInitDialog() override;

private:
    void ShowPosition();
    void OnSelectionChanged();
    void OnShowClicked();
    void OnRegister();
    void OnUpdate();

    const SeismicListPageLayout& layout_;
    vd::ComboBox* combo_ = nullptr;
};

vd::ui::DialogTemplate SeismicListPageTemplate(const SeismicListPageLayout& layout);
