#pragma once
// The pieces that fill the view's slot table (ViewRoutines) are connected here,
// in one place: the view's constructor calls ConnectViewPieces once its base-map routines and
// navigation are built. Each piece has its own connect file; view/ViewSlots.cpp lists every slot, whether it is filled and
// which piece fills it. A piece that lands adds its connect function here and to
// ConnectViewPieces, and marks its slots filled in the list.
class CVeldoranView;

void ConnectViewPieces(CVeldoranView& view);

// The view's base-map routines (BaseMapConnections.cpp).
void ConnectBaseMapPiece(CVeldoranView& view);
// Tracks, the locator map and the prefecture statistics map of the renderer (RendererMapConnections.cpp).
void ConnectRendererMapPieces(CVeldoranView& view);
// The place-name and public-facility layer (PlaceNameConnections.cpp).
void ConnectPlaceNamePiece(CVeldoranView& view);
// The picture and text pages (PageConnections.cpp).
void ConnectPagePieces(CVeldoranView& view);
// Map modes 22-24: submarine mesh maps and the guide-map picture (SheetPictureConnections.cpp).
void ConnectSheetPicturePiece(CVeldoranView& view);
// The menus built from list files (MenuBarConnections.cpp).
void ConnectMenuBarPiece(CVeldoranView& view);
// Route and area maps (RouteConnections.cpp).
void ConnectRoutePieces(CVeldoranView& view);
// Registered items and album play (AlbumConnections.cpp).
void ConnectAlbumPiece(CVeldoranView& view);
