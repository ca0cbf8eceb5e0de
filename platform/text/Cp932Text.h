#pragma once
// Cuts and padding of UTF-8 texts counted in CP932 bytes (cp932Width, in Cp932.h, is the unit).
// Positions are clamped as the old string class did (a negative position or count is 0, a range
// past the end stops at the end), and a cut never splits a character: a double-byte character
// that straddles an edge of the range is left out.
#include "platform/text/Cp932.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vd {

std::string cp932Left(std::string_view utf8, int count);              // the first count bytes
std::string cp932Mid(std::string_view utf8, int first);               // from byte first to the end
std::string cp932Mid(std::string_view utf8, int first, int count);    // count bytes from byte first
std::string cp932Right(std::string_view utf8, int count);             // the last count bytes

// The UTF-8 position of the character that starts at or after CP932 byte position offset
// (text.size() when offset is at or past the end). For code that mixes both kinds of position.
std::size_t utf8Position(std::string_view utf8, int offset);
// The CP932 byte position of UTF-8 position pos (a character boundary).
int cp932Position(std::string_view utf8, std::size_t pos);

enum class Justify { Left, Right };

// Blanks up to width bytes: Justify::Left puts them after the text ("%-Ns"), Justify::Right
// before it ("%Ns"). A text as wide or wider stays as it is.
std::string cp932Pad(std::string_view utf8, int width, Justify justify = Justify::Left);

} // namespace vd
