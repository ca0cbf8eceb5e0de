#include "platform/sys/LibraryLoader.h"

#include "platform/sys/ExecutableFolder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using Origin_fn = const char*();

// The folder a loaded library was found in.
std::filesystem::path folderOf(void* handle)
{
    char origin[PATH_MAX] = {};
    if (!handle || dlinfo(handle, RTLD_DI_ORIGIN, origin) != 0)
        return {};
    return std::filesystem::canonical(origin);
}

std::filesystem::path binFolder()
{
    return std::filesystem::canonical(VD_BIN_DIR);
}

} // namespace

TEST(LibraryLoader, MapsTheSystemsNamesToSharedObjects)
{
    const struct {
        const char* name;
        const char* fileName;
    } cases[] = {
        {"Pelmora.DLL", "libpelmora.so"},   {"SURRICK.DLL", "libsurrick.so"},
        {"Surrick.DLL", "libsurrick.so"},   {"Dovanne.dll", "libdovanne.so"},
        {"Dovanne", "libdovanne.so"},       {"TOVENDLG.DLL", "libtovendlg.so"},
        {"Halvette.DLL", "libhalvette.so"}, {"Ombrisk.dll", "libombrisk.so"},
        // Not a bare library name: nothing to load.
        {"", ""}, {".DLL", ""}, {"bin/Pelmora.DLL", ""}, {"C:\\TOVEN\\Pelmora.DLL", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vd::LibraryLoader::fileNameFor(c.name), c.fileName) << c.name;
}

TEST(LibraryLoader, FindsTheRealLibrariesAlongTheSearchPathOnceEach)
{
    // Nothing of these lies beside the test executable; the platform library's folder (build/bin)
    // holds them, found by the loader itself whatever the caller of dlopen (a sanitizer runtime).
    for (const char* name : {"SURRICK.DLL", "Dovanne.dll", "TOVENDLG.DLL", "Halvette.DLL", "Ombrisk.dll"}) {
        void* handle = vd::LibraryLoader::library(name);
        ASSERT_NE(handle, nullptr) << name;
        EXPECT_EQ(folderOf(handle), binFolder()) << name;
    }
    // Every spelling of one library gives the same handle.
    EXPECT_EQ(vd::LibraryLoader::library("Surrick.DLL"), vd::LibraryLoader::library("SURRICK.DLL"));
    EXPECT_EQ(vd::LibraryLoader::library("Dovanne"), vd::LibraryLoader::library("Dovanne.dll"));
}

TEST(LibraryLoader, LooksInTheExecutablesFolderBeforeTheSearchPath)
{
    void* handle = vd::LibraryLoader::library("Pelmora.DLL");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(folderOf(handle), std::filesystem::canonical(vd::executableFolder()));
    Origin_fn* origin = vd::entryPoint<Origin_fn>("Pelmora.DLL", "vdFakeOrigin");
    ASSERT_NE(origin, nullptr);
    EXPECT_STREQ(origin(), "executable folder");
    // Loaded locally: its names do not leak into the global scope.
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "vdFakeOrigin"), nullptr);
}

TEST(LibraryLoader, LooksAlongLdLibraryPathAfterTheProgramsFolders)
{
    const std::string folder = std::filesystem::path(VD_FAKE_OVERRIDE_LIBRARY).parent_path().string();
    setenv("LD_LIBRARY_PATH", ("/nonexistent::" + folder).c_str(), 1);
    void* handle = vd::LibraryLoader::library("VdOverride.DLL");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(folderOf(handle), std::filesystem::canonical(folder));
    // The program's folders still come first.
    EXPECT_EQ(folderOf(vd::LibraryLoader::library("Dovanne")), binFolder());
}

TEST(LibraryLoader, OverridePutsAFakeInPlaceOfOneNameOnly)
{
    ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", VD_FAKE_OVERRIDE_LIBRARY));
    Origin_fn* origin = vd::entryPoint<Origin_fn>("Dovanne", "vdFakeOrigin");
    ASSERT_NE(origin, nullptr);
    EXPECT_STREQ(origin(), "override");

    void* halvette = vd::LibraryLoader::library("Halvette.DLL");
    ASSERT_NE(halvette, nullptr);
    EXPECT_EQ(folderOf(halvette), binFolder());
    // A library already handed out keeps its handle.
    EXPECT_FALSE(vd::LibraryLoader::setOverride("HALVETTE.DLL", VD_FAKE_OVERRIDE_LIBRARY));
    EXPECT_EQ(vd::LibraryLoader::library("Halvette.DLL"), halvette);
}

TEST(LibraryLoader, MissingLibraryGivesNull)
{
    EXPECT_EQ(vd::LibraryLoader::library("Nowhere.DLL"), nullptr);
    EXPECT_EQ(vd::LibraryLoader::symbol("Nowhere.DLL", "OnDistance"), nullptr);
    ASSERT_TRUE(vd::LibraryLoader::setOverride("Ombrisk.dll", "/nonexistent/libombrisk.so"));
    EXPECT_EQ(vd::LibraryLoader::library("Ombrisk.dll"), nullptr);
}

TEST(LibraryLoader, MissingEntryPointGivesNull)
{
    ASSERT_NE(vd::LibraryLoader::library("Pelmora.DLL"), nullptr);
    EXPECT_EQ(vd::LibraryLoader::symbol("Pelmora.DLL", "OnNothingLikeThis"), nullptr);
    EXPECT_EQ(vd::LibraryLoader::symbol("Pelmora.DLL", ""), nullptr);
    // dlsym would find this one in the C library the fake depends on: not an entry point of it.
    ASSERT_NE(dlsym(vd::LibraryLoader::library("Pelmora.DLL"), "getpid"), nullptr);
    EXPECT_EQ(vd::LibraryLoader::symbol("Pelmora.DLL", "getpid"), nullptr);

    auto* add = vd::entryPoint<int(int, int)>("Pelmora.DLL", "vdFakeAdd");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);
}
