#pragma once
// The depth text files that the sounding points and the contour map read themselves: a square of
// whole degrees beginning one degree south-west of the block's south-west mesh, latitude as the
// outer loop; and the status line each writes while it reads one.
#include "platform/dc/Dc.h"
#include "submarine/files/DepthTextFile.h"

#include <string>
#include <vector>

// The paths of the (squares x squares) files, whether they exist or not; none for squares < 1.
std::vector<std::string> DepthTextSquares(const std::string& depthFolder, const std::string& meshCode, int squares);

// "500mﾒｯｼｭ水深ﾃﾞｰﾀ(<path>)を入力中。しばらくお待ちください！" in red at (17, statusBase - 22);
// the text colour is left red.
void WriteDepthReadingStatus(vd::Dc& dc, const std::string& path, int statusBase);
