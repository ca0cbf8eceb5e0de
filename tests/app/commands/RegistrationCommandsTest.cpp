// The mouse's registration and update modes, the data-source choice and the registration of
// map sheets.
#include "CommandTestSupport.h"

using fakedoc::Answer;
using fakedoc::Calls;

namespace {

const char* const kDualSourceMessage = "HDとCDROMの２つのﾃﾞｰﾀﾌｧｲﾙがあります\r\n｢ﾃﾞｰﾀｿｰｽ｣を指定し直してください！";

} // namespace

TEST_F(DocumentCommands, EachRegistrationModeStartsAndTheSameCommandEndsIt)
{
    struct Case {
        int id, tool, mouseMode, popupWhileOn;
    };
    // Data and update registration hide the pop-up names; album registration keeps them.
    for (const Case& c : {Case{32889, 1, 4, 0}, Case{33154, 4, 4, 1}, Case{32893, 2, 7, 1}}) {
        SCOPED_TRACE(c.id);
        doc->spec.m_nSiteNamePopup = 1;
        doc->m_nSiteNameDisplay = 0;
        doc->position.m_nMapType = 1;
        redraws = 0;
        Run(c.id);
        EXPECT_EQ(doc->pointer.m_nMouseTool, c.tool);
        EXPECT_EQ(doc->pointer.m_nMouseMode, c.mouseMode);
        EXPECT_EQ(doc->pointer.m_bMouseToolActive, 1);
        EXPECT_EQ(doc->spec.m_nSiteNamePopup, c.id == 32889 ? 0 : 1);
        if (c.id == 32893) {
            EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 0);
        }
        EXPECT_EQ(redraws, 0);

        doc->spec.m_nSiteNamePopup = 0;
        Run(c.id);
        EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
        EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
        EXPECT_EQ(doc->pointer.m_bMouseToolActive, 0);
        EXPECT_EQ(doc->spec.m_nSiteNamePopup, 1) << "the saved pop-up value is back";
    }
    // Ending the update mode redraws, and the guide map in its own mode.
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->spec.m_nPlaceNamePopupActive, 1);
    doc->position.m_nMapType = 4;
    Run(32893);
    Run(32893);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
}

TEST_F(DocumentCommands, ARunningModeIsEndedByAnyRegistrationCommand)
{
    Run(32889);
    Run(33154);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0) << "a second mode cannot start while one is on";
}

TEST_F(DocumentCommands, BothDataRegistrationsAreRefusedOnACombinedSource)
{
    doc->registered.m_strDualSource = "on";
    Run(32889);
    Run(32893);
    ASSERT_EQ(script->messageBoxes().size(), 2u);
    EXPECT_EQ(script->messageBoxes()[0].text, kDualSourceMessage);
    EXPECT_EQ(script->messageBoxes()[0].style & 0xF, unsigned(vd::MB_OK));
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    Run(33154);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 4) << "album registration does not ask";
}

TEST_F(DocumentCommands, RegistrationItemsAreCheckedForTheirOwnModeOnly)
{
    doc->repaint.m_bMapOnScreen = 1;
    doc->pointer.m_nMouseTool = 4;
    EXPECT_EQ(Update(32889).checked, 0);
    EXPECT_EQ(Update(33154).checked, 1);
    EXPECT_TRUE(Update(33154).enabled);
    doc->position.m_nMapType = 4;
    EXPECT_FALSE(Update(33154).enabled) << "no album registration on a guide map";
    EXPECT_EQ(Update(33154).checked, -1) << "a mode on keeps its mark";
    EXPECT_TRUE(Update(32893).enabled);

    doc->repaint.m_bMapOnScreen = 0;
    doc->pointer.m_nMouseTool = 0;
    for (int id : {32889, 33154, 32893}) {
        EXPECT_FALSE(Update(id).enabled);
        EXPECT_EQ(Update(id).checked, 0);
    }
}

TEST_F(DocumentCommands, DataSourceChoiceSetsTheDataFile)
{
    ProbeDialogFlag();
    doc->folders.m_strSourceDir = "Z:\\app\\SOURCE\\";
    doc->registered.m_nDataSource = 2;
    Run(32897);
    EXPECT_EQ(Calls()[0], "OnDataSourceSet(2,[off],[Z:\\app\\SOURCE\\])");
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5) << "Cancel redraws the main map";
    EXPECT_EQ(redraws, 1);

    // Number 0 is the common file, whatever the title.
    Answer("OnDataSourceSet", "0|off|CD 共通");
    Run(32897);
    EXPECT_EQ(doc->registered.m_strDataFile, "Z:\\app\\SOURCE\\history.dat");
    EXPECT_TRUE(script->messageBoxes().empty());

    Answer("OnDataSourceSet", "3|on|旅行 CD");
    Run(32897);
    EXPECT_EQ(doc->registered.m_nDataSource, 3);
    EXPECT_EQ(doc->registered.m_strDualSource, "on");
    EXPECT_EQ(doc->registered.m_strDataFileTitle, "旅行 CD");
    EXPECT_EQ(doc->registered.m_strDataFile, "Z:\\app\\SOURCE\\Source3.dat");
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "CDROM ｢旅行 CD｣を準備してください！");

    // From the finished map: the same file lists the sources (mode 7), another one redraws.
    Answer("OnDataSourceSet", "3|on|HD 旅行");
    doc->m_nMapDisplayMode = 10;
    doc->repaint.m_bMapOnScreen = 1;
    Run(32897);
    EXPECT_EQ(doc->m_nMapDisplayMode, 7);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(script->messageBoxes().size(), 1u) << "a hard-disk source asks for no CD-ROM";
    Answer("OnDataSourceSet", "4|on|HD 旅行");
    doc->m_nMapDisplayMode = 10;
    Run(32897);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    EXPECT_TRUE(Update(32897).enabled);
    doc->position.m_nMapType = 4;
    EXPECT_FALSE(Update(32897).enabled);
}

TEST_F(DocumentCommands, SheetRegistrationReloadsTheMenuBarAfterAChange)
{
    ProbeDialogFlag();
    doc->environment.m_strEditor = "ed";
    doc->folders.m_strSheetIndexFile = "Z:\\app\\BlcMap20.idx";
    Answer("OnMapBarMenuFileSet", "0");
    Run(32808);
    EXPECT_EQ(Calls()[0], "OnMapBarMenuFileSet([Z:\\app\\],[ed],[Z:\\app\\BlcMap20.idx])");
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->menus.m_nMenuBarState, 0);
    EXPECT_EQ(redraws, 0);
    Answer("OnMapBarMenuFileSet", "-3");
    doc->repaint.m_bMapOnScreen = 1;
    Run(32808);
    EXPECT_EQ(doc->menus.m_nMenuBarState, -3);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(redraws, 1);
}
