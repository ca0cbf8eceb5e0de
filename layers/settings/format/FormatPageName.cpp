#include "layers/settings/format/FormatPageName.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/StringOps.h"

namespace {

// The text up to and including the first `mark`, with `ending` after it; nothing when the mark is
// not there.
bool CutAfter(std::string& text, std::string_view mark, std::string_view ending)
{
    const std::size_t at = text.find(mark);
    if (at == std::string::npos)
        return false;
    text = text.substr(0, at + mark.size()) + std::string(ending);
    return true;
}

// The byte where the UTF-8 character before `end` starts.
std::size_t PreviousCharacter(const std::string& text, std::size_t end)
{
    std::size_t at = end;
    while (at > 0) {
        --at;
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            break;
    }
    return at;
}

} // namespace

std::string FormatPageCandidate(std::string_view dataPath)
{
    std::string page = vd::toLowerAscii(dataPath);
    if (CutAfter(page, "l04", "-xxp.htm") || CutAfter(page, "l05", "-xxp.htm"))
        return page;
    if (const std::size_t dot = page.find(".txt"); dot != std::string::npos)
        return page.substr(0, dot + 1) + "htm";
    // A data folder: "folder\(code)" names the page by the code without its last character.
    if (const std::size_t open = page.find('('); open != std::string::npos)
        page.erase(open, 1);
    const std::size_t close = page.find(')');
    page = (close == std::string::npos ? std::string() : page.substr(0, PreviousCharacter(page, close))) + ".htm";
    CutAfter(page, "n03", "_xxa.htm");
    for (const char* mesh : {"s04", "s03", "s01"})
        CutAfter(page, mesh, "_xxm.htm");
    return page;
}

std::string FormatPageName(std::string_view dataPath)
{
    const std::string page = FormatPageCandidate(dataPath);
    if (vd::fileExists(page))
        return page;
    if (const std::size_t bar = page.rfind('_'); bar != std::string::npos) {
        std::string dashed = page;
        dashed[bar] = '-';
        if (vd::fileExists(dashed))
            return dashed;
    }
    return page + "l";
}
