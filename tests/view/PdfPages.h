#pragma once
// The pages of a PDF file as pictures (pdftoppm), for the printing tests.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace viewtest {

inline constexpr int kRenderDpi = 100; // the pictures: one sixth of the printer's 600 dots an inch

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    int grey(int x, int y) const
    {
        const std::size_t i = (std::size_t(y) * width + x) * 3;
        return (rgb[i] + rgb[i + 1] + rgb[i + 2]) / 3;
    }
    bool dark(int x, int y) const { return grey(x, y) < 100; }
};

// The pages of a PDF as pictures at kRenderDpi (binary PPM from pdftoppm).
inline std::vector<Picture> Rasterise(const std::filesystem::path& pdf)
{
    const std::filesystem::path prefix = pdf.parent_path() / (pdf.stem().string() + "-page");
    const std::string command =
        "pdftoppm -r " + std::to_string(kRenderDpi) + " '" + pdf.string() + "' '" + prefix.string() + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(pdf.parent_path()))
        if (entry.path().filename().string().rfind(prefix.filename().string(), 0) == 0)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<Picture> pages;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::string magic;
        Picture p;
        int maxValue = 0;
        in >> magic >> p.width >> p.height >> maxValue;
        in.get();
        p.rgb.resize(std::size_t(p.width) * p.height * 3);
        in.read(reinterpret_cast<char*>(p.rgb.data()), std::streamsize(p.rgb.size()));
        pages.push_back(std::move(p));
        std::filesystem::remove(file);
    }
    return pages;
}

} // namespace viewtest
