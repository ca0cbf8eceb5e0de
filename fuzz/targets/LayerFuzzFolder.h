#pragma once
// A scratch folder for the layer fuzz targets: the input is written there as the data file the
// program would read, and the reader is called with the folder in Windows form. It lies in the
// run's scratch home (fuzz/support), so it goes when the run ends.
#include "fuzz/support/FuzzScratch.h"
#include "platform/fs/PathResolver.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace layer_fuzz {

inline const std::filesystem::path& ScratchFolder()
{
    static const std::filesystem::path folder = [] {
        std::filesystem::path layer = vd::fuzz::scratchFolder() / "layer";
        std::filesystem::create_directories(layer);
        return layer;
    }();
    return folder;
}

inline std::string WindowsFolder()
{
    static const std::string folder = vd::toWindowsPath(ScratchFolder().string()).value_or("") + "\\";
    return folder;
}

inline void WriteFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::ofstream(ScratchFolder() / name, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

inline void WriteText(const std::string& name, const std::string& text)
{
    WriteFile(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

} // namespace layer_fuzz
