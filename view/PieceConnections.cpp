#include "view/PieceConnections.h"
#include "view/layercommands/FormatFileCommand.h"
#include "view/layercommands/GeologyTableCommand.h"

void ConnectViewPieces(CVeldoranView& view)
{
    ConnectBaseMapPiece(view);
    ConnectFormatFileCommand(view);
    ConnectGeologyTableCommand(view);
    ConnectRendererMapPieces(view);
    ConnectPlaceNamePiece(view);
    ConnectPagePieces(view);
    ConnectSheetPicturePiece(view);
    ConnectFindPlacePiece(view);
    ConnectMenuBarPiece(view);
    ConnectRoutePieces(view);
    ConnectAlbumPiece(view);
}
