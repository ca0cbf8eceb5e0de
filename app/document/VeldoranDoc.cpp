// The document's start-up order: every step in turn, each finished before the next.
#include "app/document/VeldoranDoc.h"

#include "app/document/DefaultEditor.h"
#include "app/document/ProfileLimits.h"
#include "app/libraries/LibraryLoading.h"
#include "app/settings/MapDisplaySpecCommands.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Format.h"

namespace {

constexpr const char* kSystem = "System";
constexpr const char* kLastData = "LastData";
constexpr const char* kDivision = "Division";
constexpr const char* kCity = "City";
constexpr int kEnvironmentSettingsCommand = 32795; // ﾌｧｲﾙ/環境設定など/環境設定(&E)..., Ctrl+E

// The six user regions as a first run has them: name, then the south-west and north-east
// latitude and longitude texts.
struct RegionDefault {
    const char* name;
    const char* swY;
    const char* swX;
    const char* neY;
    const char* neX;
};
constexpr RegionDefault kRegionDefaults[6] = {
    {"兵庫", "34.0000", "134.0000", "36.0000", "135.0000"},
    {"京都･大阪", "34.4000", "135.0000", "36.0000", "136.0000"},
    {"奈良", "34.2000", "135.0000", "34.4000", "136.0000"},
    {"岐阜　・　滋賀", "34.4000", "136.0000", "36.4000", "137.0000"},
    {"南紀", "33.2000", "135.0000", "34.2000", "136.0000"},
    {"伊勢", "33.2000", "136.0000", "34.4000", "137.0000"},
};

// The keyword texts and counts that a first run writes to the profile.
struct KeywordDefault {
    const char* key;
    std::string CVeldoranDoc::*member;
    const char* word;
};
constexpr KeywordDefault kKeywordDefaults[] = {
    {"Key1", &CVeldoranDoc::m_strKey1, "寺"},
    {"Key2", &CVeldoranDoc::m_strKey2, "神社"},
    {"Key3", &CVeldoranDoc::m_strKey3, "博物"},
    {"Ctgry0", &CVeldoranDoc::m_strCtgry0, "散策"},
    {"Ctgry1", &CVeldoranDoc::m_strCtgry1, "仏閣"},
    {"Ctgry2", &CVeldoranDoc::m_strCtgry2, "神社"},
    {"Ctgry3", &CVeldoranDoc::m_strCtgry3, "博物館"},
};
constexpr int kKeyCountDefaults[6] = {8, 8, 3, 8, 1, 8};

// 48 prefecture flags "%d|": the whole country chosen, no single prefecture.
std::string WholeCountryFlags()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

} // namespace

CVeldoranDoc::CVeldoranDoc()
{
    vd::ProfileStore profile;

    LoadDovanne();

    // The application folder is the platform's (created and seeded from the bundled data).
    m_strAppDir = vd::applicationFolder();
    if (profile.getString(kSystem, "AppDir") != m_strAppDir)
        profile.writeString(kSystem, "AppDir", m_strAppDir);

    m_strAlbumDir = m_strAppDir + "ALBUM\\";
    m_strSourceDir = m_strAppDir + "SOURCE\\";
    m_strPaletteDir = m_strAppDir + "PALETTE\\";
    m_strRouteAreaDir = m_strAppDir + "ROUTAREA\\";
    m_strMapFigureDir = m_strAppDir + "MAPFGRS\\";

    // Without a stored folder the bundled CityPlgn\ of the application folder is the one used.
    m_strCityBorderDir = profile.getString(kSystem, "CityBorderDir", m_strAppDir);
    m_strCoastlineDir = profile.getString(kSystem, "CoastlineDir");
    m_strAnnotationTable = profile.getString(kSystem, "Tyuuki");
    m_strPublicFacilityTable = profile.getString(kSystem, "Koukyou");

    m_strSheetIndexFile = m_strAppDir + "BlcMap20.idx";
    m_strEntryParam.clear();

    m_nDivisionEdited = -1;
    m_bMapOnScreen = 0;
    m_nMouseTool = 0;
    m_nCdRomPrompt = 0;

    m_nDataSource = profile.getInt(kSystem, "DataSouce", 0);
    std::string dataFile;
    if (m_nDataSource != 0) {
        dataFile = m_strSourceDir + vd::format("Source%d.dat", m_nDataSource);
        m_strDataFileTitle = profile.getString(kSystem, "DataFileTitle");
        if (m_strDataFileTitle.find("HD(") == std::string::npos)
            m_nCdRomPrompt = -1;
    } else {
        dataFile = m_strSourceDir + "history.dat";
        m_strDataFileTitle = "HD(共通領域)";
    }
    m_strDataFile = dataFile;
    m_strDataFileCopy = dataFile;
    m_strRegionName = "全国";
    m_strSelectedName.clear();

    m_nKindData = profile.getInt(kSystem, "KindData", 3);
    m_nBackGrandColor = profile.getInt(kSystem, "BackGrandColor", 1);
    m_nBmpBackground = profile.getInt(kSystem, "BmpBackground", 6);

    // A stored place-name file that no longer exists gives way to the default one.
    m_strSiteNameFile = profile.getString(kSystem, "SiteNameFile");
    if (FileExists(m_strSiteNameFile) != 1)
        m_strSiteNameFile.clear();
    if (m_strSiteNameFile.empty()) {
        m_strSiteNameFile = m_strAppDir + "placenmn.dat";
        profile.writeString(kSystem, "SiteNameFile", m_strSiteNameFile);
    }

    for (const KeywordDefault& keyword : kKeywordDefaults) {
        std::string& value = this->*keyword.member;
        value = profile.getString(kSystem, keyword.key);
        if (value.empty()) {
            value = keyword.word;
            profile.writeString(kSystem, keyword.key, value);
        }
    }
    for (int i = 0; i < 6; ++i) {
        const std::string key = vd::format("KeyCount%d", i + 1);
        m_anKeyCount[i] = profile.getInt(kSystem, key, -1);
        if (m_anKeyCount[i] == -1) {
            m_anKeyCount[i] = kKeyCountDefaults[i];
            profile.writeInt(kSystem, key, m_anKeyCount[i]);
        }
    }

    m_nMapFrame = m_nMapFrameCopy = m_nMapFrameCopy2 = UsableMapFrame(profile.getInt(kLastData, "MapFrame", 2));
    m_nSymbolSize = UsableSymbolSize(profile.getInt(kSystem, "SymbolSize", 2));
    m_strFontName = "ＭＳ ゴシック";
    m_nPointDisplayFlag = profile.getInt(kSystem, "PointDisplayFlag", 14);
    m_nSiteNameDisplay = profile.getInt(kSystem, "SiteNameDisplay", 1);
    m_nSiteNamePopup = profile.getInt(kSystem, "SiteNamePopup", 0);
    m_strStartWhiteMap = profile.getString(kSystem, "StartWhiteMap", "off");
    m_strSheetSelect = "MAP";
    m_strRoutePlayMode = m_strAlbumPlayMode = m_strPagePlayMode = "AUTO";
    m_strDualSource = "off";
    m_strCoastDir = m_strAppDir + "Coast_JB\\";
    m_nPointPopup = 1;
    m_nPlaceNameFontHeight = 2;
    m_nPointLabel = 3;

    ReadRegions();

    m_nDistanceShow = 1;
    m_nDistanceEnd = 1;
    ReadDepartureCity();

    m_strTextAppear = profile.getString(kSystem, "szTextAppeard");
    m_strViewer = profile.getString(kSystem, "Viewer");
    m_strTextWithPicture = "on";
    m_strPrefBorderColour = "ORNG";
    m_nPrefBorder = 1;
    m_nSubprefBorder = 0;
    m_nCityBorder = 0;
    m_nCityBorderColour = 11;
    m_nCityNameZoom = 1;
    m_nCityNameEnclave = 0;
    m_strTrackStartMap = "START";

    m_strEditor = profile.getString(kSystem, "Editer");
    if (m_strEditor.empty()) {
        m_strEditor = FindDefaultEditor();
        profile.writeString(kSystem, "Editer", m_strEditor);
    }

    m_nAreaSearch = 1;
    m_nAreaShape = 0;
    m_nAreaSizeKm = 50;
    m_nMapFigure = m_nMapFigureCopy = profile.getInt(kLastData, "MapFigure", 0);

    WriteDefaultPaletteList();

    m_nPaletteNo = profile.getInt(kLastData, "PaletteNo", 0);
    m_nColorStep = profile.getInt(kLastData, "ColorStep", 1);
    m_nCstlnColor = UsableCoastPen(profile.getInt(kLastData, "CstlnColor", 10), 10);
    m_nPrfCstClr = UsablePrefectureCoastPen(profile.getInt(kLastData, "PrfCstClr", 18), 18);
    m_crSeaColour = vd::RGB(126, 180, 234);
    m_crLakeColour = vd::RGB(0, 255, 255);
    m_nLake = profile.getInt(kLastData, "Lake", 0);
    m_nReservoir = profile.getInt(kLastData, "Reservoir", 0);
    m_nMapMode = UsableBlockSheets(profile.getInt(kLastData, "MapMode", 9));
    m_nMapBoundary = OneOfOr(profile.getInt(kLastData, "MapBoundary", 1), {0, 1}, 1);
    m_nLinkPoint = profile.getInt(kLastData, "LinkPoint", 1);
    m_nMapType = 1;
    m_nPrefectureSel = 0;
    m_nJpegProcess = profile.getInt(kSystem, "JpegProcess", 1);
    m_bPictureLoaded = 0;
    m_nOutputElevation = -999;
    m_nHideFoundPlaces = 1;
    m_nMapProjection = profile.getInt(kSystem, "MapProjection", 0);
    m_nClipIndexMap = profile.getInt(kSystem, "ClipIndexMap", 0);
    m_nPlaceNamePopupActive = m_nSiteNameDisplay == 1 && m_nSiteNamePopup == 1 && m_nMouseTool == 0 ? 1 : 0;

    LoadPlaceNameSymbols();
    WritePrefectureCatalogueDefault();
    EnsureDefaultLayerFiles();

    m_strLayerPrefFlags = WholeCountryFlags();
    m_strPrefFlags = WholeCountryFlags() + "1";

    m_strSubmarineDir = profile.getString(kSystem, "Submarine");
    m_anSeisSetting.fill(0);
    m_bSeismicLayer = 0;
    m_strMapName = UsableSheetName(profile.getString(kSystem, "MapName", kStartSheetName));
    m_strDistrict = profile.getString(kSystem, "District", "近畿中部");
    WriteMapFileDefault();

    m_nPicturePosition = m_nPicturePositionCopy = profile.getInt(kSystem, "PicturePositon", 1);
    m_crBackground = vd::RGB(UsableColourByte(profile.getInt(kSystem, "BkGrndR", 246)),
                             UsableColourByte(profile.getInt(kSystem, "BkGrndG", 246)),
                             UsableColourByte(profile.getInt(kSystem, "BkGrndB", 246)));
    m_nScreen = profile.getInt(kSystem, "Screen", 0);
    m_nPrfMpData = profile.getInt(kSystem, "PrfMpData", 0);
    m_nMapPjctn = profile.getInt(kSystem, "MapPjctn", 1);

    BuildLatitudeRatioTable();

    m_nMouseDrag = m_nMouseDragCopy = profile.getInt(kSystem, "MouseDrag", 1);
    if (m_nMapType != 1)
        m_nMouseDrag = m_nMouseDragCopy = 1;

    OnCommand(kEnvironmentSettingsCommand, [this] { OnEnvironmentSettings(); });
    ConnectMapDisplaySpecCommands(*this);
    RegisterLayerCommands();
    RegisterDocumentCommands();
    RegisterRouteCommands();
}

void CVeldoranDoc::ReadRegions()
{
    vd::ProfileStore profile;
    for (int n = 0; n < 6; ++n) {
        const RegionDefault& region = kRegionDefaults[n];
        m_astrDivName[n] = profile.getString(kDivision, vd::format("Div%d", n), region.name);
        m_astrDivSwY[n] = profile.getString(kDivision, vd::format("swY%d", n), region.swY);
        m_astrDivSwX[n] = profile.getString(kDivision, vd::format("swX%d", n), region.swX);
        m_astrDivNeY[n] = profile.getString(kDivision, vd::format("neY%d", n), region.neY);
        m_astrDivNeX[n] = profile.getString(kDivision, vd::format("neX%d", n), region.neX);
    }
}

void CVeldoranDoc::ReadDepartureCity()
{
    vd::ProfileStore profile;
    m_strDepature = profile.getString(kCity, "Depature");
    if (!m_strDepature.empty()) {
        m_dDepLatDeg = profile.getInt(kCity, "yd", 0);
        m_dDepLatMin = profile.getInt(kCity, "ym", 0);
        m_dDepLonDeg = profile.getInt(kCity, "xd", 0);
        m_dDepLonMin = profile.getInt(kCity, "xm", 0);
        return;
    }
    // Osaka until the user chooses a city; section City is written only at exit.
    m_strDepature = "大阪";
    m_dDepLatDeg = 34;
    m_dDepLatMin = 41;
    m_dDepLonDeg = 135;
    m_dDepLonMin = 31;
    WriteDefaultStartCities();
}
