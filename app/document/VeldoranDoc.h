#pragma once
// The one document of a run: every setting, the application folder and its sub-folders, the
// fixed text lists that the drawing, album, route and place-name code fill, the current map frame
// and the display mode the view's next repaint obeys. It is built once at start, reads the
// registry profile with every default, writes the default data files that are missing, and
// writes the run's settings back to the profile when it is destroyed. The rest of the program
// reads and writes its members directly.
#include "app/document/MapDisplayMode.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "graphics/ColourSet.h"
#include "platform/dc/Color.h"
#include "platform/dc/Dib.h"
#include "platform/dc/GdiObjects.h"
#include "platform/dc/Geometry.h"
#include "app/layers/FineMeshLayerSelection.h"
#include "app/layers/LineLayerSelection.h"
#include "app/layers/MeshLayerSelection.h"
#include "app/layers/PointLayerSelection.h"
#include "app/layers/SurfaceLayerSelection.h"
#include "app/document/SheetDrawState.h"
#include "platform/ui/Document.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ProfileWriter;

class CVeldoranDoc : public vd::Document,
                     public PointLayerSelection,
                     public LineLayerSelection,
                     public SurfaceLayerSelection,
                     public MeshLayerSelection,
                     public FineMeshLayerSelection,
                     public SheetDrawState {
public:
    // Runs the start-up order: binds the library entry points, derives the folders, reads the
    // profile, writes the missing default files. Never fails: every failure is absorbed.
    CVeldoranDoc();
    // Writes the run's settings back to the profile.
    ~CVeldoranDoc();
    // The write-back of the destructor, in its order (also for tests with a recording writer).
    void WriteSettingsBack(ProfileWriter& profile);
    CVeldoranDoc(const CVeldoranDoc&) = delete;
    CVeldoranDoc& operator=(const CVeldoranDoc&) = delete;

    // The base behaviour: nothing to load, the document starts empty.
    bool OnNewDocument() override { return vd::Document::OnNewDocument(); }

    // Coordinate texts (D.MMSS) and whole seconds of arc; file kinds of names and links.
    static int DmsToSeconds(const std::string& text);
    static std::string SecondsToDms(int seconds);
    static int GetFileKind(const std::string& name);

    // 1 when the file can be opened for reading, else -1.
    static int FileExists(const std::string& path);

    // The default data files written at start when missing (an existing file is left alone).
    void WriteMapFileDefault();
    void WritePrefectureCatalogueDefault();
    void WriteDefaultStartCities();
    void WriteDefaultPaletteList();
    // Has Pelmora write the line and point layer settings files when they are missing.
    void EnsureDefaultLayerFiles();
    // The place-name symbols of NpSymbol.dat, 17 (no symbol) where the file says nothing.
    void LoadPlaceNameSymbols();
    // The place-name symbols and sub-class colours (VeldoranDocPlaceSymbols.cpp, commands 33281, 33282).
    void OnPlaceSymbolSettings();
    void BuildLatitudeRatioTable();

    // The environment settings command (app/settings/): the dialog on the document's settings.
    void OnEnvironmentSettings();
    int m_nEnvDialogTab = 0; // the tab it opens with, kept for the run

    // Decodes a JPEG file into the current picture; m_bPictureLoaded tells whether one is held.
    void LoadJpegBitmap(const std::string& path);

    // The 1:200,000 sheets (VeldoranDocSheets.cpp): the current sheet and its eight neighbours in
    // m_astrMapEntry, looked up in the sheet index by name, by corner or by position.
    void FindSheetByName(const std::string& name, const std::string& indexPath);
    std::string FindNeighbourSheet(const std::string& latitude, const std::string& longitude, int dLatMinutes,
                                   int dLonMinutes, const std::string& indexPath) const;
    void ShowSheetByIndex(int entry);
    void ShowSheetAt(const std::string& longitude, const std::string& latitude);
    // Marked sheets of the index count only while the wide-area submarine layout is shown.
    bool MarkedSheetsAdmitted() const;
    // Asks every view of the frame to update (or, when set, m_fnUpdateAllViews: tests without
    // a frame).
    void UpdateAllViews();
    std::function<void()> m_fnUpdateAllViews;
    int m_nDisplayStage = 0;
    int m_nSubmarineLayer = 0;
    std::array<int, 3> m_anSubmarineSetting{};

    // Colour sets, the tint ramp, the current DIB and the hill-shaded sheet (VeldoranDocColourSet.cpp,
    // VeldoranDocDib.cpp, VeldoranDocRelief.cpp).
    int LoadColourSet(int paletteNo);
    int BuildTintRamp();
    // The drawing forms write the DIB, the relief header and the entry parameter into `draw`.
    int LoadDib(const std::string& path, int paletteMode) { return LoadDib(*this, path, paletteMode); }
    int LoadDib(SheetDrawState& draw, const std::string& path, int paletteMode) const;
    void InitDibData(int paletteMode) { InitDibData(*this, paletteMode); }
    void InitDibData(SheetDrawState& draw, int paletteMode) const;
    int MakeReliefBitmap(const std::string& name, float scale, float metresPerSecondEw)
    {
        return MakeReliefBitmap(*this, name, scale, metresPerSecondEw);
    }
    int MakeReliefBitmap(SheetDrawState& draw, const std::string& name, float scale, float metresPerSecondEw) const;
    void LoadBmpPicture(const std::string& path);
    std::vector<TintRow> m_aTintRows; // the rows of the current colour set, in file order
    std::array<int, 257> m_anTintRed{}, m_anTintGreen{}, m_anTintBlue{};
    std::string m_strReliefStyle;

    // Folders (with a trailing backslash) and paths, in Windows form.
    std::string m_strAppDir;
    std::string m_strPaletteDir;
    std::string m_strSourceDir;
    std::string m_strAlbumDir;
    std::string m_strRouteAreaDir;
    std::string m_strMapFigureDir;
    std::string m_strSubmarineDir;
    std::string m_strCityBorderDir;
    std::string m_strCoastlineDir;
    std::string m_strCoastDir;
    std::string m_strSheetIndexFile;
    std::string m_strDataFile;
    std::string m_strDataFileCopy;
    std::string m_strSiteNameFile;
    std::string m_strAnnotationTable;
    std::string m_strPublicFacilityTable;
    std::string m_strEditor;
    std::string m_strViewer;

    // Fixed text lists; an in-memory list ends with the entry "999".
    std::array<std::string, 5000> m_astrPointRecordWork;
    std::array<std::string, 5000> m_astrRoutePoint;
    std::array<vd::Point, 5000> m_aptRoutePoint{}; // screen points of the route being shown
    std::array<std::string, 50> m_astrWork50A;
    std::array<std::string, 50> m_astrWork50B;
    std::array<std::string, 6> m_astrDivName;
    std::array<std::string, 6> m_astrDivSwY;
    std::array<std::string, 6> m_astrDivSwX;
    std::array<std::string, 6> m_astrDivNeY;
    std::array<std::string, 6> m_astrDivNeX;
    std::array<std::string, 65> m_astrTrackHistory;
    std::array<std::string, 280> m_astrMenuBarEntry; // item k of item menu m (0-7) in entry k * 8 + m
    std::array<std::string, 35> m_astrSheetMenu;     // lines of the sheet menu, item k in entry k
    int m_nMenuBarKind = 0;                          // 0 the map menu bar is shown, 1 the text/picture bar
    std::array<std::string, 35> m_astrGuideMap;
    std::array<std::string, 3> m_astrGuideMapCurrent; // picture, title, point file

    // Settings with a profile key (read in VeldoranDoc.cpp, written back in VeldoranDocWriteBack.cpp).
    int m_nDataSource = 0;
    std::string m_strDataFileTitle;
    int m_nKindData = 3;
    int m_nBackGrandColor = 1;
    int m_nBmpBackground = 6;
    std::string m_strKey1, m_strKey2, m_strKey3;
    std::string m_strCtgry0, m_strCtgry1, m_strCtgry2, m_strCtgry3;
    std::array<int, 6> m_anKeyCount{};
    int m_nSymbolSize = 2;
    int m_nSiteNamePopup = 0;
    std::string m_strStartWhiteMap = "off";
    std::string m_strTextAppear;
    int m_nJpegProcess = 1;
    int m_nMapProjection = 0;
    std::string m_strDistrict;
    int m_nPicturePosition = 1;
    int m_nPicturePositionCopy = 1;
    vd::COLORREF m_crBackground = vd::RGB(246, 246, 246);
    int m_nScreen = 0;
    int m_nPrfMpData = 0;
    int m_nMapPjctn = 1;
    int m_nMouseDrag = 1;
    int m_nMouseDragCopy = 1;
    int m_nMapFrame = 2;
    int m_nMapFrameCopy = 2;
    int m_nMapFrameCopy2 = 2;
    int m_nMapFigure = 0;
    int m_nMapFigureCopy = 0;
    int m_nPaletteNo = 0;
    int m_nColorStep = 1;
    int m_nCstlnColor = 10;
    int m_nPrfCstClr = 18;
    int m_nLake = 0;
    int m_nReservoir = 0;
    int m_nMapMode = 9;
    int m_nMapBoundary = 1;
    int m_nLinkPoint = 1;
    std::string m_strDepature;
    double m_dDepLatDeg = 0;
    double m_dDepLatMin = 0;
    double m_dDepLonDeg = 0;
    double m_dDepLonMin = 0;

    // Map and display state.
    int m_nMapType = 1;
    int m_nPrefectureSel = 0;
    int m_bMapOnScreen = 0;
    int m_nMouseTool = 0;
    int m_nCdRomPrompt = 0; // -1: the data source is not on the hard disk; the view asks for the CD-ROM
    int m_nPlaceNameLayer = -1;
    int m_nGuideMapIndex = -1;
    int m_nMenuBarState = -1;
    std::array<int, 12> m_anPrefData{-1};
    int m_bClassColours = 1;
    int m_nTrackDisplay = 0;
    std::string m_strTrackFile;
    // GPS tracks: the kind ("pot", "trk", "rot", "log") and coordinate format word of the track in
    // hand; 1 while the chosen tracks of the track list are drawn; their list numbers (-1 after the
    // last) and titles; the distance-mark interval in km and whether marks are drawn.
    int m_bTrackList = 0;
    std::array<int, 65> m_anTrackSelected = [] {
        std::array<int, 65> none;
        none.fill(-1);
        return none;
    }();
    int m_nTrackScaleKm = 10;
    int m_bTrackScaleShown = 1;
    // The track dialog's settings: the current track's list number (-1 none), the chosen track
    // last picked (1-based, 0 none), the first point line of the track described last, the
    // number of chosen titles in m_astrTrackHistory (at most 64, then "999").
    int m_nTrackCurrent = -1;
    int m_nTrackSelectedPos = 0;
    std::string m_strTrackStartPoint;
    int m_nTrackTitleCount = 0;
    // Prefecture statistics: the data set's name and file, and per prefecture the prefecture index
    // by rank [0] and the rank by prefecture [1]; the prefecture map's state (0 once drawn).
    std::string m_strPrefDataName;
    std::string m_strPrefDataFile;
    std::array<std::array<int, 2>, 47> m_anPrefRank{};
    // The file and display method the values were read for; the list's texts (the title, the
    // dashes, the 47 prefecture lines); each line's value as read and whether it was read; the
    // values ranked (after the per-inhabitant or per-area division) and the divisors, none where
    // a prefecture has no value; their sum, largest value and mean.
    std::string m_strPrefDataLoaded;
    int m_nPrefDataLoadedMethod = -1;
    std::array<std::string, 49> m_astrPrefDataText;
    std::array<double, 47> m_adPrefLineValue{};
    std::array<bool, 47> m_abPrefLineRead{};
    std::array<std::optional<double>, 47> m_adPrefValue;
    std::array<std::optional<double>, 47> m_adPrefDivisor;
    float m_fPrefSum = 0;
    float m_fPrefMax = 0;
    float m_fPrefMean = 0;
    std::string m_strLayerWord;
    int m_nDivisionEdited = -1; // 1: the regions were edited and are written back at exit
    vd::COLORREF m_crSeaColour = vd::RGB(126, 180, 234);
    vd::COLORREF m_crLakeColour = vd::RGB(0, 255, 255);
    std::string m_strFontName = "ＭＳ ゴシック";
    std::string m_strLayerPrefFlags; // prefecture flags handed to the prefecture selection
    std::string m_strPrefFlags;      // the same with "1": the selection's prefecture-map form
    std::string m_strSheetSelect = "MAP";
    std::string m_strDualSource = "off";
    std::string m_strRegionName = "全国"; // region word of the text and picture selection
    std::string m_strSelectedName;       // its detail text
    std::string m_strRoutePlayMode = "AUTO";
    std::string m_strAlbumPlayMode = "AUTO";
    std::string m_strPagePlayMode = "AUTO";
    std::string m_strTrackStartMap = "START";
    int m_nPointPopup = 1;
    int m_nPlaceNameFontHeight = 2;
    int m_nPointLabel = 3;
    int m_nDistanceShow = 1;
    int m_nDistanceEnd = 1;
    std::string m_strTextWithPicture = "on";
    std::string m_strPrefBorderColour = "ORNG";
    int m_nPrefBorder = 1;
    int m_nSubprefBorder = 0;
    int m_nCityBorder = 0;
    int m_nCityBorderColour = 11;
    int m_nCityNameZoom = 1;
    int m_nCityNameEnclave = 0;
    int m_nAreaSearch = 1;
    int m_nAreaShape = 0;
    int m_nAreaSizeKm = 50;
    int m_nOutputElevation = -999;
    int m_nHideFoundPlaces = 1;
    int m_nPlaceNamePopupActive = 0;
    std::array<std::int16_t, 10> m_anSeisSetting{};
    std::int16_t m_bSeismicLayer = 0;

    // Place-name symbols: 10 rows of 20, 17 = no symbol.
    std::int16_t m_anSymbolSetting[10][20] = {};

    // The document's latitude-ratio table: entries 15..70 are built, the others stay 0.
    float m_afLatitudeRatio[kLatitudeRatioTableSize] = {};

    // The current picture of the picture pages, and the current DIB with its palette.
    vd::Dib m_bmpPicture;
    int m_bPictureLoaded = 0;

    // Registered points and place names (userdata/): the point data file, place-name kinds and
    // filters, and where a record falls on the map.
    // Mode 1 reads `path`, mode 6 the data file; the drawing form reads `path` in both and writes
    // the record list into `draw`.
    int LoadVisibleRecords(const std::string& path, const std::string& west, const std::string& south,
                           const std::string& east, const std::string& north, int mode)
    {
        return LoadVisibleRecords(*this, mode == 6 ? m_strDataFile : path, west, south, east, north, mode);
    }
    int LoadVisibleRecords(SheetDrawState& draw, const std::string& path, const std::string& west,
                           const std::string& south, const std::string& east, const std::string& north,
                           int mode) const;
    void LoadRecordList(const std::string& path, const std::string& how);
    bool AppendRecord(const std::string& line);
    bool ReplaceRecord(int mode, const std::string& text, const std::string& key);
    bool DeleteRecord(const std::string& path, const std::string& key, const std::string& alternativeKey,
                      const std::string& exactKey);
    std::string GetRecordWithFile(int index) const;
    void SetEntryFromRecord(const std::string& record);
    // The point data file the writers use: the guide map's own while a guide map is shown.
    std::string CurrentPointDataFile() const;
    static int PlaceNameKind(const std::string& name);
    int FilterPlaceName(const std::string& name) const;
    std::string MeshCodeToSheetName(const std::string& meshCode) const;
    std::string FindSheetByCorner(const std::string& latitude, const std::string& longitude) const;
    void LoadPlaceNameColours(int classIndex);
    // The place-name and public-facility search: runs the search dialog and moves the map to the
    // sheet of the searched prefecture or municipality.
    void RetrievePlaceNames();
    // The drawing forms write the record placed last into `draw`.
    int ProjectRecordToSheet(const std::string& record, int offsetX, int offsetY, int westSeconds,
                             int southSeconds, int index)
    {
        return ProjectRecordToSheet(*this, record, offsetX, offsetY, westSeconds, southSeconds, index);
    }
    int ProjectRecordToSheet(SheetDrawState& draw, const std::string& record, int offsetX, int offsetY,
                             int westSeconds, int southSeconds, int index) const;
    int ProjectRecordToRegion(const std::string& record, int offsetX, int index, float ratio)
    {
        return ProjectRecordToRegion(*this, record, offsetX, index, ratio);
    }
    int ProjectRecordToRegion(SheetDrawState& draw, const std::string& record, int offsetX, int index,
                              float ratio) const;
    // The header line of a waypoint/track text; sets m_strTrackFormat from its unit line and
    // m_nPointX, m_nPointY to the longitude and decimal columns of its first point line.
    std::string ReadTrackHeader(const std::string& path) { return ReadTrackHeader(*this, path); }
    std::string ReadTrackHeader(SheetDrawState& draw, const std::string& path) const;
    // The south-west corner of the sheet where the described track starts, into m_astrWork50A
    // entries 0 (latitude) and 1 (longitude); both empty when unknown.
    void DescribeTrackFile();
    // The track file dialog over the track settings: 1 after OK, -1 otherwise.
    int RunTrackDialog();

    // Registered points shown only when they hold the keyword (while m_nKeywordActive is 1).
    std::string m_strPointKeyword;
    int m_nKeywordActive = 0;
    // The current entry's target (its kind, fields and parameter: SheetDrawState).
    std::string m_strEntryTarget;
    // Place-name kinds shown: 0 all, 1 seas, 2 lakes, 3 islands, 4 mountains, 5 valleys, 6 rivers,
    // 7 cities/towns/stations, 8 bays, 9 capes.
    std::array<int, 10> m_anPlaceNameKind{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // Place-name colours of one NpClrTbl.dat section: 20 rows of 55 (entry row * 55 + column),
    // -1 = none.
    static std::array<std::int16_t, 20 * 55> UnsetClassColours();
    std::array<std::int16_t, 20 * 55> m_anClassColour = UnsetClassColours();
    int m_nGnpfSetting = -999;        // the provisional point elevation of the environment settings
    int m_bDialogOpen = 0;            // 1 while a document dialog is up

    // The map view's state that commands and the view share (view/window/VeldoranView*.cpp).
    int m_nSavedMapDisplayMode = map_display::kIdle; // the mode a resize or an erase after a library dialog puts back
    std::string m_strViewState;     // "GEOLEND", "JPG_SLIDE", "9999", "MOUSE", ...
    int m_nMouseMode = 3;           // what a pointer action means next (GetMouseMode)
    int m_bMouseToolActive = 0;     // 1 while a region tool (1, 2 or 4) is chosen
    int m_nReactivated = 1;         // -999 after the view lost activation, 1 after the next repaint
    int m_nOverviewOriginX = 420;   // window x of the overviews' reference longitude
    int m_nActiveViewDialog = -1;   // the view's open modeless dialog: 0 sheets, 1 places, 2 municipalities
    int m_nFindPlaceKind = 1;       // the find-place dialog's search kind
    int m_bLayerDialogOpen = 0;     // 1 while a library dialog of a document command is up
    int m_bMapErasedByDialog = 0;   // the erase after such a dialog put the saved mode back
    int m_nAlbumPageCount = 0;      // pages of the album that plays (m_astrPointRecord up to "999")
    int m_bHideSheetButtons = 0;
    std::string m_strEntryDefaultParam;
    std::string m_strSheetPictureTitle;
    std::string m_strSlidePlayMode = "AUTO";
    std::string m_strFindMunicipality; // the municipality the search shows
    // Navigation and the mouse (view/navigation/ViewButton*.cpp, ViewMouse.cpp): the overview drag's
    // step, the cursor read-out (D.MMSS texts and their numbers), the submarine view to leave
    // (-999) or the sea area whose depth file map mode 23 builds (0-3), and the find-place
    // dialog's include-points setting.
    int m_nOverviewStep = 0;
    std::string m_strCursorLat, m_strCursorLon;
    double m_dCursorLat = 0, m_dCursorLon = 0;
    int m_nSubmarineView = 0;
    int m_nFindPlaceOption = 0;

    // The overviews (whole country, regions, a prefecture's region) and the data-source list.
    int m_nPrefecture = 0;           // zero-based chosen prefecture
    int m_nGraticuleFlag = 1;        // 1: latitude and longitude lines on the whole-country overview
    int m_nPrefectureLinesFlag = 1;  // 1: prefecture lines on the whole-country overview
    int m_nScaleBar = 1;
    int m_nAltSheetLayout = 0;

    // The sheet maps (view/sheetmap/SheetMapComposition.cpp, SheetBlock*.cpp): the block drawn last, its frame
    // in arc-seconds, the free extent dragged on screen, the white-layer results, the site-name
    // tips and label layout, and the state of the base-map routines of the view.
    int m_nWhiteMapFrame = 2;          // frame kind of the alternative layout: 1 one sheet, else a block
    std::string m_strCommonDataFile;   // the common area's point data (SOURCE\history.dat)
    std::string m_strCommonDataSwitch; // "on": the common area's points are overlaid as well
    int m_nRangeNorthSec = 0, m_nRangeWestSec = 0, m_nRangeSouthSec = 0, m_nRangeEastSec = 0;
    int m_nRangeDragLeft = 0, m_nRangeDragTop = 0, m_nRangeDragRight = 1, m_nRangeDragBottom = 1;
    int m_nWhiteLayerState = 0;  // 999: the layout draws no white layers
    int m_nWhiteLayerDrawn = -1; // 1 when a white layer was drawn
    int m_nWhiteMeshDrawn = -1;  // 1 when a white mesh layer was drawn
    int m_nOverlayLayer = 999, m_bOverlayOff = 0, m_bOverlayTransparent = 0, m_nOverlayLakes = 0;
    std::string m_strEntryMode;
    int m_bRestoreOnce = 0;
    int m_nPointerCoords = 0;

    // National-land layer selection of the point, line, surface, mesh and 1/10-mesh tabs: the
    // bases above (app/layers/), under their stored names (VeldoranDocLayer*.cpp).
    // Geology and land classification: -1 never set, 1 on, 0 off.
    int m_nGeoLead = 0, m_nGeoOption = 0, m_nGeologyLayer = -1, m_nLandClassLayer = -1;
    std::array<std::string, 6> m_astrGeoText{"", "", "", "", "0", ""};
    std::string m_strLandClassName, m_strLandClassFile;
    int m_nGeoLegendKind = 2;   // 1 after an answer that left geology or land classification on
    int m_nGeoTableState = 0;   // the geology composition table; -1 when a mesh answer hid it
    int m_nLayerPreset = 0;     // the preset applied last; 0 once layers are changed by hand
    int m_bSeisProbabilistic = 0;

    // The layer commands (VeldoranDocLayer*.cpp, VeldoranDocSeismic.cpp).
    void OnPointDataSettings();
    void OnLineDataSettings();
    void OnSurfaceDataSettings();
    void OnNatureMeshSettings();
    void OnIndustryMeshSettings();
    void OnFineMeshSettings();
    void OnGeologySettings();
    void OnLandClassSettings();
    void OnLayerAreaSelect();
    void OnLayerLegend();
    void OnGeologyLegend();
    void OnCancelAllLayers();
    void OnDragEnlargeSheet();
    void OnDragRouteMap();
    void OnLayerPreset();
    void OnBoundaryConversion();
    void OnSeismicSettings();
    void OnSeismicFileSummary();
    std::string GetSeismicMapTitle() const;
    // 1 when a point, line or surface layer is on (level 0), or a mesh layer (1), or geology or
    // land classification (2 and above).
    int IsAnyLayerSelected(int level) const;
    static void SetMenuCheck(vd::CmdUI& ui, int value, int wanted);
    // The switches between mesh-type layers after an answer switched one on.
    void ExcludeForNatureMesh();
    void ExcludeForIndustryMesh();
    void ExcludeForFineMesh();
    void ExcludeForGeology(bool geology);
    void SwitchSeismicOff();
    // Sets the frame texts from the current sheet, the block around it or the bounds given.
    void SetFrameBounds(int north, int west, int south, int east) { SetFrameBounds(*this, north, west, south, east); }
    void SetFrameBounds(SheetDrawState& draw, int north, int west, int south, int east) const;

    // The map type and the document commands of the File, View and Mapping menus
    // (DocumentCommandMap.cpp and the files it names).
    // VeldoranDocMapType.cpp: 1 when a map type was applied, -1 when cancelled or when a
    // prefecture map was asked for without a prefecture.
    int SelectMapType(int reset);
    void OnMapTypeDialog();
    void OnPrefectureMapKey();
    void OnOtherRegion();
    void OnTextBackground();
    void OnColourSet();
    void OnRouteAreaIndexMap();
    // VeldoranDocRegistration.cpp: the mouse's registration and update modes, data sources, sheets.
    void OnRegisterData();
    void OnRegisterAlbum();
    void OnUpdateDataAlbum();
    void OnDataSourceSelect();
    void OnRegisterSheets();
    // app/statistics/: the prefecture statistics display (Surrick's settings dialog, then the
    // ranking), the data entry (33284) and editing (33285) commands, and the ranking list.
    void SetPrefectureDataDisplay();
    void OnPrefDataRegister();
    void OnPrefDataUpdate();
    int ShowDataListDialog(int mode);
    void ReadPrefectureDataTexts();
    void RankPrefectureData(int method);
    int m_nSavedSiteNamePopup = 0; // m_nSiteNamePopup while a registration or update mode is on
    // app/registration/: a click in update or album mode. Each answers the view a state word:
    // "" (done), "cancel", "deleate", "STOP", "update" or "update_end"; RegisterAlbum answers the
    // new album's "name item latitude longitude" instead when one was registered.
    std::string RegisterPointData(const std::string& regionName, const std::string& fileKey,
                                  const std::string& mouseState, const std::string& clickLongitude,
                                  const std::string& clickLatitude);
    std::string UpdatePointEntry(const std::string& record, const std::string& mouseState,
                                 const std::string& clickLongitude, const std::string& clickLatitude, int recordIndex);
    std::string RegisterAlbum(const std::string& latitude, const std::string& longitude, const std::string& albumPath,
                              const std::string& albumNumber);
    std::string UpdateAlbum(const std::string& title, const std::string& item, const std::string& albumPath,
                            const std::string& latitude, const std::string& longitude, const std::string& albumState);
    // VeldoranDocUserMenus.cpp: white-map switches, prefecture map, sheets by name, user menus.
    void OnPrefectureBorders();
    void OnSubprefectureBorders();
    void OnGraticule();
    void RegisterMenuFile(int kind); // 0 text menus, 1 picture menus, 2 picture maps
    void OnPrefectureMap();
    int SelectPrefectureMap(); // 1 when a prefecture map was chosen, -1 when not
    void ShowSheetByName(const std::string& name);
    void RunMenuBarEntry(int item, int menu);
    std::string m_strTextPageTitle; // title and file of the text shown on a map page
    std::string m_strTextPageFile;
    // VeldoranDocSubmarine.cpp: the submarine layer, depth files, picture maps, guide maps.
    void OnSubmarineSettings();
    void OnDepthFileStatus();
    void OnMakeDepthFile(int area);
    void OnRegisterPictureMaps();
    void OpenGuideMap(int n);
    void RestorePreviousDisplay();
    // The point file of a guide map: GUIDEMAP\ + the picture's base name + ".dat".
    std::string GuideMapPointFile(const std::string& picture) const;
    // VeldoranDocTextFile.cpp: m_strEntryParam in TOVENDLG's text dialog; "@:" paths.
    void ShowTextFile();
    std::string ExpandAppPath(const std::string& path) const;
    std::string m_strEntryItem; // the item word of the entry shown
    // Texts shown as pages (VeldoranDocTextPage.cpp): the 78-byte page wrap into m_astrWorkText
    // (entries 0-28, "999" after the last; entries 0 and 1 also serve the track start corner),
    // and the head of a text file under a title line.
    std::string WrapTextPage(const std::string& text);
    std::string ReadTextSection(const std::string& file, const std::string& first, const std::string& second);
    std::array<std::string, 50> m_astrWorkText;
    std::string m_strEntryCaption;      // the caption of the page shown (a copy of the entry title)
    std::string m_strPictureCaption = "on"; // "on": a picture's caption file is shown in its box
    int m_nPictureFit = 0;              // 1 while album play or a menu slide show shrinks tall pictures

    // Route and area maps (app/routes/): the choice of a registered map (kind 0 routes, 1 areas)
    // and the map a registered point's record names, loaded into m_astrRoutePoint ("999" after
    // the last line) and shown as the sheet block around it (map mode 3).
    void ShowRouteInformation(int kind);
    void LoadRouteFromItem(const std::string& record);
    int m_nRouteLineCount = 0;
    // The text and picture selection of the registered points (commands 32892, 32896).
    void SelectText();
    void SelectPicture();
    std::string m_strSelectedEntry; // the selection's last chosen entry text

    // Route, area and album points in TOVENDLG's list dialog (app/albums/RouteMapRegistration.cpp):
    // kind "RouteMap", "AreaMap" or an album file; the answer is the play mode or "cancel".
    std::string RegisterRouteMap(const std::string& title, const std::string& secondTitle, const std::string& kind,
                                 const std::string& latitude, const std::string& longitude);
    std::string m_strAreaCentreLat, m_strAreaCentreLon; // the centre of the last area search (D.MMSS)

    // 地図の表示仕様 (app/settings/): the dialog's run, the tab it opens with
    // (kept for the run) and the place names of the current file, shown by it.
    void EditMapDisplaySpec();
    int m_nSpecDialogTab = 0;
    int m_nPlaceNameTotal = 0;

private:
    void RegisterLayerCommands();
    void RegisterDocumentCommands();
    void RegisterRouteCommands();
    // The 3 x 3 sheet block a route is shown in, its scales kept for the same map scale.
    void SwitchToRouteBlock();
    // A route file's lines into m_astrRoutePoint; false (the list unchanged) without the file.
    bool LoadRouteLines(const std::string& path);
    // The chosen text as a text page, or in TOVENDLG's text dialog.
    void ShowChosenText();
    // The first prefecture flag set: the whole country (0) or a prefecture's map (1-47) as map
    // type 2; -1, changing nothing, when none of the 48 is set.
    int ApplyPrefectureFlags(const std::string& flags);
    // Map mode 12 and all views updated: the map drawn anew after a map-type answer.
    void RedrawInMapType();
    void EndMouseTool();
    void UpdateMouseToolItem(vd::CmdUI& ui, int tool, bool allowed) const;
    // The preset's second half: rows of families switched on without rows, then the exclusions.
    void LoadPresetRows(const int (&firstRowFlagBefore)[8]);
    void ApplyPresetExclusions();
    void ReadRegions();
    void ReadDepartureCity();
};
