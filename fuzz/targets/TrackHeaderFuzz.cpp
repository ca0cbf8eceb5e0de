// Fuzz target: the header of a waypoint/track text as CVeldoranDoc::ReadTrackHeader reads it.
#include "basemap/files/TrackFile.h"
#include "platform/text/Cp932.h"
#include "userdata/TrackHeader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

struct InputFile {
    std::string path = "/tmp/vd-TrackHeaderFuzz-" + std::to_string(getpid()) + ".trk";
    ~InputFile() { std::remove(path.c_str()); }
};

std::string WriteInput(const uint8_t* data, size_t size)
{
    static const InputFile file;
    if (FILE* f = std::fopen(file.path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return file.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TrackHeader header = ReadTrackHeaderLines(ReadTrackFileLines(WriteInput(data, size)));
    vd::cp932ToUtf8(header.text);
    return 0;
}
