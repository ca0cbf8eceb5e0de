#pragma once
// The description page published beside a national-land data file or data folder (a Windows-form
// path, as the settings files hold it): derived from the path's name, then looked up on disk.
#include <string>
#include <string_view>

// The page name the rules give, before it is looked up.
std::string FormatPageCandidate(std::string_view dataPath);
// The candidate when it exists; else the candidate with its last "_" as "-" when that exists;
// else the candidate with "l" appended (".html").
std::string FormatPageName(std::string_view dataPath);
