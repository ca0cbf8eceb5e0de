// The data-source list of map mode 7: ten sources a page from SOURCE\BINDER.DAT, each drawn in its
// own colour and shape by Dovanne with its legend symbol beside the title.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "platform/dc/Dc.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"

#include <vector>

namespace {

constexpr int kMaxTitles = 299;
constexpr int kPageSize = 10;
const char* const kCommonArea = "HD(共通領域)";

// The titles of the numbered sources in file order (title n is SOURCE\Source<n>.dat).
std::vector<std::string> ReadBinderTitles(const std::string& path)
{
    std::vector<std::string> titles;
    vd::TextReader reader;
    if (!reader.open(path))
        return titles;
    std::string line;
    while (titles.size() < kMaxTitles && reader.readLine(line))
        if (!line.empty() && line[0] != ';')
            titles.push_back(line);
    return titles;
}

} // namespace

void CMapRenderer::DrawDataSourceList()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    DrawBevelBox(8, 8, m_nClientWidth <= 800 ? 205 : 275, 246);

    const std::vector<std::string> titles = ReadBinderTitles(doc.folders.m_strSourceDir + "BINDER.DAT");
    const int lastSource = static_cast<int>(titles.size()); // source 0 is the common area
    const int first = draw.m_nSourcePage < 0 ? 0 : draw.m_nSourcePage;
    auto* markers = Dovanne().OnDfCModule.fn;
    for (int j = first; j < first + kPageSize; ++j) {
        // Past the last source (also a page left from a longer list): the next drawing starts again.
        if (j > lastSource) {
            draw.m_nSourcePage = 0;
            draw.m_nSourcePageFlag = 0;
            return;
        }
        const std::string file = j == 0 ? doc.folders.m_strSourceDir + "history.dat"
                                        : doc.folders.m_strSourceDir + vd::format("Source%d.dat", j);
        const std::string label = j == 0 ? std::string(" 1: ") + kCommonArea
                                         : vd::format("%2d: ", j + 1) + vd::cp932Left(titles[j - 1], 17);
        m_pDC->TextOut(24, (j - first) * 19 + 18, label);
        if (markers)
            markers(m_pDC, j, first, 8, 18, 19, doc.pointer.m_nOverviewOriginX, file, draw.m_fRefLatitude,
                    draw.m_fRefLongitude, draw.m_fMapScale);
    }
    draw.m_nSourcePage = first + kPageSize;
}
