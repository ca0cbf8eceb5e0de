// The white map's switches, the prefecture map (Ctrl+G), the user menus' registration and the
// entries of the text and picture menus.
#include "CommandTestSupport.h"

#include <filesystem>

using fakedoc::Answer;
using fakedoc::Calls;

TEST_F(DocumentCommands, WhiteMapSwitchesToggleWithoutRedrawing)
{
    struct Switch {
        int id;
        int MapDisplaySettings::*member;
    };
    for (const Switch& s : {Switch{32791, &MapDisplaySettings::m_nPrefectureLinesFlag},
                            Switch{32834, &MapDisplaySettings::m_nSubprefBorder},
                            Switch{32792, &MapDisplaySettings::m_nGraticuleFlag}}) {
        SCOPED_TRACE(s.id);
        for (const auto& [before, after] : {std::pair{1, 0}, {0, 1}, {7, 1}}) {
            doc->spec.*s.member = before;
            Run(s.id);
            EXPECT_EQ(doc->spec.*s.member, after);
            EXPECT_EQ(Update(s.id).checked, after);
        }
    }
    EXPECT_EQ(redraws, 0);

    // Without prefecture borders the sub-prefecture item is grey and keeps its value.
    doc->spec.m_nPrefectureLinesFlag = 1;
    EXPECT_TRUE(Update(32834).enabled);
    Run(32791);
    EXPECT_FALSE(Update(32834).enabled);
    EXPECT_EQ(doc->spec.m_nSubprefBorder, 1);
}

TEST_F(DocumentCommands, MenuRegistrationReloadsTheMenuBarOfItsKind)
{
    doc->environment.m_strEditor = "ed";
    doc->repaint.m_bMapOnScreen = 1;
    Run(32805);
    EXPECT_EQ(Calls()[0], "OnDlgMenuBarFileUpdate([Z:\\app\\],[ed],0)");
    EXPECT_EQ(doc->menus.m_nMenuBarState, -1) << "-1: nothing changed";
    EXPECT_EQ(redraws, 0);

    Answer("OnDlgMenuBarFileUpdate", "1");
    for (const auto& [id, kind, state] : {std::tuple{32805, 0, -4}, {32806, 1, -4}, {32820, 2, -3}}) {
        SCOPED_TRACE(id);
        fakedoc::Log().clear();
        doc->repaint.m_bMapOnScreen = 1;
        doc->menus.m_nMenuBarState = -1;
        Run(id);
        EXPECT_EQ(Calls()[0], vd::format("OnDlgMenuBarFileUpdate([Z:\\app\\],[ed],%d)", kind));
        EXPECT_EQ(doc->menus.m_nMenuBarState, state);
        EXPECT_EQ(doc->m_nMapDisplayMode, 5);
        EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    }
    EXPECT_EQ(redraws, 3);
}

TEST_F(DocumentCommands, PrefectureMapOfTheChosenPrefecture)
{
    doc->position.m_nMapFrame = doc->position.m_nMapFrameCopy2 = 1;
    doc->menus.m_nGuideMapIndex = 2;
    Answer("OnDddAreaSelect", FlagsWith(13));
    Run(32812);
    EXPECT_EQ(Calls()[0], "OnDddAreaSelect([" + FlagsWith(0) + "1])") << "the selection's prefecture-map form";
    EXPECT_EQ(doc->position.m_nPrefecture, 12);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 4);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);
    EXPECT_EQ(doc->m_nPrefMapState, -1);
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, -1);
    EXPECT_EQ(doc->position.m_strPrefFlags, FlagsWith(13) + "1");
    EXPECT_EQ(Update(32812).checked, 1);
    EXPECT_EQ(redraws, 1);

    // The whole country: a prefecture map with no prefecture chosen.
    Answer("OnDddAreaSelect", FlagsWith(0));
    Run(32812);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(doc->position.m_nPrefecture, 0);
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(Update(32812).checked, 0);
    EXPECT_EQ(redraws, 2);
}

TEST_F(DocumentCommands, ACancelledOrEmptyPrefectureChoiceKeepsTheMapOnScreen)
{
    for (const std::string& answer : {std::string(), FlagsWith(-1)}) {
        SCOPED_TRACE(answer);
        doc->position.m_nMapType = 4;
        doc->position.m_nPrefectureSel = 0;
        doc->menus.m_nGuideMapIndex = 3;
        doc->pointer.m_nMouseDrag = 0;
        Answer("OnDddAreaSelect", answer);
        Run(32812);
        EXPECT_EQ(doc->position.m_nMapType, 4);
        EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
        EXPECT_EQ(doc->menus.m_nGuideMapIndex, 3);
        EXPECT_EQ(doc->pointer.m_nMouseDrag, 0);
    }
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(doc->position.m_strPrefFlags, FlagsWith(-1) + "1") << "an answer is kept even without a flag";
}

TEST_F(DocumentCommands, TextMenuEntriesShowTheirTextAsTheProfileSays)
{
    namespace fs = std::filesystem;
    doctest::WriteBytes(doctest::Home() / "TEXT" / "NOTE.TXT", "note\r\n");
    const std::string file = "@:TEXT\\NOTE.TXT";
    doc->folders.m_strAppDir = vd::applicationFolder();
    doc->menus.m_astrMenuBarEntry[3 * 8 + 2] = "案内@" + file;
    doc->m_strEntryState = "x";

    doc->environment.m_strTextAppear = "Dialog";
    doc->m_nMapDisplayMode = 10;
    doc->RunMenuBarEntry(3, 2);
    EXPECT_EQ(doc->m_strEntryTitle, "案内");
    EXPECT_EQ(doc->m_strEntryState, "");
    EXPECT_EQ(doc->m_strEntryParam, file);
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0], "OnTextDisplayDaialog([" + doc->folders.m_strAppDir + "TEXT\\NOTE.TXT],[案内],[])");
    EXPECT_EQ(redraws, 0);

    doc->environment.m_strTextAppear = "Page";
    doc->RunMenuBarEntry(3, 2);
    EXPECT_EQ(doc->entry.m_strTextPageTitle, "案内");
    EXPECT_EQ(doc->entry.m_strEntryCaption, "案内") << "the page's title box";
    EXPECT_EQ(doc->entry.m_strTextPageFile, file);
    EXPECT_EQ(doc->m_nMapDisplayMode, 19);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(Calls().size(), 1u);

    // A missing file is not shown.
    doc->environment.m_strTextAppear = "Dialog";
    doc->menus.m_astrMenuBarEntry[0] = "無@@:TEXT\\NONE.TXT";
    doc->RunMenuBarEntry(0, 0);
    EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(DocumentCommands, ProgramMenuEntriesSplitAtTheDollar)
{
    struct Case {
        std::string entry;
        int jpegProcess;
        std::string target, param;
        int kind;
    };
    const Case cases[] = {
        {"絵@C:\\bin\\viewer.exe$kyoto.jpg", 1, "C:\\bin\\viewer.exe", "kyoto.jpg", 9},
        {"写真@c:\\pic\\kyoto.jpg", 1, "c:\\pic\\kyoto.jpg", "", 0},
        {"写真@c:\\pic\\kyoto.jpg", 0, "c:\\pic\\kyoto.jpg", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        doc->menus.m_astrMenuBarEntry[34 * 8 + 6] = c.entry;
        doc->environment.m_nJpegProcess = c.jpegProcess;
        doc->m_nMapDisplayMode = 10;
        doc->RunMenuBarEntry(34, 6);
        EXPECT_EQ(doc->entry.m_strEntryTarget, c.target);
        EXPECT_EQ(doc->m_strEntryParam, c.param);
        EXPECT_EQ(doc->m_nFileKind, c.kind);
        EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    }
    EXPECT_EQ(CVeldoranDoc::GetFileKind("C:\\bin\\viewer.exe"), 9);

    // Entries without "@", empty ones and places outside the menus do nothing.
    doc->m_strEntryTitle = "before";
    doc->menus.m_astrMenuBarEntry[1] = "no target";
    for (const auto& [item, menu] : {std::pair{0, 1}, {0, 2}, {35, 0}, {-1, 0}, {0, 8}})
        doc->RunMenuBarEntry(item, menu);
    EXPECT_EQ(doc->m_strEntryTitle, "before");
    EXPECT_EQ(redraws, 0);
}

TEST_F(DocumentCommands, AppPathsExpandBelowTheApplicationFolder)
{
    EXPECT_EQ(doc->ExpandAppPath("@:TEXT\\A.TXT"), "Z:\\app\\TEXT\\A.TXT");
    EXPECT_EQ(doc->ExpandAppPath("plain.txt"), "plain.txt");
}
