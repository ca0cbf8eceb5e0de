#include "layers/render/lines/LineRecordFile.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kPointCountColumn = 46; // column 47, counted from 0
constexpr int kRoadNumberColumn = 35; // columns 36-45
constexpr int kRoadNumberWidth = 10;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A value of up to nine digits (every coordinate) digit by digit; any other text as atoi reads it.
int ValueOf(std::string_view text)
{
    constexpr std::size_t kSafeDigits = 9;
    if (text.empty() || text.size() > kSafeDigits)
        return vd::parseInt(text);
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return vd::parseInt(text);
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool LineRecordReader::open(std::string_view winPath)
{
    ended_ = false;
    line_.clear();
    position_ = 0;
    return reader_.open(winPath);
}

bool LineRecordReader::nextRecord(LineRecordHeader& header)
{
    // What is left of the last point line belongs to no record.
    position_ = line_.size();
    while (!ended_ && reader_.readRawLine(line_)) {
        position_ = line_.size();
        if (line_.starts_with('S'))
            break;
        if (line_.starts_with('L')) {
            header.pointCount = vd::parseInt(vd::rawField(line_, kPointCountColumn));
            header.roadNumber = vd::parseInt(vd::rawField(line_, kRoadNumberColumn, kRoadNumberWidth));
            return true;
        }
    }
    ended_ = true;
    return false;
}

bool LineRecordReader::nextValue(int& value)
{
    for (;;) {
        while (position_ < line_.size() && IsBlank(line_[position_]))
            ++position_;
        if (position_ < line_.size())
            break;
        if (ended_ || !reader_.readRawLine(line_)) {
            ended_ = true;
            return false;
        }
        position_ = 0;
    }
    const std::size_t start = position_;
    while (position_ < line_.size() && !IsBlank(line_[position_]))
        ++position_;
    value = ValueOf(std::string_view(line_).substr(start, position_ - start));
    return true;
}

bool LineRecordReader::nextPoint(LinePoint& point)
{
    return nextValue(point.longitudeTenths) && nextValue(point.latitudeTenths);
}
