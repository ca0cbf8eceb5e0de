#include "platform/text/Cp932.h"

#include "platform/text/Cp932Chars.h"

#include <cerrno>
#include <iconv.h>

namespace vd {
namespace {

// One conversion descriptor per thread: iconv_t keeps state and is not thread-safe.
class Cp932Decoder {
public:
    Cp932Decoder() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Decoder()
    {
        if (ok())
            iconv_close(cd_);
    }
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    std::string run(std::string_view input) const
    {
        std::string out;
        out.reserve(input.size() + input.size() / 2);
        if (!ok()) { // no CP932 in this C library: keep ASCII, replace the rest
            for (const char c : input)
                out += static_cast<unsigned char>(c) < 0x80 ? std::string_view(&c, 1) : kReplacement;
            return out;
        }
        // ASCII is the same in both: only the runs of other characters go through the converter,
        // each cut at a character's end (a trail byte may lie in the ASCII range).
        std::size_t pos = 0;
        while (pos < input.size()) {
            std::size_t end = pos;
            while (end < input.size() && static_cast<unsigned char>(input[end]) < 0x80)
                ++end;
            out.append(input.data() + pos, end - pos);
            pos = end;
            while (end < input.size() && static_cast<unsigned char>(input[end]) >= 0x80) {
                const bool pair = isCp932Lead(static_cast<unsigned char>(input[end])) && end + 1 < input.size() &&
                                  isCp932Trail(static_cast<unsigned char>(input[end + 1]));
                end += pair ? 2 : 1;
            }
            if (end > pos)
                convert(input.substr(pos, end - pos), out);
            pos = end;
        }
        return out;
    }

private:
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

    void convert(std::string_view input, std::string& out) const
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[8192];
        while (inLeft > 0) {
            char* o = buffer;
            std::size_t oLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
            out.append(buffer, static_cast<std::size_t>(o - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG)
                skipInvalid(in, inLeft, out);
        }
    }

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // A lead byte with a trail byte is one unassigned character (one U+FFFD for both bytes);
    // any other bad byte is replaced alone, so a stray lead byte never swallows the ASCII byte
    // after it.
    static void skipInvalid(char*& in, std::size_t& left, std::string& out)
    {
        const auto lead = static_cast<unsigned char>(in[0]);
        const std::size_t skip = isCp932Lead(lead) && left >= 2 && isCp932Trail(static_cast<unsigned char>(in[1])) ? 2 : 1;
        in += skip;
        left -= skip;
        out += kReplacement;
    }

    iconv_t cd_;
};

// Hands each character's CP932 bytes to take; ASCII, most of most texts, needs no table.
template <class Take>
void forEachCp932(std::string_view utf8, Take take)
{
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            take(utf8.substr(pos++, 1));
            continue;
        }
        const Cp932Char c = cp932CharAt(utf8, pos, 0);
        take(c.cp932());
        pos += c.utf8.size();
    }
}

} // namespace

std::string cp932ToUtf8(std::string_view cp932)
{
    thread_local const Cp932Decoder decoder;
    return decoder.run(cp932);
}

int cp932Width(std::string_view utf8)
{
    std::size_t width = 0;
    forEachCp932(utf8, [&](std::string_view bytes) { width += bytes.size(); });
    return static_cast<int>(width);
}

std::string utf8ToCp932(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    forEachCp932(utf8, [&](std::string_view bytes) { out += bytes; });
    return out;
}

} // namespace vd
