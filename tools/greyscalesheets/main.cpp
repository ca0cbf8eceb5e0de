// veldoran-make-greyscale-sheets SEMFOLDER BMPFOLDER: writes BMPFOLDER/<code>.bmp, the greyscale
// sheet picture the tinted maps read, for each SEMFOLDER/<code>.sem (Linux paths), as the
// program's greyscale map command does for the sheets of its index. Exit status 1 when a mesh
// file could not be read or a picture not written.
#include "basemap/files/ElevationMeshFile.h"
#include "basemap/files/GreyscaleSheetBitmap.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/PathResolver.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

bool IsSheetMesh(const std::filesystem::path& path)
{
    const std::string stem = path.stem().string();
    return path.extension() == ".sem" && stem.size() == 4 &&
           std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool MakeSheet(const std::filesystem::path& sem, const std::filesystem::path& bmp)
{
    const auto semPath = vd::toWindowsPath(sem.string());
    const auto bmpPath = vd::toWindowsPath(bmp.string());
    ElevationGreyGrid grid{};
    if (!semPath || !bmpPath || !ReadElevationMeshGrey(*semPath, grid))
        return false;
    vd::BinaryWriter writer;
    if (!writer.open(*bmpPath, vd::WriteMode::Replace))
        return false;
    writer.writeBytes(GreyscaleSheetBitmap(grid));
    return writer.close();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: veldoran-make-greyscale-sheets SEMFOLDER BMPFOLDER\n");
        return 2;
    }
    const std::filesystem::path semFolder = std::filesystem::absolute(argv[1]);
    const std::filesystem::path bmpFolder = std::filesystem::absolute(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(bmpFolder, error);
    std::vector<std::filesystem::path> meshes;
    for (const auto& entry : std::filesystem::directory_iterator(semFolder, error))
        if (IsSheetMesh(entry.path()))
            meshes.push_back(entry.path());
    if (error) {
        std::fprintf(stderr, "veldoran-make-greyscale-sheets: cannot read %s\n", argv[1]);
        return 1;
    }
    std::sort(meshes.begin(), meshes.end());
    int failed = 0;
    for (const auto& sem : meshes) {
        const auto bmp = bmpFolder / (sem.stem().string() + ".bmp");
        if (!MakeSheet(sem, bmp)) {
            std::fprintf(stderr, "veldoran-make-greyscale-sheets: %s not made\n", bmp.c_str());
            ++failed;
        }
    }
    std::printf("%zu greyscale sheets made\n", meshes.size() - std::size_t(failed));
    return failed == 0 ? 0 : 1;
}
