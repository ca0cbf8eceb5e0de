#pragma once
// BlcMap20.idx, the index of the 1:200,000 sheets: a CP932 text file, one sheet a line, read in
// pieces of at most 199 bytes (a longer line gives several pieces). Columns count CP932 bytes
// from 0: ";" in column 0 marks a comment, 9-20 the name (blank-padded), 22-28 the corner
// latitude "DD.MMSS", 32-39 the corner longitude "DDD.MMSS". A full-width "Ｂ" or "Ｏ" after the
// first character marks a sheet that only the wide submarine layout lists.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kSheetIndexLineBytes = 199;

class SheetIndexLine {
public:
    explicit SheetIndexLine(std::string raw);

    // The line's CP932 bytes, for callers that cut further columns.
    const std::string& Raw() const { return raw_; }
    bool IsEmpty() const { return raw_.empty(); }
    bool IsComment() const { return !raw_.empty() && raw_.front() == ';'; }
    bool IsMarked() const { return marked_; }

    // UTF-8 texts of the fixed columns; fields past the line's end are short or empty.
    std::string NameColumns() const;     // 12 bytes from column 9, blanks kept
    std::string LatitudeText() const;    // 7 bytes from column 22
    std::string LongitudeText() const;   // 8 bytes from column 32
    // A field of `length` bytes from `column`, in UTF-8.
    std::string Field(int column, int length) const;

    // The first-level mesh code of the corner: (degrees x 60 + minutes) / 40 x 100 + degrees - 100.
    int MeshCode() const;

private:
    std::string raw_;
    bool marked_ = false;
};

// Every piece of the file in order (comments and empty lines included); nullopt when the file
// cannot be opened.
std::optional<std::vector<SheetIndexLine>> ReadSheetIndex(std::string_view winPath);

// Whether a text holds "Ｂ" or "Ｏ" after its first character (text in UTF-8).
bool HasSheetMark(std::string_view utf8Line);
