#pragma once
// Walks a UTF-8 text character by character with each character's CP932 form: its bytes, its
// width (1 or 2 bytes) and its byte position in the CP932 text. This is how code that works on
// CP932 bytes ("two bytes at a time", "the n-th byte") runs on UTF-8 strings.
#include <cstddef>
#include <iterator>
#include <string_view>

namespace vd {

struct Cp932Char {
    std::string_view utf8;  // the character as it stands in the text (or a malformed sequence)
    unsigned char bytes[2]; // its CP932 bytes; "?" for a character that CP932 cannot hold
    int width;              // 1 or 2
    int offset;             // CP932 byte position of the character in the text

    std::string_view cp932() const { return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(width)}; }
    bool isDoubleByte() const { return width == 2; }
    int end() const { return offset + width; }
};

// The character at UTF-8 position pos (pos < text.size()), which lies at CP932 offset offset.
Cp932Char cp932CharAt(std::string_view text, std::size_t pos, int offset);

class Cp932CharIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Cp932Char;
    using difference_type = std::ptrdiff_t;
    using pointer = const Cp932Char*;
    using reference = const Cp932Char&;

    Cp932CharIterator() = default;
    Cp932CharIterator(std::string_view text, std::size_t pos) : text_(text), pos_(pos) { load(0); }

    reference operator*() const { return current_; }
    pointer operator->() const { return &current_; }
    Cp932CharIterator& operator++()
    {
        pos_ += current_.utf8.size();
        load(current_.end());
        return *this;
    }
    Cp932CharIterator operator++(int)
    {
        Cp932CharIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const Cp932CharIterator& other) const { return pos_ == other.pos_; }

    std::size_t position() const { return pos_; } // UTF-8 position of the current character

private:
    void load(int offset)
    {
        if (pos_ < text_.size())
            current_ = cp932CharAt(text_, pos_, offset);
        else
            current_ = {{}, {0, 0}, 0, offset};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    Cp932Char current_{};
};

// for (const Cp932Char& c : Cp932Chars(text)) ...
class Cp932Chars {
public:
    explicit Cp932Chars(std::string_view utf8) : text_(utf8) {}
    Cp932CharIterator begin() const { return {text_, 0}; }
    Cp932CharIterator end() const { return {text_, text_.size()}; }

private:
    std::string_view text_;
};

} // namespace vd
