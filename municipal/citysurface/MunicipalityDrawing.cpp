// The municipality files of the listed prefectures with their labels, then their coastlines.
#include "municipal/citysurface/MunicipalityAreas.h"

#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <map>

namespace {

// The name columns of a ledger record and the label table's index (code positions 2-4).
constexpr int kNameColumn = 41;
constexpr int kNameWidth = 12;
// An area of more points is labelled even when the label flags ask only for large ones.
constexpr std::size_t kLabelPointThreshold = 40;
constexpr int kNoCoastlinePen = 20;
constexpr vd::COLORREF kBlue = 0xFF0000;
constexpr vd::COLORREF kWhite = 0xFFFFFF;

// The index of a code's positions 2-4; -1 when they are not three digits.
int LabelIndex(std::string_view code)
{
    if (code.size() < 5)
        return -1;
    const std::string_view digits = code.substr(2, 3);
    for (char c : digits)
        if (c < '0' || c > '9')
            return -1;
    return vd::parseInt(digits);
}

// The name field of a ledger record (raw CP932), as UTF-8.
std::string LedgerName(const municipal::LedgerRecord& record)
{
    return vd::cp932Mid(vd::cp932ToUtf8(record.text()), kNameColumn, kNameWidth);
}

void DrawCoastline(CMunicipalityRenderer& r, const std::string& path)
{
    municipal::BoundaryFileReader reader(municipal::BoundaryFileKind::Coastline);
    if (!reader.open(path))
        return;
    r.m_dc.SelectObject(r.m_penCoastline);
    municipal::BoundaryArea area;
    while (reader.nextArea(area))
        if (area.closed)
            surrick::DrawArea(r, surrick::ProjectArea(r, area), false);
    r.m_dc.SelectObject(r.m_penPolygon);
}

} // namespace

void CMunicipalityRenderer::DrawMunicipalities(const std::string& boundaryRoot, const std::string& coastlineRoot)
{
    m_nWork = 0;
    const surrick::MunicipalityTools tools(*this, m_nColourCode);
    const std::string prefix = surrick::MunicipalityFilePrefix(boundaryRoot);
    const bool labels = m_nLabelFlags % 10 == 1;
    const bool allLabels = m_nLabelFlags / 10 == 1;
    for (const std::string& prefecture : m_astrPrefectures) {
        m_dc.SetTextColor(m_nColourCode < 0 ? kWhite : kBlue);
        municipal::BoundaryFileReader reader(municipal::BoundaryFileKind::Municipality);
        if (!prefix.empty() && reader.open(boundaryRoot + "CITYPLGN\\" + prefix + prefecture + ".dat")) {
            std::map<int, std::string> names;
            municipal::LedgerRecord record;
            while (reader.nextLedgerRecord(record)) {
                const int index = labels ? LabelIndex(record.text()) : -1;
                if (index >= 0) {
                    const std::string name = LedgerName(record);
                    names[index] = name.substr(0, name.find(' '));
                }
            }
            municipal::BoundaryArea area;
            while (reader.nextArea(area)) {
                if (!area.closed)
                    break;
                const std::vector<vd::Point> points = surrick::ProjectArea(*this, area);
                surrick::DrawArea(*this, points, m_nFillFlag != 0);
                if (!labels || !(allLabels || points.size() > kLabelPointThreshold))
                    continue;
                const auto at = surrick::LabelPoint(*this, points);
                const auto name = names.find(LabelIndex(area.code));
                if (at && name != names.end())
                    m_dc.TextOut(at->x, at->y, name->second);
            }
        }
        m_dc.SetTextColor(vd::RGB(0, 0, 0));
        if (!coastlineRoot.empty() && m_nCoastlinePenCode != kNoCoastlinePen)
            DrawCoastline(*this, coastlineRoot + "COASTC23\\LN59L_" + prefecture + ".dat");
    }
}
