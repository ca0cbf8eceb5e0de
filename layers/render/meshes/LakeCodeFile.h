#pragma once
// 湖沼ｺｰﾄﾞ.dat, built once beside the 1/10 lake data file: one line per "D" record, the 7-character
// lake code, the name, " " and the lake-surface elevation; and the labels read from it.
#include <string>
#include <string_view>
#include <vector>

namespace meshes {

// The data file's path with the last 7 characters of its name before the extension replaced
// by 湖沼ｺｰﾄﾞ.dat (a shorter name is replaced whole).
std::string LakeCodeFileName(std::string_view dataPath);

// The file's lines (raw CP932) made from the data file's "D" records; none when it cannot be read.
bool ReadLakeCodeLines(const std::string& dataPath, std::vector<std::string>& lines);

// The label lines (UTF-8) of the lake whose line starts with the 6-character code, by label
// mode 1-4; none when the file or the code is missing.
std::vector<std::string> LakeLabelLines(const std::string& codeFile, std::string_view code, int labelMode);

} // namespace meshes
