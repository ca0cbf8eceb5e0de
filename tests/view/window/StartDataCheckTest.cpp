// When the start map cannot be reached (no sheet index, an empty or damaged one, a drive map that
// hides the application folder, a folder that is not there) the first map restore says once
// which file or folder is missing and what happens instead; the program goes on.
#include "MapViewFixture.h"

#include "platform/fs/DriveMap.h"
#include "platform/sys/ApplicationFolder.h"
#include "view/window/StartDataCheck.h"

#include <cstdlib>
#include <filesystem>

using namespace viewtest;

namespace {

class StartData : public MapView {
protected:
    // The first map restore, twice: the second tells nothing new.
    void RestoreTwice()
    {
        view->OnRedisplayMap();
        view->m_nLastMapState = 999;
        view->OnRedisplayMap();
    }
};

} // namespace

TEST_F(StartData, AMissingEmptyOrDamagedIndexIsReportedOnce)
{
    struct Case {
        const char* name;
        std::optional<std::string> index; // nullopt: no file
        const char* says;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "が見つかりません"},
        {"empty", std::string(), "は空か、壊れています"},
        {"comments only", IndexFile({";        図幅名       緯度      経度"}), "は空か、壊れています"},
        {"damaged", std::string("\x01\x02\xff\xfe garbage\r\n\x81\x40\x81\x40 123\r\n"), "は空か、壊れています"},
    };
    std::size_t told = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path index = std::filesystem::path(std::getenv("VELDORAN_HOME")) / "BlcMap20.idx";
        std::filesystem::remove(index);
        if (c.index)
            WriteHomeFile("BlcMap20.idx", *c.index);
        view->m_nLastMapState = 999;
        view->m_bStartDataChecked = false; // a new run
        RestoreTwice();
        ASSERT_EQ(script->messageBoxes().size(), ++told);
        const std::string text = script->messageBoxes().back().text;
        EXPECT_NE(text.find(doc->folders.m_strSheetIndexFile + "」" + c.says), std::string::npos) << text;
        EXPECT_NE(text.find("地図再表示"), std::string::npos) << "what to do instead";
        EXPECT_EQ(doc->m_nMapDisplayMode, 5) << "the program goes on";
    }
}

TEST_F(StartData, ADriveMapThatHidesTheFolderNamesTheIndexAndTheFolder)
{
    const auto saved = *vd::driveMap();
    vd::DriveMap hiding;
    hiding.set('Z', "/nonexistent-veldoran-drive");
    vd::setDriveMap(hiding);
    RestoreTwice();
    vd::setDriveMap(saved);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find(doc->folders.m_strSheetIndexFile + "」が見つかりません"),
              std::string::npos);
}

TEST_F(StartData, AFolderThatIsNotThereIsNamed)
{
    const std::string home = std::getenv("VELDORAN_HOME");
    setenv("VELDORAN_HOME", "/nonexistent-veldoran-home/veldoran", 1);
    const std::string problem = StartDataProblem(vd::applicationFolderPath(), doc->folders.m_strSheetIndexFile);
    setenv("VELDORAN_HOME", home.c_str(), 1);
    EXPECT_NE(problem.find("アプリケーションフォルダ「/nonexistent-veldoran-home/veldoran」を作成できないか"),
              std::string::npos)
        << problem;
}

TEST_F(StartData, AUsableIndexSaysNothing)
{
    RestoreTwice();
    EXPECT_TRUE(script->messageBoxes().empty());
    EXPECT_TRUE(SheetIndexHasSheets(*ReadSheetIndex(doc->folders.m_strSheetIndexFile)));
}
