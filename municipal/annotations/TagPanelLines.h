#pragma once
// The lines of the text tag panel: the "|"-closed pieces of the caller's text, each as one line
// or wrapped to lines of 74 CP932 bytes, at most ten lines in all.
#include <string>
#include <string_view>
#include <vector>

namespace surrick {

inline constexpr int kTagMaxLines = 10;

// At most ten pieces, each closed by "|" (a rest without "|" reads as one empty piece). A piece
// of up to 75 bytes is one line as it stands; a longer one wraps into lines of 74 bytes (a
// character in the last column kept whole), of which the first 19 are kept.
std::vector<std::string> TagPanelLines(std::string_view text);

} // namespace surrick
