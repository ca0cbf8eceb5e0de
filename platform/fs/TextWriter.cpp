#include "platform/fs/TextWriter.h"

#include "platform/text/Cp932.h"

namespace vd {

bool TextWriter::open(std::string_view winPath, WriteMode mode)
{
    if (!sink_.open(winPath, mode))
        return false;
    if (mode != WriteMode::Replace && !sink_.startTextAppend()) {
        sink_.abandon();
        return false;
    }
    return true;
}

bool TextWriter::writeLine(std::string_view utf8)
{
    return sink_.write(utf8ToCp932(utf8)) && sink_.write("\r\n");
}

bool TextWriter::writeRawLine(std::string_view cp932)
{
    return sink_.write(cp932) && sink_.write("\r\n");
}

bool TextWriter::write(std::string_view utf8)
{
    return sink_.write(utf8ToCp932(utf8));
}

} // namespace vd
