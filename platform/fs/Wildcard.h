#pragma once
// File-name patterns as the old file search took them: "*" any run of characters, "?" one
// character, letters compared without regard to ASCII case. A pattern ending in ".*" also
// matches a name without extension, so "*.*" matches every name.
#include <string_view>

namespace vd {

bool matchesWildcard(std::string_view pattern, std::string_view name);

} // namespace vd
