// A text file read as fixed-column records: its raw lines read in place, copied and as a whole
// file (which must agree line for line, also across the read buffer's edge), and the fields of
// each line read as numbers by digit arithmetic and by parseInt (which must agree too). The first
// two bytes choose the field; a short line is repeated so that lines cross the 64 KB read buffer.
#include "fuzz/support/FuzzInputFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int start = data[0] % 64 - 2;
    const int length = data[1] % 16 - 1;
    std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    if (!bytes.empty() && bytes.size() < 4096)
        while (bytes.size() < 70'000)
            bytes += bytes;
    const std::string path = vd::fuzz::writeInputFile("RawLinesFuzz", ".txt",
                                                      reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    vd::TextReader copied;
    vd::TextReader inPlace;
    if (!copied.open(path) || !inPlace.open(path))
        return 0;
    std::vector<std::string> lines;
    std::string line;
    std::string_view view;
    for (;;) {
        const bool more = copied.readRawLine(line);
        if (more != inPlace.readRawLine(view))
            std::abort();
        if (!more)
            break;
        if (view != line)
            std::abort();
        lines.push_back(line);
        if (vd::rawFieldInt(view, start, length) != vd::parseInt(vd::rawField(view, start, length)))
            std::abort();
    }
    if (vd::readRawTextLines(path) != lines)
        std::abort();
    return 0;
}
