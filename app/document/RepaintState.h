#pragma once
// What the view's next repaint does and what it must know of the screen: the map on screen, the
// mode to put back after a resize or a library dialog, the dialogs open over the map, the view's
// state word, the white layers' results of the last sheet map and its overlay pass. Commands set
// it to ask for a screen (app/document/MapDisplayMode.h names the modes); the view's repaint reads
// and resets it.
#include "app/document/MapDisplayMode.h"

#include <functional>
#include <string>

struct RepaintState {
    // Asks every view to update (the view connects it when built; tests without a frame set it).
    std::function<void()> m_fnUpdateAllViews;

    int m_bMapOnScreen = 0;
    int m_nSavedMapDisplayMode = map_display::kIdle; // the mode a resize or an erase after a library dialog puts back
    std::string m_strViewState;  // "GEOLEND", "JPG_SLIDE", "9999", "MOUSE", ...
    int m_nReactivated = 1;      // -999 after the view lost activation, 1 after the next repaint
    int m_bDialogOpen = 0;       // 1 while a document dialog is up
    int m_bLayerDialogOpen = 0;  // 1 while a library dialog of a document command is up
    int m_bMapErasedByDialog = 0; // the erase after such a dialog put the saved mode back
    int m_nCdRomPrompt = 0;      // -1: the data source is not on the hard disk; the view asks for the CD-ROM
    int m_bHideSheetButtons = 0;
    std::string m_strLayerWord;  // "TRACKTRAIL": the tracks are drawn again after the sheet map

    // The white layers of the last sheet map and the overlay pass.
    int m_nWhiteLayerState = 0;  // 999: the layout draws no white layers
    int m_nWhiteLayerDrawn = -1; // 1 when a white layer was drawn
    int m_nWhiteMeshDrawn = -1;  // 1 when a white mesh layer was drawn
    int m_nOverlayLayer = 999, m_bOverlayOff = 0, m_bOverlayTransparent = 0, m_nOverlayLakes = 0;
    int m_bRestoreOnce = 0;
};
