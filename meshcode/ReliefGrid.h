#pragma once
// TEMP\RELIEF.DAT of the data folder: one byte per grid point over the drawn first-level blocks,
// rows from the south, R bytes each from the west; a byte's units digit is the relief level 0-9.
// The mesh relief forms and the seismic layers shade their cells by it. A missing, short or
// damaged file and a block without a grid shade nothing: every point reads level 0.
#include "meshcode/MeshRecordPosition.h"
#include "meshcode/WideAreaBlock.h"
#include "platform/dc/Color.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshcode {

inline constexpr char kReliefFileName[] = "TEMP\\RELIEF.DAT";

// Grid rows per arc-second of latitude d/e, columns per arc-second of longitude f/b, sub-cells
// per cell edge n and the bytes the grid holds G (0: the block has no grid).
struct ReliefGridSpec {
    int rowNumerator = 1;
    int rowDenominator = 1;
    int columnNumerator = 1;
    int columnDenominator = 1;
    int subCells = 6;
    int byteCount = 0;
};
ReliefGridSpec ReliefGridOf(const WideAreaBlock& block);

class ReliefByteGrid {
public:
    // Reads at most spec.byteCount bytes of the file (a Windows path).
    void Read(const std::string& winPath, const ReliefGridSpec& spec);
    // The block's origin and row length (CellGridOrigin); a row length of 0 disables the grid.
    void SetOrigin(const GridOrigin& origin) { origin_ = origin; }
    // The level of the grid point at a corner; 0 outside the bytes read.
    int Level(int latitude, int longitude) const;
    const ReliefGridSpec& Spec() const { return spec_; }

private:
    ReliefGridSpec spec_;
    GridOrigin origin_;
    std::vector<std::uint8_t> bytes_;
};

inline constexpr int kReliefLevels = 10;

// A colour darkened to a relief level: each channel less i x (i + 3), below 0 becoming 5.
vd::COLORREF ReliefShade(vd::COLORREF base, int level);

// The ten shades of each class colour.
template <std::size_t Classes>
class ReliefShadeTable {
public:
    explicit ReliefShadeTable(const std::array<vd::COLORREF, Classes>& classColours)
    {
        for (std::size_t k = 0; k < Classes; ++k)
            for (int i = 0; i < kReliefLevels; ++i)
                shades_[k][std::size_t(i)] = ReliefShade(classColours[k], i);
    }
    vd::COLORREF At(std::size_t cls, int level) const { return shades_[cls][std::size_t(level)]; }

private:
    std::array<std::array<vd::COLORREF, kReliefLevels>, Classes> shades_{};
};

} // namespace meshcode
