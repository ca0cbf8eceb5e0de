// Each built library exports exactly the contracted entry points that have landed (the lists in
// tests/contracts/landed/), read from the library with nm -D.
#include "contracts/dovanne.h"
#include "contracts/halvette.h"
#include "contracts/ombrisk.h"
#include "contracts/pelmora.h"
#include "contracts/surrick.h"
#include "contracts/tovendlg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

using Names = std::set<std::string>;

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names a contract header declares: `extern "C" VD_EXPORT Name_fn Name;`.
Names contracted(const std::string& library)
{
    const std::string header = readFile(VD_SOURCE_DIR "/contracts/" + library + ".h");
    static const std::regex declaration(R"(extern "C" VD_EXPORT (\w+)_fn (\w+);)");
    Names names;
    for (std::sregex_iterator it(header.begin(), header.end(), declaration), end; it != end; ++it)
        names.insert((*it)[2]);
    return names;
}

Names landed(const std::string& library)
{
    std::ifstream in(VD_SOURCE_DIR "/tests/contracts/landed/" + library + ".txt");
    Names names;
    for (std::string line; std::getline(in, line);) {
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (!line.empty() && line[0] != '#')
            names.insert(line);
    }
    return names;
}

// The library's exported symbols, less the linker's own and C++ names (which start with "_").
Names exported(const std::string& library, bool& ran)
{
    const std::string command = "nm -D --defined-only '" VD_BIN_DIR "/lib" + library + ".so' 2>/dev/null";
    Names names;
    FILE* pipe = popen(command.c_str(), "r");
    ran = pipe != nullptr;
    if (!pipe)
        return names;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) {
        std::istringstream line(buffer);
        std::string address, type, name;
        if (line >> address >> type >> name && !name.empty() && name[0] != '_')
            names.insert(name);
    }
    ran = pclose(pipe) == 0;
    return names;
}

std::string listed(const Names& names)
{
    std::string out;
    for (const std::string& n : names)
        out += " " + n;
    return out.empty() ? " (none)" : out;
}

class LibraryExports : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(LibraryExports, ExportsExactlyTheLandedContractedNames)
{
    const std::string library = GetParam();
    const Names contract = contracted(library);
    ASSERT_FALSE(contract.empty()) << "contracts/" << library << ".h declares no entry point";

    const Names done = landed(library);
    Names outsideContract;
    for (const std::string& n : done)
        if (!contract.count(n))
            outsideContract.insert(n);
    EXPECT_TRUE(outsideContract.empty()) << "landed but not contracted:" << listed(outsideContract);

    bool ran = false;
    const Names actual = exported(library, ran);
    ASSERT_TRUE(ran) << "nm could not read lib" << library << ".so";
    Names missing, stray;
    for (const std::string& n : done)
        if (!actual.count(n))
            missing.insert(n);
    for (const std::string& n : actual)
        if (!done.count(n))
            stray.insert(n);
    EXPECT_TRUE(missing.empty()) << "landed but not exported:" << listed(missing);
    EXPECT_TRUE(stray.empty()) << "exported but not on the landed list:" << listed(stray);
}

INSTANTIATE_TEST_SUITE_P(Libraries, LibraryExports,
                         ::testing::Values("pelmora", "surrick", "dovanne", "tovendlg", "halvette", "ombrisk"),
                         [](const auto& info) { return std::string(info.param); });

TEST(Contracts, EveryEntryPointIsDeclaredOnceAcrossTheSixLibraries)
{
    Names seen;
    for (const char* library : {"pelmora", "surrick", "dovanne", "tovendlg", "halvette", "ombrisk"})
        for (const std::string& n : contracted(library))
            EXPECT_TRUE(seen.insert(n).second) << n << " is declared by two libraries";
    EXPECT_EQ(seen.size(), 113u) << "the six libraries have 113 entry points";
}
