#pragma once
// A file opened for reading with a buffer of its own: the common ground of the text and binary
// readers. Keeps the file offset of every byte it hands out, so readers can tell and seek.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class FileSource {
public:
    FileSource() = default;
    ~FileSource();
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    FileSource(FileSource&& other) noexcept;
    FileSource& operator=(FileSource&& other) noexcept;

    // Opens an existing regular file; anything else (a folder, a FIFO, a device) is refused
    // without waiting.
    [[nodiscard]] bool open(std::string_view winPath);
    [[nodiscard]] bool openLinux(const std::string& linuxPath);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // The bytes read ahead and not yet consumed; refill() reads more when it is empty.
    std::string_view buffered() const { return {buffer_.data() + begin_, end_ - begin_}; }
    void consume(size_t count) { begin_ += count; }
    // False at the end of the file or on a read error (failed() tells which).
    bool refill();

    bool failed() const { return failed_; }
    std::uint64_t position() const { return bufferOffset_ + begin_; }
    [[nodiscard]] bool seek(std::uint64_t offset);
    std::optional<std::uint64_t> size() const;

private:
    int fd_ = -1;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    std::uint64_t bufferOffset_ = 0; // file offset of buffer_[0]
    bool failed_ = false;
};

} // namespace vd
