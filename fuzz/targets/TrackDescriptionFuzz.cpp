// Fuzz target: a GPS track file as the track file dialog describes it, under each kind's file
// name, and the start sheet of the start point it finds.
#include "basemap/files/TrackFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "userdata/TrackDescription.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// The input under one name of each kind (the kind comes from the name), in the run's scratch
// folder.
struct InputFiles {
    std::string stem = (vd::fuzz::scratchFolder() / "TrackDescriptionFuzz").string();
    const char* kinds[5] = {".trk", ".pot", ".rot", ".log", ".txt"};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const InputFiles files;
    for (const char* kind : files.kinds) {
        const std::string path = files.stem + kind;
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            if (size > 0)
                std::fwrite(data, 1, size, f);
            std::fclose(f);
        }
        if (const auto description = DescribeTrack(path, 0))
            for (int format = 1; format <= 5; ++format)
                TrackStartSheet(description->startPoint, format);
    }
    return 0;
}
