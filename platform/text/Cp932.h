#pragma once
// Shift-JIS (code page 932) <-> UTF-8, with glibc's iconv "CP932" mapping. Inside the program
// every string is UTF-8; files on disk are CP932. Conversion never fails: a byte sequence that
// CP932 does not define becomes U+FFFD, a character that CP932 cannot hold becomes "?".
//
// glibc's CP932 is not a one-to-one mapping, so a line read and written again may change bytes:
// - the NEC-selected IBM extensions (0xED40-0xEEFC) read as the same characters as the IBM
//   extensions (0xFA40-0xFC4B) and are written as the IBM codes ("纊" 0xED40 -> 0xFA5C);
// - characters in both NEC row 13 and the IBM extensions are written as NEC row 13
//   ("Ⅰ" 0xFA4A -> 0x8754, "㈱" 0xFA58 -> 0x878A), those also in JIS X 0208 as JIS X 0208
//   ("∵" 0x879A and 0xFA5B -> 0x81E6, "￢" 0xFA54 and 0xEEF9 -> 0x81CA);
// - 0x5C and 0x7E read as "\" and "~"; "¥" and "‾" are written as 0x5C and 0x7E, "〜" as
//   0x8160 like "～", "−" as 0x817C like "－", "—" as 0x815C;
// - the single bytes 0x80, 0xA0 and 0xFD-0xFF and the unassigned double-byte codes (leads
//   0x85, 0x86, 0xEB, 0xEC, 0xEF, 0xFC4C and above, 0xEEED-0xEEEE, gaps in the other rows) are
//   invalid and read as U+FFFD;
//   the user-defined area 0xF040-0xF9FC reads as U+E000-U+E757 and is written back unchanged.
// A rewrite that keeps lines it does not change therefore writes those lines' original bytes.
#include <string>
#include <string_view>

namespace vd {

std::string cp932ToUtf8(std::string_view cp932);
std::string utf8ToCp932(std::string_view utf8);

// The length in CP932 bytes of a UTF-8 text: the unit of every length, position, column and
// width the system gives for a text ("表" is 2, "ｱ" and "A" are 1, "?" for "é" is 1).
int cp932Width(std::string_view utf8);

// The byte classes of code page 932: a double-byte character is a lead byte and a trail byte.
constexpr bool isCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool isCp932Trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

} // namespace vd
