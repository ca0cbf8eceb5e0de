#include "app/DefaultEditor.h"

#include "platform/fs/PathResolver.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string_view>
#include <unistd.h>

namespace {

// Editors with windows of their own, in order of preference.
constexpr const char* kGraphicalEditors[] = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad", "leafpad", "geany", "gvim", "code",
};

bool IsGraphicalEditor(std::string_view program)
{
    const std::string name = std::filesystem::path(program).filename().string();
    for (const char* editor : kGraphicalEditors)
        if (name == editor)
            return true;
    return false;
}

bool IsExecutableFile(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored) && ::access(path.c_str(), X_OK) == 0;
}

// The absolute path of a program named as a path or found along the PATH.
std::optional<std::filesystem::path> FindProgram(const std::string& program)
{
    if (program.empty())
        return std::nullopt;
    if (program.find('/') != std::string::npos) {
        std::error_code error;
        const auto path = std::filesystem::absolute(program, error);
        return !error && IsExecutableFile(path) ? std::optional(path) : std::nullopt;
    }
    const char* searchPath = std::getenv("PATH");
    std::istringstream folders(searchPath ? searchPath : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty())
            continue;
        const auto path = std::filesystem::path(folder) / program;
        if (IsExecutableFile(path))
            return path;
    }
    return std::nullopt;
}

// The program word of a command such as "gvim -f".
std::string FirstWord(const char* command)
{
    std::istringstream words(command ? command : "");
    std::string word;
    words >> word;
    return word;
}

std::string WindowsForm(const std::filesystem::path& path)
{
    return vd::toWindowsPath(path.string()).value_or(path.string());
}

} // namespace

std::string FindDefaultEditor()
{
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const std::string program = FirstWord(std::getenv(variable));
        if (!IsGraphicalEditor(program))
            continue;
        if (const auto path = FindProgram(program))
            return WindowsForm(*path);
    }
    for (const char* editor : kGraphicalEditors)
        if (const auto path = FindProgram(editor))
            return WindowsForm(*path);
    if (const auto path = FindProgram("xdg-open"))
        return WindowsForm(*path);
    return "xdg-open";
}
