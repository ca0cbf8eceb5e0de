#include "graphics/JpegDecoder.h"
#include "JpegFixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::optional<DecodedJpeg> DecodeBytes(const std::string& bytes)
{
    const fs::path path = fs::path(std::getenv("VELDORAN_HOME")) / "picture.jpg";
    WriteFile(path, bytes);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    return DecodeJpeg(file.get());
}

// Top row red, green, blue; bottom row white, black, grey.
std::vector<std::uint8_t> ColourPixel(int x, int y)
{
    static const std::uint8_t colours[2][3][3] = {
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
        {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}},
    };
    const auto& c = colours[y][x];
    return {c[0], c[1], c[2]};
}

void ExpectBgrNear(const std::uint8_t* bgr, int r, int g, int b)
{
    // Quality 100 without subsampling keeps flat colours within a few levels; the byte order
    // is what the test is after.
    EXPECT_NEAR(bgr[0], b, 40);
    EXPECT_NEAR(bgr[1], g, 40);
    EXPECT_NEAR(bgr[2], r, 40);
}

TEST(JpegDecoder, ColourPictureBecomesBottomUpBgrRowsPaddedToFourBytes)
{
    const auto picture = DecodeBytes(MakeJpegBytes(JpegKind::Rgb, 3, 2, ColourPixel));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->stride, 12);
    ASSERT_EQ(picture->bits.size(), 24u);
    const std::uint8_t* stored0 = picture->bits.data();      // the image's bottom row
    const std::uint8_t* stored1 = picture->bits.data() + 12; // its top row
    ExpectBgrNear(stored0 + 0, 255, 255, 255);
    ExpectBgrNear(stored0 + 3, 0, 0, 0);
    ExpectBgrNear(stored1 + 0, 255, 0, 0);
    ExpectBgrNear(stored1 + 6, 0, 0, 255);
    // Exactly 3 x width bytes a row are written: the padding stays zero.
    for (int pad = 9; pad < 12; ++pad) {
        EXPECT_EQ(stored0[pad], 0);
        EXPECT_EQ(stored1[pad], 0);
    }
}

TEST(JpegDecoder, GreyscalePictureComesOutAsColourWithoutOverrunningRows)
{
    const auto picture = DecodeBytes(MakeJpegBytes(JpegKind::Grey, 5, 3, [](int x, int) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x < 2 ? 20 : 220)};
    }));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->stride, 16);
    ASSERT_EQ(picture->bits.size(), 48u);
    for (int row = 0; row < 3; ++row) {
        const std::uint8_t* r = picture->bits.data() + row * 16;
        ExpectBgrNear(r, 20, 20, 20);
        ExpectBgrNear(r + 12, 220, 220, 220);
        EXPECT_EQ(r[0], r[1]);
        EXPECT_EQ(r[1], r[2]);
        EXPECT_EQ(r[15], 0);
    }
}

TEST(JpegDecoder, RefusesCmykAndDamagedFiles)
{
    const std::string colour = MakeJpegBytes(JpegKind::Rgb, 16, 16, [](int x, int y) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16), 90};
    });
    EXPECT_FALSE(DecodeBytes(MakeJpegBytes(JpegKind::Cmyk, 8, 8, [](int, int) {
        return std::vector<std::uint8_t>{10, 20, 30, 40};
    })));
    EXPECT_FALSE(DecodeBytes("This is a text file, not a picture.\r\n"));
    EXPECT_FALSE(DecodeBytes(""));
    EXPECT_FALSE(DecodeBytes(colour.substr(0, 20)));  // cut inside the header
    EXPECT_FALSE(DecodeJpeg(nullptr));
}

TEST(JpegDecoder, DataEndingEarlyIsOnlyAWarning)
{
    const std::string colour = MakeJpegBytes(JpegKind::Rgb, 64, 64, [](int x, int y) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 90};
    });
    const auto picture = DecodeBytes(colour.substr(0, colour.size() - 200));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 64);
    EXPECT_EQ(picture->height, 64);
}

// The picture's size as its start-of-frame marker (baseline or progressive) gives it, changed.
std::string WithSize(std::string jpeg, int width, int height, const char* frameMarker = "\xFF\xC0")
{
    const std::size_t frame = jpeg.find(frameMarker);
    EXPECT_NE(frame, std::string::npos);
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

std::string ReadFixture(const char* name)
{
    std::ifstream in(fs::path(VD_TEST_DATA_DIR) / "fuzz" / "JpegFuzz" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(JpegDecoder, RowsPastTheEndOfTheDataRepeatTheLastDecodedRow)
{
    // A damaged file of 231 bytes whose header claims 65285 x 223 pixels.
    const auto picture = DecodeBytes(ReadFixture("short-data-wide-picture.jpg"));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 65285);
    ASSERT_EQ(picture->height, 223);
    const auto row = [&](int stored) { return picture->bits.begin() + std::ptrdiff_t(stored) * picture->stride; };
    // The image's bottom rows (stored first) are all the same as the row above them.
    EXPECT_TRUE(std::equal(row(0), row(1), row(1)));
    EXPECT_TRUE(std::equal(row(0), row(1), row(100)));
}

TEST(JpegDecoder, PicturesOfMoreThanTwentyFourMegapixelsAreRefused)
{
    const std::string small = MakeJpegBytes(JpegKind::Rgb, 16, 16, [](int x, int y) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16), 90};
    });
    EXPECT_FALSE(DecodeBytes(WithSize(small, 6000, 4001)));
    EXPECT_FALSE(DecodeBytes(WithSize(small, 65535, 65535)));
    // A progressive picture is refused before its whole-picture coefficients are allocated.
    const std::string progressive = MakeJpegBytes(JpegKind::RgbProgressive, 16, 16, [](int x, int y) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16), 90};
    });
    EXPECT_FALSE(DecodeBytes(WithSize(progressive, 65500, 65500, "\xFF\xC2")));
    const auto largest = DecodeBytes(WithSize(small, 6000, 4000));
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->width, 6000);
    EXPECT_EQ(largest->height, 4000);
}

TEST(JpegDecoder, ProgressivePicturesDecodeUpToAHundredScans)
{
    const auto pixel = [](int x, int y) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16), 90};
    };
    const auto usual = DecodeBytes(MakeJpegBytes(JpegKind::RgbProgressive, 16, 16, pixel));
    ASSERT_TRUE(usual);
    EXPECT_EQ(usual->width, 16);
    // 190 scans, each a pass over the whole picture: refused as damaged.
    EXPECT_FALSE(DecodeBytes(MakeJpegBytes(JpegKind::RgbScanPerCoefficient, 16, 16, pixel)));
}

} // namespace
