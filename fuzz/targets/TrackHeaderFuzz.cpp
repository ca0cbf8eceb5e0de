// Fuzz target: the header of a waypoint/track text as CVeldoranDoc::ReadTrackHeader reads it.
#include "basemap/files/TrackFile.h"
#include "fuzz/support/FuzzInputFile.h"
#include "platform/text/Cp932.h"
#include "userdata/TrackHeader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TrackHeader header = ReadTrackHeaderLines(ReadTrackFileLines(vd::fuzz::writeInputFile("TrackHeaderFuzz", ".trk", data, size)));
    vd::cp932ToUtf8(header.text);
    return 0;
}
