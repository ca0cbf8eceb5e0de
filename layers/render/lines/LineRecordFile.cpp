#include "layers/render/lines/LineRecordFile.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kPointCountColumn = 46; // column 47, counted from 0
constexpr int kRoadNumberColumn = 35; // columns 36-45
constexpr int kRoadNumberWidth = 10;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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
    // Scanned through a local index: the line's bytes may alias the member, which would make the
    // compiler store it for every byte.
    std::size_t at = position_;
    for (;;) {
        while (at < line_.size() && IsBlank(line_[at]))
            ++at;
        if (at < line_.size())
            break;
        if (ended_ || !reader_.readRawLine(line_)) {
            ended_ = true;
            position_ = line_.size();
            return false;
        }
        at = 0;
    }
    // The digits are read as they are scanned; a value of up to nine digits (every coordinate)
    // ends there, any other text is read as atoi reads it.
    constexpr std::size_t kSafeDigits = 9;
    const char* const text = line_.data();
    const std::size_t size = line_.size();
    const std::size_t start = at;
    unsigned digits = 0;
    for (unsigned digit; at < size && (digit = unsigned(static_cast<unsigned char>(text[at])) - unsigned('0')) <= 9; ++at)
        digits = digits * 10 + digit;
    const bool allDigits = at == size || IsBlank(text[at]);
    while (at < size && !IsBlank(text[at]))
        ++at;
    position_ = at;
    const std::size_t length = at - start;
    value = allDigits && length <= kSafeDigits ? int(digits) : vd::parseInt(std::string_view(text + start, length));
    return true;
}

bool LineRecordReader::nextPoint(LinePoint& point)
{
    return nextValue(point.longitudeTenths) && nextValue(point.latitudeTenths);
}
