#include "platform/ui/DesktopApplication.h"

#include "platform/fs/RegularFile.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QUrl>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vd::ui {

namespace {

std::vector<std::string> SplitDirs(const char* variable, const std::string& fallback)
{
    const char* value = std::getenv(variable);
    std::string text = value && *value ? value : fallback;
    std::vector<std::string> dirs;
    std::stringstream in(text);
    for (std::string dir; std::getline(in, dir, ':');)
        if (!dir.empty())
            dirs.push_back(dir);
    return dirs;
}

std::string Home(const char* variable, const char* below)
{
    const char* value = std::getenv(variable);
    if (value && *value)
        return value;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + below;
}

std::vector<std::string> ApplicationDirs()
{
    std::vector<std::string> dirs{Home("XDG_DATA_HOME", "/.local/share") + "/applications"};
    for (const std::string& dir : SplitDirs("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        dirs.push_back(dir + "/applications");
    return dirs;
}

// The desktop entries listed for the type under the section of a list file (";"-separated).
std::vector<std::string> ListedEntries(const std::string& file, const std::string& section, const std::string& type)
{
    std::vector<std::string> entries;
    if (!isRegularFile(file))
        return entries; // missing, or a FIFO or device that would hold the program
    std::ifstream in(file);
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[" + section + "]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos || line.substr(0, equals) != type)
            continue;
        std::stringstream names(line.substr(equals + 1));
        for (std::string name; std::getline(names, name, ';');)
            if (!name.empty())
                entries.push_back(name);
    }
    return entries;
}

std::string EntryExec(const std::string& entryName)
{
    for (const std::string& dir : ApplicationDirs()) {
        const std::string path = dir + "/" + entryName;
        if (!isRegularFile(path))
            continue;
        std::ifstream in(path);
        if (!in)
            continue;
        bool inEntry = false;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.front() == '[')
                inEntry = line.rfind("[Desktop Entry]", 0) == 0;
            else if (inEntry && line.rfind("Exec=", 0) == 0)
                return line.substr(5);
        }
    }
    return {};
}

std::vector<std::string> CandidateEntries(const std::string& type)
{
    std::vector<std::string> lists{Home("XDG_CONFIG_HOME", "/.config") + "/mimeapps.list"};
    for (const std::string& dir : SplitDirs("XDG_CONFIG_DIRS", "/etc/xdg"))
        lists.push_back(dir + "/mimeapps.list");
    for (const std::string& dir : ApplicationDirs())
        lists.push_back(dir + "/mimeapps.list");
    std::vector<std::string> entries;
    for (const std::string& list : lists)
        for (std::string& entry : ListedEntries(list, "Default Applications", type))
            entries.push_back(std::move(entry));
    for (const std::string& dir : ApplicationDirs())
        for (std::string& entry : ListedEntries(dir + "/mimeinfo.cache", "MIME Cache", type))
            entries.push_back(std::move(entry));
    return entries;
}

} // namespace

std::vector<std::string> desktopExecCommand(const std::string& exec, const std::string& file)
{
    std::vector<std::string> argv;
    std::string word;
    bool inWord = false, quoted = false, fileGiven = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                argv.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '%' && i + 1 < exec.size()) {
            const char code = exec[++i];
            if (code == '%')
                word += '%';
            else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
                word += file;
                fileGiven = true;
            }
            inWord = inWord || code == '%' || code == 'f' || code == 'F' || code == 'u' || code == 'U';
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        argv.push_back(word);
    if (!argv.empty() && !fileGiven)
        argv.push_back(file);
    return argv;
}

std::vector<std::string> desktopApplicationCommand(const std::string& linuxFile)
{
    const QString name = QString::fromStdString(linuxFile);
    std::string typeName;
    if (name.contains("://")) {
        typeName = "x-scheme-handler/" + QUrl(name).scheme().toStdString();
    } else {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(name);
        if (type.isValid())
            typeName = type.name().toStdString();
    }
    if (typeName.empty())
        return {};
    for (const std::string& entry : CandidateEntries(typeName)) {
        const std::string exec = EntryExec(entry);
        if (!exec.empty())
            return desktopExecCommand(exec, linuxFile);
    }
    return {};
}

} // namespace vd::ui
