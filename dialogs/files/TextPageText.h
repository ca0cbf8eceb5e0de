#pragma once
// The texts that the text display and the memo dialogs show from a file, joined with CR LF. A
// line that is exactly "999" is an end mark: the text display stops there, and the memo section
// of a file is what follows it. A file that cannot be opened gives no lines.
#include <string>
#include <string_view>

// The text display: every line up to the first "999" line.
std::string TextDisplayText(std::string_view winPath);

// What the memo shows for a MemoMode: 1 the header line and the lines after the first "999"
// line (other "999" lines left out); 2 the header line and the first 16 lines; any other mode
// the caller's text unchanged.
std::string MemoText(int mode, std::string_view winPath, const std::string& callerText);

inline constexpr const char* kMemoHeader = "=====  =====\r\n";
inline constexpr int kMemoHeadLines = 16;
