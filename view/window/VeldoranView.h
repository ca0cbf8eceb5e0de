#pragma once
// The map view: the one view of the main window. It keeps no model of what is on screen; the
// document's map display mode says what the next repaint does, in two stages (PrepareRepaint,
// then DrawByMapMode). A drawn map leaves the mode at 10, and later repaints copy the picture
// back from the off-screen copy instead of drawing it again. The view also runs the album and
// slide-show timers, hears the end of its modeless dialogs and swaps the menu bars.
#include "platform/dc/Bitmap.h"
#include "platform/dc/GdiObjects.h"
#include "platform/ui/View.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CVeldoranDoc;
class CMapRenderer;
class CDlgFindPlace;
class CDlgSheetSelect;
class ViewBaseMap;
class ViewNavigation;
class ViewPages;
class PointerActions;
class PointRegistration;
class RouteAreaMaps;
struct CursorTexts;
namespace vd {
class ImageDc;
}

// The view's timers, each with a period of 1000 ms.
inline constexpr int IDT_ALBUMPAGE = 1;    // automatic album play
inline constexpr int IDT_SLIDESHOW = 2;    // picture slide show
inline constexpr int IDT_AFTERPROGRAM = 3; // the wait after a program the view started

// Commands the view handles itself.
inline constexpr int ID_REDISPLAY_MAP = 32885;
inline constexpr int ID_ENLARGE_SHEET = 33153;
inline constexpr int ID_CREATE_ROUTE_MAP = 33157;
inline constexpr int ID_TEXT_FONT = 32883;
inline constexpr int ID_TRACKS = 33251;
inline constexpr int ID_ELEVATION_LEGEND = 33258;
inline constexpr int ID_ELEVATION_LEGEND_POPUP = 33259;
inline constexpr int ID_ALBUM_START = 33150;
inline constexpr int ID_ALBUM_STOP = 33152;
inline constexpr int ID_BUTTON_MEMO = 303; // the メモ button
inline constexpr int ID_PLACE_NAME_SEARCH = 33274;
inline constexpr int ID_PLACE_NAME_SEARCH_POPUP = 33276;
inline constexpr int ID_HIDE_PLACE_NAMES = 33279;
inline constexpr int ID_FIND_PLACE = 33266;
inline constexpr int ID_FIND_PLACE_POPUP = 33267;
inline constexpr int ID_FIND_SEARCH_RESULT = 33275;
inline constexpr int ID_FIND_SEARCH_RESULT_POPUP = 33278;
inline constexpr int ID_FIND_MUNICIPALITY = 32833;
inline constexpr int ID_SLIDE_SHOW_SETTINGS = 33151;
inline constexpr int ID_COPY_MAP = 33156;
inline constexpr int ID_ARROW_UP = 32784;   // Up, Left, Right, Down: 32784 .. 32787
inline constexpr int ID_ARROW_DOWN = 32787;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_PRINT_TEXT = 57607;
inline constexpr int ID_PREFECTURE_DATA = 33286;
inline constexpr int ID_SHEET_MAP_TYPE = 32811;
inline constexpr int ID_JAPAN_MAP = 32810;
inline constexpr int ID_DATA_CHECK = 33158;
inline constexpr int ID_FEWER_SHEETS = 32821; // Page Down
inline constexpr int ID_MORE_SHEETS = 32822;  // Page Up
inline constexpr int ID_TINT_MAP = 33256;

// The page counter of the album play and the slide show: page / pages, and the seconds left when
// the seconds are shown ("on").
std::string PageCounterText(int page, int pageCount, int secondsLeft, const std::string& showSeconds);

class CVeldoranView : public vd::View {
public:
    static constexpr int kBrushCount = 15;
    static constexpr int kPenCount = 25;

    explicit CVeldoranView(CVeldoranDoc& document);
    ~CVeldoranView() override;

    CVeldoranDoc* GetDocument() const { return m_pDoc; }

    // The framework's calls.
    void OnInitialUpdate() override;
    void OnUpdate(vd::View* sender, std::intptr_t hint) override;
    void OnDraw(vd::Dc& dc) override;
    void OnSize(int cx, int cy) override;
    void OnTimer(int id) override;
    std::intptr_t OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    // Printing (the framework's print and preview commands of vd::View drive them).
    void OnBeginPrinting() override;
    void OnEndPrinting() override;

    // Window events (where Qt raises them: ViewEvents.cpp and docs/architecture.md).
    void OnMove();
    void OnActivateView(bool activate);
    void OnActivateWindow(bool active) override; // ViewActivation.cpp's OnViewWindowActivation
    // The background erase before a repaint: puts the saved map mode back after a library dialog
    // of a document command, then fills the window with white.
    void OnEraseBkgnd(vd::Dc& window);
    // Invalidates the view; with erase the next repaint erases the background first.
    void InvalidateView(bool erase = true);

    // The two stages of a repaint.
    int PrepareRepaint();
    int DrawByMapMode(vd::Dc& dc, int result);
    // What DrawByMapMode returns when the repaint drew a page or picture in place of the map.
    static constexpr int kPageDrawn = 2;
    static bool DrawsAPage(int mode, int mapOnScreen, const std::string& entryParam);
    // Screens that paint only their own frames, boxes and lines and leave the rest to the erase
    // before them; they are drawn on a white window however the view was invalidated.
    static bool DrawnOnErasedWindow(int mode, const std::string& entryParam);
    void EraseWindow(vd::Dc& window);
    std::intptr_t OnViewDialogDone();
    void EndFindPlaceSearch(); // the find-place window destroyed and its search kind reset

    // The off-screen copies: flag 0 saves the window's w x h at (x, y) into the copy at (a, b),
    // flag 1 puts it back; w = right - a, h = bottom - b.
    void SaveRestoreMap(int flag, int x, int y, int a, int b, int right, int bottom);
    void SaveRestorePatch(int flag, int x, int y, int a, int b, int right, int bottom);

    // Commands.
    void OnRedisplayMap();
    void OnEnlargeSheet();
    void OnCreateRouteMap();
    void OnTextFont();
    void OnElevationLegend();
    void OnTracks();
    void OnSlideShowSettings();
    void OnCopyMap();
    void OnArrowKey(int commandId);
    // The arrows move only a sheet map on screen; elsewhere their keys are greyed.
    bool ArrowKeysMove() const;
    void OnAlbumStop();
    void OnHidePlaceNames();
    // The parts the libraries answer (VeldoranViewLibraryParts.cpp): the geology composition
    // table of command 32782 and the prefecture statistics' data display and data list.
    bool DrawGeologyTable(vd::Dc& dc);
    void SetPrefectureDataDisplay();
    void ShowDataListDialog(int kind);
    // Map-type, data-check, block-size and tint-sheet commands (VeldoranViewMapCommands.cpp).
    void OnPrefectureData();
    void OnSheetMapType();
    void OnJapanMap();
    void OnDataCheck();
    void OnFewerSheets();
    void OnMoreSheets();
    // The block-size button Page Down and Page Up press, 0 where the block cannot change that way
    // (their keys are then greyed).
    int FewerSheetsButton() const;
    int MoreSheetsButton() const;
    void OnTintMap();
    // Makes the greyscale tint bitmaps from the mesh files whose path begins with file.
    void MakeGrayscaleMap(const std::string& file);

    // The modeless dialogs filled and shown (view/findplace/ViewFindPlace.cpp).
    void OnFindPlace();
    void OnFindSearchResult();
    void OnFindMunicipality();
    void OpenFindPlaceDialog();
    void OpenSheetDialog();

    // Registered items and album play (view/albums/): opening an item of the hit list's kind, the
    // route, area or album dialog and its play, the page forms of map mode 13, the pictures of
    // modes 15-17, the viewer or program of an item, web pages, 33150 and button 303.
    void OpenRegisteredItem(const std::string& record);
    void StartAlbumPlayback(const std::string& title, const std::string& item, const std::string& kind,
                            const std::string& latitude, const std::string& longitude);
    void OnAlbumStart();
    void DrawAlbumItemPage(vd::Dc& dc, int page);
    void ShowAlbumPicture(const std::string& entry);
    void DrawManualAlbumPage(vd::Dc& dc);
    void DrawAlbumLocation(vd::Dc& dc);
    void RunPictureViewer();
    void OpenWebItem();
    void OnButtonMemo();
    std::string m_strPlayKind;     // "ALBUM" while an album item plays
    std::string m_strBrowser;      // the program of web pages; empty: the desktop's
    std::string m_strSlidePicture; // the picture and caption file of the current slide
    std::string m_strSlideCaption;
    int m_nSlideProgram = 0;       // the handle of the slide's viewer, 0 when none runs

    // What the repaint draws by map mode, and the mouse with, each done by the piece of the view
    // that draws it. Virtual so that a test can see which ones a repaint calls, or stand in for one.
    virtual void DrawRouteAreaMaster(vd::Dc& dc);   // 1 (view/routes/)
    virtual void DrawSheetIndexMap(vd::Dc& dc);     // 4 (m_pBaseMap)
    virtual std::string DrawLayeredMap(vd::Dc& dc); // 5 on sheets: returns the track word
    // The place-name layer of the sheet map (5): flag 0 searches and draws, 1 draws the kept
    // results (view/placenames/PlaceNameLayer.cpp).
    virtual void DrawPlaceNameLayer(vd::Dc& dc, int flag);
    virtual std::string DrawJapanMap(vd::Dc& dc);     // 5, country or region: the track word
    virtual void DrawPrefectureMap(vd::Dc& dc);       // 5, prefecture statistics
    virtual void DrawTracks(CMapRenderer& renderer);  // 5, tracks on demand
    virtual void DrawDragOverview(vd::Dc& dc);        // 6, 7, 8
    virtual void DrawAlbum(vd::Dc& dc);               // 13 (view/albums/AlbumPlay.cpp)
    virtual void DrawMemo(vd::Dc& dc, int kind);      // 15, 16 (view/albums/PictureViewer.cpp)
    virtual void DrawPicture();                       // 17
    virtual void ShowTextPage(vd::Dc& dc);            // 20 (m_pPages)
    virtual void DrawTextPage(vd::Dc& dc);            // a text page while printing
    virtual void DrawSubmarineMeshMap(vd::Dc& dc);    // 22 (view/sheetpicture/)
    virtual void MakeSubmarineMeshFile(vd::Dc& dc);   // 23
    virtual void DrawSheetPicture(vd::Dc& dc);        // 24
    virtual void ShowRouteAreaSheets();               // 3, the first stage of a repaint
    // The drag overview's 3-degree circle at the cursor, and a registered point's symbol.
    virtual void DrawDragCircle(vd::Dc& dc, int x, int y);
    virtual void DrawPointSymbol(vd::Dc& dc, int x, int y, int size, int shape);
    // The menu lists appended after a menu-bar swap (view/menubars/), and the end of the program
    // that showed the previous slide (view/albums/PictureViewer.cpp).
    virtual void AppendMapFileMenu();
    virtual void AppendGuideMapMenu();
    virtual void AppendItemMenus();
    virtual void EndSlideProgram();

    // The mouse (view/navigation/ViewMouse.cpp) and the page scroll bar (view/navigation/PageScrollBar.cpp).
    void OnMouseMove(unsigned flags, vd::ui::Point point) override;
    void OnLButtonDown(unsigned flags, vd::ui::Point point) override;
    void OnLButtonUp(unsigned flags, vd::ui::Point point) override;
    void OnLButtonDblClk(unsigned flags, vd::ui::Point point) override;
    void OnRButtonDown(unsigned flags, vd::ui::Point point) override;
    void OnVScroll(int code, int pos, vd::ScrollBar* bar) override;

    // Members (the old view's, in its order; buttons and scroll bar belong to m_pNavigation).
    std::unique_ptr<CDlgSheetSelect> m_pDlgSheetSelect;
    std::unique_ptr<CDlgFindPlace> m_pDlgFindPlace;
    std::unique_ptr<vd::ImageDc> m_pMemDC;
    vd::Bitmap m_pMapSaveBitmap;
    vd::Bitmap m_pPatchSaveBitmap;
    vd::Font m_fontLabel;
    vd::Font m_fontText;
    std::array<vd::Brush, kBrushCount> m_aBrush;
    std::unique_ptr<vd::Brush> m_pBackgroundBrush;
    std::unique_ptr<vd::Brush> m_pBackgroundShadeBrush;
    std::array<vd::Pen, kPenCount> m_aPen;
    std::unique_ptr<vd::Pen> m_pBackgroundShadePen;
    int m_nLastMapState = 999;
    bool m_bStartDataChecked = false; // a missing folder or sheet index was reported (once a run)
    int m_nSavedWidth = 1;
    int m_nSavedHeight = 1;
    int m_nPrintState = 1;
    int m_nPagePos = -1;
    int m_nTextPageState = 0;
    int m_nFirstPaint = -999;
    int m_nAlbumPlayOption = 3;
    int m_nPageInterval = 5;
    int m_nPageIndex = 0;
    int m_nAlbumTicks = 0;
    int m_nSlideTicks = 0;
    int m_nMapOriginX = 10;
    int m_nMapOriginY = 30;
    int m_nPictureState = 1;
    int m_nSavedX = 0;
    int m_nSavedY = 0;
    std::string m_strPlayMode = "AUTO";
    std::string m_strSavedEntryParam;
    std::string m_strSavedMapName;
    std::string m_strShowSeconds = "on";
    std::string m_strJpgInSlide = "on";
    std::string m_strBlankLine;
    int m_nSymbolScheme = 0;
    int m_nSymbolColour = 2; // 2: a registration's label coloured by the point's kind
    int m_nSelectedSymbolScheme = -1;
    int m_nLocatorColumns = 2;
    std::string m_strStatusNote;
    // Further page and album state of the album and slide-show pieces.
    int m_nSlideSize = 2;
    std::string m_strSlideMemo = "ON";
    std::string m_strSlideLocator;
    std::string m_strPageText;
    std::string m_strMouseButtonState;
    int m_nAlbumState = 0;
    int m_nDragState = 9999;
    int m_nRoutePointCount = 0;
    int m_nEnlargeSavedFrame = 2;
    bool m_bSlideTimerRunning = false;
    bool m_bAfterProgramTimerRunning = false;
    vd::LogFont m_logFontText; // the text font's description, kept for the font dialog
    int m_nScreenX = 0;        // the window's screen position (+2) kept for the page drawing
    int m_nScreenY = 0;

    // The drag overview's circle and the sheet corner under it (the circle writes, the mouse
    // reads), and the frame kind of the last main map.
    std::string m_strDragShape;
    std::string m_strDragCornerLon;
    std::string m_strDragCornerLat;
    int m_nViewFrameKind = 2;
    int m_nGuideMapShown = 0; // 1 once a guide map was chosen from the 絵地図 menu
    // The on-screen buttons, the page scroll bar, their commands and the mouse's state
    // (view/navigation/ViewNavigation.h).
    std::unique_ptr<ViewNavigation> m_pNavigation;

    // The base-map routines of the map modes (view/sheetmap/ViewBaseMap.h).
    std::unique_ptr<ViewBaseMap> m_pBaseMap;

    // The picture and text pages (view/pages/ViewPages.h).
    std::unique_ptr<ViewPages> m_pPages;

    // The pointer's tips, range drag and index-map sheet choice (view/pointer/PointerActions.h).
    std::unique_ptr<PointerActions> m_pPointer;

    // Registration and update of points and albums at a click (view/registration/PointRegistration.h).
    std::unique_ptr<PointRegistration> m_pRegistration;

    // Route and area maps and the area search (view/routes/RouteAreaMaps.h).
    std::unique_ptr<RouteAreaMaps> m_pRouteMaps;

private:
    CVeldoranDoc* m_pDoc;
    // The device context of "the window" while OnDraw runs (the back buffer's).
    vd::Dc* m_pWindowDc = nullptr;
    bool m_bErasePending = false;

    void CreateTools();
    void RebuildBackgroundTools();
    void ConnectCommands();
    void ConnectMapCommands();
    void DrawMainMap(vd::Dc& dc);
    void SetUpCityBoundaries(vd::Dc& dc);
    void AfterDraw(int result);
    void SwapMenuBar();
    void CopyOffScreen(vd::Bitmap& copy, int flag, int x, int y, int a, int b, int w, int h);
    void WriteCounter(int y, int page, int ticks);
    void WritePrompt(int left, int top, int right, int bottom, int x, int y, const std::string& text);
    void ShowCursorPosition(vd::Dc& window, unsigned flags, const CursorTexts& cursor);
    void MouseModeAction(unsigned flags, int x, int y);
    void RegisterAtPoint(int x, int y);
    void HoldInsidePicture(int& x, int& y);
    void SetFrameTitle(const std::string& title);
    void ShowFindPlaceDialog();
    friend class ViewWindowDcScope;
};

// Makes the repaint's device context "the window" of the routines that draw into the window.
class ViewWindowDcScope {
public:
    // A null dc leaves "the window" the view's back buffer (a printer has no pixels to copy back).
    ViewWindowDcScope(CVeldoranView& view, vd::Dc* dc) : view_(view), previous_(view.m_pWindowDc)
    {
        view_.m_pWindowDc = dc;
    }
    ~ViewWindowDcScope() { view_.m_pWindowDc = previous_; }
    ViewWindowDcScope(const ViewWindowDcScope&) = delete;
    ViewWindowDcScope& operator=(const ViewWindowDcScope&) = delete;

private:
    CVeldoranView& view_;
    vd::Dc* previous_;
};
