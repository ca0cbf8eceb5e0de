#pragma once
// The screens the repaint draws, by the number the document keeps in m_nMapDisplayMode. Every
// command and view piece that asks for a screen names it here; the member stays an int because
// the numbers are compared and kept (the saved mode) as the old program kept them.
namespace map_display {

enum Mode : int {
    kSuspended = -30,        // Surrick's dialogs are open: repaints draw nothing
    kIdle = 0,               // nothing to draw: the kept map is put back
    kRouteAreaIndex = 1,     // the route and area index
    kSheetDialog = 2,        // open the sheet dialog instead of drawing
    kRouteAreaSheets = 3,    // the sheets of a route or area
    kSheetIndex = 4,         // the sheet index
    kMainMap = 5,            // the main map of the current map type
    kOverview = 6,           // the overview to drag a region on
    kDataSourceOverview = 7, // the overview with the data-source list
    kDragOverview = 8,       // the overview, then wait for the drag
    kSkipOnce = 9,           // one repaint passes, then the map is shown
    kMapShown = 10,          // the map is on screen: a repaint copies it back
    kPaletteChanged = 11,    // the colours changed: tools and tint ramp anew, map redrawn
    kRedrawMap = 12,         // the map is drawn anew in its kind
    kAlbum = 13,             // an album page
    kPicturePageEntry = 14,  // the picture page is entered (scroll bar reset)
    kPicturePage = 15,       // a picture page: a bitmap, or a JPEG asked for by kPicture
    kJpegPicturePage = 16,   // a picture page of a JPEG decoded in the view
    kPicture = 17,           // a picture
    kPictureViewerBack = 18, // back from the picture viewer: the kept map returns
    kTextPageEntry = 19,     // the text page is entered (scroll bar reset)
    kTextPage = 20,          // the text page
    kDragWaiting = 21,       // the drag overview is shown, waiting for the mouse
    kSubmarineMeshMap = 22,  // the state of the submarine data's intermediate file
    kSubmarineMeshFile = 23, // the submarine data's intermediate file is made
    kSheetPicture = 24,      // a guide-map or sheet picture
    kCityBoundarySetup = 30, // Surrick's municipality set-up
    kMainMapCleared = 500,   // the main map after the window is cleared (the view turns it into 5)
};

} // namespace map_display
