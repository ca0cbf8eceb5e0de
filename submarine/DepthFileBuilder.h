#pragma once
// The work of the depth-file builder for one block of 3 x 3 first-level meshes: reads the 16
// depth text files around it (with a status line for each), fills the work grid and its gaps,
// and writes the intermediate depth file of every mesh with more than 160 data cells, listing and
// framing each file written on the overview.
#include "platform/dc/Dc.h"
#include "submarine/DepthBuildRegions.h"
#include "submarine/DepthWorkGrid.h"
#include "submarine/SubmarineOverviewProjection.h"

#include <string>

class DepthFileBuilder {
public:
    // Texts go to the device context; frames are drawn with its selected pen.
    DepthFileBuilder(vd::Dc& dc, const SubmarineOverviewProjection& projection, std::string depthFolder,
                     int statusBase);

    void Build(const DepthBlock& block);
    int FilesWritten() const { return written_; }

private:
    int ReadSoundings(const DepthBlock& block);
    void WriteMesh(int meshRow, int meshColumn, int latitudeCode, int longitudeCode);

    vd::Dc& dc_;
    const SubmarineOverviewProjection& projection_;
    std::string depthFolder_;
    int statusBase_;
    DepthWorkGrid grid_;
    int written_ = 0;
};
