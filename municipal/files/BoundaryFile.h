#pragma once
// The binary municipality boundary files (CityPlgn\Pg<name>.dat, `MunicipalityPolygonFile`) and
// coastline files (CoastC23\Ln<name>.dat, `CoastlinePolylineFile`), which the conversion writes and
// the municipality drawing and search read. Both have the same layout:
//   1. ledger records of 81 bytes, a zero-terminated CP932 text each (bytes after the zero are not
//      significant); the municipality ledger holds the 5-digit code (columns 0-4), four 12-byte
//      names (5-16, 17-28, 29-40, 41-52) and, where the area has one, its 16-byte representative
//      point field (53-68: longitude in columns 54-60, latitude 62-68, tenths of a second);
//   2. an end-of-ledger record: text "999" (municipality) or "-999" (coastline);
//   3. areas: a 10-byte zero-terminated code record, then 8-byte point records (two little-endian
//      int32: longitude, latitude in tenths of an arc-second), then (999, 999).
// A short last record ends the file; an area cut off by the end is handed out as not closed.
#include "platform/fs/BinaryReader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace municipal {

enum class BoundaryFileKind { Municipality, Coastline };

inline constexpr std::size_t kLedgerRecordSize = 81;
inline constexpr std::size_t kAreaRecordSize = 10;
inline constexpr std::int32_t kAreaEndValue = 999;

// The end-of-ledger text of each kind.
std::string_view LedgerEndText(BoundaryFileKind kind);

struct LedgerRecord {
    std::string bytes; // the 81 bytes as stored (raw CP932)
    // The text up to its terminating zero (raw CP932).
    std::string_view text() const;
};

struct BoundaryPoint {
    std::int32_t longitudeTenthSeconds = 0;
    std::int32_t latitudeTenthSeconds = 0;
    bool operator==(const BoundaryPoint&) const = default;
};

struct BoundaryArea {
    std::string code;                  // the code record's text up to its zero
    std::vector<BoundaryPoint> points; // in file order, without the end record
    bool closed = false;               // the end record (first value 999) was read
};

// Reads a boundary file front to back: first the ledger, then the areas. A record whose first
// value is 999 ends an area, as the drawing reads it.
class BoundaryFileReader {
public:
    explicit BoundaryFileReader(BoundaryFileKind kind) : kind_(kind) {}

    [[nodiscard]] bool open(std::string_view winPath);

    // The next ledger record; false at the end-of-ledger record or at the end of the file.
    [[nodiscard]] bool nextLedgerRecord(LedgerRecord& record);
    // The next area (skipping what is left of the ledger); false at the end of the file.
    [[nodiscard]] bool nextArea(BoundaryArea& area);

private:
    BoundaryFileKind kind_;
    vd::BinaryReader reader_;
    bool inAreas_ = false;
};

struct BoundaryFileContents {
    std::vector<LedgerRecord> ledger;
    std::vector<BoundaryArea> areas;
};

// The whole file; nullopt when it cannot be opened.
std::optional<BoundaryFileContents> ReadBoundaryFile(std::string_view winPath, BoundaryFileKind kind);

} // namespace municipal
