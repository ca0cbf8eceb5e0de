// Device-independent bitmaps: the file layout, round trips of both header kinds and bit depths,
// top-down pictures, drawing them, and damaged files refused.
#include "PixelGrid.h"

#include "platform/dc/Dib.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace vd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string scratch(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "dib";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24);
}

TEST(Dib, TwentyFourBitRowsArePaddedAndStoredBottomUp)
{
    Dib dib = Dib::Create(3, 2, 24);
    ASSERT_FALSE(dib.IsNull());
    EXPECT_EQ(dib.Stride(), 12);
    dib.SetPixel(0, 0, RGB(1, 2, 3));   // top-left
    dib.SetPixel(2, 1, RGB(7, 8, 9));   // bottom-right
    const std::vector<std::uint8_t> file = dib.FileBytes();
    ASSERT_EQ(file.size(), 14u + 40u + 24u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(u32At(file, 2), 78u);
    EXPECT_EQ(u32At(file, 10), 54u);
    // The bottom row comes first: its last pixel at bytes 6..8, blue first.
    EXPECT_EQ(file[54 + 6], 9);
    EXPECT_EQ(file[54 + 8], 7);
    EXPECT_EQ(file[54 + 12], 3); // the top row's first pixel
    EXPECT_EQ(file[54 + 14], 1);

    const std::string path = scratch("rgb.bmp");
    ASSERT_TRUE(dib.WriteFile(path));
    std::ifstream written(path, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(written), {}), file);
    std::string error;
    const Dib back = Dib::ReadFile(path, &error);
    ASSERT_FALSE(back.IsNull()) << error;
    EXPECT_EQ(back, dib);
    EXPECT_EQ(back.GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(back.GetPixel(2, 1), RGB(7, 8, 9));
}

TEST(Dib, GreyscaleSheetLayout)
{
    // The 160 x 160 grey picture of the sheet maps: 8 bits, a 256-entry table, 26678 bytes.
    Dib dib = Dib::Create(160, 160, 8);
    for (int i = 0; i < 256; ++i)
        dib.SetColour(i, RgbQuad{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    dib.SetIndex(0, 0, 200);
    const std::vector<std::uint8_t> file = dib.FileBytes();
    EXPECT_EQ(file.size(), 26678u);
    EXPECT_EQ(u32At(file, 10), 1078u);
    EXPECT_EQ(u32At(file, 14), 40u);
    EXPECT_EQ(dib.NumColors(), 256);
    EXPECT_EQ(dib.PaletteSize(), 1024);
    EXPECT_EQ(file[1078 + 159 * 160], 200); // the top row is stored last
}

TEST(Dib, RoundTripsOfBothHeaderKindsAndDepths)
{
    struct Case {
        int bits;
        DibHeader header;
        int height;
    };
    for (const Case c : {Case{8, DibHeader::Info, 3}, Case{8, DibHeader::Core, 3}, Case{24, DibHeader::Info, 3},
                         Case{24, DibHeader::Core, 3}, Case{24, DibHeader::Info, -3}, Case{8, DibHeader::Info, -3},
                         Case{4, DibHeader::Info, 3}, Case{1, DibHeader::Core, 3}, Case{32, DibHeader::Info, 3}}) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << (c.header == DibHeader::Core ? "core" : "info") << ", height " << c.height);
        Dib dib = Dib::Create(5, c.height, c.bits, c.header);
        ASSERT_FALSE(dib.IsNull());
        EXPECT_EQ(dib.HeaderSize(), c.header == DibHeader::Core ? 12 : 40);
        if (c.bits <= 8) {
            dib.SetColour(0, RgbQuad{0, 0, 0, 0});
            dib.SetColour(1, RgbQuad{255, 0, 0, 0}); // blue
            EXPECT_EQ(dib.PaletteSize(), (1 << c.bits) * (c.header == DibHeader::Core ? 3 : 4));
        }
        dib.SetPixel(4, 0, RGB(0, 0, 255));
        dib.SetPixel(0, 2, RGB(0, 0, 255));
        const std::string path = scratch("round.bmp");
        ASSERT_TRUE(dib.WriteFile(path));
        std::string error;
        const Dib back = Dib::ReadFile(path, &error);
        ASSERT_FALSE(back.IsNull()) << error;
        EXPECT_EQ(back.Packed(), dib.Packed());
        EXPECT_EQ(back.Height(), c.height);
        EXPECT_EQ(back.GetPixel(4, 0), RGB(0, 0, 255));
        EXPECT_EQ(back.GetPixel(0, 2), RGB(0, 0, 255));
        EXPECT_EQ(back.GetPixel(1, 1), RGB(0, 0, 0));

        // Drawn at its own size: the top row on top whichever way the rows are stored.
        ImageDc dc(8, 6);
        EXPECT_EQ(dc.SetDIBitsToDevice(1, 1, 5, 3, 0, 0, 0, 3, back, DIB_RGB_COLORS), 3);
        EXPECT_EQ(dc.GetPixel(5, 1), RGB(0, 0, 255));
        EXPECT_EQ(dc.GetPixel(1, 3), RGB(0, 0, 255));
        EXPECT_EQ(dc.GetPixel(2, 2), RGB(0, 0, 0));
        EXPECT_EQ(dc.GetPixel(6, 1), kWhite);
    }
}

TEST(Dib, SetBitsToDeviceCountsSourceRowsFromTheBottomAndStretchScales)
{
    Dib dib = Dib::Create(4, 4, 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            dib.SetPixel(x, y, RGB(x * 60, y * 60, 0));
    ImageDc dc(12, 12);
    // Source rectangle (1, 1) 2 x 2 from the bottom-left: picture rows 1 and 2, columns 1 and 2.
    dc.SetDIBitsToDevice(0, 0, 2, 2, 1, 1, 0, 4, dib, DIB_RGB_COLORS);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(60, 60, 0));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(120, 120, 0));
    // Only the scan lines handed over are drawn: the bottom two.
    ImageDc band(12, 12);
    band.SetDIBitsToDevice(0, 0, 4, 4, 0, 0, 0, 2, dib, DIB_RGB_COLORS);
    EXPECT_EQ(band.GetPixel(0, 1), kWhite);
    EXPECT_EQ(band.GetPixel(0, 2), RGB(0, 120, 0));

    ImageDc big(12, 12);
    big.SetStretchBltMode(COLORONCOLOR);
    EXPECT_EQ(big.StretchDIBits(0, 0, 8, 8, 0, 0, 4, 4, dib, DIB_RGB_COLORS, SRCCOPY), 4);
    EXPECT_EQ(big.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(big.GetPixel(7, 7), RGB(180, 180, 0));
    EXPECT_EQ(big.GetPixel(2, 5), RGB(60, 120, 0));
    EXPECT_EQ(big.GetPixel(8, 8), kWhite);
}

TEST(Dib, BitmapsLoadAsDibSectionsAndWriteBack)
{
    Dib grey = Dib::Create(6, 4, 8);
    for (int i = 0; i < 256; ++i)
        grey.SetColour(i, RgbQuad{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    grey.SetIndex(5, 3, 77);
    const std::string path = scratch("picture.bmp");
    ASSERT_TRUE(grey.WriteFile(path));

    Bitmap picture;
    ASSERT_TRUE(picture.LoadImageFile(path));
    const BitmapInfo info = picture.GetBitmapInfo();
    EXPECT_EQ(info.bmWidth, 6);
    EXPECT_EQ(info.bmHeight, 4);
    EXPECT_EQ(info.bmBitsPixel, 8);

    ImageDc mem(picture);
    EXPECT_EQ(mem.GetPixel(5, 3), RGB(77, 77, 77));
    const Dib back = picture.ToDib(24);
    EXPECT_EQ(back.GetPixel(5, 3), RGB(77, 77, 77));
    const Dib indexed = picture.ToDib(8);
    EXPECT_EQ(indexed.GetPixel(5, 3), RGB(77, 77, 77));
    EXPECT_EQ(indexed.BitCount(), 8);
}

// A picture written straight from its rows is the file its DIB would write, in both depths and
// for widths whose rows need padding.
TEST(Dib, PictureWrittenFromItsRowsIsTheFileOfItsDib)
{
    for (const int width : {5, 6, 7, 8}) {
        ImageDc dc(width, 3, RGB(10, 20, 30));
        dc.SetPixel(0, 0, RGB(255, 0, 0));
        dc.SetPixel(width - 1, 2, RGB(1, 2, 3));
        for (const int bits : {24, 32}) {
            const std::string direct = scratch("direct.bmp");
            const std::string viaDib = scratch("via-dib.bmp");
            ASSERT_TRUE(dc.GetBitmap().WriteDibFile(direct, bits));
            ASSERT_TRUE(dc.GetBitmap().ToDib(bits).WriteFile(viaDib));
            EXPECT_EQ(readFile(direct), readFile(viaDib)) << width << " " << bits;
        }
    }
    EXPECT_FALSE(Bitmap().WriteDibFile(scratch("none.bmp")));
    EXPECT_FALSE(ImageDc(2, 2).GetBitmap().WriteDibFile(scratch("eight.bmp"), 8));
    EXPECT_FALSE(ImageDc(2, 2).GetBitmap().WriteDibFile(scratch("missing-folder") + "/x.bmp"));
}

TEST(Dib, DamagedFilesAreRefused)
{
    Dib good = Dib::Create(4, 3, 8);
    const std::vector<std::uint8_t> file = good.FileBytes();
    const auto put32 = [](std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    };
    struct Damage {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const std::vector<Damage> damages = {
        {"empty", [](auto& b) { b.clear(); }},
        {"file header only", [](auto& b) { b.resize(14); }},
        {"not a bitmap", [](auto& b) { b[0] = 'P'; }},
        {"header cut short", [](auto& b) { b.resize(30); }},
        {"pixels cut short", [](auto& b) { b.pop_back(); }},
        {"colour table cut short", [](auto& b) { b.resize(14 + 40 + 100); }},
        {"unknown header size", [&](auto& b) { put32(b, 14, 7); }},
        {"zero width", [&](auto& b) { put32(b, 18, 0); }},
        {"negative width", [&](auto& b) { put32(b, 18, 0xFFFFFFF0u); }},
        {"huge picture", [&](auto& b) { put32(b, 18, 1u << 30); put32(b, 22, 1u << 30); }},
        {"odd bit count", [](auto& b) { b[28] = 7; }},
        {"two planes", [](auto& b) { b[26] = 2; }},
        {"run-length compressed", [&](auto& b) { put32(b, 30, BI_RLE8); }},
        {"colour table longer than the depth allows", [&](auto& b) { put32(b, 46, 300); }},
        {"pixel offset past the end", [&](auto& b) { put32(b, 10, 100000); }},
    };
    for (const Damage& d : damages) {
        std::vector<std::uint8_t> bytes = file;
        d.apply(bytes);
        std::string error;
        EXPECT_TRUE(Dib::FromFileBytes(bytes, &error).IsNull()) << d.name;
        EXPECT_FALSE(error.empty()) << d.name;
        const std::string path = scratch("damaged.bmp");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.LoadImageFile(path)) << d.name;
    }
    std::string error;
    EXPECT_TRUE(Dib::ReadFile(scratch("missing.bmp"), &error).IsNull());
    EXPECT_FALSE(error.empty());
}

TEST(Dib, PixelsAfterAGapInTheFileAreFound)
{
    Dib dib = Dib::Create(2, 2, 24);
    dib.SetPixel(1, 1, RGB(5, 6, 7));
    std::vector<std::uint8_t> file = dib.FileBytes();
    // Another writer leaves 10 bytes between the header and the pixels.
    file.insert(file.begin() + 54, 10, 0xEE);
    file[10] = 64;
    std::string error;
    const Dib back = Dib::FromFileBytes(file, &error);
    ASSERT_FALSE(back.IsNull()) << error;
    EXPECT_EQ(back, dib);
}

} // namespace
} // namespace vd
