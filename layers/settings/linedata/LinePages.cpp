#include "layers/settings/linedata/LinePages.h"

#include "layers/settings/linedata/LinePageRows.h"

CDlgLineRoadRail::CDlgLineRoadRail() : LinePage(IDD, RoadRailRows()) {}

bool CDlgLineRoadRail::OnInitDialog()
{
    LinePage::OnInitDialog();
    if (m_bCallerMark == 1)
        SetDlgItemText(kLineStationBox, "駅");
    return true;
}

vd::ui::DialogTemplate RoadRailTemplate()
{
    return LinePageTemplate(CDlgLineRoadRail::IDD, "", RoadRailRows());
}

CDlgLineDataA::CDlgLineDataA() : LinePage(IDD, DataARows()) {}

vd::ui::DialogTemplate DataATemplate()
{
    return LinePageTemplate(CDlgLineDataA::IDD, "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", DataARows());
}

CDlgLineLowland::CDlgLineLowland() : LinePage(IDD, LowlandRows()) {}

vd::ui::DialogTemplate LowlandTemplate()
{
    return LinePageTemplate(CDlgLineLowland::IDD, "データファイル", LowlandRows());
}

CDlgLineEnvironment::CDlgLineEnvironment() : LinePage(IDD, EnvironmentRows()) {}

vd::ui::DialogTemplate EnvironmentTemplate()
{
    return LinePageTemplate(CDlgLineEnvironment::IDD, "データファイル", EnvironmentRows());
}

CDlgLineConservation::CDlgLineConservation() : LinePage(IDD, ConservationRows()) {}

vd::ui::DialogTemplate ConservationTemplate()
{
    return LinePageTemplate(CDlgLineConservation::IDD, "データファイル", ConservationRows());
}

CDlgLineFishery::CDlgLineFishery() : LinePage(IDD, FisheryRows()) {}

vd::ui::DialogTemplate FisheryTemplate()
{
    return LinePageTemplate(CDlgLineFishery::IDD, "データファイル", FisheryRows());
}

CDlgLineDataB::CDlgLineDataB() : LinePage(IDD, DataBRows()) {}

vd::ui::DialogTemplate DataBTemplate()
{
    return LinePageTemplate(CDlgLineDataB::IDD, "データファイル", DataBRows());
}
