#include "platform/text/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace vd {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; on an unconvertible sequence calls onBad(in, out) which
    // must consume input and may append a replacement.
    template <class OnBad>
    std::string run(std::string_view input, OnBad onBad) const
    {
        std::string out;
        out.reserve(input.size() * 2);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* o = buffer;
            size_t oLeft = sizeof buffer;
            const size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
            out.append(buffer, static_cast<size_t>(o - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG)
                onBad(in, inLeft, out);
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

std::string cp932ToUtf8(std::string_view cp932)
{
    thread_local const Converter converter("UTF-8", "CP932");
    return converter.run(cp932, [](char*& in, size_t& left, std::string& out) {
        const auto lead = static_cast<unsigned char>(*in);
        const bool doubleByteLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const size_t skip = (doubleByteLead && left >= 2) ? 2 : 1;
        in += skip;
        left -= skip;
        out += "\xEF\xBF\xBD";
    });
}

std::string utf8ToCp932(std::string_view utf8)
{
    thread_local const Converter converter("CP932", "UTF-8");
    return converter.run(utf8, [](char*& in, size_t& left, std::string& out) {
        // Skip one whole UTF-8 character (or one stray byte) and write "?" in its place.
        size_t skip = 1;
        const auto lead = static_cast<unsigned char>(*in);
        if (lead >= 0xF0) skip = 4;
        else if (lead >= 0xE0) skip = 3;
        else if (lead >= 0xC0) skip = 2;
        if (skip > left)
            skip = left;
        in += skip;
        left -= skip;
        out += '?';
    });
}

int cp932Width(std::string_view utf8)
{
    return static_cast<int>(utf8ToCp932(utf8).size());
}

} // namespace vd
