#pragma once
// UTF-8 decoding and encoding of single characters, strict: overlong forms, surrogates and code
// points above U+10FFFF are malformed. Used inside platform/text only.
#include <cstddef>
#include <string>
#include <string_view>

namespace vd::utf8 {

struct Step {
    char32_t codePoint; // U+FFFD when malformed
    int length;         // bytes consumed, at least 1
    bool valid;
};

// The character starting at pos (pos < text.size()). A malformed sequence consumes its lead byte
// and the continuation bytes that still fit (the longest ill-formed prefix), so that one bad
// sequence gives one replacement and a following ASCII byte is never swallowed.
inline Step decode(std::string_view text, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return {lead, 1, true};
    int length;
    char32_t cp;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;      // no overlong forms
        else if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        else if (lead == 0xF4) high = 0x8F; // nothing above U+10FFFF
    } else {
        return {0xFFFD, 1, false};
    }
    for (int i = 1; i < length; ++i) {
        if (pos + i >= text.size())
            return {0xFFFD, i, false};
        const unsigned char c = byte(pos + i);
        const unsigned char lo = i == 1 ? low : 0x80;
        const unsigned char hi = i == 1 ? high : 0xBF;
        if (c < lo || c > hi)
            return {0xFFFD, i, false};
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, length, true};
}

inline void append(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace vd::utf8
