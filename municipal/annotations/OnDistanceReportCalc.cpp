// OnDistanceReportCalc: one label on the map with the distance between two places and a
// gradient, slope angle or length before it.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickText.h"
#include "municipal/annotations/DistanceLabel.h"

namespace {

constexpr int kFontHeight = 13;
constexpr int kTextDrop = 9;

} // namespace

extern "C" void OnDistanceReportCalc(vd::Dc* dc, int fontReduction, int labelMode, int textColour,
                                     int backgroundFlag, int labelX, int labelY, float longitude1, float latitude1,
                                     double value, std::string longitude2, std::string latitude2)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const double km = surrick::DistanceKm(surrick::DmsFloatDegrees(longitude1), surrick::DmsFloatDegrees(latitude1),
                                              surrick::DmsTextDegrees(longitude2), surrick::DmsTextDegrees(latitude2));
        const std::optional<std::string> label = surrick::DistanceLabelText(labelMode, value, km);
        if (!label)
            return;
        const vd::Font font = surrick::MapFont(kFontHeight - fontReduction, surrick::kGothicFace);
        const vd::Font callerFont = dc.SelectObject(font);
        switch (textColour) {
        case 0: dc.SetTextColor(vd::RGB(0, 0, 0)); break;
        case 1: dc.SetTextColor(vd::RGB(255, 0, 0)); break;
        case 2: dc.SetTextColor(vd::RGB(0, 0, 255)); break;
        case 3: dc.SetTextColor(vd::RGB(255, 255, 255)); break;
        default: break;
        }
        if (backgroundFlag == 0)
            dc.SetBkMode(vd::TRANSPARENT);
        dc.TextOut(labelX, labelY + kTextDrop, *label);
        dc.SelectObject(callerFont);
        dc.SetTextColor(vd::RGB(0, 0, 0));
        if (backgroundFlag == 0)
            dc.SetBkMode(vd::OPAQUE);
    });
}
