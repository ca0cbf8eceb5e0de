#pragma once
// The Shift-JIS fonts Surrick's map drawings create for one call.
#include "platform/dc/GdiObjects.h"

#include <string>

namespace surrick {

inline constexpr const char* kMinchoFace = "ＭＳ 明朝";
inline constexpr const char* kGothicFace = "ＭＳ ゴシック";

// Weight 400, Shift-JIS, output precision 4, default clipping, quality 2, pitch and family 18.
inline vd::Font MapFont(int height, const std::string& face)
{
    vd::Font font;
    font.CreateFont(height, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, 4, 0, 2, 18, face);
    return font;
}

} // namespace surrick
