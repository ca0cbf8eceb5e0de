#pragma once
// The display options page of the seismic map settings (template 136): the legend, and within
// the scenario group the source faults and their asperities. Asperities are shown only with the
// faults: switching the faults off clears the asperity mark but keeps its value, so switching
// them on again brings the mark back.
#include "platform/ui/Dialog.h"

// The page's control ids (template 136).
namespace seismicoptionsids {
inline constexpr int IDC_FAULT = 1021;
inline constexpr int IDC_LEGEND = 1022;
inline constexpr int IDC_ASPERITY = 1023;
} // namespace seismicoptionsids

class CSeismicOptionsPage : public vd::Dialog {
public:
    enum { IDD = 136 };
    CSeismicOptionsPage();

    int m_nLegend = 0;
    int m_nFault = 0;
    int m_nAsperity = 0;

    bool OnInitDialog() override;

private:
    void OnLegend();
    void OnFault();
    void OnAsperity();
};

vd::ui::DialogTemplate SeismicOptionsPageTemplate();
