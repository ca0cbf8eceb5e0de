#pragma once
// One position of a geology selection text: its character converted as a number; a position past
// the end of the text reads as 0. The drawing and the settings dialogs read selections alike.
#include "platform/text/Numbers.h"

#include <cstddef>
#include <string_view>

namespace geo {

inline int SelectionDigit(std::string_view text, std::size_t p)
{
    return p < text.size() ? vd::parseInt(text.substr(p, 1)) : 0;
}

} // namespace geo
