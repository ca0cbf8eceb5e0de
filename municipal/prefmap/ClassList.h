#pragma once
// The "%d|" integer lists the program hands to the prefecture maps (a class value per
// prefecture, the prefectures by rank): each field is the text before the next "|" read as an
// integer; fields missing at the end read as 0.
#include <string_view>
#include <vector>

namespace surrick {

std::vector<int> ParseBarList(std::string_view text, int count);

} // namespace surrick
