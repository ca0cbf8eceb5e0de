// User text through the CP932 rules: the bytes as CP932 (decoded, re-encoded), the decoded text
// cut, padded, wrapped and searched by byte counts, formatted with "%s" widths and precisions,
// and read as numbers.
#include "fuzz/support/FuzzScratch.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Cp932Wrap.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // Counts as the program passes them: byte columns and widths of a line or a field.
    const int count = input.ConsumeIntegralInRange<int>(-8, 300);
    const int first = input.ConsumeIntegralInRange<int>(-8, 300);
    const int width = input.ConsumeIntegralInRange<int>(-8, 200);
    const std::string what = input.ConsumeRandomLengthString(8);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::string text = vd::cp932ToUtf8(bytes);
    vd::utf8ToCp932(text);
    vd::utf8ToCp932(bytes); // raw bytes taken for UTF-8: invalid sequences too
    vd::cp932Width(text);
    vd::cp932Left(text, count);
    vd::cp932Mid(text, first);
    vd::cp932Mid(text, first, count);
    vd::cp932Right(text, count);
    vd::utf8Position(text, first);
    vd::cp932Position(text, static_cast<std::size_t>(first < 0 ? 0 : first));
    vd::cp932Pad(text, width, vd::Justify::Left);
    vd::cp932Pad(text, width, vd::Justify::Right);
    if (width > 0) {
        vd::cp932Wrap(text, width);
        vd::cp932Wrap(bytes, width);
    }
    // The character walk over the raw bytes taken for UTF-8, as a damaged text may be.
    for (std::size_t pos = 0; pos < bytes.size();) {
        const vd::Cp932Char c = vd::cp932CharAt(bytes, pos, 0);
        if (c.utf8.empty())
            break;
        pos += c.utf8.size();
    }
    vd::cp932Find(text, what, first);
    vd::cp932ReverseFind(text, what);
    std::string replaced = text;
    if (!what.empty())
        vd::replaceAll(replaced, what, "ｱ");
    vd::trim(text);
    vd::toUpperAscii(text);

    vd::format("%s|%-20s|%20s|%.5s|%-12.3s|%3s", text, text, bytes, text, text, "");
    vd::format("%*s|%-*.*s", width, text, width, count, text);
    vd::parseInt(text);
    vd::parseDouble(text);
    vd::parseDouble(bytes);
    return 0;
}
