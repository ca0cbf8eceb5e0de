#pragma once
// The surface themes as the program draws them on the white map over the single mesh 5339 (whose
// Msh_prft.dat line names prefecture 13): the input is every per-prefecture file of the themes
// (stems of 7, 8 and 9 characters) and the whole-country file.
#include "contracts/pelmora.h"
#include "fuzz/targets/LayerFuzzFolder.h"
#include "platform/dc/RecordingDc.h"

#include <initializer_list>

namespace surface_fuzz {

// The whole country (flag 0), or prefecture 13 alone.
inline std::string PrefectureFlags(int only)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == only ? "1|" : "0|";
    return flags;
}

inline void WriteInput(const uint8_t* data, size_t size)
{
    static const bool ready = (layer_fuzz::WriteText("Msh_prft.dat", "5339=13\r\n"), true);
    (void)ready;
    for (const char* name : {"SURFACE13.txt", "SURFACE013.txt", "SURFACE0113.txt", "whole.txt"})
        layer_fuzz::WriteFile(name, data, size);
}

// The first byte chooses filling, names, the block (1 or 9 cells) and a prefecture selection.
inline void Draw(const uint8_t* data, size_t size, std::initializer_list<int> selectors,
                 std::initializer_list<int> countryThemes)
{
    WriteInput(data, size);
    const int choice = size > 0 ? data[0] : 0;
    const int fill = choice & 1;
    const int names = (choice >> 1) & 1;
    const int block = (choice & 4) != 0 ? 9 : 1;
    const std::string flags = PrefectureFlags((choice & 8) != 0 ? 13 : 0);
    const std::string folder = layer_fuzz::WindowsFolder();
    for (int selector : selectors) {
        vd::RecordingDc dc;
        OnDdSurfaceWhite(&dc, selector, 7, 0, 0, block, 5339, 0, 0, 0, 1, names, fill, 700, 0, 0, 0.3f, 0.3f, flags,
                         "5339", "面", "", folder + "(SURFACE01-xx.txt)", folder);
    }
    for (int theme : countryThemes) {
        vd::RecordingDc dc;
        OnDdSurfaceWhole(&dc, 7, block, theme, 0, 0, 0, 0, 0, 1, names, fill, 700, 0.0f, 0.0f, 0.3f, 0.3f, flags,
                         "5339", "面", "", folder + "whole.txt", folder);
    }
}

} // namespace surface_fuzz
