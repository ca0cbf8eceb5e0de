#include "seismic/SeismicCellLayout.h"

#include "meshcode/Truncate.h"
#include "platform/text/Numbers.h"

#include <string_view>

namespace seismic {

CellLayout ParseCellLayout(const std::string& text)
{
    int values[4] = {};
    std::size_t at = 0;
    for (int& v : values) {
        const std::size_t slash = text.find('/', at);
        v = vd::parseInt(std::string_view(text).substr(at, slash == std::string::npos ? std::string::npos : slash - at));
        at = slash == std::string::npos ? text.size() : slash + 1;
    }
    return {meshcode::TruncateToInt(float(values[0] * 0.001)), meshcode::TruncateToInt(float(values[1] * 0.001)),
            float(values[2] * 0.001), float(values[3] * 0.001)};
}

} // namespace seismic
