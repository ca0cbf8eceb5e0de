#pragma once
// The first-level mesh that cell n of a layer's block draws: the one rule behind every mesh
// layer's block walk (Pelmora's cell file names, Halvette's seismic meshes).
#include "meshcode/WideAreaBlock.h"

#include <array>
#include <string>
#include <string_view>

namespace meshcode {

// With the four codes of a wide-area settings list read (`readCodes`), code n of them (empty past
// the fourth or where a code was left empty). Otherwise the block's rule (BlockCellMeshCode); a
// single cell that the rule leaves empty draws the first-level mesh that `meshText` starts with.
std::string BlockCellCode(const WideAreaBlock& block, int cellCount, int n, std::string_view meshText,
                          const std::array<std::string, 4>* readCodes = nullptr);

} // namespace meshcode
