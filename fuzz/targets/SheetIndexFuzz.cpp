// The sheet index BlcMap20.idx: the bytes become the index, which the document searches by name,
// corner and position, the sheet dialog lists, and Dovanne's index map draws into a small picture.
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "basemap/sheetindex/SheetIndexFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    CVeldoranDoc& doc = vd::fuzz::document();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/BlcMap20.idx", data, size);

    if (const auto lines = ReadSheetIndex(path)) {
        for (const SheetIndexLine& line : *lines) {
            line.NameColumns();
            line.LatitudeText();
            line.LongitudeText();
            line.MeshCode();
        }
    }
    ReadSheetSelectLines(path, false);
    ReadSheetSelectLines(path, true);

    const std::string indexFile = doc.folders.m_strSheetIndexFile;
    doc.folders.m_strSheetIndexFile = path;
    doc.FindSheetByName("京都及大阪", path);
    doc.FindNeighbourSheet("34.4000", "135.0000", 40, 60, path);
    doc.ShowSheetByIndex(0);
    doc.ShowSheetByIndex(2);
    doc.ShowSheetAt("135.3000", "34.5000");
    doc.folders.m_strSheetIndexFile = indexFile;

    vd::ImageDc dc(160, 120);
    OnIndexMap(&dc, path, "ＭＳ 明朝", 800, 12, 2, 20, 30, 10);
    OnIndexMap(&dc, path + "|B", "ＭＳ 明朝", 0, 11, 0, 10, 0, 10);
    return 0;
}
