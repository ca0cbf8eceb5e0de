#pragma once
// A text file held as its lines' raw CP932 bytes, for a rewrite: lines the caller does not
// change are written back with their original bytes (CP932 has codes that do not survive a
// round trip through UTF-8), changed lines are converted from UTF-8. write() goes through a
// temporary file, so a failed rewrite leaves the old file whole.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class TextLines {
public:
    TextLines() = default;

    // nullopt when the file cannot be opened or read.
    [[nodiscard]] static std::optional<TextLines> read(std::string_view winPath);

    size_t size() const { return raw_.size(); }
    bool empty() const { return raw_.empty(); }
    std::string text(size_t index) const;      // UTF-8; "" past the end
    std::string_view raw(size_t index) const;  // CP932 bytes; "" past the end

    // Each is false (and changes nothing) for an index past the end.
    bool setText(size_t index, std::string_view utf8);
    bool insertText(size_t index, std::string_view utf8); // index == size() appends
    bool erase(size_t index);
    void appendText(std::string_view utf8);

    // Writes every line with CR LF through a temporary file that replaces the old file.
    [[nodiscard]] bool write(std::string_view winPath) const;

private:
    std::vector<std::string> raw_;
};

} // namespace vd
