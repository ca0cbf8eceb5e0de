#include "dialogs/files/MenuFileEntries.h"

#include "dialogs/files/MenuFileCounts.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/TextLines.h"
#include "platform/fs/TextReader.h"
#include "platform/fs/WinPath.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <vector>

namespace {

bool isComment(std::string_view line)
{
    return !line.empty() && line[0] == ';';
}

bool isSection(std::string_view line)
{
    return line.find("[M") != std::string_view::npos;
}

// The slot number of an entry line: the value of its first two characters.
int slotNumber(std::string_view line)
{
    return vd::parseInt(vd::cp932Left(line, 2));
}

// An entry text ("<title>@<target>", a separator or nothing) split as the list shows it.
MenuSlot slotOfEntry(const std::string& entry)
{
    if (entry.empty())
        return {};
    const std::size_t at = entry.find('@');
    if (at == std::string::npos)
        return {kSeparatorTitle, {}};
    return {entry.substr(0, at), entry.substr(at + 1)};
}

std::string entryText(const MenuSlot& slot)
{
    if (slot.title.starts_with("--"))
        return slot.title;
    if (slot.title.empty() && slot.target.empty())
        return {};
    return ItemMenuTitleForFile(slot.title) + "@" + slot.target;
}

// A separator read back shows as kSeparatorTitle; its line keeps its own text.
bool keepsSeparator(const std::string& line, const MenuSlot& slot)
{
    const std::string entry = vd::cp932Mid(line, 3);
    return slot.title == kSeparatorTitle && slot.target.empty() && !entry.empty() &&
           entry.find('@') == std::string::npos;
}

// The installed form: eight sections of 35 empty slots.
vd::TextLines emptyItemMenuFile()
{
    static const char* const names[kItemMenuCount] = {"テキスト1", "テキスト2", "テキスト3", "テキスト4",
                                                      "テキスト5", "画像1",     "画像2",     "画像3"};
    vd::TextLines lines;
    for (int menu = 0; menu < kItemMenuCount; ++menu) {
        lines.appendText(vd::format("[M%d] %s", menu + 1, names[menu]));
        for (int slot = 0; slot < kMenuSlotCount; ++slot)
            lines.appendText(vd::format("%02d=", slot));
    }
    return lines;
}

bool writeMaking(const vd::TextLines& lines, std::string_view winPath)
{
    // The folder may be missing in a new application folder.
    return (vd::folderExists(vd::winFolderOf(winPath)) || vd::makeFolders(vd::winFolderOf(winPath))) &&
           lines.write(winPath);
}

} // namespace

std::string ItemMenuTitleForFile(std::string_view title)
{
    std::string text(title);
    vd::replaceAll(text, "@", "＠");
    vd::replaceAll(text, "[M", "［M");
    return text;
}

std::string GuideMapTitleForFile(std::string_view title)
{
    std::string text = ItemMenuTitleForFile(title);
    vd::replaceAll(text, " ", "　");
    if (text.starts_with(";"))
        text.replace(0, 1, "；");
    return text;
}

MenuSlots ReadItemMenu(std::string_view winPath, int menu)
{
    // Slots are taken by their numbers and counted as the rewrite counts them, so that what is
    // listed is what the rewrite puts back in the same line.
    MenuSlots slots{};
    int sections = 0;
    bool inMenu = false;
    int entries = 0;
    for (const std::string& line : vd::readTextLines(winPath).value_or(std::vector<std::string>{})) {
        if (line.empty() || isComment(line))
            continue;
        if (isSection(line)) {
            // The next section line ends the menu: a short section never lends the next one's entries.
            inMenu = sections++ == menu;
            entries = 0;
            continue;
        }
        if (!inMenu || line.find('=') == std::string::npos)
            continue;
        const int slot = slotNumber(line);
        if (slot >= 0 && slot < kMenuSlotCount)
            slots[std::size_t(slot)] = slotOfEntry(vd::cp932Mid(line, 3));
        if (++entries == kMenuSlotCount)
            inMenu = false;
    }
    return slots;
}

MenuSlots ReadGuideMapMenu(std::string_view winPath)
{
    MenuSlots slots{};
    int count = 0;
    for (const std::string& line : vd::readTextLines(winPath).value_or(std::vector<std::string>{})) {
        if (line.empty() || isComment(line))
            continue;
        const std::size_t blank = line.find(' ');
        slots[std::size_t(count)] = blank == std::string::npos ? MenuSlot{kSeparatorTitle, {}}
                                                               : MenuSlot{line.substr(0, blank), line.substr(blank + 1)};
        if (++count == kMenuSlotCount)
            break;
    }
    return slots;
}

bool RewriteItemMenu(std::string_view winPath, int menu, const MenuSlots& slots)
{
    std::optional<vd::TextLines> read = vd::TextLines::read(winPath);
    if (!read) {
        if (vd::pathExists(winPath))
            return false;
        read = emptyItemMenuFile();
    }
    vd::TextLines& lines = *read;
    std::array<bool, kMenuSlotCount> written{};
    bool found = false;
    bool inMenu = false;
    int sections = 0;
    int entries = 0;
    std::size_t sectionEnd = 0; // where slots without a line of their own go
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = lines.text(i);
        if (isComment(line))
            continue;
        if (isSection(line)) {
            inMenu = sections++ == menu;
            found = found || inMenu;
            entries = 0;
            if (inMenu)
                sectionEnd = i + 1;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inMenu || equals == std::string::npos)
            continue;
        sectionEnd = i + 1;
        const int slot = slotNumber(line);
        if (slot >= 0 && slot < kMenuSlotCount) {
            const std::string rebuilt = line.substr(0, equals + 1) + entryText(slots[std::size_t(slot)]);
            if (rebuilt != line && !keepsSeparator(line, slots[std::size_t(slot)]))
                lines.setText(i, rebuilt);
            written[std::size_t(slot)] = true;
        }
        if (++entries == kMenuSlotCount)
            inMenu = false;
    }
    if (!found)
        return false;
    for (int slot = 0; slot < kMenuSlotCount; ++slot) {
        const std::string text = entryText(slots[std::size_t(slot)]);
        if (!written[std::size_t(slot)] && !text.empty())
            lines.insertText(sectionEnd++, vd::format("%02d=", slot) + text);
    }
    return writeMaking(lines, winPath);
}

bool RewriteGuideMapMenu(std::string_view winPath, const MenuSlots& slots)
{
    std::optional<vd::TextLines> read = vd::TextLines::read(winPath);
    if (!read && vd::pathExists(winPath))
        return false;
    vd::TextLines lines = read.value_or(vd::TextLines{});
    // The leading comments stay with their bytes; empty lines among them and everything after go.
    std::size_t kept = 0;
    while (kept < lines.size()) {
        if (lines.raw(kept).empty())
            lines.erase(kept);
        else if (isComment(lines.raw(kept)))
            ++kept;
        else
            break;
    }
    while (lines.size() > kept)
        lines.erase(lines.size() - 1);
    for (const MenuSlot& slot : slots)
        if (!slot.title.empty())
            lines.appendText(GuideMapTitleForFile(slot.title) + " " + slot.target);
    return writeMaking(lines, winPath);
}
