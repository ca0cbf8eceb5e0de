#pragma once
// Converts one published source file into its boundary file: the ledger first (for the
// administrative areas with each area's representative point field, found in a pass of its own),
// the end-of-ledger record, then each area with the points of the links it refers to. The output
// replaces an earlier file only when it was written whole.
#include "municipal/conversion/SourceTheme.h"

#include <functional>
#include <string_view>

namespace municipal {

// The counts of the source's second line.
struct SourceHeader {
    int allData = 0;
    int links = 0;
    int areas = 0;
    int ledger = 0;
};

struct FileConversionResult {
    bool written = false;     // the output file is complete
    int refusedLinks = 0;     // links beyond the table
    int refusedAreaCodes = 0; // area records beyond the ledger's table (administrative areas)
};

inline constexpr int kAreaCodeLimit = 20000;

// `onHeader` is told the header counts once the area pass has read them.
FileConversionResult ConvertSourceFile(std::string_view sourcePath, std::string_view outputPath, SourceTheme theme,
                                       const std::function<void(const SourceHeader&)>& onHeader = {});

} // namespace municipal
