#include "view/menubars/MenuListFiles.h"

#include "platform/fs/TextReader.h"

namespace {

// The file's lines without comments and empty lines; none when it cannot be read.
std::vector<std::string> listLines(const std::string& path)
{
    std::vector<std::string> lines;
    for (std::string& line : vd::readTextLines(path).value_or(std::vector<std::string>{}))
        if (!line.empty() && line[0] != ';')
            lines.push_back(std::move(line));
    return lines;
}

bool isSeparatorLine(const std::string& line)
{
    return line.starts_with("---");
}

// The text after the first three characters (UTF-8 sequences count as one character each).
std::string afterThreeCharacters(const std::string& line)
{
    std::size_t pos = 0;
    for (int n = 0; n < 3 && pos < line.size(); ++n) {
        ++pos;
        while (pos < line.size() && (static_cast<unsigned char>(line[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return line.substr(pos);
}

template <class Caption>
std::vector<MenuListItem> readSimpleList(const std::string& path, Caption caption)
{
    std::vector<MenuListItem> items;
    for (const std::string& line : listLines(path)) {
        if (int(items.size()) == kMenuFamilySize)
            break;
        const bool separator = isSeparatorLine(line);
        items.push_back({separator ? std::string() : caption(line), line, separator, false});
    }
    return items;
}

} // namespace

std::vector<MenuListItem> readSheetMenuList(const std::string& path)
{
    return readSimpleList(path, [](const std::string& line) { return line; });
}

std::vector<MenuListItem> readGuideMapMenuList(const std::string& path)
{
    return readSimpleList(path, [](const std::string& line) {
        const std::size_t blank = line.find(' ');
        return blank == std::string::npos || blank == 0 ? line : line.substr(0, blank);
    });
}

std::vector<std::vector<MenuListItem>> readItemMenuLists(const std::string& path)
{
    std::vector<std::vector<MenuListItem>> menus;
    bool inMenu = false;
    for (const std::string& line : listLines(path)) {
        if (line.find("[M") != std::string::npos) {
            inMenu = int(menus.size()) < kItemMenuCount;
            if (inMenu)
                menus.emplace_back();
            continue;
        }
        if (!inMenu || int(menus.back().size()) == kMenuFamilySize)
            continue;
        MenuListItem item;
        std::string entry = afterThreeCharacters(line);
        if (entry.empty()) {
            item.empty = true;
        } else {
            const std::size_t at = entry.find('@');
            std::string title = at == std::string::npos ? "--------" : entry.substr(0, at);
            if (at == std::string::npos)
                entry.clear();
            item.separator = title == "--------";
            if (item.separator)
                entry.clear();
            else
                item.text = std::move(title);
        }
        item.stored = std::move(entry);
        menus.back().push_back(std::move(item));
    }
    return menus;
}
