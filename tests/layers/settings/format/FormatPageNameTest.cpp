// Page names from data paths, and the pages found on disk.
#include "layers/settings/format/FormatPageName.h"
#include "platform/text/StringOps.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

TEST(FormatPageName, CandidatesFollowTheNamingRules)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\KSJ\\P02-01.TXT", "d:\\ksj\\p02-01.htm"},
        {"D:\\KSJ\\N02-L04-01.txt", "d:\\ksj\\n02-l04-xxp.htm"},
        {"d:\\ksj\\W05L05\\data.txt", "d:\\ksj\\w05l05-xxp.htm"},
        {"D:\\KSJ\\(N03-0013)", "d:\\ksj\\n03_xxa.htm"},
        {"D:\\KSJ\\MESH\\(G04-A-12)", "d:\\ksj\\mesh\\g04-a-1.htm"},
        {"D:\\KSJ\\(S04-0513)", "d:\\ksj\\s04_xxm.htm"},
        {"D:\\KSJ\\(S01-1234)", "d:\\ksj\\s01_xxm.htm"},
        {"D:\\KSJ\\P02-01", ".htm"},
        {"", ".htm"},
        {")abc", ".htm"},
        {"D:\\地図\\(ａ)", "d:\\地図\\.htm"},
    };
    for (const auto& [path, page] : cases)
        EXPECT_EQ(FormatPageCandidate(path), page) << path;
}

TEST(FormatPageName, APageIsLookedUpWithADashAndElseEndsInHtml)
{
    const std::string folder = WinPathOf("ksj\\");
    WriteBytes(HomeFolder() / "ksj" / "p02-01.htm", "page");
    WriteBytes(HomeFolder() / "ksj" / "n03-xxa.htm", "page");
    EXPECT_EQ(FormatPageName(folder + "P02-01.TXT"), vd::toLowerAscii(folder) + "p02-01.htm");
    EXPECT_EQ(FormatPageName(folder + "(N03-0013)"), vd::toLowerAscii(folder) + "n03-xxa.htm");
    EXPECT_EQ(FormatPageName(folder + "(S04-0513)"), vd::toLowerAscii(folder) + "s04_xxm.html");
}
