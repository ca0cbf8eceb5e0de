#pragma once
// Device-independent bitmaps: one block holding a header (the 40-byte info header or the 12-byte
// core header), the colour table and the pixel rows, laid out exactly as in a .bmp file after its
// 14-byte file header. Rows are padded to 4 bytes and stored bottom-up unless the height is
// negative. Reading checks every size against the data, so a damaged or truncated file is refused
// with a message instead of being read past its end.
#include "platform/dc/Color.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace vd {

struct RgbQuad {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
    friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

enum class DibHeader { Info, Core };

class Dib {
public:
    Dib() = default;

    // A zero-filled picture. Bit counts 1, 4 and 8 get a colour table of 2^n black entries;
    // 16, 24 and 32 none. A negative height makes a top-down picture (info header only).
    static Dib Create(int width, int height, int bitCount, DibHeader header = DibHeader::Info);
    // The block without the file header, as a .bmp file holds it after its first 14 bytes.
    static Dib FromPacked(std::span<const std::uint8_t> block, std::string* error = nullptr);
    // A whole .bmp file in memory.
    static Dib FromFileBytes(std::span<const std::uint8_t> file, std::string* error = nullptr);
    // A .bmp file at a Linux path.
    static Dib ReadFile(const std::string& path, std::string* error = nullptr);

    // The whole .bmp file: the 14-byte file header, then the block.
    std::vector<std::uint8_t> FileBytes() const;
    bool WriteFile(const std::string& path) const;

    bool IsNull() const { return block_.empty(); }
    int HeaderSize() const;
    bool IsCore() const { return HeaderSize() == 12; }
    int Width() const;
    int Height() const; // as stored: negative for a top-down picture
    int AbsHeight() const { return Height() < 0 ? -Height() : Height(); }
    bool TopDown() const { return Height() < 0; }
    int BitCount() const;
    std::uint32_t Compression() const;
    // Colour-table entries: biClrUsed when set, else 2^bits for 1, 4 and 8 bits, else 0.
    int NumColors() const;
    // Bytes of the colour table: 4 per entry with the info header, 3 with the core header.
    int PaletteSize() const;
    int Stride() const;

    RgbQuad GetColour(int index) const;
    void SetColour(int index, RgbQuad colour);

    const std::uint8_t* Bits() const;
    std::uint8_t* Bits();
    std::size_t BitsSize() const;
    // Row y counted from the top of the picture, whichever way the rows are stored.
    const std::uint8_t* ScanLine(int y) const;
    std::uint8_t* ScanLine(int y);

    // Pixel (x, y) from the top-left corner; indexed pixels resolve through the colour table.
    COLORREF GetPixel(int x, int y) const;
    // Direct colour for 16, 24 and 32 bits; for indexed pictures the colour-table index
    // nearest to the colour.
    void SetPixel(int x, int y, COLORREF colour);
    int GetIndex(int x, int y) const; // indexed pictures only, else -1
    void SetIndex(int x, int y, int index);

    // The block itself: header, colour table (and bit-field masks), pixels.
    const std::vector<std::uint8_t>& Packed() const { return block_; }
    std::vector<std::uint8_t>& Packed() { return block_; }

    friend bool operator==(const Dib&, const Dib&) = default;

private:
    int tableOffset() const;
    int bitsOffset() const;
    std::vector<std::uint8_t> block_;
};

// Writes a .bmp file at a Linux path: `write` gives the stream the file's bytes; they go to a
// temporary file beside the target that then replaces it, so a failed write never leaves half a
// file. False when anything failed.
bool writeBmpFile(const std::string& path, const std::function<void(std::ostream&)>& write);

} // namespace vd
