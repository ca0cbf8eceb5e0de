// Commands whose library part is not installed say which part is missing, instead of doing
// nothing; so do the searches with nothing to search and the depth-file pages.
#include "MapViewFixture.h"

#include "app/libraries/MissingPart.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "view/findplace/FindPlaceDialog.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace viewtest;

class MissingParts : public MapView {
protected:
    void BeforeDocument() override
    {
        for (const char* library : {"Dovanne.dll", "SURRICK.DLL", "Halvette.DLL", "Ombrisk.dll"})
            vd::LibraryLoader::setOverride(library, "/nonexistent/" + vd::LibraryLoader::fileNameFor(library));
    }
    // The message boxes a command shows.
    std::vector<std::string> MessagesOf(int command)
    {
        const std::size_t before = script->messageBoxes().size();
        frame->routeCommand(command);
        std::vector<std::string> texts;
        for (std::size_t i = before; i < script->messageBoxes().size(); ++i)
            texts.push_back(script->messageBoxes()[i].text);
        return texts;
    }
};

TEST_F(MissingParts, EachCommandNamesItsMissingPart)
{
    PastFirstPaint();
    const struct {
        int command;
        const char* part;
        const char* entry;
    } cases[] = {
        {32835, kSeismicPart, "OnSeisFileSet"},         {32837, kSeismicPart, "OnSeisFileFormat"},
        {32813, kDepthPart, "OnSubmarineTvlSet"},       {32779, kGeologyPart, "OnDlgGeoSet"},
        {32825, kGeologyPart, "OnDlgNtrSet"},           {32780, kGeologyPart, "OnD4GeologyLegend"},
        {32830, kMunicipalityPart, "OnCityBoundarySet"}, {33286, kStatisticsPart, "OnLocalDataDspSet"},
        {32829, kPresetPart, "OnNationDataPreset"},     {32808, kSheetRegistrationPart, "OnMapBarMenuFileSet"},
    };
    for (const auto& c : cases) {
        doc->m_nMapDisplayMode = 0;
        const std::vector<std::string> messages = MessagesOf(c.command);
        ASSERT_EQ(messages.size(), 1u) << c.command;
        EXPECT_NE(messages[0].find(std::string("「") + c.part + "」"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(c.entry), std::string::npos) << messages[0];
        EXPECT_EQ(doc->m_nMapDisplayMode, 0) << c.command << ": the map stays as it was";
    }
}

TEST_F(MissingParts, EmptySearchesSayWhatToSet)
{
    PastFirstPaint();
    doc->environment.m_strAnnotationTable.clear();
    doc->environment.m_strPublicFacilityTable.clear();
    std::vector<std::string> messages = MessagesOf(ID_PLACE_NAME_SEARCH);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("地名･公共施設"), std::string::npos) << messages[0];

    doc->folders.m_strCityBorderDir = vd::applicationFolder() + "city\\";
    const int kind = doc->pointer.m_nFindPlaceKind;
    messages = MessagesOf(ID_FIND_MUNICIPALITY);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(doc->folders.m_strCityBorderDir + "CITYPLGN\\PG*.DAT"), std::string::npos)
        << messages[0];
    EXPECT_FALSE(view->m_pDlgFindPlace->IsWindow()) << "no empty dialog";
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, kind);
}

TEST_F(MissingParts, TheDepthFilePagesSayNothingIsBuiltYet)
{
    PastFirstPaint();
    doc->folders.m_strSubmarineDir = vd::applicationFolder() + "depth\\";
    // Depth data to build from: only the missing part stands in the way.
    std::filesystem::create_directories(vd::applicationFolderPath() / "depth");
    std::ofstream(vd::applicationFolderPath() / "depth" / "DP34_135.txt") << "34.0 135.0 -10\n";
    for (const int command : {32814, 32815}) {
        frame->routeCommand(command);
        vd::RecordingDc dc;
        view->OnDraw(dc);
        std::string page;
        for (const auto& text : dc.Texts())
            page += text.text + "\n";
        EXPECT_NE(page.find(std::string("「") + kDepthPart + "」"), std::string::npos) << command << page;
        EXPECT_EQ(page.find("まだ作成されていません") != std::string::npos, command == 32814) << page;
        EXPECT_EQ(page.find("作成しました"), std::string::npos) << page;
    }
}

} // namespace
