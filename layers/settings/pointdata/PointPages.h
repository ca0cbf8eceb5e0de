#pragma once
// The pages of the point dialogs. The white map's container uses its own 施設, 水文, 土地A and
// 土地B pages (fewer label items, the year following the data) and shares 沿岸域, 点Ａ and 点Ｂ.
#include "layers/settings/pointdata/PointPage.h"

class CDlgPointFacility : public PointPage {
public:
    CDlgPointFacility();
};

class CDlgWhitePointFacility : public PointPage {
public:
    CDlgWhitePointFacility();
};

class CDlgPointHydrology : public PointPage {
public:
    CDlgPointHydrology();
};

class CDlgWhitePointHydrology : public PointPage {
public:
    CDlgWhitePointHydrology();
};

class CDlgPointCoast : public PointPage {
public:
    CDlgPointCoast();
};

class CDlgPointLandPriceB : public PointPage {
public:
    CDlgPointLandPriceB();
};

class CDlgWhitePointLandPriceB : public PointPage {
public:
    CDlgWhitePointLandPriceB();
};

class CDlgPointByPrefecture : public PointPage {
public:
    CDlgPointByPrefecture();
};

class CDlgPointNationwide : public PointPage {
public:
    CDlgPointNationwide();
};
