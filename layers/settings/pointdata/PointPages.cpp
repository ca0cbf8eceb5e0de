#include "layers/settings/pointdata/PointPages.h"

#include "layers/settings/pointdata/PointPageSpecs.h"

CDlgPointFacility::CDlgPointFacility() : PointPage(FacilitySpec(false)) {}
CDlgWhitePointFacility::CDlgWhitePointFacility() : PointPage(FacilitySpec(true)) {}
CDlgPointHydrology::CDlgPointHydrology() : PointPage(HydrologySpec(false)) {}
CDlgWhitePointHydrology::CDlgWhitePointHydrology() : PointPage(HydrologySpec(true)) {}
CDlgPointLandPriceB::CDlgPointLandPriceB() : PointPage(LandPriceBSpec(false)) {}
CDlgWhitePointLandPriceB::CDlgWhitePointLandPriceB() : PointPage(LandPriceBSpec(true)) {}

CDlgPointCoast::CDlgPointCoast() : PointPage(CoastSpec()) {}

CDlgPointByPrefecture::CDlgPointByPrefecture() : PointPage(ByPrefectureSpec()) {}

CDlgPointNationwide::CDlgPointNationwide() : PointPage(NationwideSpec()) {}
