#pragma once
// Shift-JIS (code page 932) <-> UTF-8. Inside the program every string is UTF-8; files on disk
// are CP932. Conversion never fails: an invalid byte becomes U+FFFD, a character CP932 cannot
// hold becomes "?".
#include <string>
#include <string_view>

namespace vd {

std::string cp932ToUtf8(std::string_view cp932);
std::string utf8ToCp932(std::string_view utf8);

// The length in CP932 bytes of a UTF-8 text: the unit of every length, column and width the
// system gives for a text.
int cp932Width(std::string_view utf8);

} // namespace vd
