// Where a record (registered point, place name, route point) falls on the map: on the sheet
// layouts (one sheet, a block of sheets, explicit bounds) and on the regional overview. The answer
// is the record's value; the position goes to m_nPointX, m_nPointY, with x -1 when it is not drawn.
#include "app/document/VeldoranDoc.h"
#include "userdata/PointThinning.h"
#include "userdata/RecordLines.h"

#include "platform/text/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

constexpr int kNoValue = -999;
// The sheet layouts' far limits of a position, before the frame's own size is counted.
constexpr int kFarLimitX = 1000;
constexpr int kFarLimitY = 700;

// A value truncated toward zero, held within int (an infinite or huge value would not fit).
int Truncate(double value)
{
    if (std::isnan(value) || value <= INT_MIN)
        return INT_MIN;
    if (value >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

int AddOffset(int position, int offset)
{
    const long long sum = static_cast<long long>(position) + offset;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

struct RecordPosition {
    int value;
    int latitudeSeconds;
    int longitudeSeconds;
};

// The parse both placements share. nullopt when the record is not drawn (m_nPointX is -1 then
// and *answer the value to give back).
std::optional<RecordPosition> ParseRecordForPlacement(const CVeldoranDoc& doc, SheetDrawState& draw,
                                                      const std::string& record, int* answer)
{
    draw.m_strEntryState.clear();
    RecordFields fields;
    const bool complete = SplitRecordFields(record, fields);
    draw.m_strEntryTitle = std::string(FirstWord(record));
    if (draw.m_nPointDrawKind == 1 && doc.spec.m_anPlaceNameKind[0] == 0 &&
        doc.FilterPlaceName(draw.m_strEntryTitle) == -1) {
        draw.m_nPointX = -1;
        *answer = -1;
        return std::nullopt;
    }
    // A record without a latitude and a longitude cannot be placed.
    if (!complete) {
        draw.m_nPointX = -1;
        *answer = kNoValue;
        return std::nullopt;
    }
    draw.m_strRecordLat = std::string(fields.latitude);
    draw.m_strRecordLon = std::string(fields.longitude);
    draw.m_strEntryState = std::string(FirstWord(fields.rest));
    draw.m_strEntryValue = draw.m_strEntryState;
    int value = 0;
    if (draw.m_nPointDrawKind == 1 || draw.m_nPointDrawKind == 2) {
        // A record without a fourth field has no elevation, which is not 0 m.
        value = draw.m_strEntryState.empty() ? kNoValue : Truncate(vd::parseDouble(draw.m_strEntryState));
        draw.m_strEntryState.clear();
    } else if (draw.m_nPointDrawKind == 6) {
        value = 1;
    }
    return RecordPosition{value, CVeldoranDoc::DmsToSeconds(draw.m_strRecordLat),
                          CVeldoranDoc::DmsToSeconds(draw.m_strRecordLon)};
}

// Hides a position off the drawing area (the value negated) and thins the list.
int FinishPlacement(SheetDrawState& draw, int value, int index)
{
    if (draw.m_nPointX < 1 || draw.m_nPointY < 1) {
        draw.m_nPointX = -1;
        return -value;
    }
    if (!IsDrawnAtLevel(draw.m_nPointDisplayFlag, index))
        draw.m_nPointX = -1;
    return value;
}

} // namespace

int CVeldoranDoc::ProjectRecordToSheet(SheetDrawState& draw, const std::string& record, int offsetX, int offsetY,
                                       int westSeconds, int southSeconds, int index) const
{
    int answer = 0;
    const std::optional<RecordPosition> at = ParseRecordForPlacement(*this, draw, record, &answer);
    if (!at)
        return answer;
    const float dx = static_cast<float>(at->longitudeSeconds - westSeconds);
    const float dy = static_cast<float>(at->latitudeSeconds - southSeconds);
    const float sx = draw.m_fPointScaleX;
    const float sy = draw.m_fPointScaleY;
    float x;
    float y;
    switch (position.m_nMapFrame) {
    case 1: // one sheet: 320 units for 3600 seconds of longitude and 2400 of latitude
        x = dx * sx * 0.08888889f;
        y = sy * 320.0f - dy * sy * 0.13333334f;
        break;
    case 2: // a block, measured from 7200 seconds below its north edge
        x = dx * sx * 0.08888889f;
        y = sy * 960.0f - dy * sy * 0.13333334f;
        break;
    case 3: // explicit bounds, scales in pixels per second
        x = dx * sx;
        y = static_cast<float>(draw.m_nMapPixelHeight) - dy * sy;
        break;
    default: // no sheet layout: nothing can be placed
        draw.m_nPointX = -1;
        return at->value;
    }
    // A point a hair north or west of the frame is held at its edge. The far limits were made
    // for a 1024 x 768 screen; a wider window's map reaches past them, and a point beyond the
    // map's far edge is not on it: it is hidden, never moved to the opposite edge.
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    if (x > static_cast<float>(std::max(kFarLimitX, draw.m_nMapPixelWidth)) ||
        y > static_cast<float>(std::max(kFarLimitY, draw.m_nMapPixelHeight))) {
        draw.m_nPointX = -1;
        return -at->value;
    }
    draw.m_nPointX = AddOffset(Truncate(x), offsetX);
    draw.m_nPointY = AddOffset(Truncate(y), offsetY);
    return FinishPlacement(draw, at->value, index);
}

int CVeldoranDoc::ProjectRecordToRegion(SheetDrawState& draw, const std::string& record, int offsetX, int index,
                                        float ratio) const
{
    int answer = 0;
    const std::optional<RecordPosition> at = ParseRecordForPlacement(*this, draw, record, &answer);
    if (!at)
        return answer;
    // 1/10000 degree; the factor is the single-precision 10000/3600.
    const float latitude = static_cast<float>(at->latitudeSeconds) * 2.7777777f;
    const float longitude = static_cast<float>(at->longitudeSeconds) * 2.7777777f;
    const float k = position.m_nMapPjctn != 0
                        ? ratio
                        : LatitudeRatioAt(latitudeRatios.m_afLatitudeRatio, Truncate(latitude) / 10000);
    if (draw.m_fMapScale == 0 || k == 0) {
        draw.m_nPointX = -1;
        return at->value;
    }
    draw.m_nPointY = Truncate((draw.m_fRefLatitude - latitude) / draw.m_fMapScale);
    draw.m_nPointX = AddOffset(Truncate((longitude - draw.m_fRefLongitude) / draw.m_fMapScale / k), offsetX);
    return FinishPlacement(draw, at->value, index);
}
