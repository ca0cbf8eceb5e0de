#pragma once
// What the start map needs before anything can be drawn: a usable application folder and a sheet
// index with sheets in it. Without them the map is an empty frame; the user is told once what is
// missing, and the program goes on.
#include "basemap/sheetindex/SheetIndexFile.h"

#include <filesystem>
#include <string>
#include <vector>

// Whether an index holds at least one sheet line (a name and a corner latitude "DD.MMSS").
bool SheetIndexHasSheets(const std::vector<SheetIndexLine>& lines);

// The message for the user, or "" when the folder is usable and the index holds sheets.
// `indexPath` is in Windows form; `appFolder` is the application folder's Linux path.
std::string StartDataProblem(const std::filesystem::path& appFolder, const std::string& indexPath);
