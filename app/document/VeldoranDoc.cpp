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
    std::string EnvironmentSettings::*member;
    const char* word;
};
constexpr KeywordDefault kKeywordDefaults[] = {
    {"Key1", &EnvironmentSettings::m_strKey1, "寺"},
    {"Key2", &EnvironmentSettings::m_strKey2, "神社"},
    {"Key3", &EnvironmentSettings::m_strKey3, "博物"},
    {"Ctgry0", &EnvironmentSettings::m_strCtgry0, "散策"},
    {"Ctgry1", &EnvironmentSettings::m_strCtgry1, "仏閣"},
    {"Ctgry2", &EnvironmentSettings::m_strCtgry2, "神社"},
    {"Ctgry3", &EnvironmentSettings::m_strCtgry3, "博物館"},
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
    folders.m_strAppDir = vd::applicationFolder();
    if (profile.getString(kSystem, "AppDir") != folders.m_strAppDir)
        profile.writeString(kSystem, "AppDir", folders.m_strAppDir);

    folders.m_strAlbumDir = folders.m_strAppDir + "ALBUM\\";
    folders.m_strSourceDir = folders.m_strAppDir + "SOURCE\\";
    folders.m_strPaletteDir = folders.m_strAppDir + "PALETTE\\";
    folders.m_strRouteAreaDir = folders.m_strAppDir + "ROUTAREA\\";
    folders.m_strMapFigureDir = folders.m_strAppDir + "MAPFGRS\\";

    // Without a stored folder the bundled CityPlgn\ of the application folder is the one used.
    folders.m_strCityBorderDir = profile.getString(kSystem, "CityBorderDir", folders.m_strAppDir);
    folders.m_strCoastlineDir = profile.getString(kSystem, "CoastlineDir");
    environment.m_strAnnotationTable = profile.getString(kSystem, "Tyuuki");
    environment.m_strPublicFacilityTable = profile.getString(kSystem, "Koukyou");

    folders.m_strSheetIndexFile = folders.m_strAppDir + "BlcMap20.idx";
    m_strEntryParam.clear();

    registered.m_nDivisionEdited = -1;
    repaint.m_bMapOnScreen = 0;
    pointer.m_nMouseTool = 0;
    repaint.m_nCdRomPrompt = 0;

    registered.m_nDataSource = profile.getInt(kSystem, "DataSouce", 0);
    std::string dataFile;
    if (registered.m_nDataSource != 0) {
        dataFile = folders.m_strSourceDir + vd::format("Source%d.dat", registered.m_nDataSource);
        registered.m_strDataFileTitle = profile.getString(kSystem, "DataFileTitle");
        if (registered.m_strDataFileTitle.find("HD(") == std::string::npos)
            repaint.m_nCdRomPrompt = -1;
    } else {
        dataFile = folders.m_strSourceDir + "history.dat";
        registered.m_strDataFileTitle = "HD(共通領域)";
    }
    registered.m_strDataFile = dataFile;
    registered.m_strDataFileCopy = dataFile;
    registered.m_strRegionName = "全国";
    registered.m_strSelectedName.clear();

    spec.m_nKindData = profile.getInt(kSystem, "KindData", 3);
    environment.m_nBackGrandColor = profile.getInt(kSystem, "BackGrandColor", 1);
    environment.m_nBmpBackground = profile.getInt(kSystem, "BmpBackground", 6);

    // A stored place-name file that no longer exists gives way to the default one.
    environment.m_strSiteNameFile = profile.getString(kSystem, "SiteNameFile");
    if (FileExists(environment.m_strSiteNameFile) != 1)
        environment.m_strSiteNameFile.clear();
    if (environment.m_strSiteNameFile.empty()) {
        environment.m_strSiteNameFile = folders.m_strAppDir + "placenmn.dat";
        profile.writeString(kSystem, "SiteNameFile", environment.m_strSiteNameFile);
    }

    for (const KeywordDefault& keyword : kKeywordDefaults) {
        std::string& value = environment.*keyword.member;
        value = profile.getString(kSystem, keyword.key);
        if (value.empty()) {
            value = keyword.word;
            profile.writeString(kSystem, keyword.key, value);
        }
    }
    for (int i = 0; i < 6; ++i) {
        const std::string key = vd::format("KeyCount%d", i + 1);
        environment.m_anKeyCount[i] = profile.getInt(kSystem, key, -1);
        if (environment.m_anKeyCount[i] == -1) {
            environment.m_anKeyCount[i] = kKeyCountDefaults[i];
            profile.writeInt(kSystem, key, environment.m_anKeyCount[i]);
        }
    }

    position.m_nMapFrame = position.m_nMapFrameCopy = position.m_nMapFrameCopy2 =
        UsableMapFrame(profile.getInt(kLastData, "MapFrame", 2));
    spec.m_nSymbolSize = UsableSymbolSize(profile.getInt(kSystem, "SymbolSize", 2));
    spec.m_strFontName = "ＭＳ ゴシック";
    m_nPointDisplayFlag = profile.getInt(kSystem, "PointDisplayFlag", 14);
    m_nSiteNameDisplay = profile.getInt(kSystem, "SiteNameDisplay", 1);
    spec.m_nSiteNamePopup = profile.getInt(kSystem, "SiteNamePopup", 0);
    environment.m_strStartWhiteMap = profile.getString(kSystem, "StartWhiteMap", "off");
    environment.m_strSheetSelect = "MAP";
    routes.m_strRoutePlayMode = registered.m_strAlbumPlayMode = registered.m_strPagePlayMode = "AUTO";
    registered.m_strDualSource = "off";
    folders.m_strCoastDir = folders.m_strAppDir + "Coast_JB\\";
    spec.m_nPointPopup = 1;
    spec.m_nPlaceNameFontHeight = 2;
    spec.m_nPointLabel = 3;

    ReadRegions();

    spec.m_nDistanceShow = 1;
    spec.m_nDistanceEnd = 1;
    ReadDepartureCity();

    environment.m_strTextAppear = profile.getString(kSystem, "szTextAppeard");
    environment.m_strViewer = profile.getString(kSystem, "Viewer");
    environment.m_strTextWithPicture = "on";
    spec.m_strPrefBorderColour = "ORNG";
    spec.m_nPrefBorder = 1;
    spec.m_nSubprefBorder = 0;
    spec.m_nCityBorder = 0;
    spec.m_nCityBorderColour = 11;
    spec.m_nCityNameZoom = 1;
    spec.m_nCityNameEnclave = 0;
    tracks.m_strTrackStartMap = "START";

    environment.m_strEditor = profile.getString(kSystem, "Editer");
    if (environment.m_strEditor.empty()) {
        environment.m_strEditor = FindDefaultEditor();
        profile.writeString(kSystem, "Editer", environment.m_strEditor);
    }

    environment.m_nAreaSearch = 1;
    environment.m_nAreaShape = 0;
    environment.m_nAreaSizeKm = 50;
    position.m_nMapFigure = position.m_nMapFigureCopy = profile.getInt(kLastData, "MapFigure", 0);

    WriteDefaultPaletteList();

    colours.m_nPaletteNo = profile.getInt(kLastData, "PaletteNo", 0);
    colours.m_nColorStep = profile.getInt(kLastData, "ColorStep", 1);
    colours.m_nCstlnColor = UsableCoastPen(profile.getInt(kLastData, "CstlnColor", 10), 10);
    colours.m_nPrfCstClr = UsablePrefectureCoastPen(profile.getInt(kLastData, "PrfCstClr", 18), 18);
    colours.m_crSeaColour = vd::RGB(126, 180, 234);
    colours.m_crLakeColour = vd::RGB(0, 255, 255);
    spec.m_nLake = profile.getInt(kLastData, "Lake", 0);
    spec.m_nReservoir = profile.getInt(kLastData, "Reservoir", 0);
    position.m_nMapMode = UsableBlockSheets(profile.getInt(kLastData, "MapMode", 9));
    spec.m_nMapBoundary = OneOfOr(profile.getInt(kLastData, "MapBoundary", 1), {0, 1}, 1);
    spec.m_nLinkPoint = profile.getInt(kLastData, "LinkPoint", 1);
    position.m_nMapType = 1;
    position.m_nPrefectureSel = 0;
    environment.m_nJpegProcess = profile.getInt(kSystem, "JpegProcess", 1);
    entry.m_bPictureLoaded = 0;
    environment.m_nOutputElevation = -999;
    environment.m_nHideFoundPlaces = 1;
    position.m_nMapProjection = profile.getInt(kSystem, "MapProjection", 0);
    m_nClipIndexMap = profile.getInt(kSystem, "ClipIndexMap", 0);
    spec.m_nPlaceNamePopupActive =
        m_nSiteNameDisplay == 1 && spec.m_nSiteNamePopup == 1 && pointer.m_nMouseTool == 0 ? 1 : 0;

    LoadPlaceNameSymbols();
    WritePrefectureCatalogueDefault();
    EnsureDefaultLayerFiles();

    layerChoice.m_strLayerPrefFlags = WholeCountryFlags();
    position.m_strPrefFlags = WholeCountryFlags() + "1";

    folders.m_strSubmarineDir = profile.getString(kSystem, "Submarine");
    seismic.m_anSeisSetting.fill(0);
    seismic.m_bSeismicLayer = 0;
    m_strMapName = UsableSheetName(profile.getString(kSystem, "MapName", kStartSheetName));
    position.m_strDistrict = profile.getString(kSystem, "District", "近畿中部");
    WriteMapFileDefault();

    environment.m_nPicturePosition = environment.m_nPicturePositionCopy = profile.getInt(kSystem, "PicturePositon", 1);
    colours.m_crBackground = vd::RGB(UsableColourByte(profile.getInt(kSystem, "BkGrndR", 246)),
                             UsableColourByte(profile.getInt(kSystem, "BkGrndG", 246)),
                             UsableColourByte(profile.getInt(kSystem, "BkGrndB", 246)));
    environment.m_nScreen = profile.getInt(kSystem, "Screen", 0);
    environment.m_nPrfMpData = profile.getInt(kSystem, "PrfMpData", 0);
    position.m_nMapPjctn = profile.getInt(kSystem, "MapPjctn", 1);

    BuildLatitudeRatioTable();

    pointer.m_nMouseDrag = pointer.m_nMouseDragCopy = profile.getInt(kSystem, "MouseDrag", 1);
    if (position.m_nMapType != 1)
        pointer.m_nMouseDrag = pointer.m_nMouseDragCopy = 1;

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
        registered.m_astrDivName[n] = profile.getString(kDivision, vd::format("Div%d", n), region.name);
        registered.m_astrDivSwY[n] = profile.getString(kDivision, vd::format("swY%d", n), region.swY);
        registered.m_astrDivSwX[n] = profile.getString(kDivision, vd::format("swX%d", n), region.swX);
        registered.m_astrDivNeY[n] = profile.getString(kDivision, vd::format("neY%d", n), region.neY);
        registered.m_astrDivNeX[n] = profile.getString(kDivision, vd::format("neX%d", n), region.neX);
    }
}

void CVeldoranDoc::ReadDepartureCity()
{
    vd::ProfileStore profile;
    spec.m_strDepature = profile.getString(kCity, "Depature");
    if (!spec.m_strDepature.empty()) {
        spec.m_dDepLatDeg = profile.getInt(kCity, "yd", 0);
        spec.m_dDepLatMin = profile.getInt(kCity, "ym", 0);
        spec.m_dDepLonDeg = profile.getInt(kCity, "xd", 0);
        spec.m_dDepLonMin = profile.getInt(kCity, "xm", 0);
        return;
    }
    // Osaka until the user chooses a city; section City is written only at exit.
    spec.m_strDepature = "大阪";
    spec.m_dDepLatDeg = 34;
    spec.m_dDepLatMin = 41;
    spec.m_dDepLonDeg = 135;
    spec.m_dDepLonMin = 31;
    WriteDefaultStartCities();
}
