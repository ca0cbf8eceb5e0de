#include "platform/fs/BinaryReader.h"

#include "platform/fs/LittleEndian.h"

namespace vd {

bool BinaryReader::readRecord(size_t size, std::string_view& bytes)
{
    bytes = {};
    while (source_.buffered().size() < size)
        if (!source_.refill())
            break;
    const std::string_view available = source_.buffered();
    if (available.size() < size) {
        source_.consume(available.size()); // the short tail is the end
        return false;
    }
    bytes = available.substr(0, size);
    source_.consume(size);
    return true;
}

bool BinaryReader::readRecord(size_t size, std::string& bytes)
{
    std::string_view view;
    const bool read = readRecord(size, view);
    bytes.assign(view);
    return read;
}

std::optional<std::int16_t> BinaryReader::readInt16()
{
    std::string_view bytes;
    return readRecord(2, bytes) ? int16At(bytes, 0) : std::nullopt;
}

std::optional<std::int32_t> BinaryReader::readInt32()
{
    std::string_view bytes;
    return readRecord(4, bytes) ? int32At(bytes, 0) : std::nullopt;
}

std::optional<float> BinaryReader::readFloat()
{
    std::string_view bytes;
    return readRecord(4, bytes) ? floatAt(bytes, 0) : std::nullopt;
}

std::optional<double> BinaryReader::readDouble()
{
    std::string_view bytes;
    return readRecord(8, bytes) ? doubleAt(bytes, 0) : std::nullopt;
}

} // namespace vd
