#pragma once
// Writes a CP932 text file with CR LF line ends (see WriteMode.h for Replace and the two
// appends). A write that fails is remembered: close() reports every failure since open(), so a
// caller may check only open() and close().
#include "platform/fs/FileSink.h"
#include "platform/fs/WriteMode.h"

#include <string_view>

namespace vd {

class TextWriter {
public:
    [[nodiscard]] bool open(std::string_view winPath, WriteMode mode);

    // A line in UTF-8, converted to CP932 (a character CP932 lacks becomes "?"), then CR LF.
    bool writeLine(std::string_view utf8);
    // A line of CP932 bytes written as they stand (a line read raw and left unchanged), then CR LF.
    bool writeRawLine(std::string_view cp932);
    // Text without a line end.
    bool write(std::string_view utf8);

    // Finishes the file; for a Replace the new file takes the old one's place only now.
    [[nodiscard]] bool close() { return sink_.close(); }
    // Stops without finishing: a Replace leaves the old file as it was.
    void abandon() { sink_.abandon(); }

private:
    FileSink sink_;
};

} // namespace vd
