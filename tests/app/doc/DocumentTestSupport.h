#pragma once
// What the document tests share: the built libraries in place of the old names, a scripted
// user interface, a fake graphical editor, and the profile and application folder of the
// test process, and a fixture of a document built as the program builds it.
#include "app/document/VeldoranDoc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

namespace doctest {

namespace fs = std::filesystem;

inline void UseBuiltLibraries()
{
    vd::LibraryLoader::setOverride("Dovanne.dll", VD_BIN_DIR "/libdovanne.so");
    vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so");
    vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
}

inline fs::path Home()
{
    return vd::applicationFolderPath();
}

inline fs::path ProfileFile()
{
    return vd::ProfileStore::defaultFile();
}

// A graphical editor as $VISUAL names it: an executable file called "mousepad".
inline std::string InstallFakeEditor()
{
    const fs::path folder = fs::path(std::getenv("VELDORAN_HOME")).parent_path() / "bin";
    fs::create_directories(folder);
    const fs::path editor = folder / "mousepad";
    std::ofstream(editor) << "#!/bin/sh\nexit 0\n";
    fs::permissions(editor, fs::perms::owner_all);
    setenv("VISUAL", editor.c_str(), 1);
    return "Z:" + [&] {
        std::string p = editor.string();
        for (char& c : p)
            if (c == '/')
                c = '\\';
        return p;
    }();
}

// Every "section/key" of the profile file, in lower case.
inline std::set<std::string> ProfileKeys()
{
    QSettings settings(QString::fromStdString(ProfileFile().string()), QSettings::IniFormat);
    std::set<std::string> keys;
    for (const QString& key : settings.allKeys())
        keys.insert(key.toLower().toStdString());
    return keys;
}

inline void WriteBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A document built as the program builds it: the built libraries, a scripted user interface and
// the stand-in editor.
class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        InstallFakeEditor();
        doc = std::make_unique<CVeldoranDoc>();
    }
    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
};

} // namespace doctest
