// The kept search results: written to the SearchResultFile the user chose, and drawn again
// (without reading a table) when the same search is shown once more.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "basemap/projection/CoordinateText.h"
#include "platform/dc/Dc.h"
#include "platform/fs/TextWriter.h"
#include "platform/ui/Ui.h"
#include "platform/ui/WinConstants.h"
#include "view/placenames/PlaceNameBlock.h"
#include "view/placenames/PlaceNameFonts.h"
#include "view/placenames/PlaceNameSymbols.h"
#include "view/placenames/SearchProgressBox.h"
#include "view/placenames/SearchResultLines.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kProgressFrom = 9999;
constexpr int kProgressSteps = 19;

struct ResultEntry {
    std::string name;
    std::string latitude;  // D.MMSS
    std::string longitude; // D.MMSS
};

// "name latitude longitude ": the last two words are the position, the rest the name (which
// may hold blanks of its own).
std::optional<ResultEntry> SplitResultEntry(const std::string& entry)
{
    std::size_t end = entry.find_last_not_of(' ');
    if (end == std::string::npos)
        return std::nullopt;
    std::size_t start = entry.find_last_of(' ', end);
    if (start == std::string::npos)
        return std::nullopt;
    std::string longitude = entry.substr(start + 1, end - start);
    end = entry.find_last_not_of(' ', start);
    if (end == std::string::npos)
        return std::nullopt;
    start = entry.find_last_of(' ', end);
    if (start == std::string::npos)
        return std::nullopt;
    std::string latitude = entry.substr(start + 1, end - start);
    return ResultEntry{entry.substr(0, start), std::move(latitude), std::move(longitude)};
}

bool LabelsOnResults(int labelSwitch, int frame)
{
    return labelSwitch == 2 || (labelSwitch == 1 && frame != 2) || (labelSwitch == 3 && frame == 3);
}

} // namespace

void CMapRenderer::WriteSearchResults()
{
    SheetDrawState& draw = *m_pDraw;
    std::vector<std::string>& lines = draw.m_astrResultFileLine;
    const std::size_t count =
        std::min({std::size_t(std::max(draw.m_nResultCount, 0)), std::size_t(kSearchResultRoom), lines.size()});
    vd::TextWriter writer;
    bool written =
        writer.open(draw.m_strGnpfText0, draw.m_nGnpfValue1 == 1 ? vd::WriteMode::Replace : vd::WriteMode::Append);
    if (written) {
        for (std::size_t i = 0; i < count && !lines[i].empty(); ++i)
            written = writer.writeLine(lines[i]) && written;
        written = writer.close() && written;
    }
    lines.clear();
    if (!written)
        vd::ui::AfxMessageBox("検索結果ファイル「" + draw.m_strGnpfText0 + "」に書き込めませんでした。",
                              vd::MB_OK | vd::MB_ICONEXCLAMATION);
}

void CMapRenderer::DrawSearchResults()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    const vd::Font labelFont = PlaceNameFont(draw.m_nGnpfValue8 + 11);
    const vd::Font progressFont = PlaceNameFont(13);
    const vd::Pen pen = dc.SelectObject(m_aPen[0]);
    const vd::Brush brush = dc.SelectObject(m_aBrush[0]);
    dc.SelectObject(m_aPen[12]);
    const vd::Font font = dc.SelectObject(labelFont);
    const bool labels = LabelsOnResults(draw.m_nGnpfValue7, doc.position.m_nMapFrame);
    const int count = std::clamp(draw.m_nResultCount, 0, kSearchResultRoom);
    std::optional<SearchProgressBox> progress;
    if (count > kProgressFrom)
        progress.emplace(*this, progressFont);
    const int step = std::max(count / kProgressSteps, 1);
    const PlaceNameBlock block(doc, m_nOriginX, m_nOriginY);
    m_nSymbolHalf = 2;
    m_nLastSymbolType = -1;

    int drawn = 0;
    for (int i = 0; i < count; ++i) {
        if (progress && (i + 1) % step == 0)
            progress->Step((i + 1) / step);
        const std::optional<ResultEntry> entry = SplitResultEntry(draw.m_astrPlaceRecord[std::size_t(i)]);
        if (!entry)
            continue;
        const double latitude = DmsToSeconds(entry->latitude);
        const double longitude = DmsToSeconds(entry->longitude);
        if (!block.Contains(latitude, longitude))
            continue;
        const auto& kinds = draw.m_anResultKind[std::size_t(i)];
        const NameSymbol symbol = SymbolOfClasses(doc, {kinds[0], kinds[1], kinds[2]});
        const vd::Point at = block.Position(latitude, longitude);
        DrawNameLabel(at.x, at.y, symbol.size, symbol.colourType, symbol.kind);
        if (labels)
            dc.TextOut(at.x + 6, at.y - 6, entry->name);
        ++drawn;
    }
    if (progress)
        progress->Clear();
    draw.m_nResultDrawn = drawn;
    dc.SelectObject(font);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
}
