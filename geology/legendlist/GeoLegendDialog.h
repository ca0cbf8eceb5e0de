#pragma once
// CDlgGeoLegend (template 220 of module "Dovanne"): a box without caption at (310, 2) dialog
// units, 267 x 175, listing the lines of the geology legend (GeoLegendLines.h) in an unsorted
// list box, with an empty static and OK.
#include "geology/legendlist/GeoLegendLines.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

class CDlgGeoLegend : public vd::Dialog {
public:
    enum { IDD = 220 };
    static constexpr int kList = 1020;
    static constexpr int kNote = 1021;

    CDlgGeoLegend();

    GeoLegendRequest m_request;

    bool OnInitDialog() override;
};

vd::ui::DialogTemplate GeoLegendTemplate();
