#include "view/pages/TextPageLines.h"

#include "app/document/TextFilePieces.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Wrap.h"

namespace {

constexpr int kLineBytes = 3199;
constexpr int kPageColumns = 78;

bool AllBlanks(const std::string& line)
{
    return line.find_first_not_of(' ') == std::string::npos;
}

} // namespace

std::optional<std::vector<std::string>> ReadTextPageLines(const std::string& winPath)
{
    auto read = ReadTextFilePieces(winPath, kLineBytes, kTextPageMaxLines);
    if (!read)
        return std::nullopt;
    std::vector<std::string> lines;
    for (std::string& line : *read) {
        if (int(lines.size()) >= kTextPageMaxLines)
            break;
        if (vd::cp932Width(line) < kPageColumns + 2) {
            lines.push_back(std::move(line));
            continue;
        }
        // Every piece is kept (the old page list took 30 and lost the rest of a long line).
        for (std::string& piece : vd::cp932Wrap(line, kPageColumns)) {
            if (int(lines.size()) >= kTextPageMaxLines)
                break;
            if (!AllBlanks(piece))
                lines.push_back(std::move(piece));
        }
    }
    return lines;
}
