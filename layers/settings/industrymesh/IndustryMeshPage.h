#pragma once
// A page of the industry-statistics mesh dialog, described by its table (IndustryMeshPageSpecs):
// the page's theme row (on box, data folder, "ﾌｧｲﾙ") and one display item chosen among the
// fixed item radios and the class-bound rows. A class-bound row shows a registered statistics
// item: its name on the row's radio and its range and class interval in read-only fields, which
// only 登録 changes.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/industrymesh/IndustryMeshPageSpecs.h"
#include "layers/settings/industrymesh/IndustryMeshSettings.h"
#include "layers/settings/industrymesh/StatItemSpec.h"

#include <vector>

class IndustryMeshPage : public SettingsPage {
public:
    explicit IndustryMeshPage(const IndustryPageSpec& spec);

    // Before the page is created: the theme row and its column of item definitions (one per
    // class-bound row).
    void Load(const IndustryMeshRow& row, const std::string* columnSpecs);
    // On OK: the row's on, item and folder (as typed), and each class-bound row's item definition
    // as shown.
    void Collect(IndustryMeshRow& row, std::string* columnSpecs) const;

    bool OnInitDialog() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    int RowRadio(int r) const { return spec_.rowRadio(r); }
    void SwitchPageOn();
    void OnRegister(int r);
    StatItemSpec ShownRow(int r) const;

    const IndustryPageSpec& spec_;
    int on_ = 0;
    int item_ = 0;
    std::string folder_;
    std::vector<StatItemSpec> rows_; // sized once: the exchange binds into it
};

// The pages of CDlgDmcSet.
class CDlgDmcCommerce : public IndustryMeshPage {
public:
    enum { IDD = 248 };
    CDlgDmcCommerce() : IndustryMeshPage(IndustryPageSpecs()[0]) {}
};
class CDlgDmcIndustry : public IndustryMeshPage {
public:
    enum { IDD = 249 };
    CDlgDmcIndustry() : IndustryMeshPage(IndustryPageSpecs()[1]) {}
};
class CDlgDmcAgriculture : public IndustryMeshPage {
public:
    enum { IDD = 250 };
    CDlgDmcAgriculture() : IndustryMeshPage(IndustryPageSpecs()[2]) {}
};
