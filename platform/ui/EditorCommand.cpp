#include "platform/ui/EditorCommand.h"

#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace vd::ui {

namespace {

struct KnownEditor {
    const char* name;
    const char* waitOption;  // "" when the editor waits by itself
};

// Graphical text editors, in the order they are looked for on the PATH.
constexpr KnownEditor kEditors[] = {
    {"gnome-text-editor", "--standalone"}, {"gedit", "--wait"}, {"kate", "--block"}, {"kwrite", ""},
    {"xed", "--wait"}, {"pluma", ""}, {"mousepad", ""}, {"featherpad", ""}, {"leafpad", ""},
    {"code", "--wait"}, {"gvim", "--nofork"}, {"emacs", ""},
};

const KnownEditor* known(const std::string& program)
{
    const std::string name = std::filesystem::path(program).filename().string();
    for (const auto& e : kEditors)
        if (name == e.name)
            return &e;
    return nullptr;
}

bool executable(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string findProgram(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return executable(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (!folder.empty() && executable(folder + "/" + name))
            return folder + "/" + name;
    return {};
}

namespace {

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

// A program with its wait option when it has one (and the command does not give it already).
std::vector<std::string> withWait(std::vector<std::string> command)
{
    if (const KnownEditor* e = known(command.front()); e && *e->waitOption)
        if (std::find(command.begin() + 1, command.end(), std::string(e->waitOption)) == command.end())
            command.insert(command.begin() + 1, e->waitOption);
    return command;
}

} // namespace

std::vector<std::string> defaultEditor()
{
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(variable);
        auto command = words(value ? value : "");
        if (!command.empty() && known(command.front()) && !findProgram(command.front()).empty())
            return withWait(command);
    }
    for (const auto& e : kEditors)
        if (!findProgram(e.name).empty())
            return withWait({e.name});
    return {};
}

std::vector<std::string> editorCommand(const std::string& configuredEditor, const std::string& linuxFile)
{
    std::vector<std::string> command;
    // The old default named the Windows notepad, which is not here.
    const std::string program = configuredEditor.find('\\') != std::string::npos || configuredEditor.find(':') == 1
        ? toLinuxForm(configuredEditor)
        : configuredEditor;
    if (!program.empty())
        if (const std::string found = findProgram(program); !found.empty())
            command = withWait({found});
    if (command.empty())
        command = defaultEditor();
    // With none to stand in, the configured program is still the one tried, so that its failure
    // to start names it.
    if (command.empty() && !program.empty())
        command = {program};
    if (!command.empty())
        command.push_back(linuxFile);
    return command;
}

bool runExternalEditor(const std::string& configuredEditor, const std::string& windowsFile)
{
    return editAndWait(editorCommand(configuredEditor, toLinuxForm(windowsFile)));
}

} // namespace vd::ui
