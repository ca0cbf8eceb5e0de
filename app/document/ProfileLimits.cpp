#include "app/document/ProfileLimits.h"

#include <algorithm>

namespace {

constexpr int kCoastPenCount = 20;
constexpr int kNoPrefectureCoast = 20;

} // namespace

int OneOfOr(int value, std::initializer_list<int> allowed, int fallback)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : fallback;
}

int WithinOr(int value, int lowest, int highest, int fallback)
{
    return value >= lowest && value <= highest ? value : fallback;
}

int UsableMapFrame(int frame) { return OneOfOr(frame, {1, 2, 3}, 2); }

int UsableBlockSheets(int sheets) { return OneOfOr(sheets, {9, 25, 49}, 9); }

int UsableColourByte(int value) { return std::clamp(value, 0, 255); }

int UsableSymbolSize(int size) { return std::clamp(size, 1, 16); }

int UsableCoastPen(int pen, int fallback) { return WithinOr(pen, 0, kCoastPenCount - 1, fallback); }

int UsablePrefectureCoastPen(int pen, int fallback) { return WithinOr(pen, 0, kNoPrefectureCoast, fallback); }

std::string UsableSheetName(std::string name) { return name.empty() ? kStartSheetName : std::move(name); }
