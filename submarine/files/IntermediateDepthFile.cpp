#include "submarine/files/IntermediateDepthFile.h"

#include "platform/fs/BinaryReader.h"
#include "platform/fs/BinaryWriter.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

std::string IntermediateDepthFileName(int latitudeCode, int longitudeCode)
{
    return vd::format("Sf%d%2d.dat", latitudeCode, longitudeCode);
}

std::optional<DepthMeshCells> ReadIntermediateDepthFile(std::string_view winPath)
{
    vd::BinaryReader file;
    if (!file.open(winPath))
        return std::nullopt;
    DepthMeshCells cells{};
    for (std::int16_t& cell : cells) {
        const auto depth = file.readInt16();
        if (!depth)
            break;
        cell = *depth;
    }
    return cells;
}

bool WriteIntermediateDepthFile(std::string_view winPath, const DepthMeshCells& cells)
{
    vd::BinaryWriter file;
    if (!file.open(winPath, vd::WriteMode::Replace))
        return false;
    for (std::int16_t depth : cells)
        if (!file.writeInt16(depth)) {
            file.abandon();
            return false;
        }
    return file.close();
}

std::vector<std::string> ListIntermediateDepthNames(const std::string& depthFolder)
{
    std::vector<std::string> names;
    const auto entries = vd::listFolder(depthFolder + kSeaFloorFolder + "*.*");
    if (!entries)
        return names;
    for (const vd::FolderEntry& entry : *entries) {
        if (entry.status.isFolder)
            continue;
        std::string name = vd::toLowerAscii(entry.name);
        if (name.find(".dat") != std::string::npos)
            names.push_back(std::move(name));
    }
    return names;
}

DepthFileMesh MeshOfDepthFileName(std::string_view lowerCaseName)
{
    const std::size_t dot = lowerCaseName.find(".da");
    const std::string stem(lowerCaseName.substr(0, dot));
    const std::string code = vd::cp932Mid(stem, 2);
    return {vd::parseInt(vd::cp932Left(code, 2)), vd::parseInt(vd::cp932Mid(code, 2, 2))};
}
