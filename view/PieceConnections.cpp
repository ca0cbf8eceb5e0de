#include "view/PieceConnections.h"
#include "view/layercommands/FormatFileCommand.h"
#include "view/layercommands/GeologyTableCommand.h"

void ConnectViewPieces(CVeldoranView& view)
{
    ConnectBaseMapPiece(view);
    ConnectNavigationPiece(view);
    ConnectOverviewPieces(view);
    ConnectMapDisplaySpecPiece(view);
    ConnectDocumentCommandPiece(view);
    ConnectFormatFileCommand(view);
    ConnectGeologyTableCommand(view);
    ConnectRendererMapPieces(view);
    ConnectPlaceNamePiece(view);
    ConnectPointerPiece(view);
    ConnectRegistrationPiece(view);
    ConnectPagePieces(view);
    ConnectSheetPicturePiece(view);
    ConnectFindPlacePiece(view);
    ConnectMenuBarPiece(view);
    ConnectRoutePieces(view);
    ConnectAlbumPiece(view);
}
