#pragma once
// The byte-exact wrap of the old text pages and panels (78 bytes a line for the text page, 74
// for the tag panel).
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Wraps a text into n / width + 1 lines of width CP932 bytes each (n the text's CP932 length),
// cut at every width-th byte and padded with blanks after the end of the text, so a text whose
// length is a multiple of width ends with a line of blanks. A double-byte character whose lead
// byte falls in the last column stays whole: its trail byte becomes byte width + 1 of that line
// and the next line starts after it (the lead/trail carry). Nothing of the text is dropped.
// A width below 2 counts as 2.
std::vector<std::string> cp932Wrap(std::string_view utf8, int width);

} // namespace vd
