// The default files of the application folder (MAPFILE.DAT, MAPELMNT\DPRTCITY.DAT and
// PFCTRFL.DAT, PALETTE\PLTTFILE.DAT, NpSymbol.dat, the layer settings files): the bytes become
// each of them, the document starts over them as at every start (writing only the missing ones,
// reading the place-name symbols and the colour-set list), and none of the user's files may
// change.
#include "fuzz/support/FuzzScratch.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/UiScript.h"
#include "app/document/VeldoranDoc.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

constexpr const char* kDefaultFiles[] = {"MAPFILE.DAT", "MAPELMNT/DPRTCITY.DAT", "MAPELMNT/PFCTRFL.DAT",
                                         "PALETTE/PLTTFILE.DAT", "NpSymbol.dat", "DddMFile.dat", "DddPFile.dat"};

std::string contentOf(const char* relative)
{
    std::ifstream in(vd::applicationFolderPath() / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    for (const char* name : kDefaultFiles)
        vd::fuzz::writeApplicationFile(name, data, size);
    const auto script = vd::ui::Script::install();

    auto doc = std::make_unique<CVeldoranDoc>();
    doc->BuildTintRamp();
    doc.reset();

    const std::string bytes = vd::fuzz::bytesText(data, size);
    for (const char* name : kDefaultFiles)
        if (contentOf(name) != bytes)
            std::abort(); // a user's file was rewritten
    return 0;
}
