#include "platform/fs/BinaryWriter.h"

#include "platform/fs/LittleEndian.h"

#include <string>

namespace vd {

bool BinaryWriter::writeInt16(std::int16_t value)
{
    std::string bytes;
    appendInt16(bytes, value);
    return sink_.write(bytes);
}

bool BinaryWriter::writeInt32(std::int32_t value)
{
    std::string bytes;
    appendInt32(bytes, value);
    return sink_.write(bytes);
}

bool BinaryWriter::writeFloat(float value)
{
    std::string bytes;
    appendFloat(bytes, value);
    return sink_.write(bytes);
}

bool BinaryWriter::writeDouble(double value)
{
    std::string bytes;
    appendDouble(bytes, value);
    return sink_.write(bytes);
}

} // namespace vd
