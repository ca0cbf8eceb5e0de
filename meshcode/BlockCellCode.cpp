#include "meshcode/BlockCellCode.h"

#include "platform/text/Cp932Text.h"

namespace meshcode {

std::string BlockCellCode(const WideAreaBlock& block, int cellCount, int n, std::string_view meshText,
                          const std::array<std::string, 4>* readCodes)
{
    if (readCodes != nullptr)
        return n >= 0 && n < int(readCodes->size()) ? (*readCodes)[std::size_t(n)] : std::string();
    std::string code = BlockCellMeshCode(block, n);
    if (code.empty() && cellCount == 1 && n == 0)
        code = vd::cp932Left(meshText, 4);
    return code;
}

} // namespace meshcode
