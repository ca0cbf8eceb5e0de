// Which editor opens a file: the profile's editor when it exists here, else $VISUAL, $EDITOR
// when graphical, else a graphical editor on the PATH, with its wait option; else the profile's
// editor as named, so that its failure to start can name it.
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace vd;

namespace {

std::string fakeProgram(const std::string& folder, const std::string& name)
{
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/" + name;
    std::ofstream(path) << "#!/bin/sh\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

} // namespace

TEST(UiEditor, DefaultEditorFollowsTheEnvironmentAndThePath)
{
    const std::string bin = std::string(std::getenv("VELDORAN_HOME")) + "/bin";
    fakeProgram(bin, "gedit");
    fakeProgram(bin, "vim");
    fakeProgram(bin, "code");
    setenv("PATH", bin.c_str(), 1);
    unsetenv("VISUAL");
    setenv("EDITOR", "vim", 1);
    EXPECT_EQ(ui::editorCommand("", "/tmp/a b.txt"), (std::vector<std::string>{"gedit", "--wait", "/tmp/a b.txt"}))
        << "a terminal $EDITOR is passed over";
    setenv("EDITOR", "code", 1);
    EXPECT_EQ(ui::defaultEditor(), (std::vector<std::string>{"code", "--wait"}));
    setenv("VISUAL", "code --wait -n", 1);
    EXPECT_EQ(ui::defaultEditor(), (std::vector<std::string>{"code", "--wait", "-n"}));
    // The profile's editor: a Windows-form path of a program that exists here wins; the old
    // notepad does not exist and gives way to the default.
    const std::string own = fakeProgram(bin + "/own", "kate");
    EXPECT_EQ(ui::editorCommand(ui::toWindowsForm(own), "/tmp/x.dat"), (std::vector<std::string>{own, "--block", "/tmp/x.dat"}));
    EXPECT_EQ(ui::editorCommand("C:\\WINDOWS\\NOTEPAD.EXE", "/tmp/x.dat"), (std::vector<std::string>{"code", "--wait", "-n", "/tmp/x.dat"}));
    setenv("PATH", (bin + "/none").c_str(), 1);
    unsetenv("VISUAL");
    EXPECT_TRUE(ui::editorCommand("", "/tmp/x.dat").empty());
    // A profile's editor that is not installed, with none to stand in, is tried by its own name.
    EXPECT_EQ(ui::editorCommand("xdg-open", "/tmp/x.dat"), (std::vector<std::string>{"xdg-open", "/tmp/x.dat"}));
}
