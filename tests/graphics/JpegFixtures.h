#pragma once
// JPEG files made for the tests with libjpeg's compressor.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// RgbProgressive: the usual progressive script (10 scans); RgbScanPerCoefficient: progressive,
// one scan for each AC coefficient of each component (190).
enum class JpegKind { Rgb, Grey, Cmyk, RgbProgressive, RgbScanPerCoefficient };

// Writes a picture of width x height pixels; pixel(x, y) gives its components (RGB, grey or
// CMYK, 3, 1 or 4 bytes) in top-down order. Quality 100 without chroma subsampling, so flat
// colours come back within a few levels.
using JpegPixel = std::vector<std::uint8_t> (*)(int x, int y);
std::string MakeJpegBytes(JpegKind kind, int width, int height, JpegPixel pixel);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
