#pragma once
// The one document of a run: its state held in parts (the map position, the map
// display settings, the statistics selection, the registered data, ...) and the commands over them.
// It is built once at start, reads the registry profile with every default, writes the default
// data files that are missing, and writes the run's settings back to the profile when it is
// destroyed.
#include "app/document/AppFolders.h"
#include "app/document/ColourScheme.h"
#include "app/document/CurrentEntry.h"
#include "app/document/LatitudeRatios.h"
#include "app/document/MapDisplayMode.h"
#include "app/document/MapPosition.h"
#include "app/document/PointerState.h"
#include "app/document/RepaintState.h"
#include "app/document/SheetDrawState.h"
#include "app/document/UserMenus.h"
#include "app/layers/DepthSelection.h"
#include "app/layers/FineMeshLayerSelection.h"
#include "app/layers/GeologySelection.h"
#include "app/layers/LayerChoice.h"
#include "app/layers/LineLayerSelection.h"
#include "app/layers/MeshLayerSelection.h"
#include "app/layers/PointLayerSelection.h"
#include "app/layers/SeismicSelection.h"
#include "app/layers/SurfaceLayerSelection.h"
#include "app/registration/RegisteredData.h"
#include "app/routes/RouteState.h"
#include "app/settings/EnvironmentSettings.h"
#include "app/settings/MapDisplaySettings.h"
#include "app/statistics/StatisticsRanking.h"
#include "app/statistics/StatisticsSelection.h"
#include "platform/dc/GdiObjects.h"
#include "platform/ui/Document.h"
#include "userdata/PlaceNameClasses.h"
#include "userdata/PlaceNameSearchState.h"
#include "userdata/TrackSelection.h"

#include <string>

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
    // Asks every view of the frame to update (or, when set, repaint.m_fnUpdateAllViews: tests
    // without a frame).
    void UpdateAllViews();

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

    // Registered points and place names (userdata/): the point data file, place-name kinds and
    // filters, and where a record falls on the map.
    // Mode 1 reads `path`, mode 6 the data file; the drawing form reads `path` in both and writes
    // the record list into `draw`.
    int LoadVisibleRecords(const std::string& path, const std::string& west, const std::string& south,
                           const std::string& east, const std::string& north, int mode)
    {
        return LoadVisibleRecords(*this, mode == 6 ? registered.m_strDataFile : path, west, south, east, north, mode);
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
    void ExcludeForGeology(bool geologyOn);
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
    // Texts shown as pages (VeldoranDocTextPage.cpp): the 78-byte page wrap into m_astrWorkText
    // (entries 0-28, "999" after the last; entries 0 and 1 also serve the track start corner),
    // and the head of a text file under a title line.
    std::string WrapTextPage(const std::string& text);
    std::string ReadTextSection(const std::string& file, const std::string& first, const std::string& second);

    // Route and area maps (app/routes/): the choice of a registered map (kind 0 routes, 1 areas)
    // and the map a registered point's record names, loaded into m_astrRoutePoint ("999" after
    // the last line) and shown as the sheet block around it (map mode 3).
    void ShowRouteInformation(int kind);
    void LoadRouteFromItem(const std::string& record);
    // The text and picture selection of the registered points (commands 32892, 32896).
    void SelectText();
    void SelectPicture();

    // Route, area and album points in TOVENDLG's list dialog (app/albums/RouteMapRegistration.cpp):
    // kind "RouteMap", "AreaMap" or an album file; the answer is the play mode or "cancel".
    std::string RegisterRouteMap(const std::string& title, const std::string& secondTitle, const std::string& kind,
                                 const std::string& latitude, const std::string& longitude);

    // 地図の表示仕様 (app/settings/): the dialog on the map display settings.
    void EditMapDisplaySpec();

    // The document's state, in parts (each header says what it holds and who writes it). A caller
    // that needs one part takes a reference to that part, not the whole document.
    MapPosition position;
    RepaintState repaint;
    PointerState pointer;
    CurrentEntry entry;
    AppFolders folders;
    ColourScheme colours;
    LatitudeRatios latitudeRatios;
    UserMenus menus;
    EnvironmentSettings environment;
    MapDisplaySettings spec;
    StatisticsSelection statistics;
    StatisticsRanking ranking;
    RegisteredData registered;
    RouteState routes;
    PlaceNameClasses placeNameClasses;
    PlaceNameSearchState search;
    TrackSelection tracks;
    GeologySelection geology;
    SeismicSelection seismic;
    DepthSelection depth;
    LayerChoice layerChoice;

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
