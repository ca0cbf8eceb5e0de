#pragma once
// What the registration tests share: a document built as the program builds it with the album
// and memo dialogs and the picture chooser faked, a scripted user interface, and a CP932 data
// file in the application folder.
#include "app/document/VeldoranDoc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "tests/userdata/UserDataTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace registrationtest {

class Registration : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = userdatatest::MakeDocument(dialogLibrary);
        vd::LibraryLoader::setOverride("SURRICK.DLL", dialogLibrary);
        script = vd::ui::Script::install();
        doc->pointer.m_nMouseTool = 2;
    }

    // The data file SOURCE\history.dat with these lines (UTF-8, written as CP932 with CR LF).
    void WriteDataFile(const std::vector<std::string>& lines) { WriteDataBytes(userdatatest::Cp932Lines(lines)); }
    void WriteDataBytes(const std::string& bytes)
    {
        std::filesystem::create_directories(doctest::Home() / "SOURCE");
        data = userdatatest::WriteFixture("SOURCE/history.dat", bytes);
        data.winPath = vd::applicationFolder() + "SOURCE\\history.dat";
        doc->registered.m_strDataFile = data.winPath;
    }
    std::string DataBytes() const { return doctest::ReadBytes(data.file); }

    static void Answer(const char* entry, const std::string& answer)
    {
        using Fn = void(const char*, const char*);
        vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeAlbumSetAnswer")(entry, answer.c_str());
    }
    static std::string FakeLog()
    {
        using Fn = const std::string*();
        return *vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeAlbumLog")();
    }

    // The dialog library and Surrick of the test, set before the document binds them.
    const char* dialogLibrary = VD_FAKE_ALBUM_DIALOGS;
    std::unique_ptr<CVeldoranDoc> doc;
    std::shared_ptr<vd::ui::Script> script;
    userdatatest::Fixture data;
};

} // namespace registrationtest
