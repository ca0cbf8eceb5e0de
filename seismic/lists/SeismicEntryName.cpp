#include "seismic/lists/SeismicEntryName.h"

namespace seismic {

std::string SeismicEntryName(std::string_view typed)
{
    std::string name;
    name.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (c == '\r') {
            name += ' ';
            if (i + 1 < typed.size() && typed[i + 1] == '\n')
                ++i;
        } else if (c == '\n' || (static_cast<unsigned char>(c) < 0x20 && c != '\t')) {
            // Other control bytes go too: Ctrl-Z would end the list's text where it stands.
            name += ' ';
        } else if (c == '=') {
            name += "＝";
        } else if (c == ';' && name.empty()) {
            name += "；";
        } else {
            name += c;
        }
    }
    return name;
}

} // namespace seismic
