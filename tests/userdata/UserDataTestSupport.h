#pragma once
// What the user-data tests share: a document built as the program builds it (built libraries,
// scripted user interface), CP932 fixture files and their bytes.
#include "app/document/VeldoranDoc.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "tests/app/doc/DocumentTestSupport.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace userdatatest {

using doctest::fs::path;

// tovendlg: a dialog library to load in place of the built one.
inline std::unique_ptr<CVeldoranDoc> MakeDocument(const char* tovendlg = nullptr)
{
    static std::shared_ptr<vd::ui::Script> script;
    script = vd::ui::Script::install();
    doctest::UseBuiltLibraries();
    if (tovendlg)
        vd::LibraryLoader::setOverride("TOVENDLG.DLL", tovendlg);
    doctest::InstallFakeEditor();
    return std::make_unique<CVeldoranDoc>();
}

// Lines in UTF-8 turned into CP932 bytes, each ended by CR LF.
inline std::string Cp932Lines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += vd::utf8ToCp932(line) + "\r\n";
    return bytes;
}

// A file of the application folder: its Linux path and its Windows-form path.
struct Fixture {
    path file;
    std::string winPath;
};

inline Fixture AppFile(const std::string& name)
{
    return {doctest::Home() / name, vd::applicationFolder() + name};
}

inline Fixture WriteFixture(const std::string& name, const std::string& bytes)
{
    Fixture fixture = AppFile(name);
    doctest::WriteBytes(fixture.file, bytes);
    return fixture;
}

// A sheet index line: columns 9-20 the name, 22-28 the latitude, 32-39 the longitude (CP932 bytes).
inline std::string IndexLine(const std::string& name, const std::string& latitude, const std::string& longitude)
{
    return "0001     " + vd::cp932Pad(name, 12) + " " + latitude + "   " + longitude;
}

// The entries of a record list up to its end mark.
inline std::vector<std::string> Listed(const std::array<std::string, 5000>& list)
{
    std::vector<std::string> entries;
    for (const std::string& entry : list) {
        if (entry == "999")
            break;
        entries.push_back(entry);
    }
    return entries;
}

} // namespace userdatatest
