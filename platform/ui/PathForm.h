#pragma once
// The bridge between the Windows-form paths the system keeps ("Z:\home\user\a.txt") and the
// Linux paths that dialogs and external programs use, through the file layer's drive map.
#include <string>

namespace vd::ui {

// "/home/user/a.txt" -> "Z:\home\user\a.txt" (the longest matching drive root).
std::string toWindowsForm(const std::string& linuxPath);
// "Z:\home\user\a.txt" -> "/home/user/a.txt", each existing component in its case on disk; a
// path without a drive is only re-slashed.
std::string toLinuxForm(const std::string& windowsPath);

} // namespace vd::ui
