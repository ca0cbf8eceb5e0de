// The searched municipality: every part of it in its prefecture's file, named in red.
#include "municipal/citysurface/MunicipalityAreas.h"

#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"

namespace {

constexpr int kSearchPenColourCode = 9;
constexpr int kCodeLength = 5;
constexpr int kNameColumn = 41;
constexpr int kNameWidth = 12;
constexpr std::size_t kLabelPointThreshold = 40;
// Parts of one municipality stand close together: reading ends this many areas after the last part.
constexpr int kAreasAfterLastMatch = 39;
constexpr vd::COLORREF kRed = 0x0000FF;

} // namespace

void CMunicipalityRenderer::DrawSearchedMunicipality(const std::string& boundaryRoot, const std::string& code)
{
    m_nWork = 0;
    const surrick::MunicipalityTools tools(*this, m_nFillFlag == 1 ? kSearchPenColourCode : m_nColourCode);
    const std::string prefecture = surrick::TwoDigitPrefecture(std::string_view(code).substr(0, 2));
    const std::string prefix = surrick::MunicipalityFilePrefix(boundaryRoot);
    const std::string key = code.substr(0, kCodeLength);
    municipal::BoundaryFileReader reader(municipal::BoundaryFileKind::Municipality);
    if (prefecture.empty() || prefix.empty() || key.empty() ||
        !reader.open(boundaryRoot + "CITYPLGN\\" + prefix + prefecture + ".dat"))
        return;

    std::string name;
    municipal::LedgerRecord record;
    while (reader.nextLedgerRecord(record))
        if (name.empty() && record.text().substr(0, kCodeLength) == key)
            name = vd::cp932Mid(vd::cp932ToUtf8(record.text()), kNameColumn, kNameWidth);

    int sinceMatch = -1; // areas ended since the last part; -1 before the first
    municipal::BoundaryArea area;
    while (reader.nextArea(area) && area.closed) {
        if (!area.code.starts_with(key)) {
            if (sinceMatch >= 0 && ++sinceMatch >= kAreasAfterLastMatch)
                break;
            continue;
        }
        sinceMatch = 0;
        const std::vector<vd::Point> points = surrick::ProjectArea(*this, area);
        surrick::DrawArea(*this, points, m_nFillFlag != 0);
        if (const auto at = surrick::LabelPoint(*this, points)) {
            m_dc.SetTextColor(kRed);
            if (m_nLabelFlags == 1 || points.size() > kLabelPointThreshold)
                m_dc.TextOut(at->x, at->y, name);
            m_dc.SetTextColor(vd::RGB(0, 0, 0));
        }
    }
}
