#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

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

    const bool rgb = kind == JpegKind::Rgb || kind == JpegKind::RgbProgressive || kind == JpegKind::RgbScanPerCoefficient;
    const int components = rgb ? 3 : kind == JpegKind::Grey ? 1 : 4;
    compressor.image_width = width;
    compressor.image_height = height;
    compressor.input_components = components;
    compressor.in_color_space = rgb ? JCS_RGB : kind == JpegKind::Grey ? JCS_GRAYSCALE : JCS_CMYK;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 100, TRUE);
    for (int c = 0; c < compressor.num_components; ++c)
        compressor.comp_info[c].h_samp_factor = compressor.comp_info[c].v_samp_factor = 1;
    if (kind == JpegKind::RgbProgressive)
        jpeg_simple_progression(&compressor);
    std::vector<jpeg_scan_info> scans;
    if (kind == JpegKind::RgbScanPerCoefficient) {
        scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
        for (int c = 0; c < 3; ++c)
            for (int k = 1; k < 64; ++k)
                scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
        compressor.scan_info = scans.data();
        compressor.num_scans = static_cast<int>(scans.size());
    }
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
