// Msh_prft.dat as the layers read it: the line of a cell, the selection blanking and the
// once-per-call bookkeeping over a 3 x 3 block of cells.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "meshcode/MeshPrefectureFile.h"
#include "meshcode/WideAreaBlock.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("Msh_prft.dat", data, size);
    const std::string path = layer_fuzz::WindowsFolder() + "Msh_prft.dat";
    std::array<int, 120> flags{};
    flags[0] = size % 2; // whole country or only prefecture 13
    flags[13] = 1;
    std::array<std::string, meshcode::kMaxPrefecturesRead> read;
    int count = 0;
    const meshcode::WideAreaBlock block{0, 2, 0, "", "5339", "", ""};
    for (int n = 0; n < 9; ++n) {
        auto codes = meshcode::ReadMeshPrefectureLine(path, meshcode::BlockCellMeshCode(block, n));
        meshcode::BlankUnselectedPrefectures(codes, flags.data());
        count = meshcode::MarkPrefecturesRead(codes, count, read);
    }
    return 0;
}
