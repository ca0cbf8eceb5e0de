#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/LibraryLoader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::set<std::string> ContractedNames()
{
    std::ifstream header(std::string(VD_SOURCE_DIR) + "/contracts/dovanne.h");
    std::stringstream text;
    text << header.rdbuf();
    const std::string s = text.str();
    std::set<std::string> names;
    const std::regex declaration(R"(extern "C" VD_EXPORT (\w+)_fn (\w+);)");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), declaration); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1], (*it)[2]);
        names.insert((*it)[2]);
    }
    return names;
}

std::set<std::string> ExportedNames()
{
    const std::string command = "nm -D --defined-only '" + std::string(VD_BIN_DIR) + "/libdovanne.so'";
    std::set<std::string> names;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof line, pipe)) {
            std::istringstream fields(line);
            std::string address, kind, name;
            if (fields >> address >> kind >> name && kind == "T")
                names.insert(name);
        }
        pclose(pipe);
    }
    return names;
}

TEST(DovanneExports, TheBaseMapEntryPointsAreExportedAndNothingUncontracted)
{
    const auto contracted = ContractedNames();
    const auto exported = ExportedNames();
    // The entry points of the other subsystems of Dovanne (tracks, markers, code conversions,
    // geology) are contracted before they are built.
    for (const char* name : {"OnJapanCoastLineDraw", "OnForeEastCoast", "OnWholeCoastLine", "OnWholePrfctrLine",
                             "OnLakeDraw", "OnScaleX", "OnIndexMap", "OnDistance", "OnUnitLength", "OnCoastPrfctr",
                             "OnCstPrfctrLine", "OnPrfctrLake", "OnBmpPrfctrNameOut", "OnPrfctrScale",
                             "OnPrefectureLat"}) {
        EXPECT_TRUE(contracted.count(name)) << name;
        EXPECT_TRUE(exported.count(name)) << name;
    }
    for (const std::string& name : exported)
        EXPECT_TRUE(contracted.count(name)) << name << " is exported without a contract";
}

TEST(DovanneExports, TheLoaderFindsThemByTheOldLibraryName)
{
    const auto distance = vd::entryPoint<OnDistance_fn>("Dovanne.dll", "OnDistance");
    ASSERT_NE(distance, nullptr);
    vd::RecordingDc dc;
    distance(&dc, "a", "b", 35, 0, 135, 0, 36, 0, 135, 0, 900, 0, 0, 100, 100);
    EXPECT_EQ(dc.Texts().size(), 1u);
    const auto unitLength = vd::entryPoint<OnUnitLength_fn>("Dovanne", "OnUnitLength");
    ASSERT_NE(unitLength, nullptr);
    EXPECT_EQ(unitLength("ew", "35."), 25.3578f);
}

} // namespace
