#include "submarine/DepthFileBuilder.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "submarine/SubmarineOverviewMap.h"
#include "submarine/files/DepthTextFile.h"
#include "submarine/files/IntermediateDepthFile.h"

namespace {

constexpr int kDegreesOfBlockHeight = 2;
constexpr int kSecondsPerDegree = 3600;
constexpr int kMeshHeightMinutes = 40;
constexpr int kFirstLongitudeDegree = 100;
// A mesh needs more data cells than this to get a file.
constexpr int kLeastDataCells = 160;
constexpr int kListLinesPerColumn = 32;

} // namespace

DepthFileBuilder::DepthFileBuilder(vd::Dc& dc, const SubmarineOverviewProjection& projection, std::string depthFolder,
                                   int statusBase)
    : dc_(dc), projection_(projection), depthFolder_(std::move(depthFolder)), statusBase_(statusBase)
{
}

void DepthFileBuilder::Build(const DepthBlock& block)
{
    const int southCode = block.southDegree * 60 / kMeshHeightMinutes;
    grid_.Clear((block.southDegree + kDegreesOfBlockHeight) * kSecondsPerDegree, block.westDegree * kSecondsPerDegree);
    if (ReadSoundings(block) == 0)
        return;
    grid_.FillGaps();
    for (int meshRow = 0; meshRow < kDepthBlockMeshes; ++meshRow)
        for (int meshColumn = 0; meshColumn < kDepthBlockMeshes; ++meshColumn)
            if (grid_.DataCells(meshRow, meshColumn) > kLeastDataCells)
                WriteMesh(meshRow, meshColumn, southCode + kDepthBlockMeshes - 1 - meshRow,
                          block.westDegree - kFirstLongitudeDegree + meshColumn);
}

// The 16 depth text files around the block; the number of those read.
int DepthFileBuilder::ReadSoundings(const DepthBlock& block)
{
    int files = 0;
    for (int latitude = block.southDegree - 1; latitude <= block.southDegree + 2; ++latitude)
        for (int longitude = block.westDegree - 1; longitude <= block.westDegree + 2; ++longitude) {
            const std::string path = depthFolder_ + DepthTextFileName(latitude, longitude);
            const auto soundings = ReadDepthTextFile(path);
            if (!soundings)
                continue;
            ++files;
            dc_.SetTextColor(vd::RGB(255, 0, 0));
            dc_.SetBkColor(vd::RGB(255, 255, 255));
            dc_.TextOut(10, 5, vd::format("水深ﾃﾞｰﾀ (File No.%d  ", files) + path + ")");
            dc_.TextOut(440, statusBase_ - 22, "500mﾒｯｼｭ水深ﾃﾞｰﾀを入力中。しばらくお待ちください！  " +
                                                   vd::format("(No.%3d)", written_ + 1));
            for (const DepthSounding& sounding : *soundings)
                grid_.Place(sounding);
        }
    return files;
}

// Writes the mesh's file; only a file written is listed and framed.
void DepthFileBuilder::WriteMesh(int meshRow, int meshColumn, int latitudeCode, int longitudeCode)
{
    const std::string name = IntermediateDepthFileName(latitudeCode, longitudeCode);
    // The settings dialogs make the folder; one typed by hand may lack it. Made only once a file
    // is due, so a call without depth data leaves no folder behind.
    if (!vd::folderExists(depthFolder_ + kSeaFloorFolder))
        (void)vd::makeFolders(depthFolder_ + kSeaFloorFolder);
    if (!WriteIntermediateDepthFile(depthFolder_ + kSeaFloorFolder + name, grid_.MeshCells(meshRow, meshColumn)))
        return;
    dc_.SetTextColor(vd::RGB(0, 0, 0));
    dc_.TextOut(10, 5, "水深中間ﾌｧｲﾙを出力しています");
    dc_.TextOut(10, 23, "   （水深中間ﾌｧｲﾙの範囲：青枠線)");
    const bool secondColour = (written_ / kListLinesPerColumn) % 2 == 1;
    dc_.SetTextColor(secondColour ? kDepthFileFrameBlue : vd::RGB(0, 0, 0));
    dc_.TextOut(20, 41 + 18 * (written_ % kListLinesPerColumn), vd::format("No.%d ", written_ + 1) + name);
    DrawDepthMeshFrame(dc_, projection_, latitudeCode, longitudeCode, false);
    ++written_;
}
