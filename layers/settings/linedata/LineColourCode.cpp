#include "layers/settings/linedata/LineColourCode.h"

#include <algorithm>
#include <climits>

namespace {

int Saturated(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

LineColourParts SplitColourCode(LineCodeForm form, int code)
{
    switch (form) {
    case LineCodeForm::ColourOnly:
    case LineCodeForm::KeepHundreds:
    case LineCodeForm::Attribute: return {code % 100, code / 100, 0};
    case LineCodeForm::CodeBox: return {code % 100, 0, code / 100};
    case LineCodeForm::RoadMode: return {0, code, 0};
    case LineCodeForm::RailMode: return {0, code / 10, code % 10};
    case LineCodeForm::River: return {code % 10, code % 100 / 10, code / 100};
    }
    return {};
}

int PackColourCode(LineCodeForm form, const LineColourParts& p)
{
    const long long index = p.index, attribute = p.attribute, option = p.option;
    switch (form) {
    case LineCodeForm::ColourOnly: return p.index;
    case LineCodeForm::KeepHundreds:
    case LineCodeForm::Attribute: return Saturated(index + 100 * attribute);
    case LineCodeForm::CodeBox: return Saturated(index + 100 * option);
    case LineCodeForm::RoadMode: return p.attribute;
    case LineCodeForm::RailMode: return Saturated(10 * attribute + option);
    case LineCodeForm::River: return Saturated(index + 10 * attribute + 100 * option);
    }
    return 0;
}

int ColourIndexLimit(LineCodeForm form)
{
    return form == LineCodeForm::River ? 10 : 22;
}
