#include "platform/dc/Dib.h"

#include "platform/dc/GdiConstants.h"
#include "platform/fs/RegularFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {
namespace {

constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28; // beyond any picture the system shows
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t(1) << 31;

std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
void put16(std::uint8_t* p, std::uint32_t v) { p[0] = std::uint8_t(v); p[1] = std::uint8_t(v >> 8); }
void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

bool fail(std::string* error, const char* message)
{
    if (error)
        *error = message;
    return false;
}

struct Layout {
    int header = 0;
    int width = 0;
    int height = 0;
    int bits = 0;
    std::uint32_t compression = BI_RGB;
    int colours = 0;
    int tableOffset = 0;
    int bitsOffset = 0;
    int stride = 0;
    std::int64_t imageBytes = 0;
};

int strideOf(int width, int bits) { return int(((std::int64_t(width) * bits + 31) / 32) * 4); }

// Reads and checks the header at the start of a block; the pixel data is checked by the caller.
bool parseLayout(std::span<const std::uint8_t> b, Layout& l, std::string* error)
{
    if (b.size() < 12)
        return fail(error, "the bitmap header is truncated");
    const std::uint32_t header = u32(b.data());
    int planes = 0;
    std::uint32_t used = 0;
    if (header == 12) {
        l.width = u16(b.data() + 4);
        l.height = u16(b.data() + 6);
        planes = u16(b.data() + 8);
        l.bits = u16(b.data() + 10);
    } else if (header == 40 || header == 52 || header == 56 || header == 108 || header == 124) {
        if (b.size() < header)
            return fail(error, "the bitmap header is truncated");
        l.width = std::int32_t(u32(b.data() + 4));
        l.height = std::int32_t(u32(b.data() + 8));
        planes = u16(b.data() + 12);
        l.bits = u16(b.data() + 14);
        l.compression = u32(b.data() + 16);
        used = u32(b.data() + 32);
    } else {
        return fail(error, "the bitmap header is of an unknown kind");
    }
    l.header = int(header);
    if (planes != 1)
        return fail(error, "the bitmap has more than one plane");
    const int bits = l.bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fail(error, "the bitmap has an unsupported number of bits per pixel");
    if (header == 12 && (bits == 16 || bits == 32))
        return fail(error, "the bitmap has an unsupported number of bits per pixel");
    if (l.compression == BI_RLE8 || l.compression == BI_RLE4)
        return fail(error, "run-length compressed bitmaps are not supported");
    if (l.compression != BI_RGB && !(l.compression == BI_BITFIELDS && (bits == 16 || bits == 32)))
        return fail(error, "the bitmap's compression is not supported");
    if (l.width <= 0 || l.height == 0 || l.height == INT32_MIN)
        return fail(error, "the bitmap has no pixels");
    const std::int64_t rows = l.height < 0 ? -std::int64_t(l.height) : l.height;
    if (std::int64_t(l.width) * rows > kMaxPixels)
        return fail(error, "the bitmap is too large");
    if (bits <= 8) {
        if (used > (1u << bits))
            return fail(error, "the bitmap's colour table is too long");
        l.colours = used ? int(used) : (1 << bits);
    } else {
        if (used > 256)
            return fail(error, "the bitmap's colour table is too long");
        l.colours = int(used);
    }
    l.tableOffset = l.header + ((l.compression == BI_BITFIELDS && l.header == 40) ? 12 : 0);
    l.bitsOffset = l.tableOffset + l.colours * (l.header == 12 ? 3 : 4);
    l.stride = strideOf(l.width, bits);
    l.imageBytes = std::int64_t(l.stride) * rows;
    return true;
}

struct Channel {
    std::uint32_t mask;
    int shift;
    std::uint32_t max;
};

Channel channelOf(std::uint32_t mask)
{
    Channel c{mask, 0, 0};
    if (!mask)
        return c;
    while (!((mask >> c.shift) & 1u))
        ++c.shift;
    c.max = mask >> c.shift;
    return c;
}

int readChannel(std::uint32_t px, const Channel& c)
{
    return c.max ? int(((px & c.mask) >> c.shift) * 255u / c.max) : 0;
}

std::uint32_t writeChannel(int v, const Channel& c) { return c.max ? ((std::uint32_t(v) * c.max + 127) / 255) << c.shift : 0; }

} // namespace

Dib Dib::Create(int width, int height, int bitCount, DibHeader header)
{
    if (width <= 0 || height == 0)
        return Dib();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return Dib();
    const bool core = header == DibHeader::Core;
    if (core && (height < 0 || width > 0xFFFF || height > 0xFFFF || bitCount == 16 || bitCount == 32))
        return Dib();
    const std::int64_t rows = height < 0 ? -std::int64_t(height) : height;
    if (std::int64_t(width) * rows > kMaxPixels)
        return Dib();
    const int headerSize = core ? 12 : 40;
    const int colours = bitCount <= 8 ? (1 << bitCount) : 0;
    const int stride = strideOf(width, bitCount);
    Dib dib;
    dib.block_.assign(std::size_t(headerSize + colours * (core ? 3 : 4) + stride * rows), 0);
    std::uint8_t* p = dib.block_.data();
    put32(p, std::uint32_t(headerSize));
    if (core) {
        put16(p + 4, std::uint32_t(width));
        put16(p + 6, std::uint32_t(height));
        put16(p + 8, 1);
        put16(p + 10, std::uint32_t(bitCount));
    } else {
        put32(p + 4, std::uint32_t(width));
        put32(p + 8, std::uint32_t(height));
        put16(p + 12, 1);
        put16(p + 14, std::uint32_t(bitCount));
        put32(p + 20, std::uint32_t(stride * rows));
    }
    return dib;
}

Dib Dib::FromPacked(std::span<const std::uint8_t> block, std::string* error)
{
    Layout l;
    if (!parseLayout(block, l, error))
        return Dib();
    if (std::int64_t(block.size()) < l.bitsOffset + l.imageBytes) {
        fail(error, "the bitmap's pixel data is truncated");
        return Dib();
    }
    Dib dib;
    dib.block_.assign(block.begin(), block.begin() + std::ptrdiff_t(l.bitsOffset + l.imageBytes));
    return dib;
}

Dib Dib::FromFileBytes(std::span<const std::uint8_t> file, std::string* error)
{
    if (file.size() < 14) {
        fail(error, "the file is too short for a bitmap");
        return Dib();
    }
    if (file[0] != 'B' || file[1] != 'M') {
        fail(error, "the file is not a bitmap");
        return Dib();
    }
    const std::span<const std::uint8_t> block = file.subspan(14);
    Layout l;
    if (!parseLayout(block, l, error))
        return Dib();
    // The pixels start where the file header says; writers may leave a gap after the table.
    const std::uint32_t offBits = u32(file.data() + 10);
    const std::int64_t contiguous = 14 + std::int64_t(l.bitsOffset);
    if (offBits == contiguous || offBits == 0 || std::int64_t(offBits) < contiguous)
        return FromPacked(block, error);
    if (std::int64_t(file.size()) < std::int64_t(offBits) + l.imageBytes) {
        fail(error, "the bitmap's pixel data is truncated");
        return Dib();
    }
    std::vector<std::uint8_t> joined(block.begin(), block.begin() + l.bitsOffset);
    joined.insert(joined.end(), file.begin() + offBits, file.begin() + std::ptrdiff_t(offBits + l.imageBytes));
    return FromPacked(joined, error);
}

Dib Dib::ReadFile(const std::string& path, std::string* error)
{
    // Only a regular file: a FIFO or a device in the bitmap's place must not hold the program.
    const int fd = openRegularFile(path, O_RDONLY);
    if (fd < 0) {
        fail(error, "the bitmap file cannot be opened");
        return Dib();
    }
    struct stat status{};
    const bool sized = fstat(fd, &status) == 0;
    if (sized && std::uintmax_t(status.st_size) > kMaxFileBytes) {
        ::close(fd);
        fail(error, "the bitmap file is too large");
        return Dib();
    }
    std::vector<std::uint8_t> bytes(sized ? std::size_t(status.st_size) : 0);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n > 0)
            got += std::size_t(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(fd);
    bytes.resize(got);
    return FromFileBytes(bytes, error);
}

namespace {

// The 14 bytes a bitmap file puts before the block.
std::array<std::uint8_t, 14> fileHeaderFor(std::size_t blockSize, int bitsOffset)
{
    std::array<std::uint8_t, 14> header{'B', 'M'};
    put32(header.data() + 2, std::uint32_t(header.size() + blockSize));
    put32(header.data() + 10, std::uint32_t(header.size() + bitsOffset));
    return header;
}

} // namespace

std::vector<std::uint8_t> Dib::FileBytes() const
{
    if (block_.empty())
        return {};
    const auto header = fileHeaderFor(block_.size(), bitsOffset());
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), block_.begin(), block_.end());
    return out;
}

bool Dib::WriteFile(const std::string& path) const
{
    if (block_.empty())
        return false;
    // The file header, then the block as it stands: no copy of a picture of some megabytes.
    const auto fileHeader = fileHeaderFor(block_.size(), bitsOffset());
    return writeBmpFile(path, [&](std::ostream& out) {
        out.write(reinterpret_cast<const char*>(fileHeader.data()), std::streamsize(fileHeader.size()));
        out.write(reinterpret_cast<const char*>(block_.data()), std::streamsize(block_.size()));
    });
}

bool writeBmpFile(const std::string& path, const std::function<void(std::ostream&)>& write)
{
    const std::string temporary = path + ".tmp-write";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        write(out);
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

int Dib::HeaderSize() const { return block_.size() >= 4 ? int(u32(block_.data())) : 0; }

int Dib::Width() const
{
    if (block_.empty())
        return 0;
    return IsCore() ? u16(block_.data() + 4) : std::int32_t(u32(block_.data() + 4));
}

int Dib::Height() const
{
    if (block_.empty())
        return 0;
    return IsCore() ? u16(block_.data() + 6) : std::int32_t(u32(block_.data() + 8));
}

int Dib::BitCount() const
{
    if (block_.empty())
        return 0;
    return IsCore() ? u16(block_.data() + 10) : u16(block_.data() + 14);
}

std::uint32_t Dib::Compression() const { return block_.empty() || IsCore() ? BI_RGB : u32(block_.data() + 16); }

int Dib::NumColors() const
{
    if (block_.empty())
        return 0;
    if (!IsCore()) {
        const std::uint32_t used = u32(block_.data() + 32);
        if (used)
            return int(used);
    }
    switch (BitCount()) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

int Dib::PaletteSize() const { return NumColors() * (IsCore() ? 3 : 4); }
int Dib::Stride() const { return strideOf(Width(), BitCount()); }

int Dib::tableOffset() const { return HeaderSize() + ((Compression() == BI_BITFIELDS && HeaderSize() == 40) ? 12 : 0); }
int Dib::bitsOffset() const { return tableOffset() + PaletteSize(); }

RgbQuad Dib::GetColour(int index) const
{
    if (index < 0 || index >= NumColors())
        return {};
    const std::uint8_t* p = block_.data() + tableOffset() + index * (IsCore() ? 3 : 4);
    return {p[0], p[1], p[2], IsCore() ? std::uint8_t(0) : p[3]};
}

void Dib::SetColour(int index, RgbQuad colour)
{
    if (index < 0 || index >= NumColors())
        return;
    std::uint8_t* p = block_.data() + tableOffset() + index * (IsCore() ? 3 : 4);
    p[0] = colour.rgbBlue;
    p[1] = colour.rgbGreen;
    p[2] = colour.rgbRed;
    if (!IsCore())
        p[3] = colour.rgbReserved;
}

const std::uint8_t* Dib::Bits() const { return block_.empty() ? nullptr : block_.data() + bitsOffset(); }
std::uint8_t* Dib::Bits() { return block_.empty() ? nullptr : block_.data() + bitsOffset(); }
std::size_t Dib::BitsSize() const { return block_.empty() ? 0 : block_.size() - std::size_t(bitsOffset()); }

const std::uint8_t* Dib::ScanLine(int y) const
{
    if (block_.empty() || y < 0 || y >= AbsHeight())
        return nullptr;
    const int stored = TopDown() ? y : AbsHeight() - 1 - y;
    return Bits() + std::size_t(stored) * std::size_t(Stride());
}

std::uint8_t* Dib::ScanLine(int y) { return const_cast<std::uint8_t*>(static_cast<const Dib*>(this)->ScanLine(y)); }

int Dib::GetIndex(int x, int y) const
{
    const std::uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= Width())
        return -1;
    switch (BitCount()) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    case 8: return row[x];
    default: return -1;
    }
}

void Dib::SetIndex(int x, int y, int index)
{
    std::uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= Width())
        return;
    switch (BitCount()) {
    case 1: {
        const int bit = 7 - (x & 7);
        row[x >> 3] = std::uint8_t((row[x >> 3] & ~(1 << bit)) | ((index & 1) << bit));
        break;
    }
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = std::uint8_t((row[x >> 1] & ~(15 << shift)) | ((index & 15) << shift));
        break;
    }
    case 8: row[x] = std::uint8_t(index); break;
    default: break;
    }
}

namespace {

// The channel masks of 16- and 32-bit pixels: the header's bit fields, else 5-5-5 and 8-8-8.
void masksOf(const Dib& dib, Channel& r, Channel& g, Channel& b)
{
    const std::uint8_t* p = dib.Packed().data();
    if (dib.Compression() == BI_BITFIELDS) {
        r = channelOf(u32(p + 40));
        g = channelOf(u32(p + 44));
        b = channelOf(u32(p + 48));
    } else if (dib.BitCount() == 16) {
        r = channelOf(0x7C00);
        g = channelOf(0x03E0);
        b = channelOf(0x001F);
    } else {
        r = channelOf(0xFF0000);
        g = channelOf(0x00FF00);
        b = channelOf(0x0000FF);
    }
}

} // namespace

COLORREF Dib::GetPixel(int x, int y) const
{
    const std::uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= Width())
        return CLR_INVALID;
    const int bits = BitCount();
    if (bits <= 8) {
        const RgbQuad q = GetColour(GetIndex(x, y));
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    if (bits == 24) {
        const std::uint8_t* px = row + 3 * x;
        return RGB(px[2], px[1], px[0]);
    }
    Channel r, g, b;
    masksOf(*this, r, g, b);
    const std::uint32_t px = bits == 16 ? u16(row + 2 * x) : u32(row + 4 * x);
    return RGB(readChannel(px, r), readChannel(px, g), readChannel(px, b));
}

void Dib::SetPixel(int x, int y, COLORREF colour)
{
    std::uint8_t* row = ScanLine(y);
    if (!row || x < 0 || x >= Width())
        return;
    const int bits = BitCount();
    if (bits <= 8) {
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < NumColors(); ++i) {
            const RgbQuad q = GetColour(i);
            const long dr = long(q.rgbRed) - GetRValue(colour);
            const long dg = long(q.rgbGreen) - GetGValue(colour);
            const long db = long(q.rgbBlue) - GetBValue(colour);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        SetIndex(x, y, best);
        return;
    }
    if (bits == 24) {
        std::uint8_t* px = row + 3 * x;
        px[0] = std::uint8_t(GetBValue(colour));
        px[1] = std::uint8_t(GetGValue(colour));
        px[2] = std::uint8_t(GetRValue(colour));
        return;
    }
    Channel r, g, b;
    masksOf(*this, r, g, b);
    const std::uint32_t px = writeChannel(GetRValue(colour), r) | writeChannel(GetGValue(colour), g) | writeChannel(GetBValue(colour), b);
    if (bits == 16)
        put16(row + 2 * x, px);
    else
        put32(row + 4 * x, px);
}

} // namespace vd
