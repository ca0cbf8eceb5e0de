// The geology layer's readers on hostile text: every line (any length, CR LF or LF) as a line of
// GEOLOGY.PLT and GEOLOGY.DAT, as a selection text of each theme, and as a natural-terrain and a
// land-classification record classified for each theme with labels on and off, and the whole text
// as a land-classification and a valley-density file (the valley records split into cells).
#include "geology/GeoDrawing.h"
#include "geology/GeoMeshRenderer.h"
#include "geology/GeologyPaletteFile.h"
#include "platform/dc/RecordingDc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    for (int section = 0; section <= 5; ++section)
        (void)ParseGeologyPaletteSection(lines, section);
    (void)ParseGeologyRockNames(lines);

    vd::RecordingDc dc;
    CGeoMeshRenderer r;
    r.m_pDC = &dc;
    r.m_nNorth = 129600, r.m_nWest = 500400, r.m_nSouth = 127200, r.m_nEast = 504000;
    r.m_nRecordSouthBound = r.m_nSouth - 30, r.m_nRecordWestBound = r.m_nWest - 45;
    r.m_fScaleX = 0.1f, r.m_fScaleY = 0.1f;
    r.m_nDetailLevel = 3;
    for (const std::string& line : lines) {
        for (int theme = -1; theme <= 4; ++theme) {
            r.ParseGeoSelection(theme, line);
            for (int drawLabel : {0, 1}) {
                for (int workFileDetail : {2, 3}) {
                    r.m_nWorkFileDetail = workFileDetail;
                    r.m_strWideAreaName = workFileDetail == 2 ? "広域5" : "";
                    r.m_strLine = line;
                    r.ClassifyNaturalTerrainRecord(theme, drawLabel);
                    r.m_strLine = line;
                    r.ClassifyLandClassRecord(theme, drawLabel);
                }
            }
        }
        dc.Clear();
    }
    for (int theme : {2, 3}) {
        r.ParseGeoSelection(theme, "1");
        ClassifyLandClassRecords(r, lines, theme, 0, [] {});
    }
    return 0;
}
