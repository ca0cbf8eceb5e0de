#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

std::string MakeJpegBytes(JpegKind kind, int width, int height, JpegPixel pixel)
{
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);

    const int components = kind == JpegKind::Rgb ? 3 : kind == JpegKind::Grey ? 1 : 4;
    compressor.image_width = width;
    compressor.image_height = height;
    compressor.input_components = components;
    compressor.in_color_space = kind == JpegKind::Rgb ? JCS_RGB : kind == JpegKind::Grey ? JCS_GRAYSCALE : JCS_CMYK;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 100, TRUE);
    for (int c = 0; c < compressor.num_components; ++c)
        compressor.comp_info[c].h_samp_factor = compressor.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&compressor, TRUE);

    std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto value = pixel(x, y);
            for (int c = 0; c < components; ++c)
                row[x * components + c] = value.at(c);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&compressor, rows, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);

    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}
