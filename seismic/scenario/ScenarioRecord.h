#pragma once
// One record of a scenario hazard data file (text; header lines up to and including the line
// that begins "# XPO"): eleven numbers separated by ",". Number 3 is the longitude and number 4
// the latitude of the cell centre in degrees; numbers 7, 10 and 11 are the bedrock peak velocity
// (cm/s), the surface peak velocity (cm/s) and the surface seismic intensity. List-form files
// ("_SLIST-") add "," and a text to each record. Subduction files have 77-byte record lines.
#include "platform/dc/Color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace seismic {

inline constexpr int kSubductionRecordBytes = 77;
inline constexpr std::string_view kRecordsStart = "# XPO";

struct ScenarioMeshRecord {
    std::array<float, 11> numbers{};
    int count = 0; // how many numbers the line held
    float Longitude() const { return numbers[2]; }
    float Latitude() const { return numbers[3]; }
};

// The numbers of a record line; nothing for a line without a longitude and a latitude, or (list
// form) with fewer than ten numbers.
// With `upTo` below eleven only that many numbers are read (where a record lies, before the rest).
std::optional<ScenarioMeshRecord> ParseScenarioRecord(std::string_view line, bool listForm, int upTo = 11);

// The value a scenario quantity draws (0 bedrock velocity, 1 surface velocity, 2 intensity);
// nothing when the record lacks it or the quantity is none of these.
std::optional<float> ScenarioQuantityValue(const ScenarioMeshRecord& record, int quantity);

// Whole arc-seconds of a coordinate in degrees, truncated as the cells are placed.
int ScenarioSeconds(float degrees);

// The class of a value: the fifteen velocity classes (quantities 0 and 1) or the seven intensity
// classes (quantity 2) of the probabilistic maps; -1 for any other quantity.
int ScenarioValueClass(int quantity, float value);
// The colour of a class; nothing when the class has none (the cell keeps its colour).
std::optional<vd::COLORREF> ScenarioClassColour(int quantity, int valueClass);
// The value label of a cell: L = the value in tenths (truncated), shown "%d" of L / 10 for the
// velocities and "%.1f" of L x 0.1 for the intensity; strong (circled, red at full detail) above
// 130 cm/s or from intensity 6.1, the number beside a circle red above 200 cm/s or from 6.0.
struct ScenarioLabel {
    std::string text;
    bool flagged = false;
    bool red = false;
};
ScenarioLabel ScenarioValueLabel(int quantity, float value);

// How many classes the quantity's legend shows: 15, 7, or 0 for no quantity.
int ScenarioClassCount(int quantity);

} // namespace seismic
