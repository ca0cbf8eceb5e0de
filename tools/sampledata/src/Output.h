#pragma once
// Bytes of the written files: little-endian records, CP932 text with CR LF line ends.
#include <cstdint>
#include <string>
#include <vector>

namespace sampledata {

class ByteBuffer {
 public:
  void int16(int16_t v) { put(static_cast<uint16_t>(v), 2); }
  void int32(int32_t v) { put(static_cast<uint32_t>(v), 4); }
  void text(const std::string& bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
  const std::string& bytes() const { return bytes_; }
  size_t size() const { return bytes_.size(); }

 private:
  void put(uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  }
  std::string bytes_;
};

// UTF-8 to CP932; throws when a character has no CP932 form (the tool never writes "?").
std::string toCp932(const std::string& utf8);

// Appends a line of CP932 bytes and CR LF.
void appendLine(ByteBuffer* buffer, const std::string& cp932Line);

// Writes the file, creating its folders; throws on failure.
void writeFile(const std::string& path, const ByteBuffer& buffer);

// The lines of a text file without their line ends (CR LF or LF); none when it cannot be read.
std::vector<std::string> readLines(const std::string& path);

// Reads a whole file as bytes; throws when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace sampledata
