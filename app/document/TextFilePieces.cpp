#include "app/document/TextFilePieces.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"

#include <algorithm>

std::vector<std::string> SplitTextPieces(const std::string& line, int pieceBytes)
{
    pieceBytes = std::max(pieceBytes, 2);
    std::vector<std::string> pieces;
    std::string rest = line;
    do {
        std::string piece = vd::cp932Left(rest, pieceBytes);
        const int taken = vd::cp932Width(piece);
        rest = vd::cp932Mid(rest, taken);
        pieces.push_back(std::move(piece));
    } while (!rest.empty());
    return pieces;
}

std::optional<std::vector<std::string>> ReadTextFilePieces(const std::string& winPath, int pieceBytes, int maxLines)
{
    vd::TextReader reader;
    if (winPath.empty() || !reader.open(winPath))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (int(lines.size()) < maxLines && reader.readLine(line)) {
        for (std::string& piece : SplitTextPieces(line, pieceBytes)) {
            if (int(lines.size()) >= maxLines)
                break;
            lines.push_back(std::move(piece));
        }
    }
    return lines;
}
