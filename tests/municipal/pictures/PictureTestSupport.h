#pragma once
// What the picture tests share: the built Surrick in place of "SURRICK.DLL", its module, and
// picture files made in the test's application folder (bitmaps through vd::Dib, JPEG files
// through libjpeg's compressor).
#include "municipal/SurrickModule.h"
#include "platform/dc/Dib.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "tests/graphics/JpegFixtures.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

namespace picturetest {

template <class Fn>
Fn* EntryPoint(const char* name)
{
    vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so");
    return vd::entryPoint<Fn>("SURRICK.DLL", name);
}

// The Linux path and the Windows form of a file in the application folder ("pict\\a.bmp").
inline std::filesystem::path HomePath(std::string name)
{
    vd::applicationFolder();
    std::replace(name.begin(), name.end(), '\\', '/');
    return vd::applicationFolderPath() / name;
}
inline std::string HomeWin(const std::string& name)
{
    return vd::applicationFolder() + name;
}

inline vd::RgbQuad Quad(vd::COLORREF c)
{
    return {std::uint8_t(vd::GetBValue(c)), std::uint8_t(vd::GetGValue(c)), std::uint8_t(vd::GetRValue(c)), 0};
}

// A picture of one colour, or of two: the left `leftColumns` columns in `left`.
inline vd::Dib SolidDib(int width, int height, int bitCount, vd::COLORREF colour, int leftColumns = 0,
                        vd::COLORREF left = 0)
{
    vd::Dib dib = vd::Dib::Create(width, height, bitCount);
    if (bitCount == 8) {
        dib.SetColour(0, Quad(colour));
        dib.SetColour(1, Quad(left));
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            dib.SetPixel(x, y, x < leftColumns ? left : colour);
    return dib;
}

// Writes the bitmap into the application folder and gives its Windows-form path.
inline std::string WriteBitmap(const std::string& name, const vd::Dib& dib)
{
    dib.WriteFile(HomePath(name).string());
    return HomeWin(name);
}

inline std::string WriteBytes(const std::string& name, const std::string& bytes)
{
    WriteFile(HomePath(name), bytes);
    return HomeWin(name);
}

} // namespace picturetest
