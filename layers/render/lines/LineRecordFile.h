#pragma once
// The per-prefecture line files of the national-land river and road themes, as these layers read
// them: text lines; a line starting with "S" ends the data; a line starting with "L" is the header
// of one line record, with the number of points N from column 47 (1-based) and, for roads, the
// road number in columns 36-45; any other line is passed over. The N points follow the header as
// 2 x N decimal integers (longitude, then latitude, tenths of an arc-second) separated by blanks or
// line ends over any number of lines. Lines are read whole; a value that is not a number reads
// as 0 and the file end ends a record. Points are handed out one at a time: nothing is kept.
#include "platform/fs/TextReader.h"

#include <string>
#include <string_view>

struct LineRecordHeader {
    int pointCount = 0;
    int roadNumber = 0;
};

struct LinePoint {
    int longitudeTenths = 0; // tenths of an arc-second
    int latitudeTenths = 0;
};

class LineRecordReader {
public:
    [[nodiscard]] bool open(std::string_view winPath);
    // The header of the next "L" record; false at the "S" line or the end of the file.
    [[nodiscard]] bool nextRecord(LineRecordHeader& header);
    // The next point of the current record; false at the end of the file.
    [[nodiscard]] bool nextPoint(LinePoint& point);

private:
    bool nextValue(int& value);
    vd::TextReader reader_;
    std::string line_;
    std::size_t position_ = 0;
    bool ended_ = false;
};
