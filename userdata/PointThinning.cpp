#include "userdata/PointThinning.h"

namespace {

struct Rule {
    int divisor;
    int remainder;
};

// Level n draws the records whose index leaves remainder when divided by divisor.
constexpr Rule kRules[] = {{1, 0}, {2, 0}, {2, 1}, {3, 0}, {3, 1}, {3, 2}, {4, 0},
                           {4, 1}, {5, 0}, {5, 1}, {6, 0}, {8, 0}, {11, 0}, {16, 0}};

} // namespace

bool IsDrawnAtLevel(int level, int index)
{
    if (index == 0)
        return true;
    if (level < 0 || level >= static_cast<int>(sizeof kRules / sizeof kRules[0]))
        return false;
    // The remainder keeps the index's sign, so a negative index is drawn only where the
    // remainder is 0.
    return index % kRules[level].divisor == kRules[level].remainder;
}
