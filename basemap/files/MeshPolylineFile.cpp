#include "basemap/files/MeshPolylineFile.h"

#include "platform/fs/BinaryReader.h"
#include "platform/fs/LittleEndian.h"

#include <string>

std::optional<std::vector<MeshRecord>> ReadMeshPolylineFile(std::string_view winPath)
{
    vd::BinaryReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<MeshRecord> records;
    std::string_view bytes;
    while (reader.readRecord(4, bytes))
        records.push_back({*vd::int16At(bytes, 0), *vd::int16At(bytes, 2)});
    return records;
}

std::vector<MeshSection> SplitMeshSections(const std::vector<MeshRecord>& records)
{
    std::vector<MeshSection> sections;
    for (const MeshRecord& record : records) {
        if (record.isHeader())
            sections.push_back({record.b, {}});
        else if (!sections.empty())
            sections.back().records.push_back(record);
    }
    return sections;
}

MeshPointSeconds MeshPointToSeconds(int meshCode, MeshRecord point, int unitsPerMesh)
{
    // Multiply before dividing: a full unit count then gives the mesh side exactly.
    const double east = static_cast<double>(point.a) * kMeshWidthSeconds / unitsPerMesh;
    const double north = static_cast<double>(unitsPerMesh - point.b) * kMeshHeightSeconds / unitsPerMesh;
    return {MeshSouthSeconds(meshCode) + north, MeshWestSeconds(meshCode) + east};
}
