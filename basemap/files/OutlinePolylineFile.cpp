#include "basemap/files/OutlinePolylineFile.h"

#include "platform/fs/BinaryReader.h"
#include "platform/fs/LittleEndian.h"

#include <string>

namespace {

// Both files are pairs of int32; only the order of the two values differs.
template <class Record, class Assign>
std::optional<std::vector<Record>> ReadInt32Pairs(std::string_view winPath, Assign assign)
{
    vd::BinaryReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<Record> records;
    std::string_view bytes;
    while (reader.readRecord(8, bytes)) {
        Record record;
        assign(record, *vd::int32At(bytes, 0), *vd::int32At(bytes, 4));
        records.push_back(record);
    }
    return records;
}

} // namespace

std::optional<std::vector<OutlineRecord>> ReadOutlinePolylineFile(std::string_view winPath)
{
    return ReadInt32Pairs<OutlineRecord>(winPath, [](OutlineRecord& r, std::int32_t first, std::int32_t second) {
        r.latitude = first;
        r.longitude = second;
    });
}

std::optional<std::vector<SubprefectureRecord>> ReadSubprefectureBorderFile(std::string_view winPath)
{
    return ReadInt32Pairs<SubprefectureRecord>(winPath, [](SubprefectureRecord& r, std::int32_t first, std::int32_t second) {
        r.longitude = first;
        r.latitude = second;
    });
}
