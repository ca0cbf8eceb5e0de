#include "ViewTestSupport.h"

#include "graphics/HillShading.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace doctest;

constexpr int N = kGreyscaleSheetSize;

// A synthetic sheet: sea in the south-west corner, a ridge with steep faces on both sides.
GreyscaleGrid SyntheticSheet()
{
    GreyscaleGrid z{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            int level = 0;
            if (x + y >= 40)
                level = std::min(255, (x * 7 + y * 3) % 200 + ((x / 20) % 2) * 55 + 1);
            z[std::size_t(y * N + x)] = std::uint8_t(level);
        }
    return z;
}

int Z(const GreyscaleGrid& z, int x, int y) { return z[std::size_t(y * N + x)]; }

// The shading as written down for the program, step by step.
int ExpectedPixel(const GreyscaleGrid& z, int x, int y, float scale, float e, const std::string& style)
{
    const int t = Z(z, x, y);
    if (t == 0)
        return 0;
    const float p = e * 11.25f;
    const float q = p / scale;
    int u = 0;
    if (x < N - 1 && y < N - 1) {
        const int dx = Z(z, x + 1, y) - Z(z, x, y);
        const int dy = Z(z, x + 1, y + 1) - Z(z, x + 1, y);
        const double A = -15.0 * p * dy;
        const double B = -15.0 * q * dx;
        u = int(std::trunc(64 * (A - B) / (std::sqrt(2.0) * std::sqrt(A * A + B * B + double(p * q) * double(p * q)))));
    }
    const int v = int(std::floor(2.0 * t / 3));
    int result;
    if (style == "ﾓﾉｸﾛｰﾑ") {
        int w = int(std::trunc(3.0 * u / 2));
        if (w > 0 && w > v)
            w = v;
        result = t - w;
    } else {
        const int f = style == "地図帳(高度帯)" ? 1 : -1;
        if (u > 0 && u > v)
            u = v;
        if (t > 40) {
            result = t - u;
            if (result < 34)
                result = 34;
        } else {
            if (u < 0 && u < -v)
                u = -v;
            result = t - f * u;
        }
    }
    return std::clamp(result, 1, 255);
}

std::string SheetFile(const GreyscaleGrid& z)
{
    std::string bytes = "BM";
    auto le32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes += char((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [&](std::uint16_t v) {
        bytes += char(v & 0xFF);
        bytes += char(v >> 8);
    };
    le32(54 + 1024 + N * N);
    le32(0);
    le32(54 + 1024);
    le32(40);
    le32(N);
    le32(N);
    le16(1);
    le16(8);
    le32(0);
    le32(N * N);
    le32(0);
    le32(0);
    le32(256);
    le32(256);
    for (int i = 0; i < 256; ++i) {
        bytes += char(i);
        bytes += char(i);
        bytes += char(i);
        bytes += char(0x5A); // not written back
    }
    bytes.append(reinterpret_cast<const char*>(z.data()), z.size());
    return bytes;
}

TEST(HillShading, TheLightValue)
{
    GreyscaleGrid flat;
    flat.fill(50);
    EXPECT_EQ(HillShadeValue(flat, 10, 10, 300, 200), 0);
    GreyscaleGrid z{};
    // One grey step up to the east, none to the north: the light from the west side meets the slope's back.
    z[std::size_t(10 * N + 11)] = 1;
    z[std::size_t(11 * N + 11)] = 1;
    const double p = 300, q = 200, B = -15.0 * q * 1;
    EXPECT_EQ(HillShadeValue(z, 10, 10, p, q), int(std::trunc(64 * -B / (std::sqrt(2.0) * std::sqrt(B * B + p * q * p * q)))));
    EXPECT_EQ(HillShadeValue(z, N - 1, 3, p, q), 0);
    EXPECT_EQ(HillShadeValue(z, 3, N - 1, p, q), 0);
    EXPECT_EQ(HillShadeValue(z, 3, 3, 0, 0), 0) << "no pixel size: unlit, not undefined";
}

TEST(HillShading, EveryStyleFollowsTheFormula)
{
    const GreyscaleGrid source = SyntheticSheet();
    for (const std::string style : {"", "ﾓﾉｸﾛｰﾑ", "地図帳(高度帯)"}) {
        GreyscaleGrid z = source;
        ShadeGreyscaleSheet(z, 1.2f, 25.2795f, style);
        int changed = 0;
        for (int y = 0; y < N; ++y)
            for (int x = 0; x < N; ++x) {
                ASSERT_EQ(Z(z, x, y), ExpectedPixel(source, x, y, 1.2f, 25.2795f, style))
                    << style << " at " << x << "," << y;
                changed += Z(z, x, y) != Z(source, x, y);
                if (Z(source, x, y) == 0) {
                    ASSERT_EQ(Z(z, x, y), 0);
                }
                if (Z(source, x, y) > 40 && style != "ﾓﾉｸﾛｰﾑ") {
                    ASSERT_GE(Z(z, x, y), 34) << style << " at " << x << "," << y;
                }
            }
        EXPECT_GT(changed, 1000) << style;
    }
}

TEST(HillShading, ASheetsLatitudeComesFromItsMeshCode)
{
    EXPECT_EQ(SheetLatitudeText("5339"), "35.0000");
    EXPECT_EQ(SheetLatitudeText("5238"), "34.0000");
    EXPECT_EQ(SheetLatitudeText("6441"), "42.0000");
    EXPECT_EQ(SheetLatitudeText("3622"), "24.0000");
}

TEST(HillShading, MakeReliefBitmapWritesTheShadedSheet)
{
    auto doc = viewtest::MakeDocument();
    const GreyscaleGrid source = SyntheticSheet();
    const std::string file = SheetFile(source);
    WriteBytes(Home() / "MAPFGRS" / "5339.bmp", file);
    doc->colours.m_strReliefStyle = "地図帳(高度帯)";
    ASSERT_EQ(doc->MakeReliefBitmap("5339", 1.5f, 25.2795f), 1);
    EXPECT_EQ(doc->m_strEntryParam, doc->folders.m_strMapFigureDir + "relief.bmp");
    const std::string written = ReadBytes(Home() / "MAPFGRS" / "relief.bmp");
    ASSERT_EQ(written.size(), file.size());
    EXPECT_EQ(written.substr(0, 54), file.substr(0, 54));
    EXPECT_EQ(std::string(doc->m_abyBmpHeader.begin(), doc->m_abyBmpHeader.end()), file.substr(0, 54));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(written.substr(54 + 4 * i, 4), std::string({char(i), char(i), char(i), '\0'}));
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            ASSERT_EQ(std::uint8_t(written[std::size_t(54 + 1024 + y * N + x)]),
                      ExpectedPixel(source, x, y, 1.5f, 25.2795f, "地図帳(高度帯)"));
    EXPECT_EQ(ReadBytes(Home() / "MAPFGRS" / "5339.bmp"), file) << "the source is never changed";
}

TEST(HillShading, AMissingOrDamagedSheetMakesNothing)
{
    auto doc = viewtest::MakeDocument();
    EXPECT_EQ(doc->MakeReliefBitmap("5339", 1.5f, 25.0f), -1);
    EXPECT_EQ(doc->m_strEntryParam, doc->folders.m_strMapFigureDir + "relief.bmp");
    std::string file = SheetFile(SyntheticSheet());
    WriteBytes(Home() / "MAPFGRS" / "short.bmp", file.substr(0, 5000));
    std::string wide = file;
    wide[18] = char(200);
    WriteBytes(Home() / "MAPFGRS" / "wide.bmp", wide);
    WriteBytes(Home() / "MAPFGRS" / "text.bmp", std::string(file.size(), 'x'));
    for (const char* name : {"short", "wide", "text"})
        EXPECT_EQ(doc->MakeReliefBitmap(name, 1.5f, 25.0f), -1) << name;
    EXPECT_FALSE(fs::exists(Home() / "MAPFGRS" / "relief.bmp"));
}

} // namespace
