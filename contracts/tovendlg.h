#pragma once
// TOVENDLG's entry points: one function type per export. TOVENDLG includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Every entry point runs one modal dialog of the library and answers after
// it closes; strings by value are the callee's, a returned string is the caller's.
#include "contracts/Export.h"

#include <string>

// The colour sets of the elevation tint: ten "%d|" fields, "" on cancel.
using OnMapPalleteSet_fn = std::string(int setNumber, std::string editor, std::string paletteFolder, int seaColour,
                                       int lakeColour, int backgroundColour);
extern "C" VD_EXPORT OnMapPalleteSet_fn OnMapPalleteSet;

// A text file shown read-only.
using OnTextDisplayDaialog_fn = void(std::string file, std::string name, std::string title);
extern "C" VD_EXPORT OnTextDisplayDaialog_fn OnTextDisplayDaialog;

// The map type and colouring: ten "%d|" fields and the prefecture flags, "" on cancel.
using OnMapTypeSet_fn = std::string(int setNumber, int mapKindAndProjection, int mapFigureAndProjection,
                                    int colourStepAndCoastColours, int coastlineOnTint, std::string paletteFolder,
                                    std::string prefectureFlags);
extern "C" VD_EXPORT OnMapTypeSet_fn OnMapTypeSet;

// The point data files: "%d|", the use-common word, "|" and the chosen title; "" on cancel.
using OnDataSourceSet_fn = std::string(int chosenEntry, std::string useCommon, std::string sourceFolder);
extern "C" VD_EXPORT OnDataSourceSet_fn OnDataSourceSet;

// A new album: "%d|" and four texts joined by "|"; "4||||" when cancelled.
using OnDLLAlbumRegist_fn = std::string(int number, std::string longitude, std::string latitude,
                                        std::string albumFile, std::string albumNumber);
extern "C" VD_EXPORT OnDLLAlbumRegist_fn OnDLLAlbumRegist;

// Updates or deletes an album: "%d|%d|" and a record text; "" on cancel.
using OnAlbumUpdate_fn = std::string(int index, std::string albumState, std::string albumFile, std::string name,
                                     std::string item, std::string longitude, std::string latitude,
                                     std::string editor);
extern "C" VD_EXPORT OnAlbumUpdate_fn OnAlbumUpdate;

// The album slide-show settings: "%d|%d|%d|" and five texts; "" on cancel.
using OnSlideSet_fn = std::string(int showKind, int interval, int size, std::string memo, std::string playMode,
                                  std::string countdown, std::string locator, std::string jpeg);
extern "C" VD_EXPORT OnSlideSet_fn OnSlideSet;

// The elevation legend of a colour set.
using OnLegendElevetion_fn = void(int setNumber, std::string paletteFolder, int lakeColour);
extern "C" VD_EXPORT OnLegendElevetion_fn OnLegendElevetion;

// A memo or the head of a text file.
using OnMemoDisplay_fn = void(int mode, int position, std::string file, std::string text);
extern "C" VD_EXPORT OnMemoDisplay_fn OnMemoDisplay;

// Confirms the range chosen with the mouse (D.MMSS texts): 1 enlarge, -1 otherwise.
using OnRengeConfirm_fn = int(std::string westLongitude, std::string northLatitude, std::string eastLongitude,
                              std::string southLatitude);
extern "C" VD_EXPORT OnRengeConfirm_fn OnRengeConfirm;

// The place-name and public-facility search conditions: ten "%d|" fields and eight texts; ""
// on cancel.
using OnGnpfRetrieveSet_fn = std::string(int tabModeAndSize, int fileMode, int fileFormat, int provisionalElevation,
                                         int searchKind, int majorClass, int class2, int class3,
                                         int prefectureIndex, std::string governmentCode, std::string containedText,
                                         std::string previousSearch);
extern "C" VD_EXPORT OnGnpfRetrieveSet_fn OnGnpfRetrieveSet;

// Chooses a registered route (kind 0) or area map: "%d|" and three texts; "" on cancel.
using OnRouteInformation_fn = std::string(int kind, std::string playMode, std::string editor,
                                          std::string routeFolder);
extern "C" VD_EXPORT OnRouteInformation_fn OnRouteInformation;

// The points of a route, area or album, and the registration of route and area maps: the play
// mode, or "cancel".
using OnRouteRegistModule_fn = std::string(int areaShape, int areaSizeKm, std::string routeFolder,
                                           std::string unused4, std::string unused5, std::string kind,
                                           std::string title, std::string secondTitle, std::string longitude,
                                           std::string latitude, std::string centreLatitude,
                                           std::string centreLongitude, std::string routePlayMode,
                                           std::string albumPlayMode, std::string pointLines);
extern "C" VD_EXPORT OnRouteRegistModule_fn OnRouteRegistModule;

// The slide show of the menu bar: "%d|" flags, the interval and a word; "" on cancel.
using OnDlgMenuBarSlideSet_fn = std::string(std::string appFolder, std::string playMode, int interval);
extern "C" VD_EXPORT OnDlgMenuBarSlideSet_fn OnDlgMenuBarSlideSet;

// The text menus (0), picture menus (1) or picture-map menu (2): 1 when the file changed, else -1.
using OnDlgMenuBarFileUpdate_fn = int(std::string appFolder, std::string editor, int mode);
extern "C" VD_EXPORT OnDlgMenuBarFileUpdate_fn OnDlgMenuBarFileUpdate;
