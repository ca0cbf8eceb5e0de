// The profile rewritten on a full disk: at every 512-byte boundary the write reports failure and
// the old file stays byte for byte; a write that succeeds changes only the line of its key.
#include "platform/sys/ProfileStore.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using testsupport::ForEachWriteFailure;
using testsupport::UnderFileSizeLimit;

std::string ReadProfile()
{
    std::ifstream in(std::getenv("VELDORAN_PROFILE"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteProfile(const std::string& bytes)
{
    std::ofstream(std::getenv("VELDORAN_PROFILE"), std::ios::binary | std::ios::trunc) << bytes;
}

TEST(ProfileWriteFailure, TheOldProfileStaysUnlessTheWriteWasWhole)
{
    vd::ProfileStore profile;
    for (int n = 0; n < 40; ++n)
        ASSERT_TRUE(profile.writeString("FileList", "File" + std::to_string(n), "Z:\\home\\user\\旅行\\記録" + std::to_string(n) + ".dat"));
    ASSERT_TRUE(profile.writeInt("LastData", "MapMode", 9));
    const std::string original = ReadProfile();
    ASSERT_GT(original.size(), 1024u);
    ASSERT_TRUE(profile.writeInt("LastData", "MapMode", 25));
    const std::string rewritten = ReadProfile();
    ASSERT_EQ(rewritten.size(), original.size() + 1);
    const std::size_t changed = original.find("MapMode=9");
    ASSERT_NE(changed, std::string::npos);
    EXPECT_EQ(rewritten, original.substr(0, changed) + "MapMode=25" + original.substr(changed + 9));

    ForEachWriteFailure(rewritten.size(), [&](rlim_t limit) {
        WriteProfile(original);
        const bool written = UnderFileSizeLimit(limit, [&] { return vd::ProfileStore().writeInt("LastData", "MapMode", 25); });
        EXPECT_EQ(written, limit == RLIM_INFINITY) << limit;
        EXPECT_EQ(ReadProfile(), written ? rewritten : original) << limit;
        const auto folder = std::filesystem::path(std::getenv("VELDORAN_PROFILE")).parent_path();
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << limit;
    });
}

} // namespace
