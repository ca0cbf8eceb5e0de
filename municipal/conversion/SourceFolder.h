#pragma once
// The source files of a folder that convert: regular files whose lower-cased name begins with
// the theme's prefix ("n03", "c23") and contains ".txt", each in the slot of the prefecture code
// that the two characters before its first "." give. At most 60 files and slots 0 to 59; files
// beyond them, and a second file for a slot already taken, are refused by name.
#include "municipal/conversion/SourceTheme.h"

#include <string>
#include <string_view>
#include <vector>

namespace municipal {

inline constexpr int kSlotCount = 60;

struct SourceFile {
    std::string name;       // as on disk
    int slot = 0;           // prefecture code
    std::string outputName; // "Pg001_13.dat", "Ln59l_13.dat"
};

struct RefusedSource {
    std::string name;
    std::string reason;
};

struct SourcePlan {
    std::vector<SourceFile> files; // in slot order
    std::vector<RefusedSource> refused;
};

// The folder in Windows form with its trailing "\".
SourcePlan PlanSourceFolder(std::string_view folder, SourceTheme theme);

// The boundary file name of a source: from the lower-cased name, "Pg" + the name less its first
// four characters and its extension with the first "-" made "_" (n03-001-13.txt -> Pg001_13.dat),
// or "Ln" + the name after its first "-" less its extension with the next "-" made "_"
// (c23-59l-13.txt -> Ln59l_13.dat).
std::string OutputFileName(std::string_view sourceName, SourceTheme theme);

// The prefecture code: the number in the two characters just before the first ".".
int PrefectureSlot(std::string_view sourceName);

} // namespace municipal
