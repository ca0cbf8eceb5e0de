// A surface file of boundary records (up to eleven points a record) drawn as the program draws
// it: the designated-area boundaries of kinds 0-2 and the whole-country theme A.
#include "fuzz/targets/SurfaceFuzzCalls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    surface_fuzz::Draw(data, size, {10, 11, 12}, {0});
    return 0;
}
