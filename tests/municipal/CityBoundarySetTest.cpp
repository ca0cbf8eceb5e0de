// The boundary conversion as the view calls it: Surrick's two exports with their folder dialog,
// question, progress panel and closing message answered and recorded by the ui script.
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiScript.h"
#include "tests/municipal/conversion/SourceFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace fixtures;

namespace {

constexpr int kBoundaryEdit = 1016;
constexpr int kCoastlineEdit = 1017;
constexpr int kChooseBoundary = 1018;
constexpr const char* kDone = "変換が終りました。  (都道府県数=%d)";

class CityBoundarySet : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so");
        boundarySet = vd::entryPoint<OnCityBoundarySet_fn>("SURRICK.DLL", "OnCityBoundarySet");
        coastlineSet = vd::entryPoint<OnCoastlineSet_fn>("SURRICK.DLL", "OnCoastlineSet");
        ASSERT_NE(boundarySet, nullptr);
        ASSERT_NE(coastlineSet, nullptr);
        home = vd::applicationFolderPath();
        std::filesystem::create_directories(home / "n03");
        std::filesystem::create_directories(home / "c23");
        WriteFile((home / "n03" / "n03-001-25.txt").string(), AdministrativeFixture());
        WriteFile((home / "c23" / "c23-59l-25.txt").string(), CoastlineFixture());
        n03 = vd::applicationFolder() + "n03\\";
        c23 = vd::applicationFolder() + "c23\\";
    }
    // The dialog answered with OK (or cancel) after `edit` ran on it.
    void AnswerFolders(int templateId, bool ok, std::function<void(vd::DialogDriver&)> edit = {})
    {
        script->answerDialog("Surrick", templateId, [ok, edit](vd::DialogDriver& d) {
            if (edit)
                edit(d);
            d.click(ok ? vd::IDOK : vd::IDCANCEL);
        });
    }
    // The closing message of a conversion into `folder`'s output folder that kept `bundled` files.
    static std::string Done(int prefectures, const std::string& outputFolder, int bundled = 0)
    {
        return vd::format(kDone, prefectures) + "\n\n書き込んだフォルダ:\n  " + outputFolder
            + (bundled > 0 ? vd::format("\n(同梱の行政界ファイル %d 件も、このフォルダに写しました)", bundled) : "");
    }
    // The bundled municipality files of the application folder, by name.
    std::vector<std::string> BundledNames() const
    {
        std::vector<std::string> names;
        std::error_code missing;
        for (const auto& entry : std::filesystem::directory_iterator(home / "CityPlgn", missing))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Message(std::size_t i) const
    {
        return i < script->messageBoxes().size() ? script->messageBoxes()[i].text : "(none)";
    }
    std::shared_ptr<vd::ui::Script> script;
    OnCityBoundarySet_fn* boundarySet = nullptr;
    OnCoastlineSet_fn* coastlineSet = nullptr;
    std::filesystem::path home;
    std::string n03, c23;
};

} // namespace

TEST_F(CityBoundarySet, CancelAndNoConvertNothing)
{
    vd::RecordingDc dc;
    AnswerFolders(132, false);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 0), "");
    EXPECT_TRUE(script->messageBoxes().empty());

    AnswerFolders(132, true);
    script->answerMessageBox(vd::IDNO);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 0), n03 + "#" + c23);
    EXPECT_EQ(Message(0), "行政界・海岸線ファイルを変換しますか？\n＜バイナリ形式で保存＞\n　　　所用時間 数～10分");
    EXPECT_EQ(script->messageBoxes()[0].style, vd::MB_YESNO);

    AnswerFolders(133, true, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  行政界・海岸線変換");
        EXPECT_EQ(d.text(kBoundaryEdit), n03);
        d.setText(kBoundaryEdit, "Z:\\typed\\");
    });
    script->answerMessageBox(vd::IDNO);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 1), "Z:\\typed\\");
    EXPECT_FALSE(std::filesystem::exists(home / "n03" / "CityPlgn"));
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(CityBoundarySet, YesConvertsWithThePanelAndCountsThePrefectures)
{
    vd::RecordingDc dc;
    const vd::Brush caller(0x00FF00);
    dc.SelectObject(caller);
    AnswerFolders(132, true, [&](vd::DialogDriver& d) { EXPECT_EQ(d.text(kCoastlineEdit), c23); });
    script->answerMessageBox(vd::IDYES);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 0), n03 + "#" + c23);
    EXPECT_EQ(ReadFile((home / "n03" / "CityPlgn" / "Pg001_25.dat").string()), ExpectedAdministrativeFile());
    EXPECT_EQ(Message(1), Done(1, n03 + "CityPlgn\\"));
    EXPECT_EQ(script->messageBoxes()[1].style, vd::MB_OK | vd::MB_ICONEXCLAMATION);
    EXPECT_EQ(dc.GetCurrentBrush(), caller);

    std::vector<std::pair<vd::Point, std::string>> texts;
    for (const vd::RecordedText& t : dc.Texts())
        texts.emplace_back(t.at, t.text);
    EXPECT_EQ(texts, (std::vector<std::pair<vd::Point, std::string>>{
                         {{120, 315}, "行政界・海岸線ファイル変換"},
                         {{120, 340}, "出力ファイル=" + n03 + "CityPlgn\\Pg001_25.dat"},
                         {{440, 390}, " 1/ 1"},
                         {{120, 360}, "データ全体=9  リンクデータ=4  エリアデータ=3  エリア台帳=3    "},
                     }));
    std::vector<vd::Rect> rectangles;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Rectangle)
            rectangles.push_back(call.op.rect);
    EXPECT_EQ(rectangles, (std::vector<vd::Rect>{{100, 300, 720, 430}, {200, 390, 400, 415}, {200, 390, 400, 415}}));
}

// A prefecture converted in a folder of the user's: that folder becomes the municipality folder,
// so the bundled prefectures' files go into it beside the converted one, which none replaces,
// and the closing message says where the files are.
TEST_F(CityBoundarySet, ConvertingElsewhereKeepsTheBundledPrefecturesBesideTheConvertedOne)
{
    // The bundled borders of two prefectures in the application folder.
    std::filesystem::create_directories(home / "CityPlgn");
    WriteFile((home / "CityPlgn" / "Pg001_25.dat").string(), "bundled 25");
    WriteFile((home / "CityPlgn" / "Pg001_26.dat").string(), "bundled 26");
    const std::vector<std::string> bundled = BundledNames();
    const std::filesystem::path elsewhere = home / "my-n03";
    std::filesystem::create_directories(elsewhere);
    WriteFile((elsewhere / "n03-001-25.txt").string(), AdministrativeFixture());
    const std::string folder = vd::ui::toWindowsForm(elsewhere.string()) + "\\";

    vd::RecordingDc dc;
    AnswerFolders(133, true, [&](vd::DialogDriver& d) { d.setText(kBoundaryEdit, folder); });
    script->answerMessageBox(vd::IDYES);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 1), folder);

    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(elsewhere / "CityPlgn"))
        written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, bundled);
    EXPECT_EQ(ReadFile((elsewhere / "CityPlgn" / "Pg001_25.dat").string()), ExpectedAdministrativeFile());
    EXPECT_EQ(ReadFile((elsewhere / "CityPlgn" / "Pg001_26.dat").string()), "bundled 26");
    EXPECT_EQ(Message(1), Done(1, folder + "CityPlgn\\", 1));

    // Converted again: the files there are kept, none is copied twice.
    AnswerFolders(133, true, [&](vd::DialogDriver& d) { d.setText(kBoundaryEdit, folder); });
    script->answerMessageBox(vd::IDYES);
    boundarySet(&dc, n03, c23, 1);
    EXPECT_EQ(Message(3), Done(1, folder + "CityPlgn\\"));
}

TEST_F(CityBoundarySet, RegisterTakesTheFolderOfTheChosenFile)
{
    vd::RecordingDc dc;
    script->answerFileDialog("Z:\\data\\ksj\\n03-001-13.txt");
    script->cancelFileDialog();
    AnswerFolders(133, true, [](vd::DialogDriver& d) {
        d.click(kChooseBoundary);
        EXPECT_EQ(d.text(kBoundaryEdit), "Z:\\data\\ksj\\");
        d.click(kChooseBoundary); // cancelled: the folder stays
        EXPECT_EQ(d.text(kBoundaryEdit), "Z:\\data\\ksj\\");
    });
    script->answerMessageBox(vd::IDNO);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 1), "Z:\\data\\ksj\\");
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    EXPECT_EQ(script->beeps(), 2);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_EQ(asked.initialFolder, n03) << "the folder the dialog shows";
    EXPECT_EQ(script->fileDialogs()[1].initialFolder, "Z:\\data\\ksj\\");
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.initialName, "*.txt");
    EXPECT_TRUE(asked.flags & vd::OFN_FILEMUSTEXIST);
    EXPECT_EQ(asked.filter,
              "Txt files (*.txt)|*.txt|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||");
}

TEST_F(CityBoundarySet, AnUnwritableFolderIsNamedAndAnEmptyOneConvertsNothing)
{
    vd::RecordingDc dc;
    WriteFile((home / "n03" / "CityPlgn").string(), "a file in the way");
    AnswerFolders(133, true);
    script->answerMessageBox(vd::IDYES);
    boundarySet(&dc, n03, c23, 1);
    EXPECT_EQ(Message(1), Done(1, n03 + "CityPlgn\\") + "\n\n書き込めなかったファイル:\n  " + n03 + "CityPlgn\\Pg001_25.dat");

    AnswerFolders(133, true, [](vd::DialogDriver& d) { d.setText(kBoundaryEdit, ""); });
    script->answerMessageBox(vd::IDYES);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 1), "");
    EXPECT_EQ(Message(3), "行政界・海岸線のフォルダが指定されていません。");
    EXPECT_FALSE(std::filesystem::exists("CityPlgn"));
}

TEST_F(CityBoundarySet, CoastlinesConvertIntoCoastC23)
{
    vd::RecordingDc dc;
    script->answerMessageBox(vd::IDNO);
    coastlineSet(&dc, c23);
    EXPECT_FALSE(std::filesystem::exists(home / "c23" / "CoastC23"));
    EXPECT_EQ(Message(0), "海岸線ファイルを変換しますか？\n＜海岸線をバイナリ形式で保存＞\n　　　所用時間 数～10分");

    script->answerMessageBox(vd::IDYES);
    coastlineSet(&dc, c23);
    EXPECT_EQ(ReadFile((home / "c23" / "CoastC23" / "Ln59l_25.dat").string()), ExpectedCoastlineFile());
    EXPECT_EQ(Message(2), Done(1, c23 + "CoastC23\\"));
    ASSERT_FALSE(dc.Texts().empty());
    EXPECT_EQ(dc.Texts()[0].text, "海岸線ファイル変換");
}

// The end of the program asked for while the panel shows (the close box, a termination signal):
// no further file is converted and no closing message waits for an answer; the folders chosen
// still come back, for the profile.
TEST_F(CityBoundarySet, AnEndAskedForStopsTheConversionWithoutItsMessage)
{
    vd::RecordingDc dc;
    WriteFile((home / "n03" / "n03-001-26.txt").string(), AdministrativeFixture());
    AnswerFolders(132, true);
    script->answerMessageBox(vd::IDYES);
    vd::ui::setEndRequested(true);
    EXPECT_EQ(boundarySet(&dc, n03, c23, 0), n03 + "#" + c23);
    vd::ui::setEndRequested(false);
    EXPECT_EQ(script->messageBoxes().size(), 1u) << "only the question";
    EXPECT_FALSE(std::filesystem::exists(home / "n03" / "CityPlgn" / "Pg001_25.dat"));
    EXPECT_FALSE(std::filesystem::exists(home / "n03" / "CityPlgn" / "Pg001_26.dat"));
}
