#include "app/SeismicMapTitle.h"

#include "platform/fs/TextReader.h"

std::string SeismicEntryName(const std::vector<std::string>& lines, int entry)
{
    int count = 0;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        if (count++ == entry)
            return line.substr(0, line.find('='));
    }
    return {};
}

std::string SeismicMapTitle(const std::string& appDir, int kind, int entry, int quantity)
{
    const auto lines = vd::readTextLines(appDir + (kind != 0 ? "FLTFILE.DAT" : "SEISFILE.DAT"));
    std::string title = lines ? SeismicEntryName(*lines, entry) : std::string();
    static const char* const kQuantity[] = {"[基盤の最大速度]", "[地表の最大速度]", "[地表の震度]"};
    if (kind == 1 && quantity >= 0 && quantity < 3)
        title += std::string(" ") + kQuantity[quantity];
    return title;
}
