// Registered-point record lines and the place-name tables: the bytes become the point data file,
// a place-name list, the class colour and symbol tables (NpClrTbl.dat, NpSymbol.dat) and the
// list of data sources (SOURCE\BINDER.DAT); the document reads them as the map does, and the
// renderer and Dovanne draw the data file's points and the source list.
#include "fuzz/support/FuzzLibraries.h"
#include "contracts/dovanne.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/ImageDc.h"
#include "userdata/RecordLines.h"
#include "view/renderer/MapRenderer.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    static const bool bound = (vd::fuzz::loadDrawingLibraries(), true);
    (void)bound;
    const std::string dataFile = vd::fuzz::writeApplicationFile("Fuzz/POINTS.DAT", data, size);
    const std::string appFolder = doc.folders.m_strAppDir;
    doc.folders.m_strAppDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    vd::fuzz::writeApplicationFile("Fuzz/NpClrTbl.dat", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/NpSymbol.dat", data, size);

    doc.registered.m_strDataFile = dataFile;
    doc.LoadVisibleRecords(dataFile, "130.0000", "30.0000", "145.0000", "45.0000", 6);
    doc.LoadVisibleRecords(dataFile, "000.0000", "00.0000", "999.9999", "99.9999", 3);
    doc.LoadRecordList(dataFile, "first");
    doc.LoadRecordList(dataFile, "next");
    for (int i = 0; i < 8 && doc.m_astrPointRecord[i] != kListEnd; ++i) {
        doc.GetRecordWithFile(i);
        doc.SetEntryFromRecord(doc.m_astrPointRecord[i]);
        CVeldoranDoc::GetFileKind(doc.m_astrPointRecord[i]);
        doc.PlaceNameKind(doc.m_astrPointRecord[i]);
        doc.FilterPlaceName(doc.m_astrPointRecord[i]);
    }
    for (const int classIndex : {0, 1, 19, 20})
        doc.LoadPlaceNameColours(classIndex);
    doc.LoadPlaceNameSymbols();
    doc.folders.m_strAppDir = appFolder;

    vd::ImageDc dc(160, 120);
    OnCurrentFileCheck(&dc, 160, 370000.0f, 1400000.0f, 10.0f, dataFile, "旅行");
    OnDfCModule(&dc, 3, 0, 8, 18, 19, 80, dataFile, 370000.0f, 1400000.0f, 10.0f);

    const std::string sourceFolder = doc.folders.m_strSourceDir;
    doc.folders.m_strSourceDir = vd::fuzz::applicationFolderWin() + "Fuzz\\";
    vd::fuzz::writeApplicationFile("Fuzz/BINDER.DAT", data, size);
    vd::fuzz::writeApplicationFile("Fuzz/history.dat", data, size);
    {
        CMapRenderer renderer(&dc, &doc, 160, 120);
        renderer.DrawOverviewPoints(1, 0, 0);
        renderer.DrawOverviewPoints(0, 1, 1.25f);
        doc.m_nSourcePage = 0;
        renderer.DrawDataSourceList();
    }
    doc.folders.m_strSourceDir = sourceFolder;
    return 0;
}
