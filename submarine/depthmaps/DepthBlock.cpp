#include "submarine/depthmaps/DepthBlock.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Numbers.h"
#include "submarine/DepthGapFill.h"
#include "submarine/files/IntermediateDepthFile.h"

DepthMeshCode ParseDepthMeshCode(std::string_view meshCode)
{
    const std::string_view latitude = meshCode.substr(0, 2);
    const std::string_view longitude = meshCode.size() > 2 ? meshCode.substr(2, 2) : std::string_view();
    return {vd::parseInt(latitude), vd::parseInt(longitude)};
}

std::optional<int> DepthBlockGridSide(int blockSize)
{
    switch (blockSize) {
    case 1:
    case 2:
    case 3:
        return blockSize * kDepthCellsPerMeshSide;
    case 5:
    case 7:
        return blockSize * kDepthCellsPerMeshSide / 2;
    default:
        return std::nullopt;
    }
}

void DepthGrid::FillGaps(bool innerOnly) { depthgaps::FillGapsOnce(cells_, side_, innerOnly); }

std::vector<DepthBlockFile> DepthBlockFiles(const std::string& depthFolder, const std::string& meshCode, int blockSize)
{
    const std::string folder = depthFolder + kSeaFloorFolder;
    if (blockSize == 1)
        return {{folder + "Sf" + meshCode + ".dat", 0, 0}};
    const DepthMeshCode code = ParseDepthMeshCode(meshCode);
    std::vector<DepthBlockFile> files;
    for (int row = 0; row < blockSize; ++row)
        for (int column = 0; column < blockSize; ++column)
            files.push_back({folder + IntermediateDepthFileName(code.latitudeCode + blockSize - 1 - row,
                                                                code.longitudeCode + column),
                             row, column});
    return files;
}

int ExistingDepthFiles(const std::vector<DepthBlockFile>& files)
{
    int existing = 0;
    for (const DepthBlockFile& file : files)
        existing += vd::fileExists(file.path) ? 1 : 0;
    return existing;
}

int ReadDepthBlock(const std::vector<DepthBlockFile>& files, int blockSize, DepthGrid& grid)
{
    // Blocks of 5 and 7 meshes keep one cell of every 2 x 2.
    const int step = blockSize >= 5 ? 2 : 1;
    const int meshSide = kDepthCellsPerMeshSide / step;
    int read = 0;
    for (const DepthBlockFile& file : files) {
        const auto cells = ReadIntermediateDepthFile(file.path);
        if (!cells)
            continue;
        ++read;
        for (int r = step - 1; r < kDepthCellsPerMeshSide; r += step)
            for (int c = 0; c < kDepthCellsPerMeshSide; c += step)
                grid.Cell(file.blockRow * meshSide + r / step, file.blockColumn * meshSide + c / step) =
                    (*cells)[std::size_t(r) * kDepthCellsPerMeshSide + c];
    }
    return read;
}
