// A surface file of one point a record drawn as the program draws it: the lines, the
// agricultural and forest regions and the whole-country themes B, D and E.
#include "fuzz/targets/SurfaceFuzzCalls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    surface_fuzz::Draw(data, size, {4, 13}, {1, 3, 4});
    return 0;
}
