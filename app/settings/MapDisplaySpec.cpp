#include "app/settings/MapDisplaySpec.h"

#include "app/document/VeldoranDoc.h"

namespace {

// Every edited value as a pair of the document's member and the copy: one list for both
// directions, so they cannot drift apart.
template <class Doc, class Spec, class Move>
void ForEachEdited(Doc& doc, Spec& spec, Move move)
{
    auto& p = spec.placeName;
    move(doc.m_nSiteNameDisplay, p.m_nSiteNameDisplay);
    move(doc.spec.m_nSiteNamePopup, p.m_nSiteNamePopup);
    move(doc.m_nPointDisplayFlag, p.m_nPointDisplayFlag);
    move(doc.spec.m_strFontName, p.m_strFontName);
    move(doc.spec.m_nPlaceNameFontHeight, p.m_nPlaceNameFontHeight);
    move(doc.spec.m_anPlaceNameKind, p.m_anPlaceNameKind);
    auto& r = spec.point;
    move(doc.spec.m_nLinkPoint, r.m_nLinkPoint);
    move(doc.spec.m_nPointPopup, r.m_nPointPopup);
    move(doc.spec.m_strPointKeyword, r.m_strPointKeyword);
    move(doc.spec.m_nKindData, r.m_nKindData);
    move(doc.spec.m_nSymbolSize, r.m_nSymbolSize);
    move(doc.spec.m_nPointLabel, r.m_nPointLabel);
    auto& w = spec.whiteMap;
    move(doc.spec.m_nMapBoundary, w.m_nMapBoundary);
    move(doc.spec.m_nScaleBar, w.m_nScaleBar);
    move(doc.spec.m_nPrefBorder, w.m_nPrefBorder);
    move(doc.spec.m_nSubprefBorder, w.m_nSubprefBorder);
    move(doc.spec.m_strPrefBorderColour, w.m_strPrefBorderColour);
    move(doc.spec.m_nLake, w.m_nLake);
    move(doc.spec.m_nReservoir, w.m_nReservoir);
    move(doc.spec.m_nCityBorder, w.m_nCityBorder);
    move(doc.spec.m_nCityBorderColour, w.m_nCityBorderColour);
    move(doc.spec.m_nCityNameZoom, w.m_nCityNameZoom);
    move(doc.spec.m_nCityNameEnclave, w.m_nCityNameEnclave);
    auto& d = spec.distance;
    move(doc.spec.m_nDistanceShow, d.m_nDistanceShow);
    move(doc.spec.m_nDistanceEnd, d.m_nDistanceEnd);
    move(doc.spec.m_strDepature, d.city.m_strDepature);
    move(doc.spec.m_dDepLatDeg, d.city.m_dDepLatDeg);
    move(doc.spec.m_dDepLatMin, d.city.m_dDepLatMin);
    move(doc.spec.m_dDepLonDeg, d.city.m_dDepLonDeg);
    move(doc.spec.m_dDepLonMin, d.city.m_dDepLonMin);
    move(doc.spec.m_nPointerCoords, spec.m_nPointerCoords);
    move(doc.spec.m_nSpecDialogTab, spec.m_nSpecDialogTab);
}

} // namespace

MapDisplaySpec ReadMapDisplaySpec(const CVeldoranDoc& doc)
{
    MapDisplaySpec spec;
    ForEachEdited(doc, spec, [](const auto& docValue, auto& copy) { copy = docValue; });
    spec.placeName.m_nPlaceNameInMap = doc.m_nPlaceNameInMap;
    spec.placeName.m_nPlaceNameTotal = doc.spec.m_nPlaceNameTotal;
    spec.placeName.m_strSiteNameFile = doc.environment.m_strSiteNameFile;
    spec.whiteMap.m_nMapType = doc.position.m_nMapType;
    if (doc.position.m_nMapType == 1)
        spec.whiteMap.m_nMapFigure = doc.position.m_nMapFigure;
    spec.whiteMap.m_strCityBorderDir = doc.folders.m_strCityBorderDir;
    spec.distance.m_strAppDir = doc.folders.m_strAppDir;
    spec.distance.m_strEditor = doc.environment.m_strEditor;
    return spec;
}

void WriteMapDisplaySpec(CVeldoranDoc& doc, const MapDisplaySpec& spec)
{
    ForEachEdited(doc, spec, [](auto& docValue, const auto& copy) { docValue = copy; });
}

bool MapDisplayChanged(const MapDisplaySpec& before, const MapDisplaySpec& after)
{
    const PlaceNameSpec& p0 = before.placeName;
    const PlaceNameSpec& p1 = after.placeName;
    const PointSpec& r0 = before.point;
    const PointSpec& r1 = after.point;
    const WhiteMapSpec& w0 = before.whiteMap;
    const WhiteMapSpec& w1 = after.whiteMap;
    return p0.m_nSiteNameDisplay != p1.m_nSiteNameDisplay || p0.m_nPointDisplayFlag != p1.m_nPointDisplayFlag ||
           p0.m_nSiteNamePopup != p1.m_nSiteNamePopup || p0.m_strFontName != p1.m_strFontName ||
           p0.m_nPlaceNameFontHeight != p1.m_nPlaceNameFontHeight || p0.m_anPlaceNameKind != p1.m_anPlaceNameKind ||
           r0.m_nKindData != r1.m_nKindData || r0.m_nPointPopup != r1.m_nPointPopup ||
           r0.m_nSymbolSize != r1.m_nSymbolSize || r0.m_nPointLabel != r1.m_nPointLabel ||
           r0.m_nLinkPoint != r1.m_nLinkPoint || r0.m_strPointKeyword != r1.m_strPointKeyword ||
           w0.m_nPrefBorder != w1.m_nPrefBorder || w0.m_strPrefBorderColour != w1.m_strPrefBorderColour ||
           w0.m_nSubprefBorder != w1.m_nSubprefBorder || w0.m_nCityBorder != w1.m_nCityBorder ||
           w0.m_nCityBorderColour != w1.m_nCityBorderColour || w0.m_nCityNameZoom != w1.m_nCityNameZoom ||
           w0.m_nCityNameEnclave != w1.m_nCityNameEnclave || w0.m_nLake != w1.m_nLake ||
           w0.m_nReservoir != w1.m_nReservoir || w0.m_nMapBoundary != w1.m_nMapBoundary ||
           w0.m_nScaleBar != w1.m_nScaleBar;
}
