#include "userdata/RecordLines.h"

#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/StringOps.h"

#include <algorithm>

bool ForEachRawRecordLine(const std::string& path, bool skipComments,
                          const std::function<bool(std::string_view)>& take)
{
    vd::TextReader reader;
    if (path.empty() || !reader.open(path))
        return false;
    std::string_view line;
    while (reader.readRawLine(line)) {
        // ASCII bytes stand for themselves in CP932, so the tests read the raw line as the text.
        if (line.empty() || (skipComments && line[0] == ';'))
            continue;
        if (!take(line))
            break;
    }
    return true;
}

bool ForEachRecordLine(const std::string& path, bool skipComments,
                       const std::function<bool(const std::string&)>& take)
{
    return ForEachRawRecordLine(path, skipComments, [&take](std::string_view raw) { return take(vd::cp932ToUtf8(raw)); });
}

std::vector<std::string> ReadRecordLines(const std::string& path, std::size_t limit)
{
    std::vector<std::string> records;
    if (limit == 0)
        return records;
    ForEachRecordLine(path, true, [&](const std::string& line) {
        records.push_back(line);
        return records.size() < limit;
    });
    return records;
}

std::size_t StoreRecords(RecordList& list, std::size_t first, const std::vector<std::string>& records)
{
    first = std::min(first, kMaxListedRecords);
    const std::size_t count = std::min(records.size(), kMaxListedRecords - first);
    std::copy_n(records.begin(), count, list.begin() + first);
    list[first + count] = kListEnd;
    return count;
}

bool SplitRecordFields(std::string_view record, RecordFields& fields)
{
    const std::size_t first = record.find(' ');
    if (first == std::string_view::npos)
        return false;
    const std::size_t second = record.find(' ', first + 1);
    if (second == std::string_view::npos)
        return false;
    const std::size_t third = record.find(' ', second + 1);
    fields.name = record.substr(0, first);
    fields.latitude = record.substr(first + 1, second - first - 1);
    fields.longitude = record.substr(second + 1, third == std::string_view::npos ? third : third - second - 1);
    fields.rest = third == std::string_view::npos ? std::string_view() : record.substr(third + 1);
    return true;
}

std::string_view FirstWord(std::string_view text)
{
    return text.substr(0, text.find(' '));
}

std::string RecordWithFile(const std::string& record)
{
    const std::string lowered = vd::toLowerAscii(record);
    const std::size_t start = FileReferenceStart(lowered);
    if (start == std::string::npos)
        return record + "]" + lowered;
    return record + "]" + std::string(FirstWord(std::string_view(lowered).substr(start)));
}

std::size_t FileReferenceStart(std::string_view record)
{
    const std::size_t colon = record.find(':');
    if (colon == std::string_view::npos || vd::cp932Width(record.substr(0, colon)) < 2)
        return std::string_view::npos;
    // The whole character before the ":", also when it is a multi-byte one.
    std::size_t start = colon - 1;
    while (start > 0 && (static_cast<unsigned char>(record[start]) & 0xC0) == 0x80)
        --start;
    return start;
}
