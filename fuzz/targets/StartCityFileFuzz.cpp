// Fuzz target: MAPELMNT\DPRTCITY.DAT read as the distance page and the start city dialog read it
// (each kept line taken apart and its coordinates parsed), and the input as coordinate texts
// typed into the start city dialog and registered.
#include "app/settings/StartCityFile.h"
#include "platform/text/Cp932.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The input as a file of this process (the reader opens files by path), removed at exit.
struct InputFile {
    std::string path = "/tmp/vd-StartCityFileFuzz-" + std::to_string(getpid()) + ".dat";
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

void ReadCoordinates(const std::string& text)
{
    const DegreesMinutes value = ParseCoordinateText(text);
    WholeDegreesMinutesText(value.degrees, value.minutes);
    RegisteredCoordinateText(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const std::string& line : ReadStartCityLines(WriteInput(data, size))) {
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
