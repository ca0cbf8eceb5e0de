// The document's helpers for texts shown as pages: the 78-byte page wrap and the head of a text
// file under a title line.
#include "app/document/VeldoranDoc.h"

#include "app/document/TextFilePieces.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Wrap.h"

#include <algorithm>

namespace {

constexpr int kPageColumns = 78;
constexpr int kPageLines = 29;     // m_astrWorkText entries that take page lines
constexpr int kSectionLines = 26;  // display lines of a text's head
constexpr int kSectionLineBytes = 3197;

} // namespace

std::string CVeldoranDoc::WrapTextPage(const std::string& text)
{
    const std::vector<std::string> lines = vd::cp932Wrap(text, kPageColumns);
    for (int k = 0; k < kPageLines; ++k)
        entry.m_astrWorkText[std::size_t(k)].clear();
    const int count = int(lines.size());
    entry.m_astrWorkText[std::size_t(std::min(count, kPageLines))] = "999";
    std::string answer = std::to_string(count) + "/";
    for (int k = 0; k < count; ++k) {
        if (k < kPageLines)
            entry.m_astrWorkText[std::size_t(k)] = lines[std::size_t(k)];
        answer += lines[std::size_t(k)] + "\r\n";
    }
    return answer;
}

std::string CVeldoranDoc::ReadTextSection(const std::string& file, const std::string& first, const std::string& second)
{
    std::string answer = "===== " + first + " " + second + " =====\r\n";
    vd::TextReader reader;
    if (file.empty() || !reader.open(file))
        return answer;
    int shown = 0;
    std::string line;
    while (shown < kSectionLines && reader.readLine(line)) {
        for (const std::string& piece : SplitTextPieces(line, kSectionLineBytes)) {
            if (shown >= kSectionLines)
                break;
            if (vd::cp932Width(piece) < kPageColumns + 1) {
                answer += piece + "\r\n";
                ++shown;
                continue;
            }
            const std::string wrapped = WrapTextPage(piece);
            const std::size_t slash = wrapped.find('/');
            answer += wrapped.substr(slash + 1);
            shown += std::stoi(wrapped.substr(0, slash));
        }
    }
    return answer;
}
