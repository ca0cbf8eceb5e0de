#pragma once
// What the dialog library's tests share: the built library in place of "TOVENDLG.DLL", its entry
// points, and fixture files in the test's application folder (CP932 with CR LF, as the library's
// files are).
#include "dialogs/DialogLibraryApp.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dialogtest {

// The library's module: its templates are answered by the script under this name.
inline const std::string kModule = CDialogLibraryApp::kModule;

template <class Fn>
Fn* EntryPoint(const char* name)
{
    vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so");
    return vd::entryPoint<Fn>("TOVENDLG.DLL", name);
}

// The application folder: its Linux path, and its Windows form with a trailing backslash.
inline std::filesystem::path Home()
{
    vd::applicationFolder();
    return vd::applicationFolderPath();
}
inline std::string HomeWin()
{
    return vd::applicationFolder();
}

// Lines joined with CR LF (each ended by one) and converted to CP932.
inline std::string Cp932Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return vd::utf8ToCp932(text);
}

// A menu file's section line and its 35 slot lines "NN=", the given entries first.
inline void AddMenuSection(std::vector<std::string>& lines, const std::string& name,
                           const std::vector<std::string>& entries)
{
    lines.push_back(name);
    for (int slot = 0; slot < 35; ++slot) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d=", slot);
        lines.push_back(number + (slot < int(entries.size()) ? entries[std::size_t(slot)] : std::string()));
    }
}

inline void WriteHomeFile(const std::string& relative, const std::string& bytes)
{
    const std::filesystem::path path = Home() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadHomeFile(const std::string& relative)
{
    std::ifstream in(Home() / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace dialogtest
