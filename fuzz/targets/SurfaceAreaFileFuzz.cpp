// A surface file of chains, areas and names ("L", "A", "D" records) drawn as the program draws it:
// the per-prefecture areas and the whole-country theme C.
#include "fuzz/targets/SurfaceFuzzCalls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    surface_fuzz::Draw(data, size, {0}, {2});
    return 0;
}
