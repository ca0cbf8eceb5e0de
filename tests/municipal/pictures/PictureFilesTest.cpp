// The picture files of registered points: the JPEG decoding into a DIB (row and colour order),
// and which files the window and the preview read, refuse or leave alone.
#include "municipal/pictures/PictureFiles.h"

#include "PictureTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace picturetest;

namespace {

// Top row red, green, blue; bottom row white, black, a brown.
std::vector<std::uint8_t> SixColours(int x, int y)
{
    static const std::uint8_t kRgb[2][3][3] = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                                               {{255, 255, 255}, {0, 0, 0}, {160, 96, 32}}};
    return {kRgb[y][x][0], kRgb[y][x][1], kRgb[y][x][2]};
}

std::vector<std::uint8_t> Orange(int, int)
{
    return {240, 120, 0};
}

// Orange with a restless blue, so that the picture's data outweighs its tables.
std::vector<std::uint8_t> NoisyOrange(int x, int y)
{
    return {240, 120, static_cast<std::uint8_t>((x * 97 + y * 61 + x * y * 13) % 256)};
}

std::vector<std::uint8_t> MidGrey(int, int)
{
    return {128};
}

std::vector<std::uint8_t> Cyan(int, int)
{
    return {255, 0, 0, 0};
}

void ExpectNear(const std::uint8_t* bgr, int red, int green, int blue, const char* where)
{
    EXPECT_NEAR(bgr[0], blue, 6) << where;
    EXPECT_NEAR(bgr[1], green, 6) << where;
    EXPECT_NEAR(bgr[2], red, 6) << where;
}

} // namespace

TEST(PictureFiles, JpegBecomesBottomUpBgrRowsWithTheFirstDecodedLineLast)
{
    const std::string path = WriteBytes("pict\\six.jpg", MakeJpegBytes(JpegKind::Rgb, 3, 2, SixColours));
    const vd::Dib dib = surrick::LoadJpegDib(path);
    ASSERT_FALSE(dib.IsNull());
    EXPECT_EQ(dib.BitCount(), 24);
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2) << "a positive height: stored bottom-up";
    EXPECT_EQ(dib.Stride(), 12) << "9 bytes of pixels padded to 12";
    ASSERT_EQ(dib.BitsSize(), 24u);
    const std::uint8_t* bits = dib.Bits();
    // Stored row 0 is the picture's bottom row, row 1 (12 bytes on) its top row.
    ExpectNear(bits + 0, 255, 255, 255, "bottom left");
    ExpectNear(bits + 3, 0, 0, 0, "bottom middle");
    ExpectNear(bits + 6, 160, 96, 32, "bottom right");
    ExpectNear(bits + 12, 255, 0, 0, "top left");
    ExpectNear(bits + 15, 0, 255, 0, "top middle");
    ExpectNear(bits + 18, 0, 0, 255, "top right");
}

TEST(PictureFiles, WindowAndPreviewReadWhatTheyCanAndRefuseTheRest)
{
    std::filesystem::create_directories(HomePath("pict"));
    WriteBitmap("pict\\colour.bmp", SolidDib(20, 10, 24, vd::RGB(200, 10, 10)));
    WriteBitmap("pict\\indexed.bmp", SolidDib(20, 10, 8, vd::RGB(10, 200, 10)));
    // The same picture claiming run-length compression, and one claiming no width.
    std::vector<std::uint8_t> rle = SolidDib(20, 10, 8, vd::RGB(10, 200, 10)).FileBytes();
    rle[30] = 1; // BI_RLE8
    WriteBytes("pict\\rle.bmp", std::string(rle.begin(), rle.end()));
    std::vector<std::uint8_t> narrow = SolidDib(20, 10, 24, vd::RGB(1, 2, 3)).FileBytes();
    narrow[18] = narrow[19] = 0;
    WriteBytes("pict\\narrow.bmp", std::string(narrow.begin(), narrow.end()));
    const std::string jpeg = MakeJpegBytes(JpegKind::Rgb, 20, 10, Orange);
    WriteBytes("pict\\PHOTO.JPG", jpeg);
    WriteBytes("pict\\grey.jpg", MakeJpegBytes(JpegKind::Grey, 20, 10, MidGrey));
    WriteBytes("pict\\cmyk.jpg", MakeJpegBytes(JpegKind::Cmyk, 20, 10, Cyan));
    WriteBytes("pict\\damaged.jpg", "\xFF\xD8\xFF\xE0 not a picture at all");
    // Cut halfway through the picture's data.
    const std::string noisy = MakeJpegBytes(JpegKind::Rgb, 20, 10, NoisyOrange);
    const std::size_t scan = noisy.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    WriteBytes("pict\\cut.jpg", noisy.substr(0, scan + (noisy.size() - scan) / 2));
    // A bitmap under a name the preview does not show.
    WriteBitmap("pict\\picture.gif", SolidDib(20, 10, 24, vd::RGB(200, 10, 10)));

    struct Case {
        const char* name;
        bool window; // the picture window shows it
        bool preview;
        int bitCount;
    };
    const Case cases[] = {
        {"colour.bmp", true, true, 24}, {"indexed.bmp", true, true, 8}, {"rle.bmp", false, false, 0},
        {"narrow.bmp", false, false, 0}, {"PHOTO.JPG", true, true, 24}, {"grey.jpg", true, true, 24},
        {"cmyk.jpg", false, false, 0},  {"damaged.jpg", false, false, 0}, {"cut.jpg", true, true, 24},
        {"missing.jpg", false, false, 0}, {"picture.gif", true, false, 24},
    };
    for (const Case& c : cases) {
        const std::string path = HomeWin(std::string("pict\\") + c.name);
        const vd::Dib window = surrick::LoadPointPicture(path);
        const vd::Dib preview = surrick::LoadPreviewPicture(path);
        EXPECT_EQ(!window.IsNull(), c.window) << c.name;
        EXPECT_EQ(!preview.IsNull(), c.preview) << c.name;
        if (!window.IsNull()) {
            EXPECT_EQ(window.Width(), 20) << c.name;
            EXPECT_EQ(window.AbsHeight(), 10) << c.name;
            EXPECT_EQ(window.BitCount(), c.bitCount) << c.name;
        }
    }

    // A greyscale picture comes out grey; the rows a cut file has are shown from the top.
    const vd::COLORREF grey = surrick::LoadPointPicture(HomeWin("pict\\grey.jpg")).GetPixel(10, 5);
    EXPECT_NEAR(vd::GetRValue(grey), 128, 3);
    EXPECT_EQ(vd::GetRValue(grey), vd::GetGValue(grey));
    EXPECT_EQ(vd::GetGValue(grey), vd::GetBValue(grey));
    const vd::COLORREF top = surrick::LoadPointPicture(HomeWin("pict\\cut.jpg")).GetPixel(10, 0);
    EXPECT_NEAR(vd::GetRValue(top), 240, 6);
    EXPECT_NEAR(vd::GetGValue(top), 120, 6);
}
