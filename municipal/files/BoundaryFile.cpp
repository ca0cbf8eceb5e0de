#include "municipal/files/BoundaryFile.h"

#include "platform/fs/LittleEndian.h"

namespace municipal {

std::string_view LedgerEndText(BoundaryFileKind kind)
{
    return kind == BoundaryFileKind::Municipality ? "999" : "-999";
}

std::string_view LedgerRecord::text() const
{
    const std::string_view all(bytes);
    return all.substr(0, all.find('\0'));
}

bool BoundaryFileReader::open(std::string_view winPath)
{
    inAreas_ = false;
    return reader_.open(winPath);
}

bool BoundaryFileReader::nextLedgerRecord(LedgerRecord& record)
{
    if (inAreas_ || !reader_.readRecord(kLedgerRecordSize, record.bytes))
        return false;
    if (record.bytes.starts_with(LedgerEndText(kind_))) {
        inAreas_ = true;
        return false;
    }
    return true;
}

bool BoundaryFileReader::nextArea(BoundaryArea& area)
{
    LedgerRecord skipped;
    while (nextLedgerRecord(skipped)) {
    }
    if (!inAreas_)
        return false;
    std::string_view bytes;
    if (!reader_.readRecord(kAreaRecordSize, bytes))
        return false;
    area.code.assign(bytes.substr(0, bytes.find('\0')));
    area.points.clear();
    area.closed = false;
    while (reader_.readRecord(8, bytes)) {
        const std::int32_t longitude = *vd::int32At(bytes, 0);
        const std::int32_t latitude = *vd::int32At(bytes, 4);
        if (longitude == kAreaEndValue) {
            area.closed = true;
            break;
        }
        area.points.push_back({longitude, latitude});
    }
    return true;
}

std::optional<BoundaryFileContents> ReadBoundaryFile(std::string_view winPath, BoundaryFileKind kind)
{
    BoundaryFileReader reader(kind);
    if (!reader.open(winPath))
        return std::nullopt;
    BoundaryFileContents contents;
    LedgerRecord record;
    while (reader.nextLedgerRecord(record))
        contents.ledger.push_back(record);
    BoundaryArea area;
    while (reader.nextArea(area))
        contents.areas.push_back(std::move(area));
    return contents;
}

} // namespace municipal
