#pragma once
// The pages of the point dialogs. The white map's container uses its own 施設, 水文, 土地A and
// 土地B pages (fewer label items, the year following the data) and shares 沿岸域, 点Ａ and 点Ｂ.
#include "layers/settings/pointdata/PointPage.h"

class CDlgPointFacility : public PointPage {
public:
    enum { IDD = 236 };
    CDlgPointFacility();
};

class CDlgWhitePointFacility : public PointPage {
public:
    enum { IDD = 261 };
    CDlgWhitePointFacility();
};

class CDlgPointHydrology : public PointPage {
public:
    enum { IDD = 240 };
    CDlgPointHydrology();
};

class CDlgWhitePointHydrology : public PointPage {
public:
    enum { IDD = 260 };
    CDlgWhitePointHydrology();
};

class CDlgPointCoast : public PointPage {
public:
    enum { IDD = 241 };
    CDlgPointCoast();
};

class CDlgPointLandPriceB : public PointPage {
public:
    enum { IDD = 149 };
    CDlgPointLandPriceB();
};

class CDlgWhitePointLandPriceB : public PointPage {
public:
    enum { IDD = 256 };
    CDlgWhitePointLandPriceB();
};

class CDlgPointByPrefecture : public PointPage {
public:
    enum { IDD = 141 };
    CDlgPointByPrefecture();
};

class CDlgPointNationwide : public PointPage {
public:
    enum { IDD = 237 };
    CDlgPointNationwide();
};
