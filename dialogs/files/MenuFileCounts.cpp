#include "dialogs/files/MenuFileCounts.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932Text.h"

std::optional<std::vector<int>> CountMenuFileEntries(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<int> counts;
    bool pastLast = false;
    std::string line;
    while (!pastLast && reader.readLine(line)) {
        if (line.empty() || line[0] == ';')
            continue;
        if (line.find("[M") != std::string::npos) {
            pastLast = int(counts.size()) == kItemMenuCount;
            if (!pastLast)
                counts.push_back(0);
            continue;
        }
        if (counts.empty())
            continue;
        const std::string entry = vd::cp932Mid(line, 3);
        if (!entry.empty() && entry.find('@') != std::string::npos)
            ++counts.back();
    }
    return counts;
}
