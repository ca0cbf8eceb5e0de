#pragma once
// The file pickers of the settings dialogs (editor, viewer, tables, place-name files): the default
// beep, then the platform's file-open dialog with the caller's filter followed by "All files", the
// default extension, "*." and that extension as the initial name, and an existing file required.
#include <string>

// The chosen path (Windows form) in lower case, which the path layer still resolves whatever the
// case on disk; empty when the user cancelled.
std::string PickExistingFile(const std::string& filter, const std::string& defaultExt);
