#include "municipal/maprange/SemSheetLookup.h"

#include "basemap/sheetindex/SheetIndexFile.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>

SemSheetCorner SemFileSheetCorner(const std::string& semPath)
{
    // The first "." of the file's name, not of its folders.
    const std::size_t nameStart = semPath.find_last_of("\\/") == std::string::npos ? 0 : semPath.find_last_of("\\/") + 1;
    const std::size_t dot = semPath.find('.', nameStart);
    const std::size_t codeStart = dot == std::string::npos ? nameStart : std::max(nameStart, dot < 4 ? 0 : dot - 4);
    const std::string code = dot == std::string::npos ? std::string() : semPath.substr(codeStart, dot - codeStart);
    const int latitudeCode = vd::parseInt(code.substr(0, std::min<std::size_t>(2, code.size())));
    const int longitudeCode = vd::parseInt(code.size() > 2 ? code.substr(2) : std::string());
    static const char* const kMinutes[] = {"%d.0000", "%d.2000", "%d.4000"};
    // Latitude codes count 40 minutes each: two thirds of a degree.
    return {vd::format(kMinutes[(latitudeCode * 2 % 3 + 3) % 3], latitudeCode * 2 / 3), vd::format("%d.0000", longitudeCode + 100)};
}

std::string SemFileSheetName(const std::string& semPath, const std::string& sheetIndexPath)
{
    const SemSheetCorner corner = SemFileSheetCorner(semPath);
    const auto index = ReadSheetIndex(sheetIndexPath);
    if (!index)
        return kNoSheet;
    for (const SheetIndexLine& line : *index) {
        if (line.Field(22, 10).find(corner.latitude) == std::string::npos ||
            line.Field(32, 10).find(corner.longitude) == std::string::npos)
            continue;
        std::string name = line.NameColumns();
        name.resize(std::min(name.size(), name.find(' ')));
        return name;
    }
    return kNoSheet;
}
