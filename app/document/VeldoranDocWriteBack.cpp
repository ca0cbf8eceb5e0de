// The settings of the run, written back to the profile when the document is destroyed.
#include "app/document/VeldoranDoc.h"

#include "app/document/ProfileWriter.h"
#include "platform/text/Format.h"

CVeldoranDoc::~CVeldoranDoc()
{
    m_hDib = vd::Dib();
    m_pDibPalette.DeleteObject();
    entry.m_bmpPicture = vd::Dib();
    ProfileStoreWriter profile;
    WriteSettingsBack(profile);
    profile.commit();
}

void CVeldoranDoc::WriteSettingsBack(ProfileWriter& profile)
{
    const char* const system = "System";
    const char* const lastData = "LastData";
    const char* const city = "City";

    // Frame 3 is not one to start with.
    if (position.m_nMapFrame == 3)
        position.m_nMapFrame = 1;
    profile.writeInt(lastData, "MapFrame", position.m_nMapFrame);
    profile.writeString(lastData, "MapName", m_strMapName);
    profile.writeString(lastData, "District", position.m_strDistrict);

    // The regions only when the registration flow edited them.
    if (registered.m_nDivisionEdited == 1) {
        for (int n = 0; n < 6; ++n) {
            profile.writeString("Division", vd::format("Div%d", n), registered.m_astrDivName[n]);
            profile.writeString("Division", vd::format("swY%d", n), registered.m_astrDivSwY[n]);
            profile.writeString("Division", vd::format("swX%d", n), registered.m_astrDivSwX[n]);
            profile.writeString("Division", vd::format("neY%d", n), registered.m_astrDivNeY[n]);
            profile.writeString("Division", vd::format("neX%d", n), registered.m_astrDivNeX[n]);
        }
    }

    // The departure coordinates are kept as whole numbers, truncated toward zero.
    profile.writeString(city, "Depature", spec.m_strDepature);
    profile.writeInt(city, "yd", static_cast<int>(spec.m_dDepLatDeg));
    profile.writeInt(city, "ym", static_cast<int>(spec.m_dDepLatMin));
    profile.writeInt(city, "xd", static_cast<int>(spec.m_dDepLonDeg));
    profile.writeInt(city, "xm", static_cast<int>(spec.m_dDepLonMin));

    profile.writeString(system, "szTextAppeard", environment.m_strTextAppear);
    profile.writeInt(system, "SymbolSize", spec.m_nSymbolSize);
    profile.writeInt(lastData, "MapFigure", position.m_nMapFigure);
    profile.writeInt(lastData, "PaletteNo", colours.m_nPaletteNo);
    profile.writeInt(lastData, "ColorStep", colours.m_nColorStep);
    profile.writeInt(lastData, "CstlnColor", colours.m_nCstlnColor);
    profile.writeInt(lastData, "PrfCstClr", colours.m_nPrfCstClr);
    profile.writeInt(lastData, "Lake", spec.m_nLake);
    profile.writeInt(lastData, "Reservoir", spec.m_nReservoir);
    profile.writeInt(lastData, "MapBoundary", spec.m_nMapBoundary);
    profile.writeInt(lastData, "LinkPoint", spec.m_nLinkPoint);
    profile.writeInt(system, "SiteNameDisplay", m_nSiteNameDisplay);
    profile.writeInt(system, "SiteNamePopup", spec.m_nSiteNamePopup);
    profile.writeInt(system, "DataSouce", registered.m_nDataSource);
    profile.writeString(system, "DataFileTitle", registered.m_strDataFileTitle);
    profile.writeInt(system, "PointDisplayFlag", m_nPointDisplayFlag);
    profile.writeInt(lastData, "MapMode", position.m_nMapMode);
    profile.writeInt(system, "PicturePositon", environment.m_nPicturePosition);
    profile.writeInt(system, "Screen", environment.m_nScreen);
    profile.writeInt(system, "PrfMpData", environment.m_nPrfMpData);
    profile.writeInt(system, "MapPjctn", position.m_nMapPjctn);
    profile.writeString(system, "Submarine", folders.m_strSubmarineDir);
    profile.writeInt(system, "BkGrndR", vd::GetRValue(colours.m_crBackground));
    profile.writeInt(system, "BkGrndG", vd::GetGValue(colours.m_crBackground));
    profile.writeInt(system, "BkGrndB", vd::GetBValue(colours.m_crBackground));
    profile.writeInt(system, "MouseDrag", pointer.m_nMouseDrag);
    profile.writeInt(system, "MapProjection", position.m_nMapProjection);
    profile.writeInt(system, "ClipIndexMap", m_nClipIndexMap);
    profile.writeString(system, "StartWhiteMap", environment.m_strStartWhiteMap);
}
