#include "municipal/files/PartSheetIndexFile.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"

#include <algorithm>

std::array<std::string, kPartSheets> ReadPartSheetNames(std::string_view winPath, std::string_view sheetName)
{
    std::array<std::string, kPartSheets> names;
    vd::TextReader reader;
    // An empty name would be found in every line.
    if (sheetName.empty() || !reader.open(winPath))
        return names;
    std::string raw;
    while (reader.readRawLine(raw)) {
        if (raw.empty() || raw.front() == ';' || vd::cp932ToUtf8(raw).find(sheetName) == std::string::npos)
            continue;
        const int part = vd::parseInt(vd::rawField(raw, 20, 2));
        if (part < 1 || part > kPartSheets)
            continue;
        std::string name = vd::textField(raw, 23, 12);
        name.resize(std::min(name.size(), name.find(' ')));
        names[part - 1] = std::move(name);
    }
    return names;
}
