#pragma once
// One record of a probabilistic seismic hazard mesh file (a published CSV, one third-level mesh
// cell a line): "code,f1,f2,f3,f4,value" and the line end. The code's first eight characters are
// the third-level mesh code PPQQrsuv; the value is an exceedance probability (PS, 0 to 1), a
// seismic intensity (SI) or a peak velocity in cm/s at the surface (SV) or of the bedrock (BV).
// Lines starting with "#" are comments. Published records are 66 bytes with their CR LF.
#include "platform/dc/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace seismic {

// Record lines of a published file are this long, line end included; the seek index relies on it.
inline constexpr int kPublishedRecordBytes = 66;

struct ProbabilisticMeshRecord {
    std::string codeText; // up to the first ","
    float value = 0;      // single precision, as the files were always read
};

// The record of a line; nothing for a comment or a line that does not hold a code, the four
// numbers and the value.
std::optional<ProbabilisticMeshRecord> ParseProbabilisticRecord(std::string_view line);

// Whether a line is a record line for the seek index (every line but a "#" comment).
inline bool IsRecordLine(std::string_view line) { return line.empty() || line.front() != '#'; }

// The south-west corner of a record's cell in arc-seconds.
struct CellCorner {
    int latitude = 0;
    int longitude = 0;
    friend bool operator==(const CellCorner&, const CellCorner&) = default;
};
CellCorner ProbabilisticCellCorner(std::string_view codeText);

// Quantities of the data kind: PS, SI, SV, BV; -1 unknown.
enum SeismicQuantity { kExceedance = 0, kIntensity = 1, kSurfaceVelocity = 2, kBedrockVelocity = 3 };

// A class that no colour belongs to: the cell keeps the colour it had.
inline constexpr int kUnclassified = 99;

// The value class of a value for the data kind (PS 0-5, SI 0-6, SV and BV 0-14); an unknown
// kind gives 0, a value outside the classes kUnclassified.
int ProbabilisticValueClass(int dataKind, float value);

// The value as labels show it: PS thousandths, SI tenths, SV and BV whole cm/s.
int ProbabilisticLabelValue(int dataKind, float value);

// How many classes the data kind's legend and relief shades have: 6, 7, 15; 0 for an unknown kind.
int ProbabilisticClassCount(int dataKind);

// The text of a label value, whether its cell is strong (circled and red at full detail: above
// 26 %, intensity 6, 130 cm/s) and whether the number shown beside a circle is red (at least 70 %,
// intensity 6.0, 131 cm/s).
struct ValueLabel {
    std::string text; // PS whole percent ("%.1f" below 1 %), SI "%.1f", SV and BV "%d"; empty: unknown
    bool flagged = false;
    bool red = false;
};
ValueLabel ProbabilisticValueLabel(int dataKind, int labelValue);

// The colour of a class for the data kind; nothing when the class has none (the cell keeps its
// colour).
std::optional<vd::COLORREF> ProbabilisticClassColour(int dataKind, int valueClass);

} // namespace seismic
