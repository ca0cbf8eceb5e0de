#include "view/placenames/PlaceNameTables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Reads a line field by field as "%d", "%[^,]" and "%lf" with "," between them.
class RecordScan {
public:
    explicit RecordScan(std::string_view line) : line_(line) {}

    // Digit by digit, held at the limits of int once past them.
    std::optional<int> Int()
    {
        SkipBlanks();
        std::size_t end = pos_;
        const bool negative = end < line_.size() && line_[end] == '-';
        if (end < line_.size() && (line_[end] == '-' || line_[end] == '+'))
            ++end;
        const std::size_t digits = end;
        constexpr unsigned long long kPastInt = 1ULL << 32;
        unsigned long long magnitude = 0;
        for (; end < line_.size() && line_[end] >= '0' && line_[end] <= '9'; ++end)
            magnitude = std::min(magnitude * 10 + unsigned(line_[end] - '0'), kPastInt);
        if (end == digits)
            return std::nullopt;
        pos_ = end;
        if (negative)
            return magnitude >= 0x80000000ULL ? std::numeric_limits<int>::min() : -int(magnitude);
        return magnitude > 0x7FFFFFFFULL ? std::numeric_limits<int>::max() : int(magnitude);
    }

    std::optional<std::string_view> Text()
    {
        const std::size_t end = std::min(line_.find(',', pos_), line_.size());
        if (end == pos_)
            return std::nullopt;
        const std::string_view text = line_.substr(pos_, end - pos_);
        pos_ = end;
        return text;
    }

    std::optional<double> Real()
    {
        SkipBlanks();
        std::size_t start = pos_;
        if (start < line_.size() && line_[start] == '+')
            ++start;
        // Whole numbers of up to 15 digits (coordinates mostly are) are exact in a double: read
        // digit by digit.
        constexpr std::size_t kExactDigits = 15;
        std::size_t end = start;
        long long whole = 0;
        while (end < line_.size() && end - start < kExactDigits && line_[end] >= '0' && line_[end] <= '9')
            whole = whole * 10 + (line_[end++] - '0');
        const bool more = end < line_.size() && ((line_[end] >= '0' && line_[end] <= '9') || line_[end] == '.');
        if (end > start && !more) {
            pos_ = end;
            return double(whole);
        }
        double value = 0;
        const auto [ptr, ec] =
            std::from_chars(line_.data() + start, line_.data() + line_.size(), value, std::chars_format::fixed);
        if (ec != std::errc() || !std::isfinite(value))
            return std::nullopt;
        pos_ = std::size_t(ptr - line_.data());
        return value;
    }

    // "%d," and "%[^,],": the field and the comma after it.
    bool IntField(int& into)
    {
        const std::optional<int> value = Int();
        if (!value || !Comma())
            return false;
        into = *value;
        return true;
    }
    bool TextField(std::string_view& into)
    {
        const std::optional<std::string_view> value = Text();
        if (!value || !Comma())
            return false;
        into = *value;
        return true;
    }

    bool Comma()
    {
        if (pos_ >= line_.size() || line_[pos_] != ',')
            return false;
        ++pos_;
        return true;
    }

    std::string_view Rest() const { return line_.substr(pos_); }

private:
    void SkipBlanks()
    {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
            ++pos_;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

// Field n (from 0) of a comma-separated text, or nothing.
std::optional<std::string_view> FieldOf(std::string_view text, int n)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            return std::nullopt;
        start = comma + 1;
    }
    const std::size_t end = std::min(text.find(',', start), text.size());
    return text.substr(start, end - start);
}

std::optional<double> NumberField(std::string_view text, int n)
{
    const std::optional<std::string_view> field = FieldOf(text, n);
    if (!field)
        return std::nullopt;
    RecordScan scan(*field);
    return scan.Real();
}

} // namespace

std::optional<AnnotationRecord> ParseAnnotationRecord(std::string_view line)
{
    RecordScan scan(line);
    AnnotationRecord r;
    if (!scan.IntField(r.code) || !scan.TextField(r.text) || !scan.IntField(r.number3) ||
        !scan.IntField(r.municipality) || !scan.IntField(r.number5) || !scan.IntField(r.major) ||
        !scan.IntField(r.middle) || !scan.IntField(r.minor) || !scan.TextField(r.name) || !scan.TextField(r.reading))
        return std::nullopt;
    r.rest = scan.Rest();
    const std::optional<double> longitude = NumberField(r.rest, 2);
    const std::optional<double> latitude = NumberField(r.rest, 3);
    if (!longitude || !latitude)
        return std::nullopt;
    r.longitudeDms = *longitude;
    r.latitudeDms = *latitude;
    return r;
}

std::optional<FacilityRecord> ParseFacilityRecord(std::string_view line)
{
    RecordScan scan(line);
    FacilityRecord r;
    if (!scan.IntField(r.number1) || !scan.IntField(r.municipality) || !scan.IntField(r.facilityClass) ||
        !scan.IntField(r.subClass) || !scan.TextField(r.name) || !scan.TextField(r.text) || !scan.IntField(r.code))
        return std::nullopt;
    const std::optional<double> longitude = scan.Real();
    if (!longitude || !scan.Comma())
        return std::nullopt;
    const std::optional<double> latitude = scan.Real();
    if (!latitude)
        return std::nullopt;
    r.longitudeDms = *longitude;
    r.latitudeDms = *latitude;
    r.rest = scan.Rest();
    return r;
}

double DmsNumberToSeconds(double dms)
{
    const double degrees = std::trunc(dms / 10000);
    const double minutes = std::trunc((dms - degrees * 10000) / 100);
    const double seconds = dms - degrees * 10000 - minutes * 100;
    return degrees * 3600 + minutes * 60 + seconds;
}
