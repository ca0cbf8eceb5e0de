#pragma once
// What the colour-set, legend and map-type tests share: a PALETTE\ folder of sets and the colour
// a swatch button shows.
#include "DialogTestSupport.h"

#include "platform/dc/Color.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"

namespace dialogtest {

inline std::string ClassLine(int metres, int r, int g, int b, const std::string& label)
{
    return vd::format("%4d %3d %3d %3d", metres, r, g, b) + label;
}

// A set of the sea, 0 m, 200 m, 1,000 m and 4,000 m (the 100 m and 500 m classes left out).
inline std::vector<std::string> SparseSet(const std::string& name, int shade)
{
    return {";" + name + "  Z:\\x  ", ClassLine(0, 0, 0, 200 + shade, "    青（海域）  1:15"),
            ClassLine(1, 10, 100 + shade, 10, "         0m"), ClassLine(200, 130, 160, 30, "       200m"),
            ClassLine(1000, 200, 100, 60, "     1,000m"), ClassLine(4000, 255, 255, 255, "     4,000m")};
}

inline void WritePalette(const std::string& file, const std::vector<std::string>& lines)
{
    WriteHomeFile("PALETTE/" + file, Cp932Lines(lines));
}

inline std::string PaletteFolder()
{
    return HomeWin() + "PALETTE\\";
}

// The colour a swatch button shows inside its outline, and at a point of it.
inline std::uint32_t ShownAt(vd::DialogDriver& d, int id, int x, int y)
{
    const vd::Bitmap shown = vd::captureWindow(d.control(id));
    vd::ImageDc dc(shown);
    return dc.GetPixel(x, y);
}
inline std::uint32_t Swatch(vd::DialogDriver& d, int id)
{
    return ShownAt(d, id, 20, 8);
}

} // namespace dialogtest
