// The municipality boundary and coastline files (CityPlgn\Pg*.dat, CoastC23\Ln*.dat): the bytes
// become each file, read whole as the drawing reads them and streamed as the municipality list
// reads the ledger.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/files/BoundaryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string pg = vd::fuzz::writeApplicationFile("Fuzz/CityPlgn/Pg001_25.dat", data, size);
    const std::string ln = vd::fuzz::writeApplicationFile("Fuzz/CoastC23/Ln59l_25.dat", data, size);

    municipal::ReadBoundaryFile(pg, municipal::BoundaryFileKind::Municipality);
    municipal::ReadBoundaryFile(ln, municipal::BoundaryFileKind::Coastline);

    municipal::BoundaryFileReader reader(municipal::BoundaryFileKind::Municipality);
    if (reader.open(pg)) {
        municipal::LedgerRecord record;
        for (int i = 0; i < 3 && reader.nextLedgerRecord(record); ++i)
            (void)record.text();
        municipal::BoundaryArea area;
        while (reader.nextArea(area)) {
        }
    }
    return 0;
}
