// Prefecture lines over the cells of a plain map (pfctr01-03.dat) and Hokkaido's sub-prefecture
// lines (支庁界.dat), clipped to the extent.
#include "municipal/citysurface/MunicipalityRenderer.h"

#include "basemap/files/MeshPolylineFile.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "meshcode/MeshCode.h"

#include <algorithm>

namespace {

// pfctr points: 320 units a mesh side, so 15/2 seconds of latitude and 45/4 of longitude a unit.
constexpr int kUnitsPerSide = 320;
constexpr int kLastPrefectureLineLatitudeCode = 62;
constexpr int kFirstSubprefectureLatitudeCode = 62;

vd::COLORREF PrefectureLineColour(int tens, int units)
{
    switch (tens) {
    case 1:
        return 0xFF0000;
    case 2:
        return 0x0000FF;
    case 3:
        return 0x0080FF;
    case 4:
    case 5:
        return units == 3 ? 0x008C00 : 0xFF0000;
    default:
        return 0x000000;
    }
}

vd::COLORREF SubprefectureLineColour(int tens) { return tens == 3 ? 0x1E8EFF : tens == 2 ? 0x5555FF : 0xFF4242; }

// The line through the points of a call, clipped to the extent: a line leaving the extent ends on
// its edge, one coming back starts on the edge where it left.
class ClippedTrace {
public:
    explicit ClippedTrace(const CMunicipalityRenderer& r) : r_(r) {}

    void Lift()
    {
        drawn_ = false;
        outside_ = false;
    }

    void To(int longitude, int latitude)
    {
        const bool inside = latitude >= r_.m_nSouth && latitude <= r_.m_nNorth && longitude >= r_.m_nWest &&
                            longitude <= r_.m_nEast;
        if (!inside) {
            if (drawn_)
                LineTo(Clamped(longitude, latitude));
            drawn_ = false;
            outside_ = true;
            lastLongitude_ = longitude;
            lastLatitude_ = latitude;
            return;
        }
        const vd::Point p = r_.Project(longitude, latitude);
        if (outside_) {
            const vd::Point from = Clamped(lastLongitude_, lastLatitude_);
            r_.m_dc.MoveTo(from.x, from.y);
            r_.m_dc.LineTo(p.x, p.y);
        } else if (drawn_) {
            r_.m_dc.LineTo(p.x, p.y);
        } else {
            r_.m_dc.MoveTo(p.x, p.y);
        }
        drawn_ = true;
        outside_ = false;
    }

private:
    vd::Point Clamped(int longitude, int latitude) const
    {
        r_.ClampToExtent(longitude, latitude);
        return r_.Project(longitude, latitude);
    }
    void LineTo(vd::Point p) { r_.m_dc.LineTo(p.x, p.y); }

    const CMunicipalityRenderer& r_;
    bool drawn_ = false;
    bool outside_ = false;
    int lastLongitude_ = 0;
    int lastLatitude_ = 0;
};

const char* PrefectureLineFile(int longitudeCode)
{
    return longitudeCode >= 38 ? "pfctr01.dat" : longitudeCode >= 32 ? "pfctr02.dat" : "pfctr03.dat";
}

void TraceMeshBlock(ClippedTrace& trace, const std::vector<MeshRecord>& records, int meshCode)
{
    const meshcode::MeshCorner corner = meshcode::FirstMeshCorner(std::to_string(meshCode));
    auto it = std::find_if(records.begin(), records.end(),
                           [&](const MeshRecord& r) { return r.isHeader() && r.b == meshCode; });
    if (it == records.end())
        return;
    for (++it; it != records.end() && !it->isHeader(); ++it) {
        if (it->a == kMeshPenUpMark && it->b == kMeshPenUpMark) {
            trace.Lift();
            continue;
        }
        const int latitude = corner.latitude + (kUnitsPerSide - it->b) * 15 / 2;
        const int longitude = corner.longitude + it->a * 45 / 4;
        trace.To(longitude, latitude);
    }
}

} // namespace

void CMunicipalityRenderer::DrawPrefectureLines(int options)
{
    m_nWork = 0;
    const int hundreds = options / 100 % 10;
    const int tens = options / 10 % 10;
    const int units = options % 10;
    m_penPolygon = vd::Pen(vd::PS_SOLID, 1, PrefectureLineColour(tens, units));
    const vd::Pen callerPen = m_dc.SelectObject(m_penPolygon);

    std::vector<std::string> cells = CellCodes(true);
    std::vector<int> drawn;
    for (const std::string& cell : cells)
        if (!cell.empty() && CellInExtent(cell, cells.size()))
            drawn.push_back(meshcode::CodeDigits(cell, 0, 4));

    ClippedTrace trace(*this);
    for (const int code : drawn) {
        if (code / 100 > kLastPrefectureLineLatitudeCode)
            continue;
        if (const auto records = ReadMeshPolylineFile(m_strDataFolder + PrefectureLineFile(code % 100)))
            TraceMeshBlock(trace, *records, code);
    }

    if (hundreds != 0) {
        m_penCoastline = vd::Pen(vd::PS_SOLID, 1, SubprefectureLineColour(tens));
        m_dc.SelectObject(m_penCoastline);
        for (const int code : drawn) {
            if (code / 100 < kFirstSubprefectureLatitudeCode)
                continue;
            if (const auto records = ReadSubprefectureBorderFile(m_strDataFolder + "支庁界.dat"))
                for (const SubprefectureRecord& record : *records) {
                    if (record.isPenUpPair())
                        trace.Lift();
                    else
                        trace.To(record.longitude, record.latitude);
                }
        }
    }
    m_dc.SelectObject(callerPen);
    m_penPolygon.DeleteObject();
    m_penCoastline.DeleteObject();
}
