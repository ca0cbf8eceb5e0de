#include "layers/render/surfaces/SurfaceParts.h"

#include "layers/render/points/PointLayer.h"

#include <cmath>
#include <vector>

namespace surfaces {

namespace {

constexpr int kAreaStartCode = 3;

struct PendingPart {
    bool open = false;
    int startCode = 0;
    int pen = -1;
    std::vector<vd::Point> points;
    std::string label;
    bool labelTaken = false;
};

class PartDrawer {
public:
    PartDrawer(CLayerRenderer& r, const PartTheme& theme, int fillFlag, bool labels)
        : r_(r), theme_(theme), fillFlag_(fillFlag), labels_(labels && bool(theme.label))
    {
    }

    // Draws the pending part when it has enough points; true when it did.
    bool Flush(PendingPart& part)
    {
        if (!part.open || int(part.points.size()) < theme_.minimumPoints)
            return false;
        vd::Dc& dc = r_.DeviceContext;
        if (part.pen >= 0)
            r_.SelectThinPen(part.pen);
        if (fillFlag_ == 1 && part.startCode == kAreaStartCode)
            dc.Polygon(part.points);
        else
            dc.Polyline(part.points);
        if (part.pen >= 0)
            r_.SelectThinPen(r_.ItemCode % 11);
        if (labels_ && part.labelTaken && !(theme_.labelOnlyWhenChanged && part.label == lastLabel_)) {
            const vd::Point first = part.points.front();
            dc.TextOut(first.x + theme_.labelDx, first.y + theme_.labelDy, part.label);
            lastLabel_ = part.label;
        }
        return true;
    }

private:
    CLayerRenderer& r_;
    const PartTheme& theme_;
    int fillFlag_;
    bool labels_;
    std::string lastLabel_;
};

} // namespace

int Scaled(double value, double factor)
{
    const double seconds = std::trunc(value * factor);
    return std::isfinite(seconds) && std::fabs(seconds) < 1e9 ? int(seconds) : 0;
}

bool DrawPartFile(CLayerRenderer& r, const std::string& winPath, const PartTheme& theme, const CellLimits& cells,
                  int fillFlag, bool labels, EarlyEnd& early)
{
    PartDrawer drawer(r, theme, fillFlag, labels);
    PendingPart part;
    const auto flush = [&] {
        if (drawer.Flush(part))
            early.Drawn();
    };
    const bool opened = points::ForEachLine(winPath, [&](std::string_view line) {
        const std::optional<PartRecord> record = theme.decode(line);
        if (!record)
            return true;
        if (record->startsPart) {
            flush();
            part = PendingPart{};
            part.open = true;
            part.startCode = record->partCode;
            part.pen = theme.partPen ? theme.partPen(line) : -1;
        }
        if (!cells.Contains(record->cell)) {
            if (theme.outsideDiscardsPart)
                part.points.clear();
            return !early.Outside();
        }
        if (!part.labelTaken && theme.label) {
            part.label = theme.label(line);
            part.labelTaken = true;
        }
        const meshcode::MeshCorner point = theme.point(line, record->cell);
        const std::optional<ScreenPoint> at = ClipPoint(r, point.latitude, point.longitude);
        if (at)
            part.points.push_back({at->x, at->y});
        else if (theme.outsideDiscardsPart)
            part.points.clear();
        return true;
    });
    flush();
    return opened;
}

} // namespace surfaces
