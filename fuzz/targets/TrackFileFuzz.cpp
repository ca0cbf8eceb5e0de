// Fuzz target: a GPS track file as OnTrackDrawModule reads and draws it, for each kind word and
// each "trk" coordinate format, into a small recording device context.
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzInputFile.h"
#include "platform/dc/RecordingDc.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("TrackFileFuzz", ".trk", data, size);
    // The 3 x 3 block around Tokyo at 0.8 pixel a 1/320 sheet, marks every kilometre.
    const int west = 138 * 3600, north = 36 * 3600 + 40 * 60, east = 141 * 3600, south = 34 * 3600 + 40 * 60;
    for (const char* kind : {"log", "rot", "pot", "trk", "gps"})
        for (int format = 0; format < 3; ++format) {
            vd::RecordingDc dc;
            OnTrackDrawModule(&dc, path, 1, format, format, 14, 18, west, north, east, south, 0, 10, 1, 0, kind, "T",
                              0.8f * 0.08888889f, 0.8f * 0.13333334f, 25.1f, 30.8f, 1.f, 10.f, 30.f);
        }
    return 0;
}
