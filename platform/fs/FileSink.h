#pragma once
// A file opened for writing with a buffer of its own: the common ground of the text and binary
// writers. A failed write is remembered, so close() reports any failure since open().
#include "platform/fs/WriteMode.h"

#include <string>
#include <string_view>

namespace vd {

// Removes the temporary files of replacements that an ended run left behind (killed mid-save)
// in a folder, given as a Linux path, and in the folders directly inside it. Only the names this
// writer makes (".<name>.<16 hex digits>.tmp") are touched.
void removeLeftReplacements(const std::string& linuxFolder);

class FileSink {
public:
    FileSink() = default;
    ~FileSink(); // closes; an unclosed Replace is abandoned (the old file stays)
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    [[nodiscard]] bool open(std::string_view winPath, WriteMode mode);
    // The same for a file named by its Linux path as it stands (no case-insensitive match).
    [[nodiscard]] bool openLinuxPath(std::string linuxPath, WriteMode mode);
    bool isOpen() const { return fd_ >= 0; }

    // False once any write has failed.
    bool write(std::string_view bytes);

    // Appending text: a Ctrl-Z that ends the old text is dropped and a last line without its
    // line end gets CR LF, so what is appended starts a line of its own and stays readable.
    bool startTextAppend();

    // Flushes and closes; a Replace then takes the old file's place. False when anything failed
    // since open() (the old file is then untouched).
    [[nodiscard]] bool close();
    // Closes without replacing: the temporary file of a Replace is removed.
    void abandon();

    // The Linux path written to (for a Replace, the file that close() replaces).
    const std::string& target() const { return target_; }

private:
    bool flush();
    bool openReplacement();

    int fd_ = -1;
    WriteMode mode_ = WriteMode::Replace;
    std::string target_;
    std::string temporary_;
    std::string buffer_;
    bool failed_ = false;
};

} // namespace vd
