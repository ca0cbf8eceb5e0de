// The mesh-cut line files (coast01-06.dat, pfctr01-03.dat): the bytes become every one of them,
// read and drawn by Dovanne's sheet, block, free-extent and prefecture-map entry points into a
// small picture.
#include "basemap/files/MeshPolylineFile.h"
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"

#include <string>

namespace {

// Mesh 5339 (35 degrees 20 minutes north, 139 degrees east), as the sheet tests use.
constexpr int kSouth = 127200;
constexpr int kWest = 500400;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (int region = 1; region <= 6; ++region)
        vd::fuzz::writeApplicationFile("Fuzz/coast0" + std::to_string(region) + ".dat", data, size);
    for (int region = 1; region <= 3; ++region)
        vd::fuzz::writeApplicationFile("Fuzz/pfctr0" + std::to_string(region) + ".dat", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\";

    if (const auto records = ReadMeshPolylineFile(folder + "coast05.dat")) {
        for (const MeshSection& section : SplitMeshSections(*records))
            for (const MeshRecord& record : section.records)
                MeshPointToSeconds(section.meshCode, record, kCoastUnitsPerMesh);
    }

    vd::ImageDc dc(160, 120);
    OnWholeCoastLine(&dc, 1, 1, kWest, kSouth, 10, 20, 0, 0, 0.2f, 0.2f, 10, folder);
    OnWholeCoastLine(&dc, 2, 9, kWest, kSouth, 3, 4, 0, 0, 0.05f, 0.05f, 1019, folder);
    OnWholeCoastLine(&dc, 3, 1, 466200, kSouth, 0, 0, 469800, 129600, 0.01f, 0.01f, 1019, folder);
    OnWholePrfctrLine(&dc, 1, 1, kWest, kSouth, 0, 0, 0, 0, 0, 0.2f, 0.2f, "RED", folder);
    OnWholePrfctrLine(&dc, 3, 1, 466200, kSouth, 0, 0, 469800, 129600, 0, 0.01f, 0.01f, "ORNG", folder);
    OnCoastPrfctr(&dc, 0, 0, 1, 120, 160, 1, 8, 360000.f, 1390000.f, 10.f, 1.25f, folder, "5339", "", folder);
    OnCstPrfctrLine(&dc, folder, "5339", "RED", 360000.f, 1390000.f, 10.f, 1.25f, 1, 0, 120, 160, 0);
    return 0;
}
