// Fuzz target: a route or area file loaded by the document as a registered point's route item
// (the first byte chooses route or area), and the same bytes read as the index map's master list.
#include "app/routes/RouteFileLines.h"
#include "fuzz/support/FuzzDocument.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string path = vd::fuzz::writeInputFile("RouteFileLinesFuzz", ".dat", data + 1, size - 1);
    CVeldoranDoc& doc = vd::fuzz::document();
    doc.repaint.m_fnUpdateAllViews = [] {};
    doc.LoadRouteFromItem(std::string("京都 35.0000 135.4500 ") + (data[0] & 1 ? "ルート " : "エリア ") + path);
    for (int i = 0; i < doc.routes.m_nRouteLineCount; ++i)
        for (int field = 0; field < 5; ++field)
            LineField(doc.routes.m_astrRoutePoint[std::size_t(i)], field);
    for (const std::string& line : ReadRouteIndexMaster(path))
        AfterFields(line, 1);
    return 0;
}
