#include "platform/fs/RawFields.h"

#include "platform/text/Cp932.h"

namespace vd {

std::string_view rawField(std::string_view rawLine, int start, int length)
{
    if (start < 0)
        start = 0;
    if (static_cast<size_t>(start) >= rawLine.size())
        return {};
    const std::string_view rest = rawLine.substr(static_cast<size_t>(start));
    return length < 0 ? rest : rest.substr(0, static_cast<size_t>(length));
}

std::string paddedRawField(std::string_view rawLine, int start, int length)
{
    std::string field(rawField(rawLine, start, length));
    field.resize(static_cast<size_t>(length < 0 ? 0 : length), ' ');
    return field;
}

std::string textField(std::string_view rawLine, int start, int length)
{
    return cp932ToUtf8(rawField(rawLine, start, length));
}

} // namespace vd
