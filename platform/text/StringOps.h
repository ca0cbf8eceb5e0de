#pragma once
// The old string class's searches and edits on UTF-8 strings. Positions are CP932 byte positions
// (as given by cp932Width and taken by cp932Left/cp932Mid), and a search never fails loudly:
// "not found" is -1.
#include <string>
#include <string_view>

namespace vd {

// The position of the first occurrence of what at or after position start, or -1. An empty what
// is found at start; a start past the end finds nothing; a negative start counts as 0.
int cp932Find(std::string_view text, std::string_view what, int start = 0);
// The position of the last occurrence of what (usually one character, "\\" or "."), or -1.
int cp932ReverseFind(std::string_view text, std::string_view what);

// Replaces every occurrence of from, left to right without overlaps; returns how many.
int replaceAll(std::string& text, std::string_view from, std::string_view to);

// Blanks are the C locale's white space: " ", "\t", "\n", "\v", "\f", "\r".
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);
std::string trim(std::string_view text);
// Removes leading / trailing characters that occur in chars (UTF-8, e.g. " 　").
std::string trimLeft(std::string_view text, std::string_view chars);
std::string trimRight(std::string_view text, std::string_view chars);

// Single-byte letters only; double-byte characters (full-width letters too) stay as they are.
std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);

// True when every byte is below 0x80: such a text is the same in CP932 and in UTF-8.
inline bool isAscii(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace vd
