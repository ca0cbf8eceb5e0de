#pragma once
// A page of the surface dialog, described by its row table (SurfacePageSpecs). The container
// hands the rows in before the page is created (LoadRows) and gathers them on OK (CollectRows).
#include "layers/settings/SettingsPage.h"
#include "layers/settings/surface/SurfacePageSpecs.h"
#include "layers/settings/surface/SurfaceRows.h"

#include <vector>

class SurfacePage : public SettingsPage {
public:
    explicit SurfacePage(const SurfacePageSpec& spec);

    void LoadRows(const SurfaceRows& rows);
    // Values from the members; texts and typed data names from the edits, fixed rows' names as
    // the program knows them.
    void CollectRows(SurfaceRows& rows) const;

private:
    const SurfacePageSpec& spec_;
    std::vector<SurfaceRow> values_; // sized once: the bindings point into it
};

// The pages of CDlgDsSet.
class CDlgDsBorder : public SurfacePage {
public:
    enum { IDD = 136 };
    CDlgDsBorder() : SurfacePage(SurfacePageSpecs()[0]) {}
};
class CDlgDsArea1 : public SurfacePage {
public:
    enum { IDD = 148 };
    CDlgDsArea1() : SurfacePage(SurfacePageSpecs()[1]) {}
};
class CDlgDsArea2 : public SurfacePage {
public:
    enum { IDD = 137 };
    CDlgDsArea2() : SurfacePage(SurfacePageSpecs()[2]) {}
};
class CDlgDsWater : public SurfacePage {
public:
    enum { IDD = 152 };
    CDlgDsWater() : SurfacePage(SurfacePageSpecs()[3]) {}
};
