#pragma once
// The two published themes that convert into boundary files, and where their fixed-column records
// keep their fields (columns count from 0, in bytes).
#include "municipal/files/BoundaryFile.h"

#include <string_view>

namespace municipal {

enum class SourceTheme { AdministrativeArea, Coastline };

struct SourceColumns {
    std::string_view namePrefix;   // "n03" / "c23", matched on the lower-cased file name
    std::string_view outputFolder; // under the chosen folder
    std::string_view outputPrefix; // "Pg" / "Ln"
    char areaType;                 // 'A' / 'S'
    int areaCodeStart;             // 10 bytes
    int areaCountStart;            // 6 bytes
    std::string_view ledgerType;   // "DA" / "DS"
    int pointCountStart;           // to the end of the line
    int linkLimit;                 // links held for one file
    BoundaryFileKind kind;
};

const SourceColumns& ColumnsOf(SourceTheme theme);

} // namespace municipal
