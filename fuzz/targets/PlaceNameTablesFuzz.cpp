// The annotation and public-facility tables of the place-name search: the bytes become both
// tables, the renderer searches them as the sheet map does (every hit, labels on, a result file
// in each form, with no typed texts and with the input's first lines typed) and draws the kept
// results again. A recording device context: labels of random
// characters would only fill the font fallback caches of a picture.
#include "fuzz/support/FuzzLibraries.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/dc/RecordingDc.h"
#include "view/renderer/MapRenderer.h"

#include <array>
#include <sstream>

// The document is made before the first input (its start reads the profile and writes the
// default files).
void vd::fuzz::startTarget()
{
    (void)vd::fuzz::document();
    vd::fuzz::loadDrawingLibraries();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVeldoranDoc& doc = vd::fuzz::document();
    doc.environment.m_strAnnotationTable = vd::fuzz::writeApplicationFile("Fuzz/tyuuki.csv", data, size);
    doc.environment.m_strPublicFacilityTable = vd::fuzz::writeApplicationFile("Fuzz/koukyou.csv", data, size);
    doc.position.m_nMapFrame = 1;
    doc.m_nBlockWestSec = 486000;
    doc.m_nBlockSouthSec = 124800;
    doc.m_fWhiteZoomX = 0.4f;
    doc.m_fWhiteZoomY = 0.3f;
    doc.m_nGnpfValue7 = 2;
    doc.m_nGnpfValue1 = 1;
    // The typed search texts (area, prefecture, contained word): none, and the input's first lines.
    std::istringstream lines(vd::fuzz::bytesText(data, size));
    std::array<std::string, 3> typed;
    for (std::string& text : typed)
        std::getline(lines, text);
    for (int layer : {0, 1}) {
        for (int form : {0, 1, 2}) {
            doc.search.m_nPlaceNameLayer = layer;
            doc.m_nGnpfValue2 = form;
            doc.m_nGnpfValue3 = doc.m_nGnpfValue4 = doc.m_nGnpfValue5 = doc.m_nGnpfValue6 = -1;
            const bool withTexts = form == 1;
            doc.m_strGnpfText4 = withTexts ? typed[0] : "";
            doc.m_strGnpfText5 = withTexts ? typed[1] : "";
            doc.m_strGnpfRest = withTexts ? typed[2] : "";
            doc.placeNameClasses.m_bClassColours = form == 1 ? 1 : 0;
            doc.m_strGnpfText0 = vd::fuzz::applicationFolderWin() + "Fuzz\\result.dat";
            vd::RecordingDc dc;
            CMapRenderer renderer(&dc, &doc, 160, 120);
            renderer.DrawPlaceNames();
            renderer.DrawSearchResults();
        }
    }
    return 0;
}
