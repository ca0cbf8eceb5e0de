#include "submarine/depthmaps/DepthTextSquares.h"

#include "basemap/projection/SheetGrid.h"
#include "submarine/depthmaps/DepthBlock.h"

namespace {

constexpr int kMinutesPerDegree = 60;

} // namespace

std::vector<std::string> DepthTextSquares(const std::string& depthFolder, const std::string& meshCode, int squares)
{
    const DepthMeshCode code = ParseDepthMeshCode(meshCode);
    // One degree south-west of the mesh: its south edge in whole degrees less one, likewise west.
    const int firstLatitude = (code.latitudeCode * kMeshHeightMinutes - kMeshHeightMinutes) / kMinutesPerDegree;
    const int firstLongitude = code.longitudeCode + kMeshFirstLongitudeDegree - 1;
    std::vector<std::string> paths;
    for (int latitude = 0; latitude < squares; ++latitude)
        for (int longitude = 0; longitude < squares; ++longitude)
            paths.push_back(depthFolder + DepthTextFileName(firstLatitude + latitude, firstLongitude + longitude));
    return paths;
}

void WriteDepthReadingStatus(vd::Dc& dc, const std::string& path, int statusBase)
{
    dc.SetTextColor(vd::RGB(255, 0, 0));
    dc.TextOut(17, statusBase - 22, "500mﾒｯｼｭ水深ﾃﾞｰﾀ(" + path + ")を入力中。しばらくお待ちください！");
}
