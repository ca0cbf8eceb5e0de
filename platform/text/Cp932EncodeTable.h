#pragma once
// The CP932 code of each Unicode character, as glibc's iconv "CP932" writes it, asked of iconv
// the first time the character is met. Used inside platform/text only.

namespace vd {

// The CP932 code of cp: a single byte (below 0x100) or lead * 0x100 + trail; 0 when CP932
// cannot hold cp (U+0000 itself is code 0 and never asked for: ASCII is handled by the caller).
unsigned cp932Code(char32_t cp);

} // namespace vd
