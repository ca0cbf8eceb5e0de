#pragma once
// The seven pages of the line-data settings dialog, in tab order, and their templates (each
// LinePageTemplate of the page's rows, under the page's resource id).
#include "layers/settings/linedata/LinePage.h"

// 道路･鉄道等: the road folder and railway file with their colour modes, routes and bridges.
class CDlgLineRoadRail : public LinePage {
public:
    enum { IDD = 143 };
    CDlgLineRoadRail();
    int m_bCallerMark = 0; // the station box then reads "駅"
    bool OnInitDialog() override;
};

// 線ﾃﾞｰﾀA: four free rows of data folders.
class CDlgLineDataA : public LinePage {
public:
    enum { IDD = 132 };
    CDlgLineDataA();
};

// 低地: lowland forms, reclaimed land, subsidence, groundwater rules and a free row.
class CDlgLineLowland : public LinePage {
public:
    enum { IDD = 233 };
    CDlgLineLowland();
};

// 環境: total-emission areas, water-quality zones and four free rows.
class CDlgLineEnvironment : public LinePage {
public:
    enum { IDD = 133 };
    CDlgLineEnvironment();
};

// 保全: national-land conservation zones and four free rows.
class CDlgLineConservation : public LinePage {
public:
    enum { IDD = 162 };
    CDlgLineConservation();
};

// 漁業･港湾: fishing reefs, fishery rights, aquaculture, fishing ports, harbours, port areas.
class CDlgLineFishery : public LinePage {
public:
    enum { IDD = 154 };
    CDlgLineFishery();
};

// 線ﾃﾞｰﾀB: mining areas, three free rows and rivers.
class CDlgLineDataB : public LinePage {
public:
    enum { IDD = 156 };
    CDlgLineDataB();
};

vd::ui::DialogTemplate RoadRailTemplate();
vd::ui::DialogTemplate DataATemplate();
vd::ui::DialogTemplate LowlandTemplate();
vd::ui::DialogTemplate EnvironmentTemplate();
vd::ui::DialogTemplate ConservationTemplate();
vd::ui::DialogTemplate FisheryTemplate();
vd::ui::DialogTemplate DataBTemplate();
