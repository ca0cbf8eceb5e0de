#pragma once
// Writes a binary file of little-endian fields and byte records (see WriteMode.h). A failed
// write is remembered: close() reports every failure since open().
#include "platform/fs/FileSink.h"
#include "platform/fs/WriteMode.h"

#include <cstdint>
#include <string_view>

namespace vd {

class BinaryWriter {
public:
    [[nodiscard]] bool open(std::string_view winPath, WriteMode mode) { return sink_.open(winPath, mode); }

    bool writeInt16(std::int16_t value);
    bool writeInt32(std::int32_t value);
    bool writeFloat(float value);
    bool writeDouble(double value);
    bool writeBytes(std::string_view bytes) { return sink_.write(bytes); }

    [[nodiscard]] bool close() { return sink_.close(); }
    void abandon() { sink_.abandon(); }

private:
    FileSink sink_;
};

} // namespace vd
