#pragma once
// The desktop's default application for a file, as a command the program can start itself (and
// so wait for, or end): the file's type from the shared MIME database, the default application
// of that type from the mimeapps.list files (then the desktop's cache of types), and its desktop
// entry's Exec line with the file in place of its field codes.
#include <string>
#include <vector>

namespace vd::ui {

// linuxFile: a path or a URL. Empty when no application is known for its type.
std::vector<std::string> desktopApplicationCommand(const std::string& linuxFile);

// The argument vector of a desktop entry's Exec line for the file (quotes and escapes removed,
// %f %F %u %U the file, %% a percent sign, the other field codes dropped).
std::vector<std::string> desktopExecCommand(const std::string& exec, const std::string& file);

} // namespace vd::ui
