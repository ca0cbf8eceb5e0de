#include "view/placenames/PlaceNameFonts.h"

#include "platform/dc/GdiConstants.h"

vd::Font PlaceNameFont(int height)
{
    vd::Font font;
    font.CreateFont(height, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ ゴシック");
    return font;
}
