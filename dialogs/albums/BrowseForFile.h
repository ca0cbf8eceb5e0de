#pragma once
// The file choice of the album dialogs: a beep, the open dialog with the filter followed by
// "All files", a file that must exist; the chosen Windows-form path in ASCII lower case (paths
// are resolved case-insensitively when opened), or "" when nothing was chosen.
#include <string>

std::string BrowseForFile(const std::string& defaultExt, const std::string& initialName, const std::string& filter);
