#include "app/document/LazyArray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Names = LazyArray<std::string, 4>;

Names built(const std::string& first)
{
    Names names;
    names[0] = first;
    return names;
}

// A copy holds the source's values whichever side was built; a reference taken through all()
// (a loop over the list holds one while its body may assign the whole list) stays good.
TEST(LazyArray, AssignmentCopiesValuesAndKeepsTheArrayInPlace)
{
    struct Case {
        bool targetBuilt;
        bool sourceBuilt;
    };
    for (const Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "target built " << c.targetBuilt << ", source built " << c.sourceBuilt);
        Names target = c.targetBuilt ? built("old") : Names();
        const Names source = c.sourceBuilt ? built("new") : Names();
        const std::string* before = c.targetBuilt ? &target.all()[0] : nullptr;
        target = source;
        EXPECT_EQ(target[0], c.sourceBuilt ? "new" : "");
        EXPECT_EQ(target[3], "");
        if (before)
            EXPECT_EQ(&target.all()[0], before);
    }
}

} // namespace
