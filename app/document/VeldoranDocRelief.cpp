// The hill-shaded sheet: MAPFGRS\relief.bmp made from a greyscale sheet bitmap.
#include "app/document/VeldoranDoc.h"

#include "graphics/HillShading.h"
#include "platform/fs/BinaryReader.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/LittleEndian.h"

#include <algorithm>

namespace {

constexpr std::size_t kHeaderBytes = 54;
constexpr std::size_t kTableBytes = 256 * 4;
constexpr std::size_t kPixelBytes = std::size_t(kGreyscaleSheetSize) * kGreyscaleSheetSize;

// The greyscale sheet layout: "BM", an info header of 160 x 160 8-bit pixels, 256 colours and
// the rows straight after them. Anything else is not read, so a damaged file shades nothing.
bool isGreyscaleSheetHeader(const std::string& header)
{
    if (header.size() != kHeaderBytes || header[0] != 'B' || header[1] != 'M')
        return false;
    const auto height = vd::int32At(header, 22).value_or(0);
    return vd::int32At(header, 14) == 40 && vd::int32At(header, 18) == kGreyscaleSheetSize &&
           (height == kGreyscaleSheetSize || height == -kGreyscaleSheetSize) && vd::int16At(header, 28) == 8;
}

} // namespace

int CVeldoranDoc::MakeReliefBitmap(SheetDrawState& draw, const std::string& name, float scale,
                                   float metresPerSecondEw) const
{
    const std::string source = folders.m_strMapFigureDir + name + ".bmp";
    const std::string target = folders.m_strMapFigureDir + "relief.bmp";
    draw.m_strEntryParam = target;

    vd::BinaryReader in;
    if (!in.open(source))
        return -1;
    std::string header, table, pixels;
    if (!in.readRecord(kHeaderBytes, header) || !isGreyscaleSheetHeader(header) ||
        !in.readRecord(kTableBytes, table) || !in.readRecord(kPixelBytes, pixels))
        return -1;
    in.close();
    std::copy(header.begin(), header.end(), draw.m_abyBmpHeader.begin());

    GreyscaleGrid grid;
    std::copy(pixels.begin(), pixels.end(), grid.begin());
    ShadeGreyscaleSheet(grid, scale, metresPerSecondEw, colours.m_strReliefStyle);

    // The colour table is written back with its fourth bytes cleared.
    for (std::size_t i = 3; i < table.size(); i += 4)
        table[i] = 0;
    vd::BinaryWriter out;
    if (!out.open(target, vd::WriteMode::Replace))
        return -1;
    out.writeBytes(header);
    out.writeBytes(table);
    out.writeBytes(std::string_view(reinterpret_cast<const char*>(grid.data()), grid.size()));
    return out.close() ? 1 : -1;
}
