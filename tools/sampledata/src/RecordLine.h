#pragma once
// A record line of fixed columns, blank-filled; fields are CP932 bytes.
#include <cstdio>
#include <string>

namespace sampledata {

class RecordLine {
 public:
  explicit RecordLine(size_t length) : text_(length, ' ') {}
  void put(size_t column, const std::string& bytes) {
    if (text_.size() < column + bytes.size()) text_.resize(column + bytes.size(), ' ');
    text_.replace(column, bytes.size(), bytes);
  }
  // Cut to at most `width` bytes on whole characters of CP932.
  void putText(size_t column, const std::string& cp932, size_t width) {
    size_t end = 0;
    for (size_t i = 0; i < cp932.size();) {
      const auto c = static_cast<unsigned char>(cp932[i]);
      const size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
      if (i + n > width) break;
      i += n;
      end = i;
    }
    put(column, cp932.substr(0, end));
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

inline std::string number(const char* format, long value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace sampledata
