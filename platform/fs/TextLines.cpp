#include "platform/fs/TextLines.h"

#include "platform/fs/TextReader.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Cp932.h"

namespace vd {

std::optional<TextLines> TextLines::read(std::string_view winPath)
{
    TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    TextLines lines;
    std::string raw;
    while (reader.readRawLine(raw))
        lines.raw_.push_back(raw);
    if (reader.failed())
        return std::nullopt;
    return lines;
}

std::string TextLines::text(size_t index) const
{
    return index < raw_.size() ? cp932ToUtf8(raw_[index]) : std::string();
}

std::string_view TextLines::raw(size_t index) const
{
    return index < raw_.size() ? std::string_view(raw_[index]) : std::string_view();
}

bool TextLines::setText(size_t index, std::string_view utf8)
{
    if (index >= raw_.size())
        return false;
    raw_[index] = utf8ToCp932(utf8);
    return true;
}

bool TextLines::insertText(size_t index, std::string_view utf8)
{
    if (index > raw_.size())
        return false;
    raw_.insert(raw_.begin() + static_cast<long>(index), utf8ToCp932(utf8));
    return true;
}

bool TextLines::erase(size_t index)
{
    if (index >= raw_.size())
        return false;
    raw_.erase(raw_.begin() + static_cast<long>(index));
    return true;
}

void TextLines::appendText(std::string_view utf8)
{
    raw_.push_back(utf8ToCp932(utf8));
}

bool TextLines::write(std::string_view winPath) const
{
    TextWriter writer;
    if (!writer.open(winPath, WriteMode::Replace))
        return false;
    for (const std::string& line : raw_)
        if (!writer.writeRawLine(line))
            break; // close() reports it and leaves the old file
    return writer.close();
}

} // namespace vd
