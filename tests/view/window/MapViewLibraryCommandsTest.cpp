// The view's commands that call the dialog library: the slide-show settings, the elevation legend
// and the place-name search, with a stand-in library; without it they are not offered.
#include "FakeDialogLibrary.h"
#include "MapViewFixture.h"

#include "platform/sys/LibraryLoader.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <vector>

namespace {

using namespace viewtest;

class MapViewWithDialogs : public MapView {
protected:
    void BeforeDocument() override { UseFakeDialogLibrary(); }
    static std::string Log() { return FakeDialogLibraryLog(); }
};

TEST_F(MapViewWithDialogs, ThePlaceNameSearchIsOfferedOnSheetMapsAndCheckedWhileResultsAreHeld)
{
    for (const auto& [mapType, results, enabled, checked] :
         {std::tuple{1, 0, true, 0}, std::tuple{1, 12, true, 1}, std::tuple{2, 0, false, 0}}) {
        doc->position.m_nMapType = mapType;
        doc->m_nResultCount = results;
        for (int id : {ID_PLACE_NAME_SEARCH, ID_PLACE_NAME_SEARCH_POPUP}) {
            vd::CmdUI ui(id);
            ASSERT_TRUE(view->routeUpdate(ui));
            EXPECT_EQ(ui.enabled.value_or(true), enabled) << id;
            EXPECT_EQ(ui.checked.value_or(0), checked) << id;
        }
    }
}

TEST_F(MapViewWithDialogs, TheDialogCommandsAreOfferedWhenTheirDialogsAreThere)
{
    doc->position.m_nMapFigure = 1;
    for (int id : {ID_SLIDE_SHOW_SETTINGS, ID_ELEVATION_LEGEND, ID_ELEVATION_LEGEND_POPUP}) {
        vd::CmdUI ui(id);
        ASSERT_TRUE(view->routeUpdate(ui));
        EXPECT_TRUE(ui.enabled.value_or(true)) << id;
    }
}

// With the built dialog library, a command is offered exactly when the library exports its dialog.
TEST_F(MapView, DialogCommandsAreOfferedOnlyWhenTheBuiltLibraryHasTheirDialogs)
{
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFigure = 1;
    const struct {
        const char* dialog;
        std::vector<int> commands;
    } kDialogs[] = {
        {"OnSlideSet", {ID_SLIDE_SHOW_SETTINGS}},
        {"OnLegendElevetion", {ID_ELEVATION_LEGEND, ID_ELEVATION_LEGEND_POPUP}},
        {"OnGnpfRetrieveSet", {ID_PLACE_NAME_SEARCH, ID_PLACE_NAME_SEARCH_POPUP}},
    };
    for (const auto& [dialog, commands] : kDialogs) {
        const bool exported = vd::LibraryLoader::symbol("TOVENDLG.DLL", dialog) != nullptr;
        for (int id : commands) {
            vd::CmdUI ui(id);
            ASSERT_TRUE(view->routeUpdate(ui));
            EXPECT_EQ(ui.enabled.value_or(true), exported) << dialog << " " << id;
        }
    }
}

TEST_F(MapViewWithDialogs, SlideShowSettingsTakeTheSevenFieldsAndStoreTheJpegChoice)
{
    setenv("VD_FAKE_SLIDE_ANSWER", "2|8|3|OFF|MANUAL|off|LOC|off", 1);
    view->OnSlideShowSettings();
    EXPECT_EQ(Log(), "OnSlideSet(3,5,2,ON,AUTO,on,,on);");
    EXPECT_EQ(view->m_nAlbumPlayOption, 2);
    EXPECT_EQ(view->m_nPageInterval, 8);
    EXPECT_EQ(view->m_nSlideSize, 3);
    EXPECT_EQ(view->m_strSlideMemo, "OFF");
    EXPECT_EQ(doc->entry.m_strSlidePlayMode, "MANUAL");
    EXPECT_EQ(view->m_strPlayMode, "MANUAL");
    EXPECT_EQ(view->m_strShowSeconds, "off");
    EXPECT_EQ(view->m_strSlideLocator, "LOC");
    EXPECT_EQ(view->m_strJpgInSlide, "off");
    EXPECT_EQ(vd::ProfileStore().getString("System", "JPGinSlide", "?"), "off");

    // Cancel, and an answer short of its fields, change nothing.
    for (const char* answer : {"", "1|2|3|"}) {
        setenv("VD_FAKE_SLIDE_ANSWER", answer, 1);
        view->OnSlideShowSettings();
        EXPECT_EQ(view->m_nAlbumPlayOption, 2) << answer;
        EXPECT_EQ(view->m_nPageInterval, 8) << answer;
    }
}

TEST_F(MapViewWithDialogs, TheElevationLegendShowsTheCurrentColourSet)
{
    doc->colours.m_nPaletteNo = 2;
    doc->folders.m_strPaletteDir = "Z:\\pal\\";
    doc->colours.m_crLakeColour = vd::RGB(0, 255, 255);
    view->routeCommand(ID_ELEVATION_LEGEND_POPUP);
    EXPECT_EQ(Log(), "OnLegendElevetion(2,Z:\\pal\\," + std::to_string(vd::RGB(0, 255, 255)) + ");");
}

} // namespace

namespace {

class MapViewWithoutDovanne : public viewtest::MapView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", "/nonexistent/libdovanne.so"));
        documentScript = vd::ui::Script::install();
    }
    std::shared_ptr<vd::ui::Script> documentScript;
};

TEST_F(MapViewWithoutDovanne, DocumentAndViewGiveTheSameAdviceWhereTheLibraryBelongs)
{
    ASSERT_EQ(documentScript->messageBoxes().size(), 1u);
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    for (const auto* box : {&documentScript->messageBoxes()[0], &script->messageBoxes()[0]}) {
        EXPECT_EQ(box->text, "Can't load Dovanne.dll. The dynamic link library must be in the folder of the "
                             "program (libdovanne.so).");
        EXPECT_EQ(box->style & vd::MB_ICONMASK, vd::MB_ICONEXCLAMATION);
    }
}

} // namespace

// The search command runs the built library's conditions dialog and hands its answer on: the
// document keeps the conditions and the next repaint searches.
TEST_F(MapView, ThePlaceNameSearchTakesTheAnswerOfTheConditionsDialog)
{
    doc->position.m_nMapType = 1;
    doc->environment.m_strAnnotationTable = "D:\\GNPF\\ANNOTATION.CSV";
    script->answerDialog("TOVENDLG", 170, [](vd::DialogDriver& d) {
        vd::DialogDriver page = d.page(171);
        page.selectComboText(1001, "自然地名");
        page.selectComboText(1002, "山地");
        page.setText(1004, "岳");
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(view->routeCommand(ID_PLACE_NAME_SEARCH));
    EXPECT_EQ(doc->m_nGnpfValue0, 0);
    EXPECT_EQ(doc->m_nGnpfValue3, 3);
    EXPECT_EQ(doc->m_nGnpfValue4, 1);
    EXPECT_EQ(doc->m_nGnpfValue5, -1);
    EXPECT_EQ(doc->m_strGnpfText1, "自然地名");
    EXPECT_EQ(doc->m_strGnpfText2, "山地");
    EXPECT_EQ(doc->m_strGnpfRest, "岳");
    EXPECT_EQ(doc->m_strPlaceNameState, "GNPF");
}

namespace {

using namespace viewtest;

TEST_F(MapView, ATrackChosenWithItsStartMapShowsTheSheetWhereItStarts)
{
    // The bundled track from the palace to Ueno starts on the sheet 東京.
    std::filesystem::create_directories(doctest::Home() / "TRACK");
    std::filesystem::copy_file(std::string(VD_SAMPLE_DATA_DIR) + "/TRACK/sample.pot", doctest::Home() / "TRACK/sample.pot",
                               std::filesystem::copy_options::overwrite_existing);
    vd::ProfileStore().writeString("TrackList", "Track1", doc->folders.m_strAppDir + "TRACK\\sample.pot");
    PastFirstPaint();
    doc->m_strMapName = "京都及大阪";
    doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nMapDisplayMode = 5;
    Repaint();
    doc->tracks.m_nTrackDisplay = 1;
    script->answerDialog(176, [](vd::DialogDriver& d) {
        d.selectCombo(1269, 0);
        d.click(1074);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->ExecuteCommand(ID_TRACKS));
    Repaint();
    Repaint();
    EXPECT_EQ(doc->m_strMapName.substr(0, doc->m_strMapName.find(' ')), "東京");
    EXPECT_EQ(doc->position.m_nMapType, 1) << "a sheet map, not the overview";
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->m_astrMapEntry[2].substr(0, 7), "35.2000");
}

} // namespace
