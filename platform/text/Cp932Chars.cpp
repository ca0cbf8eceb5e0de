#include "platform/text/Cp932Chars.h"

#include "platform/text/Cp932EncodeTable.h"
#include "platform/text/Utf8.h"

namespace vd {

Cp932Char cp932CharAt(std::string_view text, std::size_t pos, int offset)
{
    const utf8::Step step = utf8::decode(text, pos);
    Cp932Char c{text.substr(pos, static_cast<std::size_t>(step.length)), {'?', 0}, 1, offset};
    if (!step.valid)
        return c;
    if (step.codePoint < 0x80) {
        c.bytes[0] = static_cast<unsigned char>(step.codePoint);
        return c;
    }
    const unsigned code = cp932Code(step.codePoint);
    if (code == 0)
        return c;
    if (code < 0x100) {
        c.bytes[0] = static_cast<unsigned char>(code);
    } else {
        c.bytes[0] = static_cast<unsigned char>(code >> 8);
        c.bytes[1] = static_cast<unsigned char>(code & 0xFF);
        c.width = 2;
    }
    return c;
}

} // namespace vd
