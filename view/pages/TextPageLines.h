#pragma once
// The lines of a text page: the file read in pieces of 3199 bytes, each line of 80 bytes or more
// wrapped into 78-byte lines (lines of blanks left out), at most 4999 lines.
#include <optional>
#include <string>
#include <vector>

inline constexpr int kTextPageMaxLines = 4999;

// nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextPageLines(const std::string& winPath);
