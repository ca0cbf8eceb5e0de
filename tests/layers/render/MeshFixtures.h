#pragma once
// Third-order mesh records in the published fixed-column layout: the record type in column 0,
// the eight-digit mesh code in columns 5-12, then the theme's columns (counted from 0).
#include "platform/text/Format.h"

#include <string>

namespace layers_test {

class MeshRecord {
public:
    explicit MeshRecord(const std::string& code, char type = 'M') : line_(std::string(1, type) + "    " + code) {}
    MeshRecord& Put(std::size_t column, const std::string& text)
    {
        if (line_.size() < column + text.size())
            line_.resize(column + text.size(), ' ');
        line_.replace(column, text.size(), text);
        return *this;
    }
    // A number right-aligned in `width` columns.
    MeshRecord& Number(std::size_t column, int width, long long value)
    {
        return Put(column, vd::format("%*lld", width, value));
    }
    MeshRecord& Size(std::size_t size)
    {
        line_.resize(size, ' ');
        return *this;
    }
    operator std::string() const { return line_; }

private:
    std::string line_;
};

// The third-order cell of mesh 5339 at second-level row a, column b and third-level row c,
// column d: south-west corner at latitude 127200 + 300a + 30c, longitude 500400 + 450b + 45d.
inline std::string Cell5339(int a, int b, int c, int d) { return vd::format("5339%d%d%d%d", a, b, c, d); }

} // namespace layers_test
