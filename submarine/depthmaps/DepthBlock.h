#pragma once
// The block of intermediate depth files a depth map shows: n x n first-level meshes (n = 1, 2, 3,
// 5 or 7), the mesh code passed in being the south-west one, read into one square grid of depths
// (row 0 north, column 0 west). Blocks of 5 and 7 meshes keep every second cell both ways: of each
// pair of file rows the second, of each pair of file columns the first.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The latitude and longitude codes of a four-digit mesh code: its first two and next two digits,
// each read as atoi reads them.
struct DepthMeshCode {
    int latitudeCode = 0;
    int longitudeCode = 0;
};
DepthMeshCode ParseDepthMeshCode(std::string_view meshCode);

// The grid's cells a side for a block size, or nullopt for a size other than 1, 2, 3, 5 and 7.
std::optional<int> DepthBlockGridSide(int blockSize);

// A square grid of whole-metre depths, 0 where nothing is known.
class DepthGrid {
public:
    explicit DepthGrid(int side) : side_(side), cells_(std::size_t(side) * side, 0) {}
    int Side() const { return side_; }
    int At(int row, int column) const { return cells_[std::size_t(row) * side_ + column]; }
    int& Cell(int row, int column) { return cells_[std::size_t(row) * side_ + column]; }
    std::vector<int>& Cells() { return cells_; }
    // The one-pass gap fill; innerOnly leaves the outermost rows and columns as they are.
    void FillGaps(bool innerOnly);

private:
    int side_;
    std::vector<int> cells_;
};

struct DepthBlockFile {
    std::string path;
    int blockRow = 0; // 0 the northern row
    int blockColumn = 0;
};

// The block's files in block order (rows from the north, west to east within a row), whether they
// exist or not. A block of one mesh names its file by the mesh code as passed.
std::vector<DepthBlockFile> DepthBlockFiles(const std::string& depthFolder, const std::string& meshCode, int blockSize);

// How many of the files exist.
int ExistingDepthFiles(const std::vector<DepthBlockFile>& files);

// Reads every file that opens into its part of the grid (a grid of DepthBlockGridSide cells);
// the number of files read.
int ReadDepthBlock(const std::vector<DepthBlockFile>& files, int blockSize, DepthGrid& grid);
