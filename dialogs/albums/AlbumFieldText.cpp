#include "dialogs/albums/AlbumFieldText.h"

#include "platform/text/StringOps.h"

std::string AlbumFieldText(std::string_view typed)
{
    std::string text(typed);
    vd::replaceAll(text, " ", "　");
    vd::replaceAll(text, "|", "｜");
    return text;
}

std::string RouteNameText(std::string_view typed)
{
    std::string text(typed);
    vd::replaceAll(text, "@", "＠");
    return text;
}
