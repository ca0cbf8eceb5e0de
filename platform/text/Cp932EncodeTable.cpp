#include "platform/text/Cp932EncodeTable.h"

#include "platform/text/Utf8.h"

#include <atomic>
#include <cstdint>
#include <iconv.h>
#include <mutex>
#include <string>

namespace vd {
namespace {

// Not asked yet; no CP932 code is 0xFFFF (no lead byte above 0xFC).
constexpr std::uint16_t kUnknown = 0xFFFF;
constexpr std::size_t kPlane = 0x10000;

// Each character of the Basic Multilingual Plane (CP932 holds nothing beyond it) is asked of
// iconv the first time it is met and its answer kept: a run meets a few hundred characters, and
// asking for all 65,536 at once costs a start tens of millions of instructions.
class Table {
public:
    Table()
    {
        for (auto& code : codes_)
            code.store(kUnknown, std::memory_order_relaxed);
    }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    unsigned code(char32_t cp)
    {
        const std::uint16_t known = codes_[cp].load(std::memory_order_relaxed);
        if (known != kUnknown)
            return known;
        const std::lock_guard lock(mutex_);
        const std::uint16_t answer = ask(cp);
        codes_[cp].store(answer, std::memory_order_relaxed);
        return answer;
    }

private:
    // The code iconv writes for cp, 0 when it has none (or there is no CP932 in this C library:
    // every non-ASCII character then becomes "?").
    std::uint16_t ask(char32_t cp)
    {
        if (cp < 0x80 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        if (!opened_) {
            opened_ = true;
            converter_ = iconv_open("CP932", "UTF-8");
        }
        if (converter_ == reinterpret_cast<iconv_t>(-1))
            return 0;
        std::string in;
        utf8::append(in, cp);
        char* inPtr = in.data();
        std::size_t inLeft = in.size();
        unsigned char out[4];
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof out;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return 0;
        const std::size_t n = sizeof out - outLeft;
        if (n == 1)
            return out[0];
        if (n == 2)
            return static_cast<std::uint16_t>(out[0] << 8 | out[1]);
        return 0;
    }

    std::atomic<std::uint16_t> codes_[kPlane];
    std::mutex mutex_;
    bool opened_ = false;
    iconv_t converter_ = reinterpret_cast<iconv_t>(-1);
};

} // namespace

unsigned cp932Code(char32_t cp)
{
    // Kept to the end of the process: a text measured while static objects are destroyed still works.
    static Table* const table = new Table;
    return cp < kPlane ? table->code(cp) : 0;
}

} // namespace vd
