// The Mapping menu's route and area maps (33253-33255): the choice in TOVENDLG's dialog, the
// route file loaded into the route list and the 3 x 3 block it is shown in; the map a registered
// point names; the index map (33269, 33270); the enabling of the text and picture selection.
#include "CommandTestSupport.h"

#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"

#include <filesystem>
#include <fstream>

using fakedoc::Answer;
using fakedoc::Calls;

namespace {

class RouteCommands : public DocumentCommands {
protected:
    void SetUp() override
    {
        DocumentCommands::SetUp();
        folder = vd::applicationFolder() + "ROUTAREA\\";
        std::filesystem::create_directories(vd::applicationFolderPath() / "ROUTAREA");
        doc->folders.m_strRouteAreaDir = folder;
        doc->environment.m_strEditor = "Z:\\usr\\bin\\editor";
        doc->m_nMapDisplayMode = 10;
    }
    // A route file of `lines` point lines (an empty line after each tenth); its Windows path.
    std::string WriteRoute(const std::string& name, int lines) const
    {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += "点" + std::to_string(i) + " 35.0000 135.0000 項目 c:\\a.txt\r\n" + (i % 10 == 9 ? "\r\n" : "");
        std::ofstream(vd::applicationFolderPath() / "ROUTAREA" / name, std::ios::binary) << vd::utf8ToCp932(text);
        return folder + name;
    }
    std::string folder;
};

} // namespace

TEST_F(RouteCommands, AChosenRouteLoadsItsFirst101LinesIntoTheBlockAroundIt)
{
    const std::string route = WriteRoute("G04C0815.7R", 120);
    Answer("OnRouteInformation", "2|京都巡り|" + route + "|MANUAL");
    doc->position.m_nMapFrame = 1;
    doc->position.m_nMapMode = 9;
    doc->m_fWhiteZoomX = 3.0f;
    doc->m_fWhiteZoomY = 1.5f;
    doc->routes.m_strEntryMode = "AreaData";
    Run(33253);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"OnRouteInformation(0,[AUTO],[Z:\\usr\\bin\\editor],[" + folder + "])"}));
    EXPECT_EQ(doc->routes.m_strRoutePlayMode, "MANUAL");
    EXPECT_EQ(doc->m_fWhiteZoomX, 3.0f * 0.33333334f);
    EXPECT_EQ(doc->m_fWhiteZoomY, 1.5f * 0.33333334f);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
    EXPECT_EQ(doc->position.m_nMapMode, 9);
    EXPECT_EQ(doc->routes.m_nRouteLineCount, 101);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "点0 35.0000 135.0000 項目 c:\\a.txt");
    EXPECT_EQ(doc->routes.m_astrRoutePoint[100], "点100 35.0000 135.0000 項目 c:\\a.txt");
    EXPECT_EQ(doc->routes.m_astrRoutePoint[101], "999");
    EXPECT_EQ(doc->routes.m_strEntryMode, "") << "a route after an area is a route";
    EXPECT_EQ(doc->m_nMapDisplayMode, 3);
    EXPECT_EQ(redraws, 1);
}

TEST_F(RouteCommands, AreaMapsComeFromBothAreaCommandsAndAFiveByFiveBlockShrinks)
{
    const std::string area = WriteRoute("G04C0815.7A", 3);
    for (int id : {33254, 33255}) {
        SCOPED_TRACE(id);
        fakedoc::Log().clear();
        Answer("OnRouteInformation", "0|嵐山|" + area + "|AUTO");
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 25;
        doc->m_fWhiteZoomX = doc->m_fWhiteZoomY = 0.6f;
        doc->routes.m_strEntryMode.clear();
        Run(id);
        EXPECT_EQ(Calls().at(0).substr(0, 21), "OnRouteInformation(1,");
        EXPECT_EQ(doc->m_fWhiteZoomX, 0.6f * 1.6666666f);
        EXPECT_EQ(doc->position.m_nMapMode, 9);
        EXPECT_EQ(doc->routes.m_nRouteLineCount, 3);
        EXPECT_EQ(doc->routes.m_astrRoutePoint[3], "999");
        EXPECT_EQ(doc->routes.m_strEntryMode, "AreaData");
    }
    // A 3 x 3 block keeps its scale.
    doc->position.m_nMapMode = 9;
    doc->m_fWhiteZoomX = 0.6f;
    Run(33254);
    EXPECT_EQ(doc->m_fWhiteZoomX, 0.6f);
}

TEST_F(RouteCommands, ACancelledChoiceOrAMissingFileLeavesTheMapAsItIs)
{
    doc->position.m_nMapFrame = 1;
    doc->position.m_nMapMode = 9;
    doc->m_fWhiteZoomX = 3.0f;
    doc->routes.m_astrRoutePoint[0] = "前の点";
    Answer("OnRouteInformation", "");
    Run(33253);
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->m_fWhiteZoomX, 3.0f);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->routes.m_strRoutePlayMode, "AUTO");

    Answer("OnRouteInformation", "0|消えた|" + folder + "GONE|MANUAL");
    Run(33253);
    EXPECT_EQ(doc->routes.m_strRoutePlayMode, "MANUAL") << "the play mode is taken from any answer";
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->m_fWhiteZoomX, 3.0f);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "前の点");
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(redraws, 0);
}

TEST_F(RouteCommands, ARegisteredPointLoadsTheRouteOrAreaItNames)
{
    const std::string route = WriteRoute("R1", 2);
    struct Case {
        std::string item;
        const char* mode;
    };
    for (const Case& c : {Case{"ルート", ""}, Case{"エリア", "AreaData"}, Case{"旅ルート案内", ""}}) {
        SCOPED_TRACE(c.item);
        doc->position.m_nMapType = 2;
        doc->position.m_nMapFrame = 1;
        doc->routes.m_strEntryMode = "before";
        redraws = 0;
        doc->LoadRouteFromItem("京都 35.0000 135.4500 " + c.item + " " + route);
        EXPECT_EQ(doc->position.m_nMapType, 1);
        EXPECT_EQ(doc->position.m_nMapFrame, 2);
        EXPECT_EQ(doc->routes.m_strEntryMode, c.mode);
        EXPECT_EQ(doc->routes.m_nRouteLineCount, 2);
        EXPECT_EQ(doc->m_nMapDisplayMode, 3);
        EXPECT_EQ(redraws, 1);
    }
    doc->m_nMapDisplayMode = 10;
    doc->position.m_nMapType = 2;
    doc->LoadRouteFromItem("京都 35.0000 135.4500 ルート " + folder + "GONE");
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(RouteCommands, TheIndexMapCommandsAndTheSelectionsEnabling)
{
    for (int id : {33269, 33270}) {
        doc->m_nMapDisplayMode = 10;
        doc->position.m_nMapType = 1;
        doc->position.m_nPrefectureSel = 4;
        Run(id);
        EXPECT_EQ(doc->m_nMapDisplayMode, 1);
        EXPECT_EQ(doc->position.m_nMapType, 2);
        EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    }
    for (int id : {32892, 32896})
        for (int type : {1, 2, 3, 4}) {
            doc->position.m_nMapType = type;
            EXPECT_EQ(Update(id).enabled, type <= 2) << id << " " << type;
        }
}
