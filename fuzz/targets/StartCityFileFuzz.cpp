// Fuzz target: MAPELMNT\DPRTCITY.DAT read as the distance page and the start city dialog read it
// (each kept line taken apart and its coordinates parsed), and the input as coordinate texts
// typed into the start city dialog and registered.
#include "app/settings/StartCityFile.h"
#include "fuzz/support/FuzzInputFile.h"
#include "platform/text/Cp932.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

void ReadCoordinates(const std::string& text)
{
    const DegreesMinutes value = ParseCoordinateText(text);
    WholeDegreesMinutesText(value.degrees, value.minutes);
    RegisteredCoordinateText(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const std::string& line : ReadStartCityLines(vd::fuzz::writeInputFile("StartCityFileFuzz", ".dat", data, size))) {
        const StartCityFields city = SplitStartCityLine(line);
        ReadCoordinates(city.latitude);
        ReadCoordinates(city.longitude);
    }
    // What the user types arrives as UTF-8 text.
    const std::string typed = vd::cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
    ReadCoordinates(typed);
    SplitStartCityLine(typed);
    return 0;
}
