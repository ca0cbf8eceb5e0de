#include "submarine/depthmaps/DepthSoundingPoints.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "submarine/depthmaps/DeepestDepth.h"
#include "submarine/depthmaps/DepthTextSquares.h"

#include <algorithm>

namespace {

constexpr vd::COLORREF kMeasuredRed = vd::RGB(255, 0, 0);
constexpr vd::COLORREF kInterpolatedBlack = vd::RGB(0, 0, 0);
// Draws the interpolated points as well.
constexpr int kBothKinds = 2;
// No square of depth files is wider than the degrees of latitude there are.
constexpr int kMostSquares = 180;

} // namespace

void DrawDepthSoundings(vd::Dc& dc, const DepthSoundingRequest& request, bool freeFormat)
{
    const DepthMapArea& area = request.area;
    const vd::COLORREF ownText = dc.State().textColour;
    int count = 0;
    int greatest = kNoDepthYet;
    for (const std::string& path :
         DepthTextSquares(request.depthFolder, request.meshCode, std::min(request.extent, kMostSquares - 1) + 1)) {
        if (!vd::fileExists(path))
            continue;
        if (freeFormat) {
            WriteDepthReadingStatus(dc, path, request.statusBase);
            dc.SetTextColor(ownText);
        }
        const auto soundings = freeFormat ? ReadDepthTextFile(path) : ReadFixedColumnDepthFile(path);
        if (!soundings)
            continue;
        for (const DepthSounding& sounding : *soundings) {
            greatest = std::max(greatest, sounding.depthMetres);
            int latitude = 0;
            int longitude = 0;
            if (!SoundingSeconds(sounding, latitude, longitude) || longitude < area.west || longitude > area.east ||
                latitude < area.south || latitude > area.north)
                continue;
            ++count;
            const bool measured = sounding.kind == '0';
            if (!measured && request.method != kBothKinds)
                continue;
            dc.SetPixel(TruncatePixel(float(longitude - area.west) * area.xScale + area.xOffset),
                        TruncatePixel(float(area.north - latitude) * area.yScale + area.yOffset),
                        measured ? kMeasuredRed : kInterpolatedBlack);
        }
    }
    if (freeFormat)
        dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.SetBkMode(vd::TRANSPARENT);
    dc.TextOut(20, request.statusBase - 44, vd::format("測深地点数=%d  最深度=%dm", count, greatest));
    dc.SetBkMode(vd::OPAQUE);
}
