#include "platform/text/Cp932EncodeTable.h"

#include "platform/text/Utf8.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <string>

namespace vd {
namespace {

using Table = std::array<std::uint16_t, 0x10000>;

// Asks iconv for every character of the Basic Multilingual Plane once (CP932 holds nothing
// beyond it). A few milliseconds, and the per-character answers then agree with iconv exactly.
std::unique_ptr<Table> buildTable()
{
    auto table = std::make_unique<Table>();
    table->fill(0);
    const iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return table; // no CP932 in this C library: every non-ASCII character becomes "?"
    std::string in;
    for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        in.clear();
        utf8::append(in, cp);
        char* inPtr = in.data();
        std::size_t inLeft = in.size();
        unsigned char out[4];
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            continue;
        const std::size_t n = sizeof out - outLeft;
        if (n == 1)
            (*table)[cp] = out[0];
        else if (n == 2)
            (*table)[cp] = static_cast<std::uint16_t>(out[0] << 8 | out[1]);
    }
    iconv_close(cd);
    return table;
}

} // namespace

unsigned cp932Code(char32_t cp)
{
    static const std::unique_ptr<Table> table = buildTable();
    return cp < 0x10000 ? (*table)[cp] : 0;
}

} // namespace vd
