#pragma once
// Reads a binary file of little-endian fields and fixed-size records. Every read that cannot be
// completed is the end: a short last record is not handed out.
#include "platform/fs/FileSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

class BinaryReader {
public:
    [[nodiscard]] bool open(std::string_view winPath) { return source_.open(winPath); }
    void close() { source_.close(); }
    bool isOpen() const { return source_.isOpen(); }

    // nullopt at the end of the file (or on a read error: failed()).
    [[nodiscard]] std::optional<std::int16_t> readInt16();
    [[nodiscard]] std::optional<std::int32_t> readInt32();
    [[nodiscard]] std::optional<float> readFloat();
    [[nodiscard]] std::optional<double> readDouble();
    // Exactly `size` bytes into `bytes` (fields are then cut with LittleEndian.h); false when
    // fewer remain.
    [[nodiscard]] bool readRecord(size_t size, std::string& bytes);
    // The same record as a view of the reader's buffer, valid until the next read.
    [[nodiscard]] bool readRecord(size_t size, std::string_view& bytes);

    bool failed() const { return source_.failed(); }
    std::uint64_t position() const { return source_.position(); }
    [[nodiscard]] bool seek(std::uint64_t offset) { return source_.seek(offset); }
    std::optional<std::uint64_t> size() const { return source_.size(); }

private:
    FileSource source_;
};

} // namespace vd
