#include "municipal/annotations/TagPanelLines.h"

#include "platform/text/Cp932.h"
#include "platform/text/Cp932Wrap.h"

#include <algorithm>

namespace surrick {

namespace {

constexpr int kMaxPieces = 10;
constexpr int kOneLine = 75; // bytes
constexpr int kWrapWidth = 74;
constexpr int kMaxPieceLines = 19;

} // namespace

std::vector<std::string> TagPanelLines(std::string_view text)
{
    std::vector<std::string_view> pieces;
    while (!text.empty() && int(pieces.size()) < kMaxPieces) {
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos) {
            pieces.emplace_back();
            break;
        }
        pieces.push_back(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    std::vector<std::string> lines;
    for (std::string_view piece : pieces) {
        if (int(lines.size()) >= kTagMaxLines)
            break;
        if (vd::cp932Width(piece) <= kOneLine) {
            lines.emplace_back(piece);
            continue;
        }
        std::vector<std::string> wrapped = vd::cp932Wrap(piece, kWrapWidth);
        wrapped.resize(std::min<std::size_t>(wrapped.size(), kMaxPieceLines));
        for (std::string& line : wrapped) {
            if (int(lines.size()) >= kTagMaxLines)
                break;
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

} // namespace surrick
