#pragma once
// DDMCFILE.DAT, the industry-statistics mesh settings in the application folder (CP932, CR LF).
// As written it holds exactly 43 lines: T3_1 to T3_5 (the fixed names "産業統計", "工業統計",
// "農業センサス", then the names of rows 4 and 5), F3_1 to F3_5 (folders), N3_1 to N3_5 (items),
// then the item definitions: S3_17, S3_19, S3_18, S3_20 to S3_26 (column 1), S3_27 to S3_36
// (column 2), S3_3A, S3_3B, S3_42 to S3_47 (column 3). The on values are not kept.
//
// Read back, a T, F or N line names its row by the digit at byte 3 (the tab digit is not looked
// at) and its value starts at byte 5; an N line also switches its row off. The S keys only matter
// where a column starts ("S3_17", "S3_27", "S3_3A"); every S line's value (from byte 6) goes to
// the next row of the column last started.
#include "layers/settings/industrymesh/IndustryMeshSettings.h"

#include <string>

// The file in the settings folder (Windows form ending in "\"); any case of the name is the file.
std::string IndustryMeshSettingsFilePath(const std::string& folder);

// Reads the file's lines into the settings; what no line names keeps its value. Lines of rows
// outside 1 to 5, S lines before a column starts or past its last row are ignored. False when
// the file cannot be opened (nothing changes).
bool ReadIndustryMeshSettingsFile(const std::string& path, IndustryMeshSettings& settings);

// Writes the 43 lines anew. The old file stays when the new one cannot be written whole (false).
bool WriteIndustryMeshSettingsFile(const std::string& path, const IndustryMeshSettings& settings);
