#include "platform/text/Cp932EncodeTable.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char32_t kPlane = 0x10000;

// What iconv writes for one character on its own, as a code (0: it cannot).
unsigned iconvCode(iconv_t cd, char32_t cp)
{
    std::string in;
    vd::utf8::append(in, cp);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    unsigned char out[4];
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return 0;
    const std::size_t n = sizeof out - outLeft;
    return n == 1 ? out[0] : n == 2 ? unsigned(out[0] << 8 | out[1]) : 0;
}

// Characters are asked for as they are met, by several drawing threads at once, each in its own
// order: every answer is iconv's, whoever asked first.
TEST(Cp932Code, EveryCharacterIsIconvsCodeWhenAskedFromSeveralThreads)
{
    constexpr int kThreads = 4;
    std::vector<std::vector<unsigned>> seen(kThreads, std::vector<unsigned>(kPlane));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &seen] {
            for (char32_t i = 0; i < kPlane; ++i) {
                const char32_t cp = (i * 40503u + char32_t(t) * 7919u) % kPlane; // a permutation per thread
                if (cp >= 0x80 && (cp < 0xD800 || cp > 0xDFFF))
                    seen[std::size_t(t)][cp] = vd::cp932Code(cp);
            }
        });
    for (auto& thread : threads)
        thread.join();

    const iconv_t cd = iconv_open("CP932", "UTF-8");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int twoByte = 0;
    for (char32_t cp = 0x80; cp < kPlane; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const unsigned expected = iconvCode(cd, cp);
        twoByte += expected > 0xFF;
        for (int t = 0; t < kThreads; ++t)
            ASSERT_EQ(seen[std::size_t(t)][cp], expected) << "U+" << std::hex << unsigned(cp) << " thread " << t;
    }
    iconv_close(cd);
    EXPECT_GT(twoByte, 7000); // the whole double-byte set, not a table of nothing
    EXPECT_EQ(vd::cp932Code(0x10000), 0u);
    EXPECT_EQ(vd::cp932Code(0x1F600), 0u);
}

} // namespace
