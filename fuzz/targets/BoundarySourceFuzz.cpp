// The published administrative-area (n03) and coastline (c23) text files: the bytes become one
// source of each theme in a folder that is converted as Surrick converts it, and the boundary
// files written are read back.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/conversion/FolderConversion.h"
#include "municipal/files/BoundaryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    vd::fuzz::writeApplicationFile("Fuzz/src/n03-001-25.txt", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/src/c23-59l-25.txt", data, size);
    const std::string folder = vd::fuzz::applicationFolderWin() + "Fuzz\\src\\";

    const auto boundaries = municipal::ConvertSourceFolder(folder, municipal::SourceTheme::AdministrativeArea);
    municipal::ClosingMessage(boundaries, municipal::SourceTheme::AdministrativeArea);
    const auto coastlines = municipal::ConvertSourceFolder(folder, municipal::SourceTheme::Coastline);
    municipal::ClosingMessage(coastlines, municipal::SourceTheme::Coastline);

    municipal::ReadBoundaryFile(folder + "CityPlgn\\Pg001_25.dat", municipal::BoundaryFileKind::Municipality);
    municipal::ReadBoundaryFile(folder + "CoastC23\\Ln59l_25.dat", municipal::BoundaryFileKind::Coastline);
    return 0;
}
