#include "app/document/DefaultEditor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class DefaultEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::path(std::getenv("VELDORAN_HOME")).parent_path() / "path";
        fs::create_directories(folder);
        setenv("PATH", folder.c_str(), 1);
        unsetenv("VISUAL");
        unsetenv("EDITOR");
    }
    void AddProgram(const char* name)
    {
        const fs::path program = folder / name;
        std::ofstream(program) << "#!/bin/sh\n";
        fs::permissions(program, fs::perms::owner_all);
    }
    std::string WindowsForm(const char* name) const
    {
        std::string path = "Z:" + (folder / name).string();
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return path;
    }
    fs::path folder;
};

TEST_F(DefaultEditor, TakesAGraphicalEditorFromTheEnvironmentWithItsOptionsCut)
{
    AddProgram("gvim");
    AddProgram("kate");
    setenv("VISUAL", "gvim -f", 1);
    EXPECT_EQ(FindDefaultEditor(), WindowsForm("gvim"));
}

TEST_F(DefaultEditor, SkipsTerminalEditorsAndSearchesThePath)
{
    AddProgram("vim");
    AddProgram("kate");
    setenv("VISUAL", "vim", 1);
    setenv("EDITOR", "nano", 1);
    EXPECT_EQ(FindDefaultEditor(), WindowsForm("kate"));
}

TEST_F(DefaultEditor, FallsBackToTheDesktopHandler)
{
    setenv("EDITOR", "mousepad", 1); // named but not installed
    EXPECT_EQ(FindDefaultEditor(), "xdg-open");
    AddProgram("xdg-open");
    EXPECT_EQ(FindDefaultEditor(), WindowsForm("xdg-open"));
}

} // namespace
