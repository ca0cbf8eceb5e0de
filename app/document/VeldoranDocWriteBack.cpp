// The settings of the run, written back to the profile when the document is destroyed.
#include "app/document/VeldoranDoc.h"

#include "app/document/ProfileWriter.h"
#include "platform/text/Format.h"

CVeldoranDoc::~CVeldoranDoc()
{
    m_hDib = vd::Dib();
    m_pDibPalette.DeleteObject();
    m_bmpPicture = vd::Dib();
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
    if (m_nMapFrame == 3)
        m_nMapFrame = 1;
    profile.writeInt(lastData, "MapFrame", m_nMapFrame);
    profile.writeString(lastData, "MapName", m_strMapName);
    profile.writeString(lastData, "District", m_strDistrict);

    // The regions only when the registration flow edited them.
    if (m_nDivisionEdited == 1) {
        for (int n = 0; n < 6; ++n) {
            profile.writeString("Division", vd::format("Div%d", n), m_astrDivName[n]);
            profile.writeString("Division", vd::format("swY%d", n), m_astrDivSwY[n]);
            profile.writeString("Division", vd::format("swX%d", n), m_astrDivSwX[n]);
            profile.writeString("Division", vd::format("neY%d", n), m_astrDivNeY[n]);
            profile.writeString("Division", vd::format("neX%d", n), m_astrDivNeX[n]);
        }
    }

    // The departure coordinates are kept as whole numbers, truncated toward zero.
    profile.writeString(city, "Depature", m_strDepature);
    profile.writeInt(city, "yd", static_cast<int>(m_dDepLatDeg));
    profile.writeInt(city, "ym", static_cast<int>(m_dDepLatMin));
    profile.writeInt(city, "xd", static_cast<int>(m_dDepLonDeg));
    profile.writeInt(city, "xm", static_cast<int>(m_dDepLonMin));

    profile.writeString(system, "szTextAppeard", m_strTextAppear);
    profile.writeInt(system, "SymbolSize", m_nSymbolSize);
    profile.writeInt(lastData, "MapFigure", m_nMapFigure);
    profile.writeInt(lastData, "PaletteNo", m_nPaletteNo);
    profile.writeInt(lastData, "ColorStep", m_nColorStep);
    profile.writeInt(lastData, "CstlnColor", m_nCstlnColor);
    profile.writeInt(lastData, "PrfCstClr", m_nPrfCstClr);
    profile.writeInt(lastData, "Lake", m_nLake);
    profile.writeInt(lastData, "Reservoir", m_nReservoir);
    profile.writeInt(lastData, "MapBoundary", m_nMapBoundary);
    profile.writeInt(lastData, "LinkPoint", m_nLinkPoint);
    profile.writeInt(system, "SiteNameDisplay", m_nSiteNameDisplay);
    profile.writeInt(system, "SiteNamePopup", m_nSiteNamePopup);
    profile.writeInt(system, "DataSouce", m_nDataSource);
    profile.writeString(system, "DataFileTitle", m_strDataFileTitle);
    profile.writeInt(system, "PointDisplayFlag", m_nPointDisplayFlag);
    profile.writeInt(lastData, "MapMode", m_nMapMode);
    profile.writeInt(system, "PicturePositon", m_nPicturePosition);
    profile.writeInt(system, "Screen", m_nScreen);
    profile.writeInt(system, "PrfMpData", m_nPrfMpData);
    profile.writeInt(system, "MapPjctn", m_nMapPjctn);
    profile.writeString(system, "Submarine", m_strSubmarineDir);
    profile.writeInt(system, "BkGrndR", vd::GetRValue(m_crBackground));
    profile.writeInt(system, "BkGrndG", vd::GetGValue(m_crBackground));
    profile.writeInt(system, "BkGrndB", vd::GetBValue(m_crBackground));
    profile.writeInt(system, "MouseDrag", m_nMouseDrag);
    profile.writeInt(system, "MapProjection", m_nMapProjection);
    profile.writeInt(system, "ClipIndexMap", m_nClipIndexMap);
    profile.writeString(system, "StartWhiteMap", m_strStartWhiteMap);
}
