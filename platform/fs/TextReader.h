#pragma once
// Reads a CP932 text file line by line: lines of any length, ending in CR LF or LF or not at all
// (the last one). As the old runtime's text mode did, a Ctrl-Z byte (0x1A) ends the text.
//
// readLine converts each line to UTF-8; readRawLine keeps its bytes, for fixed-column records
// that must be cut into fields before conversion (RawFields.h) and for lines kept to be written
// back unchanged (TextLines.h).
#include "platform/fs/FileSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class TextReader {
public:
    [[nodiscard]] bool open(std::string_view winPath);
    void close() { source_.close(); }
    bool isOpen() const { return source_.isOpen(); }

    // The next line without its line end. False at the end of the text, or on a read error
    // (then failed() is true).
    [[nodiscard]] bool readLine(std::string& utf8);
    [[nodiscard]] bool readRawLine(std::string& cp932);
    // The same bytes as readRawLine, in place where the line lies whole in the read buffer: the
    // view holds until the next read.
    [[nodiscard]] bool readRawLine(std::string_view& cp932);
    bool failed() const { return source_.failed(); }

    // The byte offset of the next line, and a jump to one (fixed-length records are found by
    // offset).
    std::uint64_t position() const { return source_.position(); }
    [[nodiscard]] bool seek(std::uint64_t offset);

private:
    FileSource source_;
    bool atEndMark_ = false;
    std::string spanning_; // a line the buffer did not hold whole
};

// Every line of a text file in UTF-8, or as its raw CP932 bytes; nullopt when the file cannot be
// opened or read.
[[nodiscard]] std::optional<std::vector<std::string>> readTextLines(std::string_view winPath);
[[nodiscard]] std::optional<std::vector<std::string>> readRawTextLines(std::string_view winPath);

} // namespace vd
