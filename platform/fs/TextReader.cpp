#include "platform/fs/TextReader.h"

#include "platform/text/Cp932.h"

#include <cstring>

namespace vd {
namespace {
constexpr char kEndOfText = 0x1A;
}

bool TextReader::open(std::string_view winPath)
{
    atEndMark_ = false;
    return source_.open(winPath);
}

bool TextReader::seek(std::uint64_t offset)
{
    atEndMark_ = false;
    return source_.seek(offset);
}

bool TextReader::readRawLine(std::string& cp932)
{
    cp932.clear();
    bool any = false;
    while (!atEndMark_) {
        if (source_.buffered().empty() && !source_.refill())
            break;
        std::string_view chunk = source_.buffered();
        const void* newline = std::memchr(chunk.data(), '\n', chunk.size());
        // The end mark matters only before this line's end: the rest of the buffer is not
        // searched again for every line.
        const size_t span = newline ? static_cast<size_t>(static_cast<const char*>(newline) - chunk.data()) : chunk.size();
        if (const void* mark = std::memchr(chunk.data(), kEndOfText, span)) {
            chunk = chunk.substr(0, static_cast<size_t>(static_cast<const char*>(mark) - chunk.data()));
            newline = nullptr;
            if (chunk.empty()) {
                atEndMark_ = true;
                break;
            }
        }
        if (newline) {
            const size_t length = static_cast<size_t>(static_cast<const char*>(newline) - chunk.data());
            cp932.append(chunk.data(), length);
            source_.consume(length + 1);
            if (!cp932.empty() && cp932.back() == '\r')
                cp932.pop_back();
            return true;
        }
        cp932.append(chunk);
        source_.consume(chunk.size());
        any = true;
    }
    if (!any || source_.failed())
        return false;
    if (!cp932.empty() && cp932.back() == '\r')
        cp932.pop_back();
    return true;
}

bool TextReader::readRawLine(std::string_view& cp932)
{
    if (!atEndMark_) {
        const std::string_view chunk = source_.buffered();
        const void* newline = std::memchr(chunk.data(), '\n', chunk.size());
        if (newline) {
            std::size_t length = static_cast<std::size_t>(static_cast<const char*>(newline) - chunk.data());
            if (!std::memchr(chunk.data(), kEndOfText, length)) {
                source_.consume(length + 1);
                if (length > 0 && chunk[length - 1] == '\r')
                    --length;
                cp932 = chunk.substr(0, length);
                return true;
            }
        }
    }
    if (!readRawLine(spanning_))
        return false;
    cp932 = spanning_;
    return true;
}

bool TextReader::readLine(std::string& utf8)
{
    std::string raw;
    if (!readRawLine(raw))
        return false;
    utf8 = cp932ToUtf8(raw);
    return true;
}

namespace {

std::optional<std::vector<std::string>> readAllLines(std::string_view winPath, bool (TextReader::*read)(std::string&))
{
    TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while ((reader.*read)(line))
        lines.push_back(line);
    if (reader.failed())
        return std::nullopt;
    return lines;
}

} // namespace

std::optional<std::vector<std::string>> readTextLines(std::string_view winPath)
{
    return readAllLines(winPath, &TextReader::readLine);
}

std::optional<std::vector<std::string>> readRawTextLines(std::string_view winPath)
{
    return readAllLines(winPath, static_cast<bool (TextReader::*)(std::string&)>(&TextReader::readRawLine));
}

} // namespace vd
