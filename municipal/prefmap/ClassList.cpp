#include "municipal/prefmap/ClassList.h"

#include "platform/text/Numbers.h"

namespace surrick {

std::vector<int> ParseBarList(std::string_view text, int count)
{
    std::vector<int> values(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count && !text.empty(); ++i) {
        const auto bar = text.find('|');
        values[static_cast<std::size_t>(i)] = vd::parseInt(text.substr(0, bar));
        if (bar == std::string_view::npos)
            break;
        text.remove_prefix(bar + 1);
    }
    return values;
}

} // namespace surrick
